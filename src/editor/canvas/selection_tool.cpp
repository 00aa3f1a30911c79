#include "editor/canvas/tools.h"

#include "editor/canvas/previews.h"
#include "editor/canvas/rubber_band.h"
#include "geometry/rounding.h"

#include <QCursor>
#include <QPainter>

namespace korvo {

namespace {

    using H = THandle;

    bool MovesLeft(H h) { return h == H::TopLeft || h == H::Left || h == H::BottomLeft; }
    bool MovesRight(H h) { return h == H::TopRight || h == H::Right || h == H::BottomRight; }
    bool MovesTop(H h) { return h == H::TopLeft || h == H::Top || h == H::TopRight; }
    bool MovesBottom(H h) { return h == H::BottomLeft || h == H::Bottom || h == H::BottomRight; }
    bool IsResizeHandle(H h) { return h >= H::TopLeft && h <= H::Left; }
    bool IsCorner(H h) { return h == H::TopLeft || h == H::TopRight || h == H::BottomRight || h == H::BottomLeft; }

    void Outline(QPainter& painter, const TRect& r) { DrawOutline(painter, { r.Left, r.Top }, { r.Right, r.Bottom }); }

    // The selection tool: picks shapes, moves them, resizes one by its handles, selects with a
    // rectangle and drags the rotation centre.
    class TSelectionTool : public TCanvasTool {
    public:
        using TCanvasTool::TCanvasTool;

        void Press(const TPointerEvent& event) override
        {
            // A press usually follows a hover at the same spot; doing it again keeps a press without one right.
            if (FMode == TMode::Idle)
                Hover(event.Pos);
            TDrawing& drawing = FCanvas.Drawing();
            if (drawing.CentreAt(event.Pos.x(), event.Pos.y()) == H::RotationCentre) {
                FMode = TMode::DraggingCentre;
                drawing.HoldUnselectedShapes(true);
                return;
            }
            if (event.Button == Qt::LeftButton)
                PressLeft(event);
            else if (event.Button == Qt::RightButton)
                FCanvas.ShowShapeMenu(event.Pos);
        }

        void Move(const TPointerEvent& event) override
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

        void Release(const TPointerEvent& event) override
        {
            TDrawing& drawing = FCanvas.Drawing();
            const TMode mode = FMode;
            FMode = TMode::Idle;
            drawing.HoldUnselectedShapes(false);
            FCanvas.UpdateOverlay();
            if (mode == TMode::Resizing)
                drawing.ResizeShape(FCanvas.HotShape(), FResizeRect);
            else if (mode == TMode::RubberBand)
                FBand.Finish(drawing, event.Pos);
        }

        void PaintOverlay(QPainter& painter) const override
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

        void Cancel() override
        {
            // A move already happened step by step and stays, as one undo step; a frame or band just goes.
            FMode = TMode::Idle;
            FBand.Cancel();
            FCanvas.Drawing().HoldUnselectedShapes(false);
            FCanvas.UpdateOverlay();
        }

        bool Busy() const override { return FMode != TMode::Idle; }

        // The cursor a handle shows: the size cursors along the handle's direction, the arrow otherwise.
        static QCursor HandleCursor(THandle handle)
        {
            switch (handle) {
            case H::TopLeft:
            case H::BottomRight:
                return Qt::SizeFDiagCursor;
            case H::TopRight:
            case H::BottomLeft:
                return Qt::SizeBDiagCursor;
            case H::Top:
            case H::Bottom:
                return Qt::SizeVerCursor;
            case H::Left:
            case H::Right:
                return Qt::SizeHorCursor;
            default:
                return Qt::ArrowCursor;
            }
        }

    private:
        enum class TMode { Idle, MovingShape, MovingSelection, Resizing, RubberBand, DraggingCentre };

        void Hover(QPoint at)
        {
            TDrawing& drawing = FCanvas.Drawing();
            if (drawing.CentreAt(at.x(), at.y()) == H::RotationCentre) {
                FCanvas.SetCursor(Qt::PointingHandCursor);
                return;
            }
            int owner = -1;
            FHotHandle = drawing.HandleAt(at.x(), at.y(), owner);
            FCanvas.SetHotShape(FHotHandle == H::None ? drawing.ShapeAt(at.x(), at.y()) : owner);
            if (drawing.SelCount() > 1)
                FHotHandle = H::None;
            FCanvas.SetCursor(drawing.SelCount() == 1 ? HandleCursor(FHotHandle) : QCursor(Qt::ArrowCursor));
        }

        void PressLeft(const TPointerEvent& event)
        {
            TDrawing& drawing = FCanvas.Drawing();
            const int hot = FCanvas.HotShape();
            if (event.Modifiers & Qt::ControlModifier) {
                if (hot != -1) {
                    drawing.ToggleSelected(hot);
                    drawing.SetNodeMode(TNodeMode::Handles);
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
                FBand.Start(event.Pos);
                FMode = TMode::RubberBand;
                return;
            }
            FResizeRect = drawing.GetShapeRect(hot);
            drawing.ToggleSelected(hot);
            drawing.SetNodeMode(TNodeMode::Handles);
            if (IsResizeHandle(FHotHandle)) {
                FResizeHandle = FHotHandle;
                FStartRect = FResizeRect;
                FMode = TMode::Resizing;
                FCanvas.UpdateOverlay();
            } else {
                FMode = TMode::MovingShape;
                BeginMove(event.Pos);
            }
        }

        void BeginMove(QPoint at)
        {
            // Snapping the box's corner as well keeps that corner on whole millimetres for the whole move.
            const QPoint corner(FResizeRect.Left, FResizeRect.Top);
            FCurrent = FCanvas.Snap(at) + (corner - FCanvas.Snap(corner));
            FCanvas.Drawing().SetMoveUndoPending(true);
            // Only the selection moves, so the rest of the page is painted once for the whole drag.
            FCanvas.Drawing().HoldUnselectedShapes(true);
        }

        void DragResizeFrame(QPoint at, bool keepAspect)
        {
            TRect& r = FResizeRect;
            const THandle h = FResizeHandle;
            // A corner dragged with Shift keeps the frame's proportions while it stays on its own side.
            const bool onOwnSide = (MovesLeft(h) ? at.x() < r.Right : at.x() > r.Left)
                && (MovesTop(h) ? at.y() < r.Bottom : at.y() > r.Top);
            if (IsCorner(h) && keepAspect && onOwnSide) {
                const double ratio
                    = r.Top < r.Bottom ? static_cast<double>(r.Right - r.Left) / (r.Bottom - r.Top) : 1.0;
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

        TMode FMode = TMode::Idle;
        THandle FHotHandle = THandle::None;
        // The handle being dragged and the frame it drags, in view pixels; the frame's start stays shown.
        THandle FResizeHandle = THandle::None;
        TRect FResizeRect;
        TRect FStartRect;
        QPoint FCurrent;
        TRubberBand FBand;
    };

} // namespace

const TToolMaker MakeSelectionTool = &MakeTool<TSelectionTool>;

} // namespace korvo
