#include "editor/command_icons.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace korvo {

namespace {

    // Commands that mean exactly what a desktop icon theme's entry means wear the user's theme, so Korvo
    // looks at home beside their other programs; our picture stands in where the theme has none. Tools and
    // Korvo's own commands have no such entry and always use ours.
    QString ThemeName(const QString& name)
    {
        static const QHash<QString, QString> themed = {
            { QStringLiteral("new"), QStringLiteral("document-new") },
            { QStringLiteral("open"), QStringLiteral("document-open") },
            { QStringLiteral("save"), QStringLiteral("document-save") },
            { QStringLiteral("print"), QStringLiteral("document-print") },
            { QStringLiteral("copy"), QStringLiteral("edit-copy") },
            { QStringLiteral("paste"), QStringLiteral("edit-paste") },
            { QStringLiteral("cut"), QStringLiteral("edit-cut") },
            { QStringLiteral("undo"), QStringLiteral("edit-undo") },
            { QStringLiteral("redo"), QStringLiteral("edit-redo") },
            { QStringLiteral("help"), QStringLiteral("help-contents") },
        };
        return themed.value(name);
    }

    QPixmap Render(QSvgRenderer& renderer, int size)
    {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        return pixmap;
    }

} // namespace

QIcon CommandIcon(const QString& name)
{
    const QString file = QStringLiteral(":/command-icons/%1.svg").arg(name);
    if (!QFile::exists(file))
        return {};
    // Rendered here rather than left to Qt's SVG icon engine, which is a plugin that a machine may lack;
    // the two sizes serve tool bars at normal and at double pixel density.
    QSvgRenderer renderer(file);
    QIcon ours;
    for (int size : { 24, 48 })
        ours.addPixmap(Render(renderer, size));
    const QString theme = ThemeName(name);
    return theme.isEmpty() ? ours : QIcon::fromTheme(theme, ours);
}

} // namespace korvo
