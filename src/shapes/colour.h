#pragma once

#include <cstdint>

namespace korvo {

// 0x00BBGGRR, red in the low byte; a high byte of 0xFF names a system colour by its low byte.
using TColour = std::uint32_t;

// What callers pass to ask for no fill. Never stored as a brush colour.
constexpr TColour NoFillColour = 0x1FFFFFFF;

constexpr TColour clBlack = 0x00000000;
constexpr TColour clWhite = 0x00FFFFFF;
constexpr TColour clRed = 0x000000FF;
constexpr TColour clBlue = 0x00FF0000;
constexpr TColour clGray = 0x00808080;
constexpr TColour clWindowText = 0xFF000008;

} // namespace korvo
