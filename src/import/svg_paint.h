#pragma once

#include "import/svg_gradient.h"
#include "import/svg_import.h"
#include "import/svg_shape_builder.h"

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QString>
#include <QTransform>

#include <optional>

namespace korvo {

struct TSvgTree;
struct TSvgStyle;
class TSvgStyleSheet;

// A shape's presentation before it meets what lies beneath it. The fill and stroke are brushes in page
// mm, a colour whose alpha says how much of it shows or a gradient, Qt::NoBrush where nothing is painted;
// the paint's own colours are left unset until the backdrop settles them.
struct TSvgLayer {
    TSvgPaint Paint;
    QBrush Fill;
    QBrush Stroke;

    bool Paints() const { return Fill.style() != Qt::NoBrush || Stroke.style() != Qt::NoBrush; }
};

// Turns cascaded styles into what Korvo's shapes can hold: brushes, pen widths and dashes in mm, arrow
// markers. Paints it cannot hold (patterns) are counted as left out.
class TSvgPaintResolver {
public:
    TSvgPaintResolver(const TSvgTree& tree, const TSvgStyleSheet& sheet, TSvgLeftOut& leftOut);

    // The presentation of a shape whose outline the place gives; strokeScale is StrokeScale's for it.
    TSvgLayer Resolve(const TSvgStyle& style, const TSvgGradientPlace& place, double strokeScale, bool takesMarkers);

    // A paint ("none", a colour, "url(#id) fallback") at the given opacity as the solid colour it
    // shows over white; empty when nothing is painted. A gradient gives its average colour, a
    // pattern its fallback colour.
    std::optional<QColor> Colour(const QString& paint, double opacity, const QColor& current);

private:
    // The paint as a brush on the place, or, without one, a gradient as its average colour.
    QBrush Brush(const QString& paint, double opacity, const QColor& current, const TSvgGradientPlace* place);
    QBrush Referenced(
        int element, QStringView fallback, double opacity, const QColor& current, const TSvgGradientPlace* place);

    const TSvgTree& Tree;
    const TSvgStyleSheet& Sheet;
    TSvgLeftOut& LeftOut;
};

// How much the transform to the page widens a stroke of the outline (in user units): as much as makes
// the line ink what the transformed stroke inks. A stretch thickens the parts of a line that run
// across it, not those along it, so under an uneven scale the widening depends on the outline.
double StrokeScale(const QPainterPath& outline, const QTransform& toPage);

} // namespace korvo
