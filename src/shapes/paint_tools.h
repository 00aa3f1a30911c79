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

// Whether lines of this pen are 1 pixel wide and solid.
bool IsThinSolid(const QPen& pen);

// The platform's ellipse with a 1-pixel pen in the box from centre - radius to centre + radius, whose
// right and bottom edges lie outside it: on a raster image its pixels span centre - radius .. centre + radius - 1.
void DrawCircleInBox(QPainter& painter, QPoint centre, int radius);

// The part of the painter's own coordinates that reaches its device, within its clip.
QRectF VisibleArea(const QPainter& painter);

// The visible area with a margin far wider than any view: lines are cut down to it, where no view sees
// the cut, so that coordinates stay small enough for the rasteriser.
QRectF LineReach(const QPainter& painter);

// Inks in the pen's colour the pixels that a 1-pixel line from `from` to `to`, both whole pixels,
// inks on a raster image as the platform draws lines: one pixel in each column (row, for a steep
// line), the one whose centre lies nearest the line, from `from` up to but not including `to`; only
// the columns (rows) within `keep`. Qt's own thin lines restart wherever the view cuts them and may
// then pick other pixels; this fills a band one pixel thick whose edges follow the whole line, so a
// cut line inks what the whole one inks there. The painter's pen and brush are left as they were.
void FillThinLine(QPainter& painter, QPointF from, QPointF to, const QRectF& keep);

// A polyline as the platform draws it with a 1-pixel solid pen: each segment leaves its last pixel to
// the next one, so only the end point of the whole polyline stays uninked. Other pens and vector
// targets draw the plain polyline.
void DrawPolylineOpenEnded(QPainter& painter, const QPoint* points, int count);

} // namespace korvo
