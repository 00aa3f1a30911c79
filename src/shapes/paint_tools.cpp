#include "shapes/paint_tools.h"

#include "shapes/colour_map.h"

#include <algorithm>

namespace korvo {

namespace {

    enum : std::uint8_t { psDash = 1, psDashDot = 3, psDashDotDot = 4 };

    QList<qreal> DashPattern(std::uint8_t style)
    {
        switch (style) {
        case psDash:
            return { 18, 6 };
        case psDot:
            return { 3, 3 };
        case psDashDot:
            return { 9, 6, 3, 6 };
        case psDashDotDot:
            return { 9, 3, 3, 3, 3, 3 };
        default:
            return {};
        }
    }

} // namespace

QPen ToQPen(const TPen& pen, int width)
{
    if (pen.Style == psClear)
        return QPen(Qt::NoPen);
    QPen result(ToQColor(pen.Colour), std::max(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QList<qreal> dashes = DashPattern(pen.Style);
    if (!dashes.isEmpty()) {
        // Flat caps, or the round ends would close the gaps between dots.
        result.setDashPattern(dashes);
        result.setCapStyle(Qt::FlatCap);
    }
    return result;
}

QBrush ToQBrush(const TBrush& brush)
{
    static constexpr Qt::BrushStyle Hatches[] = { Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern, Qt::BDiagPattern,
        Qt::CrossPattern, Qt::DiagCrossPattern };
    if (brush.Style == bsClear)
        return QBrush(Qt::NoBrush);
    const std::size_t hatch = brush.Style - 2u;
    const Qt::BrushStyle style = hatch < std::size(Hatches) ? Hatches[hatch] : Qt::SolidPattern;
    return QBrush(ToQColor(brush.Colour), style);
}

} // namespace korvo
