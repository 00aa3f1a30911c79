#pragma once

#include "editor/canvas/canvas_tool.h"

namespace korvo {

// The tools that drag out a box: rectangle, circle, sine wave, tube bend, graph paper and straight
// tube. Shift makes the box of a rectangle, circle, graph paper or tube square. A box without width
// or height makes nothing.
class TBoxTool : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;

    void Press(const TPointerEvent& event) override;
    void Move(const TPointerEvent& event) override;
    void Release(const TPointerEvent& event) override;
    void PaintOverlay(QPainter& painter) const override;
    void Cancel() override;
    bool Busy() const override { return FActive; }

private:
    void PaintSine(QPainter& painter) const;
    void PaintBend(QPainter& painter) const;

    bool FActive = false;
    QPoint FAnchor;
    QPoint FCurrent;
};

} // namespace korvo
