#pragma once

#include "editor/canvas/canvas_tool.h"

namespace korvo {

// The polygon and polyline tools: each left or middle press places a point, the right press places
// the last one and the release after it makes the shape. The points placed so far and a rubber line
// to the pointer stay shown, through repaints, zooms, tool changes and a lost focus, until the shape
// is finished.
class TPolyTool : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;

    void Press(const TPointerEvent& event) override;
    void Move(const TPointerEvent& event) override;
    void Release(const TPointerEvent& event) override;
    void PaintOverlay(QPainter& painter) const override;
    void Cancel() override;
    bool Busy() const override { return FMode != TMode::Idle; }
    void ViewChanged(QPoint pointer) override;

private:
    enum class TMode { Idle, PlacingPoints, LastPoint };

    void PlacePoint(QPoint at);
    void Finish();

    TMode FMode = TMode::Idle;
    int FPointIndex = 0;
    QPoint FAnchor;
    QPoint FCurrent;
};

} // namespace korvo
