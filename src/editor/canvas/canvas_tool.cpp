#include "editor/canvas/canvas_tool.h"

namespace korvo {

void TCanvasTool::PaintOverlay(QPainter&) const { }

void TCanvasTool::ViewChanged(QPoint) { }

} // namespace korvo
