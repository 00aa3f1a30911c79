#include "shapes/pen_modes.h"

namespace korvo {

void SetPenMode(QPainter& painter, TPenMode mode)
{
    switch (mode) {
    case TPenMode::Copy:
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case TPenMode::Xor:
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case TPenMode::NotXor:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    }
}

} // namespace korvo
