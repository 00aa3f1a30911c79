#pragma once

#include "shapes/pen_brush.h"

#include <QBrush>
#include <QPainter>
#include <QPen>

namespace korvo {

// A painting pen for the shape's pen at the given width in device pixels. Dotted and dashed styles
// keep the platform's patterns (a dot is three pen widths on, three off); the clear style paints nothing.
QPen ToQPen(const TPen& pen, int width);

// A painting brush; hatched styles keep their patterns, the clear style paints nothing.
QBrush ToQBrush(const TBrush& brush);

// Whether the painter sets pixels of a raster image one for one, where a figure must ink exactly the
// platform's pixels. Vector targets (SVG, PDF, metafile, print preview) keep the exact geometry instead.
bool PaintsPixels(const QPainter& painter);

// The platform's ellipse with a 1-pixel pen in the box from centre - radius to centre + radius, whose
// right and bottom edges lie outside it: on a raster image its pixels span centre - radius .. centre + radius - 1.
void DrawCircleInBox(QPainter& painter, QPoint centre, int radius);

// A polyline as the platform draws it with a 1-pixel solid pen from ToQPen: each segment leaves its last
// pixel to the next one, so only the end point of the whole polyline stays uninked. Other pens and
// vector targets draw the plain polyline.
void DrawPolylineOpenEnded(QPainter& painter, const QPoint* points, int count);

} // namespace korvo
