#include "editor/canvas/tools.h"

#include "editor/canvas/node_drag.h"
#include "editor/canvas/previews.h"
#include "editor/canvas/rubber_band.h"
#include "shapes/pen_modes.h"
#include "shapes/shape_kind_traits.h"

#include <QPainter>

namespace korvo {

namespace {

    const QColor Olive(0x80, 0x80, 0x00);

    // The node tool: a press picks a shape and shows its nodes; a press on a node drags it, with the
    // part of the outline that it shapes following in the preview. The release hands all the nodes back
    // to the drawing as one edit.
    class TNodeTool : public TCanvasTool {
    public:
        using TCanvasTool::TCanvasTool;

        void Press(const TPointerEvent& event) override
        {
            if (event.Button == Qt::LeftButton) {
                PressLeft(event.Pos);
                return;
            }
            // The menu acts on the shape of the last left press, and on its selected node.
            const int hot = FCanvas.HotShape();
            if (event.Button == Qt::RightButton && hot != -1
                && KindTraits(FCanvas.Drawing().GetShapeKind(hot)).NodeMenu)
                FCanvas.ShowNodeMenu(event.Pos);
        }

        void Move(const TPointerEvent& event) override
        {
            if (FBand.Active()) {
                FBand.Drag(event.Pos);
                FCanvas.UpdateOverlay();
            } else if (FDragging) {
                DragNode(FKind, FNodePoints, FHotNode, FCanvas.Snap(event.Pos));
                FCanvas.UpdateOverlay();
            }
        }

        void Release(const TPointerEvent& event) override
        {
            if (FBand.Active()) {
                FBand.Finish(FCanvas.Drawing(), event.Pos);
                FCanvas.UpdateOverlay();
                return;
            }
            if (!FDragging)
                return;
            // Every node goes back, moved or not, as one edit.
            FDragging = false;
            FCanvas.Drawing().SetShapePoints(FCanvas.HotShape(), FNodePoints);
            FShownNodes.clear();
            FCanvas.UpdateOverlay();
        }

        void PaintOverlay(QPainter& painter) const override
        {
            FBand.Paint(painter);
            if (FShownNodes.empty())
                return;
            SetPenMode(painter, TPenMode::Xor);
            painter.setPen(QPen(Olive, 1));
            painter.setBrush(Qt::NoBrush);
            for (const QPoint& node : FShownNodes)
                DrawBox(painter, node, 3);
            if (FDragging)
                PaintNodePreview(painter, FKind, FNodePoints, FHotNode);
        }

        void Cancel() override
        {
            // An unfinished node drag is dropped: the shape keeps its nodes as they were.
            FDragging = false;
            FBand.Cancel();
            FShownNodes.clear();
            FCanvas.UpdateOverlay();
        }

        bool Busy() const override { return FDragging || FBand.Active(); }

    private:
        void PressLeft(QPoint at)
        {
            TDrawing& drawing = FCanvas.Drawing();
            drawing.Deselect();
            FShownNodes.clear();
            FNodePoints.clear();
            int shape = -1;
            FHotNode = drawing.NodeAt(at.x(), at.y(), shape);
            FCanvas.SetHotShape(shape);
            if (shape == -1) {
                FCanvas.UpdateOverlay();
                FBand.Start(at);
                return;
            }
            drawing.SetSelectedNode(shape, FHotNode);
            drawing.ToggleSelected(shape);
            drawing.SetNodeMode(TNodeMode::Nodes);
            FKind = drawing.GetShapeKind(shape);
            FShownNodes = drawing.GetShapePoints(shape);
            FNodePoints = FShownNodes;
            FDragging = FHotNode != -1;
            FCanvas.UpdateOverlay();
        }

        bool FDragging = false;
        int FHotNode = -1;
        std::int32_t FKind = -1;
        // The nodes as they were at the press, and as the drag has moved them.
        TPointArray FShownNodes;
        TPointArray FNodePoints;
        TRubberBand FBand;
    };

} // namespace

const TToolMaker MakeNodeTool = &MakeTool<TNodeTool>;

} // namespace korvo
