#pragma once

#include "shapes/pen_brush.h"

#include <QBrush>
#include <QPen>

namespace korvo {

// A painting pen for the shape's pen at the given width in device pixels. Dotted and dashed styles
// keep the platform's patterns (a dot is three pen widths on, three off); the clear style paints nothing.
QPen ToQPen(const TPen& pen, int width);

// A painting brush; hatched styles keep their patterns, the clear style paints nothing.
QBrush ToQBrush(const TBrush& brush);

} // namespace korvo
