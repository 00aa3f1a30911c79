#pragma once

#include "editor/canvas/canvas_tool.h"
#include "editor/canvas/rubber_band.h"

namespace korvo {

// The selection tool: picks shapes, moves them, resizes one by its handles, selects with a
// rectangle and drags the rotation centre.
class TSelectionTool : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;

    void Press(const TPointerEvent& event) override;
    void Move(const TPointerEvent& event) override;
    void Release(const TPointerEvent& event) override;
    void PaintOverlay(QPainter& painter) const override;
    void Cancel() override;
    bool Busy() const override { return FMode != TMode::Idle; }

    // The cursor a handle shows: the size cursors along the handle's direction, the arrow otherwise.
    static QCursor HandleCursor(THandle handle);

private:
    enum class TMode { Idle, MovingShape, MovingSelection, Resizing, RubberBand, DraggingCentre };

    void Hover(QPoint at);
    void PressLeft(const TPointerEvent& event);
    void BeginMove(QPoint at);
    void DragResizeFrame(QPoint at, bool keepAspect);

    TMode FMode = TMode::Idle;
    THandle FHotHandle = THandle::None;
    // The handle being dragged and the frame it drags, in view pixels; the frame's start stays shown.
    THandle FResizeHandle = THandle::None;
    TRect FResizeRect;
    TRect FStartRect;
    QPoint FCurrent;
    TRubberBand FBand;
};

} // namespace korvo
