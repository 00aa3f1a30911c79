#include "editor/canvas/box_tool.h"

#include "editor/canvas/previews.h"
#include "geometry/rounding.h"
#include "geometry/units.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace korvo {

namespace {
    constexpr double Kappa = 0.5522847498308;
    constexpr int SineSteps = 36;
}

void TBoxTool::Press(const TPointerEvent& event)
{
    FActive = true;
    FAnchor = FCanvas.Snap(event.Pos);
    FCurrent = FAnchor;
    FCanvas.UpdateOverlay();
}

void TBoxTool::Move(const TPointerEvent& event)
{
    if (!FActive)
        return;
    FCurrent = FCanvas.Snap(event.Pos);
    // Only the boxes previewed as the rubber shape itself square up; a wave or a bend keeps its drag.
    const bool squares = FTool != TTool::Sine && FTool != TTool::TubeBend;
    if (squares && (event.Modifiers & Qt::ShiftModifier))
        FCurrent.setY(FAnchor.y() + (FCurrent.x() - FAnchor.x()));
    FCanvas.UpdateOverlay();
}

void TBoxTool::Release(const TPointerEvent&)
{
    if (!FActive)
        return;
    FActive = false;
    FCanvas.UpdateOverlay();
    TDrawing& drawing = FCanvas.Drawing();
    const TRect box { std::min(FAnchor.x(), FCurrent.x()), std::min(FAnchor.y(), FCurrent.y()),
        std::max(FAnchor.x(), FCurrent.x()), std::max(FAnchor.y(), FCurrent.y()) };
    if (box.IsEmpty())
        return;
    drawing.AddBoxShape(box, FTool, FCanvas.NewBrush(), FCanvas.NewPen());
    drawing.Deselect();
    drawing.ToggleSelected(drawing.ShapeCount() - 1);
    FCanvas.HotShape = drawing.ShapeCount() - 1;
    // One sheet of graph paper is usually enough; the other box tools stay for the next shape.
    if (FTool == TTool::GraphPaper)
        FCanvas.ReturnToSelectionTool();
}

void TBoxTool::Cancel()
{
    FActive = false;
    // The outline goes from the screen with the drag.
    FCanvas.UpdateOverlay();
}

void TBoxTool::PaintOverlay(QPainter& painter) const
{
    if (!FActive)
        return;
    SetInvertingPen(painter);
    switch (FTool) {
    case TTool::Circle:
        DrawInscribedEllipse(painter, FAnchor, FCurrent);
        break;
    case TTool::Sine:
        PaintSine(painter);
        break;
    case TTool::TubeBend:
        PaintBend(painter);
        break;
    default:
        DrawOutline(painter, FAnchor, FCurrent);
        break;
    }
}

void TBoxTool::PaintSine(QPainter& painter) const
{
    // One full wave across the drag, its amplitude half the drag's height.
    std::array<QPoint, SineSteps + 1> wave;
    const int midY = (FAnchor.y() + FCurrent.y()) / 2;
    for (int i = 0; i <= SineSteps; ++i) {
        const double across = i * static_cast<double>(FCurrent.x() - FAnchor.x()) / SineSteps;
        const double up = std::sin(i * 10.0 * Pi / 180.0) * (FCurrent.y() - FAnchor.y()) / 2.0;
        wave[static_cast<std::size_t>(i)] = QPoint(FAnchor.x() + Round(across), midY - Round(up));
    }
    painter.drawPolyline(wave.data(), static_cast<int>(wave.size()));
}

void TBoxTool::PaintBend(QPainter& painter) const
{
    const int l = std::min(FAnchor.x(), FCurrent.x());
    const int r = std::max(FAnchor.x(), FCurrent.x());
    const int t = std::min(FAnchor.y(), FCurrent.y());
    const int b = std::max(FAnchor.y(), FCurrent.y());
    const int w = r - l;
    const int h = b - t;
    const int v = (FCurrent.x() - FAnchor.x()) / 4;
    const auto k = [](int length) { return Trunc(length * Kappa); };
    const QPoint p0(l, b);
    const QPoint p3(r, t);
    const QPoint p6(r, t + v);
    const QPoint p9(l + v, b);
    const std::array<QPoint, 13> bend = { p0, QPoint(l, b - k(h)), QPoint(r - k(w), t), p3, p3, p6, p6,
        QPoint(r - k(w - v), t + v), QPoint(l + v, b - k(h - v)), p9, p9, p0, p0 };
    DrawBezier(painter, bend.data(), static_cast<int>(bend.size()));
}

} // namespace korvo
