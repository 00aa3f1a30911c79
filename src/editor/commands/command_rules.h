#pragma once

#include "editor/commands/command_table.h"

namespace korvo {

class TDrawing;

// The library list as the library's tool bar last saw it.
struct TLibraryListState {
    int Row = -1;
    int RowCount = 0;
    int PageCount = 0;
};

// What the enabling rules look at: the drawing with its selection, paste buffer and history, and
// the window's own state.
struct TCommandContext {
    const TDrawing& Drawing;
    // The shape last under the pointer: a lone text cannot be mirrored, and the shape and node menus
    // act on it.
    int HotShape = -1;
    bool HasRecentFiles = false;
    TLibraryListState Library;
    // Paste would take in a picture that another program put on the clipboard.
    bool ClipboardPicture = false;
};

bool RuleHolds(TEnableRule rule, const TCommandContext& context);

} // namespace korvo
