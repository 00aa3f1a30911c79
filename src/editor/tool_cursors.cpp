#include "editor/tool_cursors.h"

#include <QBitmap>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace korvo {

namespace {

    QHash<int, QCursor>& Registry()
    {
        static QHash<int, QCursor> cursors;
        return cursors;
    }

    // Black strokes with a white rim, so the cursor shows on any colour.
    void Stroke(QPainter& p, const QPainterPath& path)
    {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }

    // A cross whose centre is the hot spot at (5, 5).
    QPainterPath CrossHair()
    {
        QPainterPath path;
        path.moveTo(5, 0);
        path.lineTo(5, 10);
        path.moveTo(0, 5);
        path.lineTo(10, 5);
        return path;
    }

    // The glyph in the lower right that tells the tools apart.
    QPainterPath Glyph(int number)
    {
        QPainterPath path;
        switch (number) {
        case 2:
            path.addPolygon(QPolygonF({ { 14, 28 }, { 16, 16 }, { 26, 14 }, { 29, 24 }, { 14, 28 } }));
            break;
        case 3:
            path.addRect(14, 15, 14, 12);
            break;
        case 4:
            path.addEllipse(14, 14, 14, 14);
            break;
        case 6:
            path.moveTo(13, 28);
            path.lineTo(17, 16);
            path.lineTo(23, 26);
            path.lineTo(29, 14);
            break;
        case 7:
            path.moveTo(13, 29);
            path.lineTo(29, 13);
            break;
        case 8:
            path.moveTo(13, 28);
            path.cubicTo(15, 8, 27, 34, 29, 14);
            break;
        case 9:
            path.moveTo(15, 14);
            path.lineTo(27, 14);
            path.moveTo(21, 14);
            path.lineTo(21, 29);
            break;
        case 11:
            path.moveTo(12, 21);
            path.cubicTo(16, 11, 18, 11, 21, 21);
            path.cubicTo(24, 31, 26, 31, 30, 21);
            break;
        case 12:
            path.moveTo(14, 29);
            path.arcTo(14, 13, 30, 32, 180, -90);
            path.moveTo(20, 29);
            path.arcTo(20, 19, 18, 20, 180, -90);
            break;
        case 13:
            path.moveTo(13, 29);
            path.lineTo(29, 13);
            path.moveTo(22, 13);
            path.lineTo(29, 13);
            path.lineTo(29, 20);
            break;
        case 14:
            for (int v = 14; v <= 29; v += 5) {
                path.moveTo(v, 14);
                path.lineTo(v, 29);
                path.moveTo(14, v);
                path.lineTo(29, v);
            }
            break;
        case 15:
            path.moveTo(13, 17);
            path.lineTo(30, 17);
            path.moveTo(13, 25);
            path.lineTo(30, 25);
            break;
        default:
            break;
        }
        return path;
    }

    QPixmap Blank()
    {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        return pixmap;
    }

    // An arrow pointer whose tip is the hot spot, with a small node square beside it.
    QCursor NodeCursor()
    {
        QPixmap pixmap = Blank();
        QPainter p(&pixmap);
        QPainterPath arrow;
        arrow.addPolygon(
            QPolygonF({ { 0, 0 }, { 0, 17 }, { 4, 13 }, { 7, 20 }, { 10, 19 }, { 7, 12 }, { 12, 12 }, { 0, 0 } }));
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::black);
        p.drawPath(arrow);
        p.fillRect(15, 17, 7, 7, Qt::black);
        p.fillRect(16, 18, 5, 5, Qt::white);
        return QCursor(pixmap, 0, 0);
    }

    // A pipette whose tip is the hot spot at (7, 25).
    QCursor DropperCursor()
    {
        QPixmap pixmap = Blank();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath stem;
        stem.moveTo(7, 25);
        stem.lineTo(20, 12);
        Stroke(p, stem);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(23, 9), 4, 4);
        return QCursor(pixmap, 7, 25);
    }

    QCursor ShapeCursor(int number)
    {
        QPixmap pixmap = Blank();
        QPainter p(&pixmap);
        Stroke(p, CrossHair());
        Stroke(p, Glyph(number));
        return QCursor(pixmap, 5, 5);
    }

} // namespace

void RegisterToolCursors()
{
    QHash<int, QCursor>& cursors = Registry();
    for (int number = 2; number <= 15; ++number) {
        if (number == 5)
            cursors.insert(number, NodeCursor());
        else if (number == 10)
            cursors.insert(number, DropperCursor());
        else
            cursors.insert(number, ShapeCursor(number));
    }
}

QCursor ToolCursor(int number) { return Registry().value(number, QCursor(Qt::ArrowCursor)); }

} // namespace korvo
