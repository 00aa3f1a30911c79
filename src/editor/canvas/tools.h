#pragma once

#include "editor/canvas/canvas_tool.h"

#include <memory>

namespace korvo {

// The canvas's tools. Each lives with its behaviour in a file of its own; the tool table makes them.
std::unique_ptr<TCanvasTool> MakeSelectionTool(TTool tool, TCanvasServices& canvas);
std::unique_ptr<TCanvasTool> MakeNodeTool(TTool tool, TCanvasServices& canvas);
// The rectangle, circle, sine wave, tube bend, graph paper and straight tube tools.
std::unique_ptr<TCanvasTool> MakeBoxTool(TTool tool, TCanvasServices& canvas);
// The line, arrow and curve tools.
std::unique_ptr<TCanvasTool> MakeLineTool(TTool tool, TCanvasServices& canvas);
// The polygon and polyline tools.
std::unique_ptr<TCanvasTool> MakePolyTool(TTool tool, TCanvasServices& canvas);
std::unique_ptr<TCanvasTool> MakeTextTool(TTool tool, TCanvasServices& canvas);
std::unique_ptr<TCanvasTool> MakeDropperTool(TTool tool, TCanvasServices& canvas);

} // namespace korvo
