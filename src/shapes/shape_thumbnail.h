#pragma once

#include "geometry/device_types.h"
#include "shapes/polygon.h"
#include "shapes/shape_painter.h"

namespace korvo {

// Paints a library shape (top-left at the page origin) fitted into a list row of r's height, keeping
// its proportions, and returns the rectangle it used.
TRect DrawThumbnail(TShapePainter& shapes, QPainter& painter, const TPolygon& shape, TRect r);

} // namespace korvo
