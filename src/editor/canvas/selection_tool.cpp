#include "editor/canvas/selection_tool.h"

#include "editor/canvas/previews.h"
#include "geometry/rounding.h"

#include <QCursor>
#include <QPainter>

namespace korvo {

namespace {

    constexpr int CentreCode = 19;

    enum : int { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

    bool MovesLeft(int h) { return h == TopLeft || h == Left || h == BottomLeft; }
    bool MovesRight(int h) { return h == TopRight || h == Right || h == BottomRight; }
    bool MovesTop(int h) { return h == TopLeft || h == Top || h == TopRight; }
    bool MovesBottom(int h) { return h == BottomLeft || h == Bottom || h == BottomRight; }
    bool IsCorner(int h) { return h == TopLeft || h == TopRight || h == BottomRight || h == BottomLeft; }

    void Outline(QPainter& painter, const TRect& r) { DrawOutline(painter, { r.Left, r.Top }, { r.Right, r.Bottom }); }

} // namespace

QCursor TSelectionTool::HandleCursor(int handle)
{
    switch (handle) {
    case TopLeft:
    case BottomRight:
        return Qt::SizeFDiagCursor;
    case TopRight:
    case BottomLeft:
        return Qt::SizeBDiagCursor;
    case Top:
    case Bottom:
        return Qt::SizeVerCursor;
    case Left:
    case Right:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void TSelectionTool::Hover(QPoint at)
{
    TDrawing& drawing = FCanvas.Drawing();
    if (drawing.CentreAt(at.x(), at.y()) == CentreCode) {
        FCanvas.SetCursor(Qt::PointingHandCursor);
        return;
    }
    int owner = -1;
    FHotHandle = drawing.HandleAt(at.x(), at.y(), owner);
    FCanvas.HotShape = FHotHandle == -1 ? drawing.ShapeAt(at.x(), at.y()) : owner;
    if (drawing.SelCount() > 1)
        FHotHandle = -1;
    FCanvas.SetCursor(drawing.SelCount() == 1 ? HandleCursor(FHotHandle) : QCursor(Qt::ArrowCursor));
}

void TSelectionTool::Press(const TPointerEvent& event)
{
    // A press usually follows a hover at the same spot; doing it again keeps a press without one right.
    if (FMode == TMode::Idle)
        Hover(event.Pos);
    TDrawing& drawing = FCanvas.Drawing();
    if (drawing.CentreAt(event.Pos.x(), event.Pos.y()) == CentreCode) {
        FMode = TMode::DraggingCentre;
        drawing.HoldUnselectedShapes(true);
        return;
    }
    if (event.Button == Qt::LeftButton)
        PressLeft(event);
    else if (event.Button == Qt::RightButton)
        FCanvas.ShowShapeMenu(event.Pos);
}

void TSelectionTool::PressLeft(const TPointerEvent& event)
{
    TDrawing& drawing = FCanvas.Drawing();
    const int hot = FCanvas.HotShape;
    if (event.Modifiers & Qt::ControlModifier) {
        if (hot != -1) {
            drawing.ToggleSelected(hot);
            drawing.SetNodeMode(0);
            FCanvas.Repaint();
        }
        return;
    }
    const bool several = drawing.SelCount() >= 2;
    if (several && drawing.SelectedAt(event.Pos.x(), event.Pos.y()) != -1) {
        FResizeRect = drawing.GetShapeRect(hot);
        FMode = TMode::MovingSelection;
        BeginMove(event.Pos);
        return;
    }
    drawing.Deselect();
    // With two or more selected, a press on an unselected shape also starts a selection rectangle.
    if (hot == -1 || several) {
        FCanvas.Repaint();
        FBand.Start(event.Pos);
        FMode = TMode::RubberBand;
        return;
    }
    FResizeRect = drawing.GetShapeRect(hot);
    drawing.ToggleSelected(hot);
    drawing.SetNodeMode(0);
    FCanvas.Repaint();
    if (FHotHandle >= 0) {
        FResizeHandle = FHotHandle;
        FStartRect = FResizeRect;
        FMode = TMode::Resizing;
        FCanvas.UpdateOverlay();
    } else {
        FMode = TMode::MovingShape;
        BeginMove(event.Pos);
    }
}

void TSelectionTool::BeginMove(QPoint at)
{
    // Snapping the box's corner as well keeps that corner on whole millimetres for the whole move.
    const QPoint corner(FResizeRect.Left, FResizeRect.Top);
    FCurrent = FCanvas.Snap(at) + (corner - FCanvas.Snap(corner));
    FCanvas.Drawing().SetMoveUndoPending(true);
    // Only the selection moves, so the rest of the page is painted once for the whole drag.
    FCanvas.Drawing().HoldUnselectedShapes(true);
}

void TSelectionTool::Move(const TPointerEvent& event)
{
    TDrawing& drawing = FCanvas.Drawing();
    switch (FMode) {
    case TMode::Idle:
        Hover(event.Pos);
        break;
    case TMode::MovingShape:
    case TMode::MovingSelection: {
        const QPoint at = FCanvas.Snap(event.Pos);
        drawing.MoveSelection(at.x() - FCurrent.x(), at.y() - FCurrent.y());
        FCurrent = at;
        FCanvas.Repaint();
        break;
    }
    case TMode::Resizing:
        DragResizeFrame(FCanvas.Snap(event.Pos), event.Modifiers & Qt::ShiftModifier);
        FCanvas.UpdateOverlay();
        break;
    case TMode::RubberBand:
        FBand.Drag(event.Pos);
        FCanvas.UpdateOverlay();
        break;
    case TMode::DraggingCentre: {
        const QPoint at = FCanvas.Snap(event.Pos);
        drawing.SetCentre(at.x(), at.y());
        break;
    }
    }
}

void TSelectionTool::DragResizeFrame(QPoint at, bool keepAspect)
{
    TRect& r = FResizeRect;
    const int h = FResizeHandle;
    // A corner dragged with Shift keeps the frame's proportions while it stays on its own side.
    const bool onOwnSide
        = (MovesLeft(h) ? at.x() < r.Right : at.x() > r.Left) && (MovesTop(h) ? at.y() < r.Bottom : at.y() > r.Top);
    if (IsCorner(h) && keepAspect && onOwnSide) {
        const double ratio = r.Top < r.Bottom ? static_cast<double>(r.Right - r.Left) / (r.Bottom - r.Top) : 1.0;
        const int across = MovesLeft(h) ? r.Right - at.x() : at.x() - r.Left;
        const int tall = Round(across / ratio);
        (MovesLeft(h) ? r.Left : r.Right) = at.x();
        if (MovesTop(h))
            r.Top = r.Bottom - tall;
        else
            r.Bottom = r.Top + tall;
        return;
    }
    if (MovesLeft(h))
        r.Left = at.x();
    if (MovesRight(h))
        r.Right = at.x();
    if (MovesTop(h))
        r.Top = at.y();
    if (MovesBottom(h))
        r.Bottom = at.y();
}

void TSelectionTool::Release(const TPointerEvent& event)
{
    TDrawing& drawing = FCanvas.Drawing();
    const TMode mode = FMode;
    FMode = TMode::Idle;
    drawing.HoldUnselectedShapes(false);
    switch (mode) {
    case TMode::MovingShape:
    case TMode::MovingSelection:
        FCanvas.Repaint();
        break;
    case TMode::Resizing:
        drawing.ResizeShape(FCanvas.HotShape, FResizeRect);
        FCanvas.Repaint();
        break;
    case TMode::RubberBand:
        FBand.Finish(drawing, event.Pos);
        FCanvas.Repaint();
        break;
    case TMode::Idle:
    case TMode::DraggingCentre:
        break;
    }
}

void TSelectionTool::PaintOverlay(QPainter& painter) const
{
    FBand.Paint(painter);
    if (FMode != TMode::Resizing)
        return;
    painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
    painter.setBrush(Qt::NoBrush);
    Outline(painter, FStartRect);
    SetInvertingPen(painter, Qt::blue);
    Outline(painter, FResizeRect);
}

void TSelectionTool::Cancel()
{
    // A move already happened step by step and stays, as one undo step; a frame or band just goes.
    FMode = TMode::Idle;
    FBand.Cancel();
    FCanvas.Drawing().HoldUnselectedShapes(false);
    FCanvas.Repaint();
}

} // namespace korvo
