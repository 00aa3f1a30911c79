#include "geometry/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace korvo {

namespace {

    constexpr double MinInt32 = std::numeric_limits<std::int32_t>::min();
    constexpr double MaxInt32 = std::numeric_limits<std::int32_t>::max();

    std::int32_t Saturate(double integral)
    {
        if (std::isnan(integral))
            return 0;
        if (integral <= MinInt32)
            return std::numeric_limits<std::int32_t>::min();
        if (integral >= MaxInt32)
            return std::numeric_limits<std::int32_t>::max();
        return static_cast<std::int32_t>(integral);
    }

} // namespace

std::int32_t Round(double v) { return Saturate(std::nearbyint(v)); }

std::int32_t Trunc(double v) { return Saturate(std::trunc(v)); }

std::int32_t Saturate32(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool FitsInt32(double v) { return v > MinInt32 - 1.0 && v < MaxInt32 + 1.0; }

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    const bool negative = (product < 0) != (c < 0);
    return Saturate(static_cast<double>(negative ? -magnitude : magnitude));
}

} // namespace korvo
