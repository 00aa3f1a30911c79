#pragma once

#include <cstdint>

namespace korvo {

// The product names one rounding rule for every conversion to integers. All of them saturate at the
// 32-bit range and map NaN to 0, so coordinates from a damaged file can never cause undefined behaviour.

// Nearest integer, ties to even (the floating-point unit's default mode).
std::int32_t Round(double v);

// Towards zero.
std::int32_t Trunc(double v);

// a * b / c with the 64-bit intermediate and halves rounded away from zero, as the platform's
// pixel-per-inch conversions do. A zero divisor gives -1, as the platform does.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// v clamped to the 32-bit range, for integer sums and differences that garbage could push past it.
std::int32_t Saturate32(std::int64_t v);

// Whether Trunc(v) is exact, i.e. v is a finite number inside the 32-bit range.
bool FitsInt32(double v);

} // namespace korvo
