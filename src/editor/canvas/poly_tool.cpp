#include "editor/canvas/poly_tool.h"

#include "editor/canvas/previews.h"

#include <QPainter>

namespace korvo {

void TPolyTool::PlacePoint(QPoint at)
{
    const QPoint p = FCanvas.Snap(at);
    FCanvas.Drawing().SetDrawPoint(p.x(), p.y(), FPointIndex);
    FAnchor = p;
    FCurrent = p;
    FCanvas.UpdateOverlay();
}

void TPolyTool::Press(const TPointerEvent& event)
{
    if (FMode == TMode::Idle) {
        if (event.Button != Qt::LeftButton)
            return;
        FPointIndex = 0;
        FMode = TMode::PlacingPoints;
        FCanvas.CaptureMouse();
        PlacePoint(event.Pos);
        return;
    }
    if (FMode != TMode::PlacingPoints)
        return;
    // The mouse may have gone to another window meanwhile; the surface keeps it again.
    FCanvas.CaptureMouse();
    if (event.Button == Qt::RightButton)
        FMode = TMode::LastPoint;
    ++FPointIndex;
    PlacePoint(event.Pos);
}

void TPolyTool::Move(const TPointerEvent& event)
{
    if (FMode != TMode::PlacingPoints)
        return;
    FCurrent = FCanvas.Snap(event.Pos);
    FCanvas.UpdateOverlay();
}

void TPolyTool::Release(const TPointerEvent&)
{
    if (FMode == TMode::LastPoint)
        Finish();
}

void TPolyTool::Finish()
{
    FMode = TMode::Idle;
    FPointIndex = 0;
    FCanvas.ReleaseMouse();
    FCanvas.UpdateOverlay();
    FCanvas.Drawing().AddPolyShape(
        FTool == TTool::Polyline ? skOpenPolygon : skPolygon, FCanvas.NewBrush(), FCanvas.NewPen());
}

void TPolyTool::PaintOverlay(QPainter& painter) const
{
    if (FMode == TMode::Idle)
        return;
    // The points placed so far are drawn plainly, the line to the pointer inverted.
    const TPointArray points = FCanvas.Drawing().GetDrawPoints();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    for (const QPoint& p : points)
        DrawBox(painter, p, 3);
    SetInvertingPen(painter);
    painter.drawLine(FAnchor, FCurrent);
}

void TPolyTool::ViewChanged(QPoint pointer)
{
    // The last point sits elsewhere on the surface now; the rubber line starts from there again.
    const TPointArray points = FCanvas.Drawing().GetDrawPoints();
    if (!points.empty())
        FAnchor = points.back();
    FCurrent = pointer;
}

void TPolyTool::Cancel()
{
    // The points placed stay for the next click; only a lost release after the last point is
    // taken as given, so the shape the user ended is made.
    if (FMode == TMode::LastPoint)
        Finish();
}

} // namespace korvo
