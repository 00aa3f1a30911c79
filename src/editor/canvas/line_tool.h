#pragma once

#include "editor/canvas/canvas_tool.h"

namespace korvo {

// The line, arrow and curve tools: a straight rubber line from the press to the release, which
// becomes a line (with an arrow head for the arrow tool) or a single curve with its controls at the
// thirds. The mouse stays with the surface until the release.
class TLineTool : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;

    void Press(const TPointerEvent& event) override;
    void Move(const TPointerEvent& event) override;
    void Release(const TPointerEvent& event) override;
    void PaintOverlay(QPainter& painter) const override;
    void Cancel() override;
    bool Busy() const override { return FActive; }

private:
    bool FActive = false;
    QPoint FAnchor;
    QPoint FCurrent;
};

} // namespace korvo
