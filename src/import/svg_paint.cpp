#include "import/svg_paint.h"

#include "import/svg_colour.h"
#include "import/svg_gradient.h"
#include "import/svg_marker.h"
#include "import/svg_style.h"
#include "import/svg_tree.h"
#include "import/svg_units.h"

#include <cmath>

namespace korvo {
namespace {

    // What shows of the colour over white; nothing when it is all but transparent.
    std::optional<QColor> Solid(const QColor& colour, double opacity)
    {
        if (colour.alphaF() * opacity < 0.5 / 255)
            return std::nullopt;
        return OverWhite(colour, opacity);
    }

} // namespace

TSvgPaintResolver::TSvgPaintResolver(const TSvgTree& tree, const TSvgStyleSheet& sheet, TSvgLeftOut& leftOut)
    : Tree(tree)
    , Sheet(sheet)
    , LeftOut(leftOut)
{
}

TSvgPaint TSvgPaintResolver::Resolve(const TSvgStyle& style, const QTransform& toPage, bool takesMarkers)
{
    TSvgPaint paint;
    paint.Fill = Colour(style.Fill, style.FillOpacity * style.Opacity, style.Colour);
    if (style.StrokeWidth > 0)
        paint.Stroke = Colour(style.Stroke, style.StrokeOpacity * style.Opacity, style.Colour);
    // A non-scaling stroke keeps its width in CSS pixels whatever the transforms and viewBox.
    const double scale = style.NonScalingStroke ? 1 / SvgUnitsPerMm : LengthScale(toPage);
    paint.StrokeWidthMm = style.StrokeWidth * scale;
    for (const double dash : style.Dash)
        paint.DashMm.push_back(dash * scale);
    paint.Rule = style.FillRule;
    if (takesMarkers) {
        paint.MarkerStart = IsArrowMarker(Tree, style.MarkerStart);
        paint.MarkerEnd = IsArrowMarker(Tree, style.MarkerEnd);
    }
    return paint;
}

std::optional<QColor> TSvgPaintResolver::Colour(const QString& paint, double opacity, const QColor& current)
{
    const QStringView text = QStringView(paint).trimmed();
    if (text.isEmpty() || text == u"none")
        return std::nullopt;
    if (text.startsWith(u"url(")) {
        const qsizetype close = text.indexOf(u')');
        const QStringView fallback = close < 0 ? QStringView() : text.mid(close + 1).trimmed();
        return Referenced(Tree.Find(text), fallback, opacity, current);
    }
    const auto colour = ParseSvgColour(text, current);
    return colour ? Solid(*colour, opacity) : std::nullopt;
}

std::optional<QColor> TSvgPaintResolver::Referenced(
    int element, QStringView fallback, double opacity, const QColor& current)
{
    const bool hasFallback = !fallback.isEmpty();
    if (element >= 0) {
        const QString& name = Tree.Nodes[static_cast<std::size_t>(element)].Name;
        if (name == u"linearGradient" || name == u"radialGradient") {
            if (const auto average = GradientAverage(Tree, element, Sheet))
                return Solid(*average, opacity);
        }
        if (name == u"pattern")
            ++LeftOut.Patterns;
    }
    return hasFallback ? Colour(fallback.toString(), opacity, current) : std::nullopt;
}

double LengthScale(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

} // namespace korvo
