#pragma once

#include <cstdint>

namespace korvo {

// Shape kind numbers as stored in records. A shape's kind is a plain 32-bit number because
// records may carry numbers outside this list; those paint as closed polygons.
enum : std::int32_t {
    skPolygon = 1,
    skRectangle = 2,
    skCircle = 3,
    skPolyline = 6,
    skLine = 7,
    skCurve = 8,
    skText = 9,
    skGroup = 10,
    skTubeBend = 13,
    skOpenCurve = 14,
    skClosedCurveAlt = 15,
    skGraphPaper = 16,
    skTube = 17,
    skTubeVertical = 18,
    skClosedCurve = 20,
    skOpenCurveFilled = 21,
    skOpenPolygon = 22,
};

// Line endings, painted at the last point of line-like kinds.
enum : std::uint8_t {
    leNone = 0,
    leArrow = 1,
    leCircle = 2,
    leArrowMedium = 3,
    leArrowSmall = 4,
};

// The platform pen and brush style numbers the editor uses; records carry any other number unchanged.
enum : std::uint8_t {
    psSolid = 0,
    psDot = 2,
    psClear = 5,
};

enum : std::uint8_t {
    bsSolid = 0,
    bsClear = 1,
};

} // namespace korvo
