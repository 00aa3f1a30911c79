#pragma once

#include "shapes/colour.h"

#include <QColor>

namespace korvo {

// The colour to paint with: 0x00BBGGRR values directly, system colours (high byte 0xFF) through the
// classic desktop defaults, anything else by its low 24 bits.
QColor ToQColor(TColour colour);
// A colour as the toolkit paints it, as a 0x00BBGGRR value.
TColour ColourFromRgb(QRgb rgb);

} // namespace korvo
