#include "editor/tool_cursors.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace korvo {

namespace {

    struct TCursorPicture {
        TToolCursor Cursor;
        const char* Name;
        QPoint HotSpot;
    };

    using C = TToolCursor;

    constexpr TCursorPicture Pictures[] = {
        { C::Polygon, "poly", { 5, 5 } },
        { C::Square, "square", { 5, 5 } },
        { C::Circle, "circle", { 5, 5 } },
        { C::Node, "node", { 0, 0 } },
        { C::Polyline, "polyline", { 5, 5 } },
        { C::Line, "line", { 5, 5 } },
        { C::Curve, "bezier", { 5, 5 } },
        { C::Text, "text", { 5, 5 } },
        { C::Dropper, "dropper", { 7, 25 } },
        { C::Sine, "sine", { 5, 5 } },
        { C::TubeBend, "tube", { 5, 5 } },
        { C::LineArrow, "linearrow", { 5, 5 } },
        { C::GraphPaper, "grid", { 5, 5 } },
        { C::Tube, "sttube", { 5, 5 } },
    };

    QHash<TToolCursor, QCursor>& Registry()
    {
        static QHash<TToolCursor, QCursor> cursors;
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
        Registry().insert(picture.Cursor, Load(picture));
}

QCursor ToolCursor(TToolCursor cursor) { return Registry().value(cursor, QCursor(Qt::ArrowCursor)); }

} // namespace korvo
