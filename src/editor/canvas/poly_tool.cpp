#include "editor/canvas/poly_tool.h"

#include "editor/canvas/previews.h"

#include <QPainter>

namespace korvo {

namespace {
    constexpr int PolylineTool = 6;
}

TPolyTool::TPolyTool(TCanvasServices& canvas, int tool)
    : TCanvasTool(canvas)
    , FTool(tool)
{
}

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
    if (FMode != TMode::LastPoint)
        return;
    FMode = TMode::Idle;
    FPointIndex = 0;
    FCanvas.ReleaseMouse();
    FCanvas.Drawing().AddPolyShape(
        FTool == PolylineTool ? skOpenPolygon : skPolygon, FCanvas.NewBrush(), FCanvas.NewPen());
    FCanvas.Repaint();
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
    // Half a polygon is no shape: the points placed so far are dropped.
    if (FMode == TMode::Idle)
        return;
    FMode = TMode::Idle;
    FPointIndex = 0;
    FCanvas.ReleaseMouse();
    FCanvas.UpdateOverlay();
}

} // namespace korvo
