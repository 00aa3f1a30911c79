#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

namespace korvo {

// Device pixels. Points are Qt's integer points so that painting can hand arrays straight to QPainter.
using TPointArray = std::vector<QPoint>;

// A device rectangle whose right and bottom edges lie outside it. Deliberately not QRect, whose
// right() and bottom() are inclusive; convert only at the Qt boundary.
struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // Left and top edges inside, right and bottom outside.
    bool Contains(std::int32_t x, std::int32_t y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    TRect Offset(std::int32_t dx, std::int32_t dy) const { return { Left + dx, Top + dy, Right + dx, Bottom + dy }; }
    QRect ToQRect() const { return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1)); }

    friend bool operator==(const TRect& a, const TRect& b)
    {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    }
    friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
};

} // namespace korvo
