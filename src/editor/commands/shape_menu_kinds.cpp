#include "editor/commands/shape_menu_kinds.h"

#include "shapes/shape_geometry.h"
#include "shapes/shape_kinds.h"

#include <algorithm>
#include <initializer_list>

namespace korvo {

namespace {

    using T = TConversion;

    bool OneOf(std::int32_t kind, std::initializer_list<std::int32_t> kinds)
    {
        return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
    }

    // The first conversion whose kinds hold the kind.
    T Pick(std::int32_t kind, std::initializer_list<std::int32_t> first, T firstConversion,
        std::initializer_list<std::int32_t> second, T secondConversion)
    {
        return OneOf(kind, first) ? firstConversion : OneOf(kind, second) ? secondConversion : T::None;
    }

} // namespace

TConversion ConversionFor(TCommand command, std::int32_t kind)
{
    switch (command) {
    case TCommand::ConvertToPolygon:
        return Pick(kind, { skPolyline, skOpenPolygon }, T::KindToPolygon,
            { skOpenCurve, skClosedCurveAlt, skClosedCurve }, T::CurveToPolygon);
    case TCommand::ConvertToPolyline:
        return Pick(kind, { skPolygon, skRectangle }, T::KindToOpenPolygon,
            { skCurve, skOpenCurve, skClosedCurveAlt, skOpenCurveFilled }, T::CurveToOpenPolygon);
    case TCommand::ConvertToOpenCurve:
        return Pick(kind, { skPolygon, skRectangle, skPolyline, skLine, skOpenPolygon }, T::PolygonToOpenCurve,
            { skCircle, skClosedCurveAlt, skClosedCurve }, T::KindToOpenCurve);
    case TCommand::ConvertToClosedCurve:
        return Pick(kind, { skPolygon, skRectangle, skPolyline, skOpenPolygon }, T::PolygonToClosedCurve,
            { skOpenCurve, skOpenCurveFilled }, T::CloseCurve);
    default:
        return T::None;
    }
}

TNodeStyle NodeStyleFor(std::int32_t kind)
{
    // A sine wave is none of these: its wave is its form, so its node menu stays disabled.
    if (OneOf(kind, { skPolygon, skRectangle, skPolyline, skLine, skOpenPolygon }))
        return TNodeStyle::Corners;
    if (OneOf(kind, { skOpenCurve, skClosedCurveAlt, skClosedCurve }))
        return TNodeStyle::Anchors;
    return TNodeStyle::None;
}

bool NodeAdds(std::int32_t kind, int node)
{
    const TNodeStyle style = NodeStyleFor(kind);
    return node != -1
        && (style == TNodeStyle::Corners || (style == TNodeStyle::Anchors && node % BezierPointsPerSegment == 0));
}

bool NodeDeletes(std::int32_t kind, int node)
{
    // Either node of a line is one of its last two, whose deletion would take the whole line.
    return kind != skLine && NodeAdds(kind, node);
}

} // namespace korvo
