#pragma once

#include "shapes/polygon.h"

#include <QTransform>

#include <vector>

namespace korvo {

struct TSvgTree;
struct TSvgStyle;
class TSvgStyleSheet;
class TSvgPaintResolver;

// Appends the text shapes of a <text> element. A tspan that sets its own x or y starts a new shape
// there; other tspans continue the shape they are in and take its font. White space collapses.
void AppendSvgText(const TSvgTree& tree, int text, const TSvgStyle& style, const QTransform& toPage,
    const TSvgStyleSheet& sheet, TSvgPaintResolver& paints, std::vector<TPolygon>& out);

} // namespace korvo
