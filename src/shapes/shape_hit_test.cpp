#include "shapes/polygon.h"

#include "shapes/shape_geometry.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace korvo {

namespace {

    // Node tolerance in device pixels, the same in x and in y.
    constexpr float NodeReachPixels = 4.0f;

    // Whether pixel (x, y) lies in the non-zero winding region of the device polygon p.
    //
    // This follows the scanline rule of the platform's polygon regions exactly instead of building a
    // QRegion: an edge counts on the rows from its upper end up to, but not including, its lower end,
    // and a pixel is inside when the edges crossing its row at or left of it wind a non-zero number of
    // times. Left and top edges are therefore inside, right and bottom edges outside. Compared with
    // QRegion over millions of pixels of random self-intersecting polygons the answers are the same,
    // but this costs one pass over the edges, where QRegion scan-converts every row of the polygon and
    // takes minutes for the huge coordinates a damaged file can carry. The arithmetic is in doubles,
    // which is exact for every coordinate below 2^26 pixels.
    bool InWindingRegion(const TPointArray& p, int x, int y)
    {
        int winding = 0;
        for (std::size_t i = 0; i < p.size(); ++i) {
            QPoint a = p[i];
            QPoint b = p[(i + 1) % p.size()];
            if (a.y() == b.y())
                continue;
            int direction = 1;
            if (a.y() > b.y()) {
                std::swap(a, b);
                direction = -1;
            }
            if (y < a.y() || y >= b.y())
                continue;
            // The crossing lies at or left of x: a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y) <= x.
            const double side = (static_cast<double>(a.x()) - x) * (static_cast<double>(b.y()) - a.y())
                + (static_cast<double>(y) - a.y()) * (static_cast<double>(b.x()) - a.x());
            if (side <= 0)
                winding += direction;
        }
        return winding != 0;
    }

    bool IsTubeBendAliasOfLastArcEnd(int i) { return i == 4 || i == 5; }
    bool IsTubeBendAliasOfStart(int i) { return i >= 10 && i <= 12; }

} // namespace

bool NodeNear(TMMPoint a, TMMPoint b, float scale)
{
    if (!IsUsableScale(scale))
        return false;
    const float reach = NodeReachPixels / scale;
    return std::fabs(static_cast<double>(a.X) - b.X) <= reach && std::fabs(static_cast<double>(a.Y) - b.Y) <= reach;
}

bool TPolygon::ContainsPoint(int x, int y, int offsetX, int offsetY, float scale) const
{
    const TPointArray p = GetDevicePoints(offsetX, offsetY, scale);
    if (p.size() >= 3)
        return InWindingRegion(p, x, y);
    // Too few points for an area (two-point polygons, lines, groups): the page-pixel bounds decide.
    const std::int64_t pageX = static_cast<std::int64_t>(x) + offsetX;
    const std::int64_t pageY = static_cast<std::int64_t>(y) + offsetY;
    return pageX >= FDevRect.Left && pageX < FDevRect.Right && pageY >= FDevRect.Top && pageY < FDevRect.Bottom;
}

int TPolygon::FindNode(TMMPoint p, float scale) const
{
    for (int i = 0; i < PointCount(); ++i) {
        if (!NodeNear(GetPoint(i), p, scale))
            continue;
        if (FKind == skTubeBend && IsTubeBendAliasOfLastArcEnd(i))
            return 3;
        if (FKind == skTubeBend && IsTubeBendAliasOfStart(i))
            return 0;
        return i;
    }
    return -1;
}

} // namespace korvo
