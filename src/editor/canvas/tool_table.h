#pragma once

#include "document/drawing_modes.h"
#include "editor/canvas/canvas_tool.h"
#include "editor/commands/control_text.h"
#include "editor/tool_cursors.h"

#include <vector>

namespace korvo {

// Which cursor a tool shows over the drawing.
enum class TCursorUse {
    // The platform's arrow.
    Arrow,
    // The tool's own cursor, whatever the "Use special cursors" setting.
    Own,
    // The tool's own cursor while special cursors are on, the platform's cross otherwise.
    Special,
};

// The tool palette's buttons, in their order on the palette, and what each tool is: everything that
// numbers, names or describes a tool is here.
struct TToolInfo {
    TTool Tool;
    // Named as the tool's button.
    TControlText Text;
    TToolCursor Cursor;
    TCursorUse CursorUse;
    // What the status bar tells the user over the drawing while the tool is chosen; marked for
    // translation in the context "korvo::TToolInfo".
    const char* Status;
    // Makes the canvas's handler of the tool.
    TToolMaker Make;
};

const std::vector<TToolInfo>& ToolTable();
// The row of a tool; the selection tool's for a number no tool has.
const TToolInfo& ToolInfo(TTool tool);

} // namespace korvo
