#pragma once

#include "editor/canvas/canvas_tool.h"

namespace korvo {

// The text tool: a press asks for the text in the text dialog and places it at the press point.
class TTextTool : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;

    void Press(const TPointerEvent& event) override;
    void Move(const TPointerEvent&) override { }
    void Release(const TPointerEvent&) override { }
    void Cancel() override { }
    bool Busy() const override { return false; }
};

} // namespace korvo
