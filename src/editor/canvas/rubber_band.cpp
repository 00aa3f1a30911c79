#include "editor/canvas/rubber_band.h"

#include "document/drawing.h"

namespace korvo {

void TRubberBand::Finish(TDrawing& drawing, QPoint at)
{
    FSpan.Active = false;
    drawing.SelectInRect(FSpan.Anchor.x(), FSpan.Anchor.y(), at.x(), at.y());
}

void TRubberBand::Paint(QPainter& painter) const
{
    if (!FSpan.Active)
        return;
    SetInvertingPen(painter, Qt::blue);
    DrawOutline(painter, FSpan.Anchor, FSpan.Current);
}

} // namespace korvo
