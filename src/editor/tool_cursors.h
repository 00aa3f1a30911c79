#pragma once

#include <QCursor>

namespace korvo {

// The tools' own cursors, by the numbers the tools ask for: 2 polygon, 3 square, 4 circle, 5 node,
// 6 polyline, 7 line, 8 curve, 9 text, 10 dropper, 11 sine, 12 tube bend, 13 arrow, 14 graph paper,
// 15 straight tube. Each is 32 x 32 with its hot spot at (5, 5), the node's at (0, 0) and the
// dropper's at (7, 25). Any other number gives the arrow. The pictures are data/cursors/<name>.svg, compiled
// into the program: black strokes with a white rim so they show on any colour, laid on pixel centres so that
// one pixel lines stay sharp.
void RegisterToolCursors();
QCursor ToolCursor(int number);

} // namespace korvo
