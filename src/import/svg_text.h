#pragma once

#include "shapes/polygon.h"

#include <QRectF>
#include <QString>
#include <QTransform>

#include <optional>
#include <vector>

namespace korvo {

struct TSvgTree;
struct TSvgStyle;
struct TSvgLeftOut;
class TSvgStyleSheet;
class TSvgPaintResolver;

// What every text element of a picture is read with.
struct TSvgTextContext {
    const TSvgTree& Tree;
    const TSvgStyleSheet& Sheet;
    TSvgPaintResolver& Paints;
    TSvgLeftOut& LeftOut;
    // Characters copied by trefs so far, within SvgLimits, and the reason when they went past.
    qint64& ReferencedCharacters;
    QString& Error;
};

// Appends the text shapes of a <text> element. A tspan that sets its own x or y starts a new shape
// there; other tspans and trefs continue the shape they are in and take its font. White space
// collapses unless xml:space keeps it. A shape mostly outside the clip (in mm) is left out; a text
// along a path, or one that no character set of Korvo can hold, is left out and counted.
void AppendSvgText(const TSvgTextContext& context, int text, const TSvgStyle& style, const QTransform& toPage,
    const std::optional<QRectF>& clip, std::vector<TPolygon>& out);

} // namespace korvo
