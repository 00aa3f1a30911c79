#include "shapes/paint_reach.h"

#include "geometry/rounding.h"
#include "geometry/units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace korvo {

namespace {

    constexpr std::int64_t Limit = std::numeric_limits<std::int32_t>::max() / 4;

    struct TSpan {
        std::int64_t Left = Limit;
        std::int64_t Top = Limit;
        std::int64_t Right = -Limit;
        std::int64_t Bottom = -Limit;
        bool Unbounded = false;

        void Add(const TSpan& other)
        {
            Unbounded = Unbounded || other.Unbounded;
            Left = std::min(Left, other.Left);
            Top = std::min(Top, other.Top);
            Right = std::max(Right, other.Right);
            Bottom = std::max(Bottom, other.Bottom);
        }
    };

    std::int64_t Pixels(float mm, float scale)
    {
        const double v = std::floor(static_cast<double>(mm) * scale);
        return std::isfinite(v) && std::abs(v) < Limit ? static_cast<std::int64_t>(v) : Limit;
    }

    // Room for the pen (round joins reach half its width), arrow heads three scaled millimetres long
    // and end circles, plus a pixel either way for rounding.
    std::int64_t LineRoom(const TPolygon& shape, float scale)
    {
        return std::abs(static_cast<std::int64_t>(shape.FPen.Width)) + 4 * (static_cast<std::int64_t>(scale) + 1) + 2;
    }

    // Text runs from its first point in any direction: at most one line per byte, each at most two cells
    // wide per byte.
    std::int64_t TextRoom(const TPolygon& shape, float scale, int logPixelsY)
    {
        const double cell = std::abs(static_cast<double>(logPixelsY) * shape.FFont.Size() * scale / (72.0 * BaseScale));
        const double room = 2.0 * (static_cast<double>(shape.FText.size()) + 2) * (cell + 2);
        return room < Limit ? static_cast<std::int64_t>(room) : Limit;
    }

    TSpan ShapeSpan(const TPolygon& shape, float scale, int logPixelsY)
    {
        TSpan span;
        for (const TPolygon& child : shape.FChildren)
            span.Add(ShapeSpan(child, scale, logPixelsY));
        if (shape.IsGroup() || shape.FPoints.empty())
            return span;
        TSpan own;
        for (const TMMPoint& p : shape.FPoints) {
            const std::int64_t x = Pixels(p.X, scale);
            const std::int64_t y = Pixels(p.Y, scale);
            if (x == Limit || y == Limit) {
                own.Unbounded = true;
                break;
            }
            own.Add({ x, y, x + 1, y + 1, false });
        }
        const std::int64_t room = shape.FKind == skText ? TextRoom(shape, scale, logPixelsY) : LineRoom(shape, scale);
        if (room >= Limit)
            own.Unbounded = true;
        own.Add({ own.Left - room, own.Top - room, own.Right + room, own.Bottom + room, false });
        span.Add(own);
        return span;
    }

} // namespace

std::optional<TRect> PaintReach(const TPolygon& shape, float scale, int logPixelsY)
{
    const TSpan span = ShapeSpan(shape, scale, logPixelsY);
    if (span.Unbounded || span.Left < -Limit || span.Top < -Limit || span.Right > Limit || span.Bottom > Limit)
        return std::nullopt;
    if (span.Right <= span.Left || span.Bottom <= span.Top)
        return TRect {};
    return TRect { static_cast<std::int32_t>(span.Left), static_cast<std::int32_t>(span.Top),
        static_cast<std::int32_t>(span.Right), static_cast<std::int32_t>(span.Bottom) };
}

} // namespace korvo
