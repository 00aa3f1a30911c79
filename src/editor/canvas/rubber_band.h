#pragma once

#include <QPoint>

class QPainter;

namespace korvo {

class TDrawing;

// The blue selection rectangle that the selection and node tools drag over empty paper. Its corners
// are never snapped; on release every shape the rectangle meets joins the selection.
class TRubberBand {
public:
    bool Active() const { return FActive; }
    void Start(QPoint at);
    void Drag(QPoint to) { FCurrent = to; }
    void Finish(TDrawing& drawing, QPoint at);
    void Cancel() { FActive = false; }
    void Paint(QPainter& painter) const;

private:
    bool FActive = false;
    QPoint FAnchor;
    QPoint FCurrent;
};

} // namespace korvo
