#include "editor/canvas/rubber_band.h"

#include "document/drawing.h"
#include "editor/canvas/previews.h"

namespace korvo {

void TRubberBand::Start(QPoint at)
{
    FActive = true;
    FAnchor = at;
    FCurrent = at;
}

void TRubberBand::Finish(TDrawing& drawing, QPoint at)
{
    FActive = false;
    drawing.SelectInRect(FAnchor.x(), FAnchor.y(), at.x(), at.y());
}

void TRubberBand::Paint(QPainter& painter) const
{
    if (!FActive)
        return;
    SetInvertingPen(painter, Qt::blue);
    DrawOutline(painter, FAnchor, FCurrent);
}

} // namespace korvo
