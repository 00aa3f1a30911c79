#pragma once

#include <QCursor>

namespace korvo {

// The tools' own cursors. Each is 32 x 32 with its hot spot at (5, 5), the node's at (0, 0) and the
// dropper's at (7, 25). None gives the platform's arrow. The pictures are data/cursors/<name>.svg,
// compiled into the program: black strokes with a white rim so they show on any colour, laid on pixel
// centres so that one pixel lines stay sharp.
enum class TToolCursor {
    None,
    Polygon,
    Square,
    Circle,
    Node,
    Polyline,
    Line,
    Curve,
    Text,
    Dropper,
    Sine,
    TubeBend,
    LineArrow,
    GraphPaper,
    Tube,
};

void RegisterToolCursors();
QCursor ToolCursor(TToolCursor cursor);

} // namespace korvo
