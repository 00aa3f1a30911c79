#pragma once

#include "geometry/shape_arena.h"

#include <vector>

namespace korvo {

// A point on the page in millimetres, origin top-left, y downwards. Stored as single floats
// because that is what drawing files hold; computations widen to double.
struct TMMPoint {
    float X = 0;
    float Y = 0;

    friend bool operator==(const TMMPoint& a, const TMMPoint& b) { return a.X == b.X && a.Y == b.Y; }
    friend bool operator!=(const TMMPoint& a, const TMMPoint& b) { return !(a == b); }
};

// Points read from a file sit in the file's arena; all others, copies included, on the heap.
using TMMArray = std::vector<TMMPoint, TArenaAllocator<TMMPoint>>;

struct TMMRect {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;

    friend bool operator==(const TMMRect& a, const TMMRect& b)
    {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    }
    friend bool operator!=(const TMMRect& a, const TMMRect& b) { return !(a == b); }
};

} // namespace korvo
