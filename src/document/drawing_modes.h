#pragma once

#include <cstdint>

namespace korvo {

// The drawing tools by the numbers of their buttons' tags; the drawing keeps the current one for the
// canvas, and the box tools' numbers pick the kind of shape a dragged box makes.
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

// How selected shapes are marked when painted.
enum class TNodeMode : std::uint8_t {
    Handles = 0,
    Nodes = 1,
};

// What lies under a point of the view among the selection's marks: one of the eight resize handles,
// numbered clockwise from the top-left corner, a handle that only moves its shape, the rotation
// centre's marker, or nothing.
enum class THandle : int {
    None = -1,
    MoveOnly = -2,
    TopLeft = 0,
    Top,
    TopRight,
    Right,
    BottomRight,
    Bottom,
    BottomLeft,
    Left,
    RotationCentre = 19,
};

inline bool IsResizeHandle(THandle h)
{
    return static_cast<int>(h) >= static_cast<int>(THandle::TopLeft)
        && static_cast<int>(h) <= static_cast<int>(THandle::Left);
}

// Which edges or centres the other selected shapes are lined up with, on the first selected one.
enum class TAlignment : int {
    Centres = 1,
    CentresOnVertical,
    CentresOnHorizontal,
    Left,
    Right,
    Top,
    Bottom,
};

enum class TMirrorAxis : int {
    // Left becomes right.
    Horizontal = 0,
    // Top becomes bottom.
    Vertical = 1,
};

// What a rotation or scaling of the selection turns: the selected shapes, or copies of them laid over
// them, which become the selection. The clipboard is left alone either way.
enum class TApplyTo : int {
    Selection,
    Copy,
};

// How rendered shapes are placed in the area they are given: the print preview's placement buttons.
enum class TPlacement : int {
    AsOnPage = 0,
    Centred = 1,
    Fitted = 2,
};

} // namespace korvo
