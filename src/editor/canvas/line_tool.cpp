#include "editor/canvas/line_tool.h"

#include "editor/canvas/previews.h"

#include <QPainter>

namespace korvo {

void TLineTool::Press(const TPointerEvent& event)
{
    if (FActive || event.Button != Qt::LeftButton)
        return;
    FActive = true;
    FAnchor = FCanvas.Snap(event.Pos);
    FCurrent = FAnchor;
    FCanvas.CaptureMouse();
    FCanvas.UpdateOverlay();
}

void TLineTool::Move(const TPointerEvent& event)
{
    if (!FActive)
        return;
    FCurrent = FCanvas.Snap(event.Pos);
    FCanvas.UpdateOverlay();
}

void TLineTool::Release(const TPointerEvent& event)
{
    if (!FActive)
        return;
    FActive = false;
    FCanvas.ReleaseMouse();
    const QPoint end = FCanvas.Snap(event.Pos);
    TDrawing& drawing = FCanvas.Drawing();
    if (FTool == TTool::Curve)
        drawing.AddCurve(FAnchor.x(), FAnchor.y(), end.x(), end.y(), FCanvas.NewPen());
    else
        drawing.AddLine(FTool == TTool::Arrow ? leArrowMedium : leNone, FAnchor.x(), FAnchor.y(), end.x(), end.y(),
            FCanvas.NewPen());
    FCanvas.UpdateOverlay();
}

void TLineTool::PaintOverlay(QPainter& painter) const
{
    if (!FActive)
        return;
    SetInvertingPen(painter);
    painter.drawLine(FAnchor, FCurrent);
}

void TLineTool::Cancel()
{
    if (!FActive)
        return;
    FActive = false;
    FCanvas.ReleaseMouse();
    FCanvas.UpdateOverlay();
}

} // namespace korvo
