#pragma once

#include "editor/commands/command_table.h"

#include <cstdint>

namespace korvo {

// What the shape menu's polygon and curve conversions do to a shape, by its kind.
enum class TConversion {
    // The command does nothing for the kind, so its item is disabled.
    None,
    // The points kept, the kind changed.
    KindToPolygon,
    KindToOpenPolygon,
    KindToOpenCurve,
    // Only the anchors kept, as a closed or an open polygon.
    CurveToPolygon,
    CurveToOpenPolygon,
    // Each edge becomes a straight Bezier segment, open or closed.
    PolygonToOpenCurve,
    PolygonToClosedCurve,
    // A straight segment back to the start added.
    CloseCurve,
};

// For ConvertToPolygon, ConvertToPolyline, ConvertToOpenCurve and ConvertToClosedCurve; None for any
// other command.
TConversion ConversionFor(TCommand command, std::int32_t kind);

// How the node menu adds and deletes the nodes of a kind.
enum class TNodeStyle {
    None,
    // Any node is a corner; a new one goes half way to the next.
    Corners,
    // Only Bezier anchors are added after or deleted, each with its control points.
    Anchors,
};

TNodeStyle NodeStyleFor(std::int32_t kind);

// Whether the node menu's items act on the node last picked on a shape of the kind, -1 for none.
bool NodeAdds(std::int32_t kind, int node);
bool NodeDeletes(std::int32_t kind, int node);

} // namespace korvo
