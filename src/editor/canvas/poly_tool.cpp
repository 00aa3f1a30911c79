#include "editor/canvas/tools.h"

#include "editor/canvas/previews.h"
#include "shapes/shape_kind_traits.h"

#include <QPainter>

namespace korvo {

namespace {

    // The polygon and polyline tools: each left or middle press places a point, the right press places
    // the last one and the release after it makes the shape. The points placed so far and a rubber line
    // to the pointer stay shown, through repaints, zooms, tool changes and a lost focus, until the shape
    // is finished.
    class TPolyTool : public TCanvasTool {
    public:
        using TCanvasTool::TCanvasTool;

        void Press(const TPointerEvent& event) override
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

        void Move(const TPointerEvent& event) override
        {
            if (FMode != TMode::PlacingPoints)
                return;
            FCurrent = FCanvas.Snap(event.Pos);
            FCanvas.UpdateOverlay();
        }

        void Release(const TPointerEvent&) override
        {
            if (FMode == TMode::LastPoint)
                Finish();
        }

        void PaintOverlay(QPainter& painter) const override
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

        void Cancel() override
        {
            // The points placed stay for the next click; only a lost release after the last point is
            // taken as given, so the shape the user ended is made.
            if (FMode == TMode::LastPoint)
                Finish();
        }

        bool Busy() const override { return FMode != TMode::Idle; }
        void ViewChanged(QPoint pointer) override
        {
            // The last point sits elsewhere on the surface now; the rubber line starts from there again.
            const TPointArray points = FCanvas.Drawing().GetDrawPoints();
            if (!points.empty())
                FAnchor = points.back();
            FCurrent = pointer;
        }

    private:
        enum class TMode { Idle, PlacingPoints, LastPoint };

        void PlacePoint(QPoint at)
        {
            const QPoint p = FCanvas.Snap(at);
            FCanvas.Drawing().SetDrawPoint(p.x(), p.y(), FPointIndex);
            FAnchor = p;
            FCurrent = p;
            FCanvas.UpdateOverlay();
        }

        void Finish()
        {
            FMode = TMode::Idle;
            FPointIndex = 0;
            FCanvas.ReleaseMouse();
            FCanvas.UpdateOverlay();
            FCanvas.Drawing().AddPolyShape(KindMadeBy(FTool).value_or(skPolygon), FCanvas.NewBrush(), FCanvas.NewPen());
        }

        TMode FMode = TMode::Idle;
        int FPointIndex = 0;
        QPoint FAnchor;
        QPoint FCurrent;
    };

} // namespace

const TToolMaker MakePolyTool = &MakeTool<TPolyTool>;

} // namespace korvo
