#include "editor/canvas/previews.h"

#include "shapes/pen_modes.h"

#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

namespace korvo {

TRect TDragSpan::Box() const
{
    return { std::min(Anchor.x(), Current.x()), std::min(Anchor.y(), Current.y()), std::max(Anchor.x(), Current.x()),
        std::max(Anchor.y(), Current.y()) };
}

void SetInvertingPen(QPainter& painter, const QColor& colour)
{
    SetPenMode(painter, TPenMode::NotXor);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
}

namespace {

    // Qt's outline of QRect(x, y, w, h) covers w + 1 pixels; the platform's covers w.
    QRect InnerOutline(QPoint a, QPoint b)
    {
        const int left = std::min(a.x(), b.x());
        const int top = std::min(a.y(), b.y());
        return QRect(left, top, std::abs(a.x() - b.x()) - 1, std::abs(a.y() - b.y()) - 1);
    }

} // namespace

void DrawOutline(QPainter& painter, QPoint a, QPoint b)
{
    const QRect r = InnerOutline(a, b);
    if (r.width() >= 0 && r.height() >= 0)
        painter.drawRect(r);
}

void DrawInscribedEllipse(QPainter& painter, QPoint a, QPoint b)
{
    const QRect r = InnerOutline(a, b);
    if (r.width() >= 0 && r.height() >= 0)
        painter.drawEllipse(r);
}

void DrawBox(QPainter& painter, QPoint at, int r)
{
    painter.drawRect(QRect(at - QPoint(r, r), at + QPoint(r - 1, r - 1)));
}

void DrawBezier(QPainter& painter, const QPoint* points, int count)
{
    if (count < 4 || (count - 1) % 3 != 0)
        return;
    QPainterPath path(points[0]);
    for (int i = 1; i + 2 < count; i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    painter.drawPath(path);
}

} // namespace korvo
