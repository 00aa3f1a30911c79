#include "editor/canvas/tools.h"

#include "editor/canvas/previews.h"

#include <QPainter>

namespace korvo {

namespace {

    // The line, arrow and curve tools: a straight rubber line from the press to the release, which
    // becomes a line (with an arrow head for the arrow tool) or a single curve with its controls at the
    // thirds. The mouse stays with the surface until the release.
    class TLineTool : public TCanvasTool {
    public:
        using TCanvasTool::TCanvasTool;

        void Press(const TPointerEvent& event) override
        {
            if (FSpan.Active || event.Button != Qt::LeftButton)
                return;
            FSpan.Start(FCanvas.Snap(event.Pos));
            FCanvas.CaptureMouse();
            FCanvas.UpdateOverlay();
        }

        void Move(const TPointerEvent& event) override
        {
            if (!FSpan.Active)
                return;
            FSpan.Current = FCanvas.Snap(event.Pos);
            FCanvas.UpdateOverlay();
        }

        void Release(const TPointerEvent& event) override
        {
            if (!FSpan.Active)
                return;
            FSpan.Active = false;
            FCanvas.ReleaseMouse();
            const QPoint end = FCanvas.Snap(event.Pos);
            TDrawing& drawing = FCanvas.Drawing();
            if (FTool == TTool::Curve)
                drawing.AddCurve(FSpan.Anchor.x(), FSpan.Anchor.y(), end.x(), end.y(), FCanvas.NewPen());
            else
                drawing.AddLine(FTool == TTool::Arrow ? leArrowMedium : leNone, FSpan.Anchor.x(), FSpan.Anchor.y(),
                    end.x(), end.y(), FCanvas.NewPen());
            FCanvas.UpdateOverlay();
        }

        void PaintOverlay(QPainter& painter) const override
        {
            if (!FSpan.Active)
                return;
            SetInvertingPen(painter);
            painter.drawLine(FSpan.Anchor, FSpan.Current);
        }

        void Cancel() override
        {
            if (!FSpan.Active)
                return;
            FSpan.Active = false;
            FCanvas.ReleaseMouse();
            FCanvas.UpdateOverlay();
        }

        bool Busy() const override { return FSpan.Active; }

    private:
        TDragSpan FSpan;
    };

} // namespace

const TToolMaker MakeLineTool = &MakeTool<TLineTool>;

} // namespace korvo
