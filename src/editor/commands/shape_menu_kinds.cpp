#include "editor/commands/shape_menu_kinds.h"

#include "shapes/shape_geometry.h"

namespace korvo {

TConversion ConversionFor(TCommand command, std::int32_t kind)
{
    const TConversions& converts = KindTraits(kind).Converts;
    switch (command) {
    case TCommand::ConvertToPolygon:
        return converts.ToPolygon;
    case TCommand::ConvertToPolyline:
        return converts.ToPolyline;
    case TCommand::ConvertToOpenCurve:
        return converts.ToOpenCurve;
    case TCommand::ConvertToClosedCurve:
        return converts.ToClosedCurve;
    default:
        return TConversion::None;
    }
}

TNodeStyle NodeStyleFor(std::int32_t kind) { return KindTraits(kind).Nodes; }

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
