#pragma once

#include "geometry/device_types.h"
#include "shapes/paint_errors.h"
#include "shapes/polygon.h"

#include <QPainter>

namespace korvo {

// The marks of a selected shape on the screen, painted over all shapes and never printed: eight
// grey resize handles, or in node editing a small square on every node with the Bezier control lines.
// Marks are measured in pixels and do not grow with the zoom.

void DrawGrips(QPainter& painter, const TPolygon& shape, int offsetX, int offsetY);

// Control lines are drawn with exclusive-or, so the painter must paint on a raster image.
// `points` is a buffer reused between calls. Errors are collected as "Node selection " + kind.
void DrawNodes(QPainter& painter, const TPolygon& shape, int offsetX, int offsetY, float scale, TPointArray& points,
    TPaintErrors& errors);

} // namespace korvo
