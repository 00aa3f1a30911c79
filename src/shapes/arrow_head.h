#pragma once

#include "geometry/device_types.h"

#include <QPoint>

#include <array>
#include <cstdint>

namespace korvo {

// The triangle of an arrow head at the last of the device points, pointing away from the point
// before it; tip first. The points must hold at least two entries.
std::array<QPoint, 3> CalcArrowHead(const TPointArray& points, std::uint8_t lineEnd, float scale);

} // namespace korvo
