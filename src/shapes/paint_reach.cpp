#include "shapes/paint_reach.h"

#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/shape_kind_traits.h"

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

    std::int64_t Floor(double v)
    {
        const double p = std::floor(v);
        return std::isfinite(p) && std::abs(p) < Limit ? static_cast<std::int64_t>(p) : Limit;
    }

    std::int64_t Pixels(float mm, float scale) { return Floor(static_cast<double>(mm) * scale); }

    // Qt advances a tab to its next stop, and the stops lie 80 pixels apart at any font size.
    constexpr double TabStop = 80;

    struct TTextLines {
        double Count = 1;
        // How far the longest line may run: `advance` pixels a byte, a tab stop a tab, and one advance
        // to spare for a slanted last glyph.
        double Length = 0;
    };

    TTextLines LinesOf(const QByteArray& text, double advance)
    {
        TTextLines lines;
        double length = advance;
        for (const char c : text) {
            if (c == '\r') {
                lines.Length = std::max(lines.Length, length);
                lines.Count += 1;
                length = advance;
            } else if (c != '\n') {
                length += c == '\t' ? std::max(advance, TabStop) : advance;
            }
        }
        lines.Length = std::max(lines.Length, length);
        return lines;
    }

    // Text is painted line by line from its first point, each line one font height further towards the
    // second point as the painter rounds them. A line runs from its start along the font's escapement
    // (Qt draws even right-to-left script onwards from the start), at most two cells a byte, and its
    // glyphs stay within two cells of it on either side. A cell is the font height and two pixels.
    TSpan TextSpan(const TPolygon& shape, float scale, int logPixelsY)
    {
        const TMMPoint first = shape.FPoints.front();
        const TMMPoint second = shape.FPoints.size() > 1 ? shape.FPoints[1] : first;
        const double cell
            = std::abs(static_cast<double>(logPixelsY) * shape.FFont.Size() * scale / (72.0 * BaseScale)) + 2;
        const TTextLines lines = LinesOf(shape.FText, 2 * cell);
        const double x0 = static_cast<double>(first.X) * scale;
        const double y0 = static_cast<double>(first.Y) * scale;
        const double dx = static_cast<double>(Round(static_cast<double>(second.X) * scale)) - Round(x0);
        const double dy = static_cast<double>(Round(static_cast<double>(second.Y) * scale)) - Round(y0);
        const double d = std::hypot(dx, dy);
        const double toLast = (lines.Count - 1) * cell;
        const double x1 = x0 + (d > 0 ? toLast * dx / d : 0);
        const double y1 = y0 + (d > 0 ? toLast * dy / d : toLast);
        const double beside = 2 * cell;
        const bool turned = shape.FFont.Record().Escapement % 3600 != 0;
        const double anyWay = lines.Length + beside;
        const double back = turned ? anyWay : cell;
        const double forth = turned ? anyWay : lines.Length;
        const double across = turned ? anyWay : beside;
        TSpan span { Floor(std::min(x0, x1) - back - 1), Floor(std::min(y0, y1) - across - 1),
            Floor(std::max(x0, x1) + forth + 2), Floor(std::max(y0, y1) + across + 2), false };
        span.Unbounded = span.Left == Limit || span.Top == Limit || span.Right == Limit || span.Bottom == Limit;
        return span;
    }

    // Room for the pen (round joins reach half its width; graph paper's major lines are twice as wide),
    // a pixel either way for rounding, and for a shape that paints a line ending, room for arrow heads
    // three scaled millimetres long and end circles.
    std::int64_t LineRoom(const TPolygon& shape, float scale)
    {
        const std::int64_t pen = std::abs(static_cast<std::int64_t>(shape.FPen.Width)) + 2;
        const bool ending = shape.FLineEnd != leNone && KindTraits(shape.FKind).PaintsLineEnding;
        return ending ? pen + 4 * (static_cast<std::int64_t>(scale) + 1) : pen;
    }

    TSpan ShapeSpan(const TPolygon& shape, float scale, int logPixelsY)
    {
        TSpan span;
        for (const TPolygon& child : shape.FChildren)
            span.Add(ShapeSpan(child, scale, logPixelsY));
        if (shape.IsGroup() || shape.FPoints.empty())
            return span;
        if (KindTraits(shape.FKind).Paint == TPaintFamily::Text) {
            span.Add(TextSpan(shape, scale, logPixelsY));
            return span;
        }
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
        const std::int64_t room = LineRoom(shape, scale);
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
