#include "editor/tool_cursors.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace korvo {

namespace {

    struct TCursorPicture {
        int Number;
        const char* Name;
        QPoint HotSpot;
    };

    constexpr TCursorPicture Pictures[] = {
        { 2, "poly", { 5, 5 } },
        { 3, "square", { 5, 5 } },
        { 4, "circle", { 5, 5 } },
        { 5, "node", { 0, 0 } },
        { 6, "polyline", { 5, 5 } },
        { 7, "line", { 5, 5 } },
        { 8, "bezier", { 5, 5 } },
        { 9, "text", { 5, 5 } },
        { 10, "dropper", { 7, 25 } },
        { 11, "sine", { 5, 5 } },
        { 12, "tube", { 5, 5 } },
        { 13, "linearrow", { 5, 5 } },
        { 14, "grid", { 5, 5 } },
        { 15, "sttube", { 5, 5 } },
    };

    QHash<int, QCursor>& Registry()
    {
        static QHash<int, QCursor> cursors;
        return cursors;
    }

    // Drawn at twice the size and halved, because Qt paints strokes one pixel wide by a quick method that
    // leaves diagonals grey and faint. The large drawing is not offered for double density screens: the X11
    // back end reads the hot spot in the picture's own pixels, so that cursor would aim at the wrong point.
    QCursor Load(const TCursorPicture& picture)
    {
        QSvgRenderer renderer(QStringLiteral(":/cursors/%1.svg").arg(QLatin1String(picture.Name)));
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        return QCursor(QPixmap::fromImage(image.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
            picture.HotSpot.x(), picture.HotSpot.y());
    }

} // namespace

void RegisterToolCursors()
{
    for (const TCursorPicture& picture : Pictures)
        Registry().insert(picture.Number, Load(picture));
}

QCursor ToolCursor(int number) { return Registry().value(number, QCursor(Qt::ArrowCursor)); }

} // namespace korvo
