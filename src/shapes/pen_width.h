#pragma once

#include "shapes/pen_brush.h"

namespace korvo {

// Makes the pen `width` pen units wide, to the nearest whole unit (halfway: the thinner one). The thinnest pen is one
// unit, so a finer line takes that unit with its colour faded toward white by its share of it, as opacity does: it then
// inks about as much as the line it stands for instead of coming out bold.
void SetPenWidth(TPen& pen, double width);

} // namespace korvo
