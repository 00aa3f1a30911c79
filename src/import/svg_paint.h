#pragma once

#include "import/svg_import.h"
#include "import/svg_shape_builder.h"

#include <QColor>
#include <QString>
#include <QTransform>

#include <optional>

namespace korvo {

struct TSvgTree;
struct TSvgStyle;
class TSvgStyleSheet;

// Turns cascaded styles into what Korvo's shapes can hold: solid colours over white paper, pen
// widths and dashes in mm, arrow markers. Paints it cannot hold (patterns) are counted as left out.
class TSvgPaintResolver {
public:
    TSvgPaintResolver(const TSvgTree& tree, const TSvgStyleSheet& sheet, TSvgLeftOut& leftOut);

    // A shape's presentation; toPage maps its user units to mm on the page.
    TSvgPaint Resolve(const TSvgStyle& style, const QTransform& toPage, bool takesMarkers);

    // A paint ("none", a colour, "url(#id) fallback") at the given opacity as the solid colour it
    // shows over white; empty when nothing is painted. A gradient gives its average colour, a
    // pattern its fallback colour.
    std::optional<QColor> Colour(const QString& paint, double opacity, const QColor& current);

private:
    std::optional<QColor> Referenced(int element, QStringView fallback, double opacity, const QColor& current);

    const TSvgTree& Tree;
    const TSvgStyleSheet& Sheet;
    TSvgLeftOut& LeftOut;
};

// How much a transform scales lengths on average (the root of its determinant's size).
double LengthScale(const QTransform& t);

} // namespace korvo
