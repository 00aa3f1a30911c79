#include "editor/canvas/tools.h"

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

    // The tools that drag out a box: rectangle, circle, sine wave, tube bend, graph paper and straight
    // tube. Shift makes the box of a rectangle, circle, graph paper or tube square. A box without width
    // or height makes nothing.
    class TBoxTool : public TCanvasTool {
    public:
        using TCanvasTool::TCanvasTool;

        void Press(const TPointerEvent& event) override
        {
            FSpan.Start(FCanvas.Snap(event.Pos));
            FCanvas.UpdateOverlay();
        }

        void Move(const TPointerEvent& event) override
        {
            if (!FSpan.Active)
                return;
            FSpan.Current = FCanvas.Snap(event.Pos);
            // Only the boxes previewed as the rubber shape itself square up; a wave or a bend keeps its drag.
            const bool squares = FTool != TTool::Sine && FTool != TTool::TubeBend;
            if (squares && (event.Modifiers & Qt::ShiftModifier))
                FSpan.Current.setY(FSpan.Anchor.y() + (FSpan.Current.x() - FSpan.Anchor.x()));
            FCanvas.UpdateOverlay();
        }

        void Release(const TPointerEvent&) override
        {
            if (!FSpan.Active)
                return;
            FSpan.Active = false;
            FCanvas.UpdateOverlay();
            TDrawing& drawing = FCanvas.Drawing();
            const TRect box = FSpan.Box();
            if (box.IsEmpty())
                return;
            drawing.AddBoxShape(box, FTool, FCanvas.NewBrush(), FCanvas.NewPen());
            drawing.Deselect();
            drawing.ToggleSelected(drawing.ShapeCount() - 1);
            FCanvas.SetHotShape(drawing.ShapeCount() - 1);
            // One sheet of graph paper is usually enough; the other box tools stay for the next shape.
            if (FTool == TTool::GraphPaper)
                FCanvas.ReturnToSelectionTool();
        }

        void PaintOverlay(QPainter& painter) const override
        {
            if (!FSpan.Active)
                return;
            SetInvertingPen(painter);
            switch (FTool) {
            case TTool::Circle:
                DrawInscribedEllipse(painter, FSpan.Anchor, FSpan.Current);
                break;
            case TTool::Sine:
                PaintSine(painter);
                break;
            case TTool::TubeBend:
                PaintBend(painter);
                break;
            default:
                DrawOutline(painter, FSpan.Anchor, FSpan.Current);
                break;
            }
        }

        void Cancel() override
        {
            FSpan.Active = false;
            // The outline goes from the screen with the drag.
            FCanvas.UpdateOverlay();
        }

        bool Busy() const override { return FSpan.Active; }

    private:
        void PaintSine(QPainter& painter) const
        {
            // One full wave across the drag, its amplitude half the drag's height.
            const QPoint a = FSpan.Anchor;
            const QPoint c = FSpan.Current;
            std::array<QPoint, SineSteps + 1> wave;
            const int midY = (a.y() + c.y()) / 2;
            for (int i = 0; i <= SineSteps; ++i) {
                const double across = i * static_cast<double>(c.x() - a.x()) / SineSteps;
                const double up = std::sin(i * 10.0 * Pi / 180.0) * (c.y() - a.y()) / 2.0;
                wave[static_cast<std::size_t>(i)] = QPoint(a.x() + Round(across), midY - Round(up));
            }
            painter.drawPolyline(wave.data(), static_cast<int>(wave.size()));
        }

        void PaintBend(QPainter& painter) const
        {
            const auto [l, t, r, b] = FSpan.Box();
            const int w = r - l;
            const int h = b - t;
            const int v = (FSpan.Current.x() - FSpan.Anchor.x()) / 4;
            const auto k = [](int length) { return Trunc(length * Kappa); };
            const QPoint p0(l, b);
            const QPoint p3(r, t);
            const QPoint p6(r, t + v);
            const QPoint p9(l + v, b);
            const std::array<QPoint, 13> bend = { p0, QPoint(l, b - k(h)), QPoint(r - k(w), t), p3, p3, p6, p6,
                QPoint(r - k(w - v), t + v), QPoint(l + v, b - k(h - v)), p9, p9, p0, p0 };
            DrawBezier(painter, bend.data(), static_cast<int>(bend.size()));
        }

        TDragSpan FSpan;
    };

} // namespace

const TToolMaker MakeBoxTool = &MakeTool<TBoxTool>;

} // namespace korvo
