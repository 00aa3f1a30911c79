#pragma once

#include "geometry/device_types.h"

#include <QPainter>
#include <QPolygon>
#include <QRect>

namespace korvo {

// A drag from where the button went down to where the pointer is now, in surface pixels.
struct TDragSpan {
    bool Active = false;
    QPoint Anchor;
    QPoint Current;

    void Start(QPoint at)
    {
        Active = true;
        Anchor = at;
        Current = at;
    }
    // The rectangle between the two ends, smaller coordinates first.
    TRect Box() const;
};

// The inverting pen of the previews: each pixel becomes NOT (pen XOR screen), so a black outline
// shows on any colour and vanishes when drawn twice.
void SetInvertingPen(QPainter& painter, const QColor& colour = Qt::black);

// The outline of the rectangle between two corners, whatever their order. As on the platform, the
// outline keeps inside the rectangle: its right and bottom edges lie one pixel in.
void DrawOutline(QPainter& painter, QPoint a, QPoint b);
// The ellipse inscribed in that rectangle.
void DrawInscribedEllipse(QPainter& painter, QPoint a, QPoint b);

// A square of +-r pixels around a point.
void DrawBox(QPainter& painter, QPoint at, int r);

// The Bezier chain through 3k + 1 points; nothing for other counts.
void DrawBezier(QPainter& painter, const QPoint* points, int count);

} // namespace korvo
