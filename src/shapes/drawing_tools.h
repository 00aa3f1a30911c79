#pragma once

namespace korvo {

// The drawing tools by the numbers of their buttons' tags. The drawing keeps the current one for the
// canvas, and each shape kind names the tool that draws it.
enum class TTool : int {
    Selection = 0,
    Polygon = 1,
    Rectangle = 2,
    Circle = 3,
    Node = 5,
    Polyline = 6,
    Line = 7,
    Curve = 8,
    Text = 9,
    Arrow = 11,
    Sine = 12,
    TubeBend = 13,
    GraphPaper = 16,
    Tube = 17,
    Dropper = 19,
};

} // namespace korvo
