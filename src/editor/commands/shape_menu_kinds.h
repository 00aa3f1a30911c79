#pragma once

#include "editor/commands/command_table.h"
#include "shapes/shape_kind_traits.h"

#include <cstdint>

namespace korvo {

// What the shape menu's polygon and curve conversions do to a shape of the kind: for
// ConvertToPolygon, ConvertToPolyline, ConvertToOpenCurve and ConvertToClosedCurve; None for any
// other command.
TConversion ConversionFor(TCommand command, std::int32_t kind);

TNodeStyle NodeStyleFor(std::int32_t kind);

// Whether the node menu's items act on the node last picked on a shape of the kind, -1 for none.
bool NodeAdds(std::int32_t kind, int node);
bool NodeDeletes(std::int32_t kind, int node);

} // namespace korvo
