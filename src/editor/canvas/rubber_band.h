#pragma once

#include "editor/canvas/previews.h"

namespace korvo {

class TDrawing;

// The blue selection rectangle that the selection and node tools drag over empty paper. Its corners
// are never snapped; on release every shape the rectangle meets joins the selection.
class TRubberBand {
public:
    bool Active() const { return FSpan.Active; }
    void Start(QPoint at) { FSpan.Start(at); }
    void Drag(QPoint to) { FSpan.Current = to; }
    void Finish(TDrawing& drawing, QPoint at);
    void Cancel() { FSpan.Active = false; }
    void Paint(QPainter& painter) const;

private:
    TDragSpan FSpan;
};

} // namespace korvo
