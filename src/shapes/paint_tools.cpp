#include "shapes/paint_tools.h"

#include "geometry/rounding.h"
#include "shapes/colour_map.h"

#include <QPaintEngine>

#include <algorithm>
#include <cstdlib>

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

    // The segment's box less the column (or row, for a steep segment) of its end point. A 1-pixel line
    // has one pixel in each column (row), so the box leaves out its end pixel alone.
    QRect ShortOfEnd(QPoint start, QPoint end)
    {
        QRect box(QPoint(std::min(start.x(), end.x()), std::min(start.y(), end.y())),
            QPoint(std::max(start.x(), end.x()), std::max(start.y(), end.y())));
        const std::int64_t dx = static_cast<std::int64_t>(end.x()) - start.x();
        const std::int64_t dy = static_cast<std::int64_t>(end.y()) - start.y();
        if (std::abs(dx) >= std::abs(dy)) {
            if (dx > 0)
                box.setRight(Saturate32(end.x() - std::int64_t { 1 }));
            else
                box.setLeft(Saturate32(end.x() + std::int64_t { 1 }));
        } else if (dy > 0) {
            box.setBottom(Saturate32(end.y() - std::int64_t { 1 }));
        } else {
            box.setTop(Saturate32(end.y() + std::int64_t { 1 }));
        }
        return box;
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

bool PaintsPixels(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster && painter.transform().type() <= QTransform::TxTranslate;
}

void DrawCircleInBox(QPainter& painter, QPoint centre, int radius)
{
    if (radius <= 0)
        return;
    // Qt's 1-pixel outline takes in the pixels on the right and bottom edges of the rectangle it is
    // given; the platform's stays inside them. Vector output keeps the circle of the full radius.
    const std::int64_t diameter = 2 * static_cast<std::int64_t>(radius) - (PaintsPixels(painter) ? 1 : 0);
    painter.drawEllipse(QRect(Saturate32(static_cast<std::int64_t>(centre.x()) - radius),
        Saturate32(static_cast<std::int64_t>(centre.y()) - radius), Saturate32(diameter), Saturate32(diameter)));
}

void DrawPolylineOpenEnded(QPainter& painter, const QPoint* points, int count)
{
    const QPen& pen = painter.pen();
    if (count < 2 || pen.style() != Qt::SolidLine || pen.width() > 1 || !PaintsPixels(painter)) {
        painter.drawPolyline(points, count);
        return;
    }
    // Qt's rasteriser inks both ends of a round-capped line and, with flat caps, leaves out the end
    // further right or down whichever way the line runs; so the last segment is inked whole and clipped
    // short of its end.
    if (count > 2)
        painter.drawPolyline(points, count - 1);
    const QPoint start = points[count - 2];
    const QPoint end = points[count - 1];
    if (start == end)
        return;
    painter.save();
    painter.setClipRect(ShortOfEnd(start, end), Qt::IntersectClip);
    painter.drawLine(start, end);
    painter.restore();
}

} // namespace korvo
