#pragma once

#include "editor/canvas/canvas_tool.h"
#include "editor/canvas/rubber_band.h"

namespace korvo {

// The node tool: a press picks a shape and shows its nodes; a press on a node drags it, with the
// part of the outline that it shapes following in the preview. The release hands all the nodes back
// to the drawing as one edit.
class TNodeTool : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;

    void Press(const TPointerEvent& event) override;
    void Move(const TPointerEvent& event) override;
    void Release(const TPointerEvent& event) override;
    void PaintOverlay(QPainter& painter) const override;
    void Cancel() override;
    bool Busy() const override { return FDragging || FBand.Active(); }

private:
    void PressLeft(QPoint at);

    bool FDragging = false;
    int FHotNode = -1;
    std::int32_t FKind = -1;
    // The nodes as they were at the press, and as the drag has moved them.
    TPointArray FShownNodes;
    TPointArray FNodePoints;
    TRubberBand FBand;
};

} // namespace korvo
