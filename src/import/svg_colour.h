#pragma once

#include <QColor>
#include <QStringView>

#include <optional>

namespace korvo {

// A colour in any SVG/CSS form: a name, #rgb, #rrggbb, #rgba, #rrggbbaa, rgb()/rgba() with numbers
// or percentages, hsl()/hsla(), transparent, or currentColor (the given colour). Empty when the text
// is not a colour.
std::optional<QColor> ParseSvgColour(QStringView text, const QColor& currentColour);

// The solid colour that colour at the given opacity shows over white paper.
QColor OverWhite(const QColor& colour, double opacity);

// An opacity value: a number or a percentage, clamped to 0..1; empty when it is neither.
std::optional<double> ParseSvgOpacity(QStringView text);

} // namespace korvo
