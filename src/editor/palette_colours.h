#pragma once

#include "shapes/colour.h"

#include <QPoint>
#include <QSize>

#include <vector>

class QPainter;

namespace korvo {

// The palette's 98 fixed colours. Index 0 is no colour (NoFillColour): no fill, or no outline; the
// others are shown in two columns, 0..48 on the left and 49..97 on the right, one row each.
constexpr int PaletteSize = 98;
// The palette's picture; the squares are 16 pixels apart and 17 wide, so neighbours share a border.
constexpr QSize PalettePictureSize(32, 784);
// How far right of the palette box's left edge the picture stands.
constexpr int PalettePictureLeft = 2;

// A colour of the palette; white for an index outside it.
TColour PaletteColour(int index);
// The palette's colours in its order, without "no colour": what a line or a curve can be drawn in.
std::vector<TColour> PaletteLineColours();
// Paints the palette's picture with its top-left corner at the painter's origin.
void PaintPaletteColours(QPainter& painter);
// The index of the square drawn under a point of the palette box; -1 where there is none.
int PaletteIndexAt(QPoint at);

} // namespace korvo
