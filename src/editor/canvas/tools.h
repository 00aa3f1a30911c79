#pragma once

#include "editor/canvas/canvas_tool.h"

namespace korvo {

// The canvas's tools. Each lives with its behaviour in a file of its own; the tool table makes them.
extern const TToolMaker MakeSelectionTool;
extern const TToolMaker MakeNodeTool;
// The rectangle, circle, sine wave, tube bend, graph paper and straight tube tools.
extern const TToolMaker MakeBoxTool;
// The line, arrow and curve tools.
extern const TToolMaker MakeLineTool;
// The polygon and polyline tools.
extern const TToolMaker MakePolyTool;
extern const TToolMaker MakeTextTool;
extern const TToolMaker MakeDropperTool;

} // namespace korvo
