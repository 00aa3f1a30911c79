#include "import/svg_paint.h"

#include "import/svg_colour.h"
#include "import/svg_marker.h"
#include "import/svg_style.h"
#include "import/svg_tree.h"
#include "import/svg_units.h"

#include <cmath>

namespace korvo {
namespace {

    // The colour with the opacity taken into its alpha; no brush when it is all but transparent.
    QBrush AtOpacity(QColor colour, double opacity)
    {
        const double alpha = colour.alphaF() * opacity;
        if (alpha < 0.5 / 255)
            return Qt::NoBrush;
        colour.setAlphaF(float(alpha));
        return colour;
    }

    // Whether the transform scales every direction alike (turns and mirrors allowed): its columns are
    // as long as each other and at right angles.
    bool IsEvenScale(const QTransform& t)
    {
        const double across = t.m11() * t.m21() + t.m12() * t.m22();
        const double first = t.m11() * t.m11() + t.m12() * t.m12();
        const double second = t.m21() * t.m21() + t.m22() * t.m22();
        constexpr double Slack = 1e-9;
        return std::abs(first - second) <= Slack * (first + second) && std::abs(across) <= Slack * (first + second);
    }

} // namespace

TSvgPaintResolver::TSvgPaintResolver(const TSvgTree& tree, const TSvgStyleSheet& sheet, TSvgLeftOut& leftOut)
    : Tree(tree)
    , Sheet(sheet)
    , LeftOut(leftOut)
{
}

TSvgLayer TSvgPaintResolver::Resolve(
    const TSvgStyle& style, const TSvgGradientPlace& place, double strokeScale, bool takesMarkers)
{
    TSvgLayer layer;
    layer.Fill = Brush(style.Fill, style.FillOpacity * style.Opacity, style.Colour, &place);
    if (style.StrokeWidth > 0)
        layer.Stroke = Brush(style.Stroke, style.StrokeOpacity * style.Opacity, style.Colour, &place);
    TSvgPaint& paint = layer.Paint;
    // A non-scaling stroke keeps its width in CSS pixels whatever the transforms and viewBox.
    const double scale = style.NonScalingStroke ? 1 / SvgUnitsPerMm : strokeScale;
    paint.StrokeWidthMm = style.StrokeWidth * scale;
    for (const double dash : style.Dash)
        paint.DashMm.push_back(dash * scale);
    paint.Rule = style.FillRule;
    if (takesMarkers) {
        paint.MarkerStart = IsArrowMarker(Tree, style.MarkerStart);
        paint.MarkerEnd = IsArrowMarker(Tree, style.MarkerEnd);
    }
    return layer;
}

std::optional<QColor> TSvgPaintResolver::Colour(const QString& paint, double opacity, const QColor& current)
{
    const QBrush brush = Brush(paint, opacity, current, nullptr);
    if (brush.style() == Qt::NoBrush)
        return std::nullopt;
    return OverWhite(brush.color(), 1);
}

QBrush TSvgPaintResolver::Brush(
    const QString& paint, double opacity, const QColor& current, const TSvgGradientPlace* place)
{
    const QStringView text = QStringView(paint).trimmed();
    if (text.isEmpty() || text == u"none")
        return Qt::NoBrush;
    if (text.startsWith(u"url(")) {
        const qsizetype close = text.indexOf(u')');
        const QStringView fallback = close < 0 ? QStringView() : text.mid(close + 1).trimmed();
        return Referenced(Tree.Find(text), fallback, opacity, current, place);
    }
    const auto colour = ParseSvgColour(text, current);
    return colour ? AtOpacity(*colour, opacity) : Qt::NoBrush;
}

QBrush TSvgPaintResolver::Referenced(
    int element, QStringView fallback, double opacity, const QColor& current, const TSvgGradientPlace* place)
{
    const bool hasFallback = !fallback.isEmpty();
    if (element >= 0) {
        const QString& name = Tree.Nodes[static_cast<std::size_t>(element)].Name;
        if (name == u"linearGradient" || name == u"radialGradient") {
            if (place) {
                if (const auto brush = GradientBrush(Tree, element, Sheet, opacity, *place))
                    return *brush;
            }
            if (const auto average = GradientAverage(Tree, element, Sheet))
                return AtOpacity(*average, opacity);
        }
        if (name == u"pattern")
            ++LeftOut.Patterns;
    }
    return hasFallback ? Brush(fallback.toString(), opacity, current, place) : Qt::NoBrush;
}

double StrokeScale(const QPainterPath& outline, const QTransform& toPage)
{
    const double area = std::abs(toPage.determinant());
    // A line widened w times along its length inks w times its area, and the area grows with the
    // determinant: that gives the widening from the outline's lengths before and after.
    if (!IsEvenScale(toPage)) {
        const double pageLength = toPage.map(outline).length();
        if (pageLength > 0)
            return area * outline.length() / pageLength;
    }
    return std::sqrt(area);
}

} // namespace korvo
