#pragma once

#include "geometry/device_types.h"
#include "shapes/polygon.h"
#include "shapes/shape_painter.h"

namespace korvo {

// Paints a library shape (top-left at the page origin) into a list row whose inner rectangle is r and
// returns the rectangle it used: the shape's natural size at zoom x1 when it fits the row's height,
// else shrunk to that height keeping its proportions; left-aligned and centred vertically, never wider
// than the row is high. A flat shape (a level line) runs through the middle of that rectangle. Line
// ends and pens may reach a pixel or two past it; the caller clips.
TRect DrawThumbnail(TShapePainter& shapes, QPainter& painter, const TPolygon& shape, const TRect& r);

} // namespace korvo
