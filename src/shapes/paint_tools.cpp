#include "shapes/paint_tools.h"

#include "geometry/rounding.h"
#include "shapes/colour_map.h"

#include <QPaintEngine>

#include <algorithm>
#include <cmath>

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

bool PaintsPixels(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster && painter.transform().type() <= QTransform::TxTranslate;
}

bool IsThinSolid(const QPen& pen) { return pen.style() == Qt::SolidLine && pen.width() <= 1; }

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

QRectF VisibleArea(const QPainter& painter)
{
    QRectF visible
        = painter.transform().inverted().mapRect(QRectF(0, 0, painter.device()->width(), painter.device()->height()));
    if (painter.hasClipping())
        visible = visible.intersected(painter.clipBoundingRect());
    return visible;
}

QRectF LineReach(const QPainter& painter)
{
    constexpr double Margin = 65536;
    return VisibleArea(painter).adjusted(-Margin, -Margin, Margin, Margin);
}

void FillThinLine(QPainter& painter, QPointF from, QPointF to, const QRectF& keep)
{
    // Along is the line's long direction, across the other one; a steep line swaps x and y.
    const bool steep = std::abs(to.y() - from.y()) > std::abs(to.x() - from.x());
    const auto along = [steep](QPointF p) { return steep ? p.y() : p.x(); };
    const auto across = [steep](QPointF p) { return steep ? p.x() : p.y(); };
    const auto point = [steep](double a, double c) { return steep ? QPointF(c, a) : QPointF(a, c); };
    const double length = along(to) - along(from);
    if (length == 0)
        return;
    // Pixel k covers k .. k + 1. Going forwards the pixels from `from` to the one before `to` cover
    // along(from) .. along(to); going backwards, one pixel further on.
    const double shift = length > 0 ? 0 : 1;
    const double low = std::max(std::min(along(from), along(to)) + shift, std::floor(along(keep.topLeft())));
    const double high = std::min(std::max(along(from), along(to)) + shift, std::ceil(along(keep.bottomRight())));
    if (low >= high)
        return;
    // The band is one pixel thick around the line through the pixel centres, so each column (row)
    // holds the centre of exactly one of its pixels.
    const double slope = (across(to) - across(from)) / length;
    const auto centre = [&](double a) { return across(from) + 0.5 + (a - along(from) - 0.5) * slope; };
    const QPointF band[] = { point(low, centre(low) - 0.5), point(high, centre(high) - 0.5),
        point(high, centre(high) + 0.5), point(low, centre(low) + 0.5) };
    const QPen pen = painter.pen();
    const QBrush brush = painter.brush();
    painter.setPen(Qt::NoPen);
    painter.setBrush(pen.color());
    painter.drawConvexPolygon(band, 4);
    painter.setPen(pen);
    painter.setBrush(brush);
}

void DrawPolylineOpenEnded(QPainter& painter, const QPoint* points, int count)
{
    if (count < 2 || !IsThinSolid(painter.pen()) || !PaintsPixels(painter)) {
        painter.drawPolyline(points, count);
        return;
    }
    const QRectF keep = LineReach(painter);
    for (int i = 1; i < count; ++i)
        FillThinLine(painter, points[i - 1], points[i], keep);
}

} // namespace korvo
