#pragma once

#include "editor/commands/command_table.h"

namespace korvo {

class TDrawing;

// What the enabling rules look at: the drawing with its selection, paste buffer and history, and
// the window's own state.
struct TCommandContext {
    const TDrawing& Drawing;
    // The shape last under the pointer: a lone text cannot be mirrored, and the shape and node menus
    // act on it.
    int HotShape = -1;
    bool HasRecentFiles = false;
};

bool RuleHolds(TEnableRule rule, const TCommandContext& context);

} // namespace korvo
