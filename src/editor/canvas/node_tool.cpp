#include "editor/canvas/node_tool.h"

#include "editor/canvas/node_drag.h"
#include "editor/canvas/previews.h"
#include "shapes/pen_modes.h"

#include <QPainter>

namespace korvo {

namespace {

    const QColor Olive(0x80, 0x80, 0x00);

    // Kinds whose nodes can be added or deleted, and so offer the node menu.
    bool HasNodeMenu(std::int32_t kind)
    {
        switch (kind) {
        case skPolygon:
        case skRectangle:
        case skPolyline:
        case skLine:
        case skOpenCurve:
        case skClosedCurveAlt:
        case skClosedCurve:
        case skOpenCurveFilled:
        case skOpenPolygon:
            return true;
        default:
            return false;
        }
    }

} // namespace

void TNodeTool::Press(const TPointerEvent& event)
{
    if (event.Button == Qt::LeftButton) {
        PressLeft(event.Pos);
        return;
    }
    // The menu acts on the shape of the last left press, and on its selected node.
    const int hot = FCanvas.HotShape;
    if (event.Button == Qt::RightButton && hot != -1 && HasNodeMenu(FCanvas.Drawing().GetShapeKind(hot)))
        FCanvas.ShowNodeMenu(event.Pos);
}

void TNodeTool::PressLeft(QPoint at)
{
    TDrawing& drawing = FCanvas.Drawing();
    drawing.Deselect();
    FShownNodes.clear();
    FNodePoints.clear();
    int shape = -1;
    FHotNode = drawing.NodeAt(at.x(), at.y(), shape);
    FCanvas.HotShape = shape;
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

void TNodeTool::Move(const TPointerEvent& event)
{
    if (FBand.Active()) {
        FBand.Drag(event.Pos);
        FCanvas.UpdateOverlay();
    } else if (FDragging) {
        DragNode(FKind, FNodePoints, FHotNode, FCanvas.Snap(event.Pos));
        FCanvas.UpdateOverlay();
    }
}

void TNodeTool::Release(const TPointerEvent& event)
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
    FCanvas.Drawing().SetShapePoints(FCanvas.HotShape, FNodePoints);
    FShownNodes.clear();
    FCanvas.UpdateOverlay();
}

void TNodeTool::PaintOverlay(QPainter& painter) const
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

void TNodeTool::Cancel()
{
    // An unfinished node drag is dropped: the shape keeps its nodes as they were.
    FDragging = false;
    FBand.Cancel();
    FShownNodes.clear();
    FCanvas.UpdateOverlay();
}

} // namespace korvo
