#pragma once

#include "shapes/pen_brush.h"

namespace korvo {

// Pens are measured in 1/144 inch wherever they keep their true size: on paper and in pictures.
constexpr int PenUnitsPerInch = 144;

// Makes the pen `width` pen units wide, to the nearest whole unit (halfway: the thinner one). The
// thinnest pen is one unit, so a finer line takes that unit with its colour faded by its share of it,
// as opacity does: it then inks about as much as the line it stands for instead of coming out bold.
// It fades toward the fill it runs along, or toward white paper when the shape has none: faded to
// white, a hairline would draw a pale rim round a dark shape.
void SetPenWidth(TPen& pen, double width, const TBrush& fill);

} // namespace korvo
