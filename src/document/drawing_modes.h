#pragma once

#include "shapes/drawing_tools.h"

#include <cstdint>

namespace korvo {

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
