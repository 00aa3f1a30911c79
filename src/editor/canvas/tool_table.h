#pragma once

#include "document/drawing_modes.h"
#include "editor/commands/control_text.h"

#include <array>
#include <memory>

namespace korvo {

class TCanvasServices;
class TCanvasTool;

// Which cursor a tool shows over the drawing.
enum class TCursorUse {
    // The platform's arrow.
    Arrow,
    // The tool's own cursor, whatever the "Use special cursors" setting.
    Own,
    // The tool's own cursor while special cursors are on, the platform's cross otherwise.
    Special,
};

using TToolMaker = std::unique_ptr<TCanvasTool> (*)(TTool tool, TCanvasServices& canvas);

// The tool palette's buttons, in their order on the palette, and what each tool is: everything that
// numbers, names or describes a tool is here.
struct TToolInfo {
    TTool Tool;
    // Named as the tool's button.
    TControlText Text;
    // The tool's registered cursor number; see tool_cursors.h.
    int Cursor;
    TCursorUse CursorUse;
    // What the status bar tells the user over the drawing while the tool is chosen.
    const char* Status;
    // Makes the canvas's handler of the tool.
    TToolMaker Make;
};

constexpr int ToolCount = 15;

const std::array<TToolInfo, ToolCount>& ToolTable();
// The row of a tool; the selection tool's for a number no tool has.
const TToolInfo& ToolInfo(TTool tool);

} // namespace korvo
