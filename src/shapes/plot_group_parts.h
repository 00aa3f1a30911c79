#pragma once

#include "shapes/formula.h"
#include "shapes/plot_group.h"
#include "shapes/plot_group_paper.h"

#include <vector>

namespace korvo {

// The parts MakePlotGroup puts together; each appends its shapes to `out`.

// Axes, ticks, numbers and titles. False when a title holds characters that no character set can store.
bool AddAxes(
    const TPlotFrame& frame, const TPlotAxes& axes, TColour textColour, float scale, std::vector<TPolygon>& out);

// One curve: its line and markers, clipped to the frame's window. False when a function does not read.
bool AddCurve(const TPlotFrame& frame, const TPlotCurve& curve, float scale, std::vector<TPolygon>& out,
    TPlotOmissions& omissions);

// Shape builders shared by the parts.

TPolygon LineShape(std::int32_t kind, TMMArray points, TColour colour, std::uint8_t style, std::int32_t width);

// Where a text goes: the point of its box given in parts of its width (0 left, 1 right) and height (0 top,
// 1 bottom) lands on the anchor; lines follow one another in the direction Down.
struct TTextPlace {
    TMMPoint Anchor;
    TMMPoint Down;
    double AcrossPart = 0;
    double DownPart = 0;
};

// The size of a text's box in millimetres.
struct TTextBox {
    double Width = 0;
    double Height = 0;
};

// Appends the text's runs, laid out as the formula markup reads it, in Arial of the given size in points.
// Nothing when it has no characters or holds one that no character set can store.
std::optional<TTextBox> PlaceText(
    const QString& text, int points, TColour colour, const TTextPlace& place, float scale, std::vector<TPolygon>& out);

} // namespace korvo
