#pragma once

#include "document/drawing_file.h"

namespace korvo::bench {

// A page of `count` shapes in a realistic mix: rectangles, ellipses, polygons of 3 to 20 points,
// curves, lines with arrows, texts and groups, spread over the A4 page. The same seed gives the
// same drawing.
TShapeList SyntheticDrawing(int count, unsigned seed = 1);

} // namespace korvo::bench
