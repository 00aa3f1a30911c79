#include "editor/command_icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace korvo {

namespace {

    const QColor Ink(0x30, 0x38, 0x48);
    const QColor Paper(0xFF, 0xFF, 0xFF);
    const QColor Sky(0x9C, 0xC4, 0xEE);
    const QColor Leaf(0xA8, 0xD8, 0x8C);
    const QColor Sun(0xF6, 0xD3, 0x6B);
    const QColor Rose(0xF0, 0xA0, 0xA0);

    using TPainter = std::function<void(QPainter&)>;

    void Pen(QPainter& p, qreal width = 1.5, const QColor& colour = Ink)
    {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }

    void Shape(QPainter& p, const QPainterPath& path, const QColor& fill)
    {
        Pen(p);
        p.setBrush(fill);
        p.drawPath(path);
    }

    QPainterPath Rect(qreal x, qreal y, qreal w, qreal h)
    {
        QPainterPath path;
        path.addRect(x, y, w, h);
        return path;
    }

    QPainterPath Polyline(std::initializer_list<QPointF> points, bool close = false)
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(points));
        if (close)
            path.closeSubpath();
        return path;
    }

    void Arrow(QPainter& p, QPointF from, QPointF to)
    {
        Pen(p, 2);
        p.drawLine(from, to);
        const QLineF line(to, from);
        QLineF wing = line;
        wing.setLength(5);
        wing.setAngle(line.angle() + 35);
        p.drawLine(wing);
        wing.setAngle(line.angle() - 35);
        p.drawLine(wing);
    }

    void Page(QPainter& p)
    {
        Shape(p, Polyline({ { 5, 2 }, { 15, 2 }, { 20, 7 }, { 20, 22 }, { 5, 22 } }, true), Paper);
        Pen(p, 1);
        p.drawLine(QPointF(15, 2), QPointF(15, 7));
        p.drawLine(QPointF(15, 7), QPointF(20, 7));
    }

    void Stack(QPainter& p, const QColor& front, const QColor& back)
    {
        Shape(p, Rect(3, 3, 12, 12), back);
        Shape(p, Rect(9, 9, 12, 12), front);
    }

    void Rotation(QPainter& p, bool clockwise)
    {
        Pen(p, 2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), clockwise ? 200 * 16 : -20 * 16, clockwise ? -250 * 16 : 250 * 16);
        const QPointF tip = clockwise ? QPointF(4.5, 9) : QPointF(19.5, 9);
        p.drawLine(tip, tip + QPointF(clockwise ? -1 : 1, -5));
        p.drawLine(tip, tip + QPointF(clockwise ? 5 : -5, -1));
    }

    void Mirror(QPainter& p, bool vertical)
    {
        p.save();
        if (vertical) {
            p.translate(24, 0);
            p.rotate(90);
        }
        Shape(p, Polyline({ { 10, 4 }, { 10, 20 }, { 3, 20 } }, true), Sky);
        Shape(p, Polyline({ { 14, 4 }, { 14, 20 }, { 21, 20 } }, true), Paper);
        p.restore();
    }

    const QHash<QString, TPainter>& Painters()
    {
        static const QHash<QString, TPainter> painters = {
            { QStringLiteral("new"), [](QPainter& p) { Page(p); } },
            { QStringLiteral("open"),
                [](QPainter& p) {
                    Shape(p, Polyline({ { 2, 6 }, { 9, 6 }, { 11, 8 }, { 20, 8 }, { 20, 20 }, { 2, 20 } }, true), Sun);
                    Shape(
                        p, Polyline({ { 5, 12 }, { 23, 12 }, { 20, 20 }, { 2, 20 } }, true), QColor(0xFB, 0xE7, 0xA6));
                } },
            { QStringLiteral("save"),
                [](QPainter& p) {
                    Shape(p, Rect(3, 3, 18, 18), Sky);
                    Shape(p, Rect(7, 3, 10, 7), Paper);
                    Shape(p, Rect(6, 13, 12, 8), Paper);
                } },
            { QStringLiteral("print"),
                [](QPainter& p) {
                    Shape(p, Rect(7, 2, 10, 8), Paper);
                    Shape(p, Rect(3, 9, 18, 9), QColor(0xC8, 0xCC, 0xD4));
                    Shape(p, Rect(7, 14, 10, 8), Paper);
                } },
            { QStringLiteral("copy"), [](QPainter& p) { Stack(p, Paper, Paper); } },
            { QStringLiteral("paste"),
                [](QPainter& p) {
                    Shape(p, Rect(4, 4, 14, 17), Sun);
                    Shape(p, Rect(9, 9, 12, 13), Paper);
                } },
            { QStringLiteral("cut"),
                [](QPainter& p) {
                    Pen(p, 1.8);
                    p.setBrush(Qt::NoBrush);
                    p.drawEllipse(QPointF(7, 18), 3.5, 3.5);
                    p.drawEllipse(QPointF(17, 18), 3.5, 3.5);
                    p.drawLine(QPointF(9, 15), QPointF(17, 2));
                    p.drawLine(QPointF(15, 15), QPointF(7, 2));
                } },
            { QStringLiteral("undo"),
                [](QPainter& p) {
                    Pen(p, 2);
                    p.setBrush(Qt::NoBrush);
                    QPainterPath path;
                    path.moveTo(5, 10);
                    path.cubicTo(10, 4, 22, 6, 19, 18);
                    p.drawPath(path);
                    p.drawLine(QPointF(5, 10), QPointF(5, 4));
                    p.drawLine(QPointF(5, 10), QPointF(11, 11));
                } },
            { QStringLiteral("snap"),
                [](QPainter& p) {
                    Pen(p, 1, QColor(0xA0, 0xA8, 0xB8));
                    for (int v = 4; v <= 20; v += 4) {
                        p.drawLine(v, 3, v, 21);
                        p.drawLine(3, v, 21, v);
                    }
                    p.setBrush(Rose);
                    Pen(p, 1.5);
                    p.drawEllipse(QPointF(12, 12), 3, 3);
                } },
            { QStringLiteral("grid"),
                [](QPainter& p) {
                    Pen(p, 1);
                    for (int v = 4; v <= 20; v += 4) {
                        p.drawLine(v, 3, v, 21);
                        p.drawLine(3, v, 21, v);
                    }
                } },
            { QStringLiteral("group"),
                [](QPainter& p) {
                    Stack(p, Sky, Leaf);
                    Pen(p, 1, Ink);
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(QRectF(1.5, 1.5, 21, 21));
                } },
            { QStringLiteral("ungroup"), [](QPainter& p) { Stack(p, Sky, Leaf); } },
            { QStringLiteral("tofront"), [](QPainter& p) { Stack(p, Sky, Paper); } },
            { QStringLiteral("toback"), [](QPainter& p) { Stack(p, Paper, Sky); } },
            { QStringLiteral("moveback"),
                [](QPainter& p) {
                    Stack(p, Paper, Leaf);
                    Arrow(p, { 20, 4 }, { 20, 10 });
                } },
            { QStringLiteral("moveforward"),
                [](QPainter& p) {
                    Stack(p, Leaf, Paper);
                    Arrow(p, { 4, 20 }, { 4, 14 });
                } },
            { QStringLiteral("rotateccw"), [](QPainter& p) { Rotation(p, false); } },
            { QStringLiteral("rotatecw"), [](QPainter& p) { Rotation(p, true); } },
            { QStringLiteral("hmirror"), [](QPainter& p) { Mirror(p, false); } },
            { QStringLiteral("vmirror"), [](QPainter& p) { Mirror(p, true); } },
            { QStringLiteral("linestyle"),
                [](QPainter& p) {
                    for (int i = 0; i < 3; ++i) {
                        Pen(p, 1 + i);
                        p.drawLine(3, 6 + 6 * i, 21, 6 + 6 * i);
                    }
                } },
            { QStringLiteral("lineend"),
                [](QPainter& p) {
                    Arrow(p, { 3, 12 }, { 21, 12 });
                } },
            { QStringLiteral("help"),
                [](QPainter& p) {
                    Shape(
                        p,
                        [] {
                            QPainterPath path;
                            path.addEllipse(QPointF(12, 12), 9, 9);
                            return path;
                        }(),
                        Sky);
                    QFont font;
                    font.setPixelSize(14);
                    font.setBold(true);
                    p.setFont(font);
                    p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
                } },
            { QStringLiteral("select"),
                [](QPainter& p) {
                    Shape(p,
                        Polyline(
                            { { 6, 3 }, { 6, 19 }, { 10, 15 }, { 13, 21 }, { 16, 20 }, { 13, 14 }, { 18, 14 } }, true),
                        Paper);
                } },
            { QStringLiteral("node"),
                [](QPainter& p) {
                    Pen(p);
                    p.setBrush(Qt::NoBrush);
                    QPainterPath path;
                    path.moveTo(3, 19);
                    path.cubicTo(7, 3, 17, 3, 21, 19);
                    p.drawPath(path);
                    for (QPointF n : { QPointF(3, 19), QPointF(21, 19), QPointF(12, 7) })
                        p.fillRect(QRectF(n - QPointF(2, 2), QSizeF(4, 4)), Ink);
                } },
            { QStringLiteral("square"), [](QPainter& p) { Shape(p, Rect(4, 6, 16, 12), Sky); } },
            { QStringLiteral("circle"),
                [](QPainter& p) {
                    QPainterPath path;
                    path.addEllipse(QPointF(12, 12), 8, 8);
                    Shape(p, path, Leaf);
                } },
            { QStringLiteral("polygon"),
                [](QPainter& p) {
                    Shape(p, Polyline({ { 4, 18 }, { 7, 5 }, { 19, 4 }, { 21, 15 }, { 12, 21 } }, true), Sun);
                } },
            { QStringLiteral("polyline"),
                [](QPainter& p) {
                    Pen(p);
                    p.setBrush(Qt::NoBrush);
                    p.drawPath(Polyline({ { 3, 19 }, { 8, 5 }, { 14, 16 }, { 21, 4 } }));
                } },
            { QStringLiteral("line"),
                [](QPainter& p) {
                    Pen(p, 2);
                    p.drawLine(4, 20, 20, 4);
                } },
            { QStringLiteral("arrow"),
                [](QPainter& p) {
                    Arrow(p, { 4, 20 }, { 20, 4 });
                } },
            { QStringLiteral("curve"),
                [](QPainter& p) {
                    Pen(p, 2);
                    p.setBrush(Qt::NoBrush);
                    QPainterPath path;
                    path.moveTo(3, 18);
                    path.cubicTo(6, 0, 18, 24, 21, 6);
                    p.drawPath(path);
                } },
            { QStringLiteral("sine"),
                [](QPainter& p) {
                    QPainterPath path;
                    path.moveTo(2, 12);
                    path.cubicTo(5, 2, 9, 2, 12, 12);
                    path.cubicTo(15, 22, 19, 22, 22, 12);
                    Shape(p, path, Rose);
                } },
            { QStringLiteral("tube"),
                [](QPainter& p) {
                    p.fillRect(QRectF(2, 8, 20, 8), Sky);
                    Pen(p);
                    p.drawLine(2, 8, 22, 8);
                    p.drawLine(2, 16, 22, 16);
                } },
            { QStringLiteral("text"),
                [](QPainter& p) {
                    QFont font(QStringLiteral("Liberation Serif"));
                    font.setPixelSize(20);
                    font.setBold(true);
                    p.setFont(font);
                    Pen(p);
                    p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("A"));
                } },
            { QStringLiteral("bend"),
                [](QPainter& p) {
                    QPainterPath path;
                    path.moveTo(3, 21);
                    path.arcTo(QRectF(3, 3, 36, 36), 180, -90);
                    path.lineTo(21, 11);
                    path.arcTo(QRectF(11, 11, 20, 20), 90, 90);
                    path.closeSubpath();
                    Shape(p, path, Sky);
                } },
            { QStringLiteral("graph"),
                [](QPainter& p) {
                    p.fillRect(QRectF(3, 3, 18, 18), Paper);
                    Pen(p, 1, QColor(0x20, 0x80, 0xC0));
                    for (int v = 3; v <= 21; v += 3) {
                        p.drawLine(v, 3, v, 21);
                        p.drawLine(3, v, 21, v);
                    }
                } },
            { QStringLiteral("dropper"),
                [](QPainter& p) {
                    Pen(p, 2.5);
                    p.drawLine(5, 19, 15, 9);
                    p.setBrush(Ink);
                    p.drawEllipse(QPointF(17, 7), 3.5, 3.5);
                } },
        };
        return painters;
    }

    QPixmap Render(const TPainter& paint, int size)
    {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 24.0, size / 24.0);
        paint(painter);
        return pixmap;
    }

} // namespace

QIcon CommandIcon(const QString& name)
{
    const auto it = Painters().find(name);
    if (it == Painters().end())
        return {};
    QIcon icon;
    for (int size : { 24, 48 })
        icon.addPixmap(Render(*it, size));
    return icon;
}

} // namespace korvo
