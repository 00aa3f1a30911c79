#include "editor/canvas/tool_table.h"
#include "editor/command_icons.h"
#include "editor/commands/command_table.h"
#include "editor/tool_cursors.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace korvo;

namespace {

// Every name the commands and tools ask for, and the two kept for commands still to come.
QStringList IconNames()
{
    QStringList names { QStringLiteral("redo"), QStringLiteral("colour") };
    for (const TCommandInfo& command : CommandTable()) {
        if (*command.Text.Icon)
            names.append(QLatin1String(command.Text.Icon));
    }
    for (const TToolInfo& tool : ToolTable())
        names.append(QLatin1String(tool.Text.Icon));
    return names;
}

bool HasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

// A picture that fails to parse renders as nothing, so a blank pixmap is what a broken file looks like.
TEST(CommandIcons, EveryNameHasAPicture)
{
    for (const QString& name : IconNames()) {
        SCOPED_TRACE(name.toStdString());
        const QPixmap pixmap = CommandIcon(name).pixmap(24, 24);
        EXPECT_EQ(pixmap.size(), QSize(24, 24));
        EXPECT_TRUE(HasInk(pixmap.toImage()));
    }
    EXPECT_TRUE(CommandIcon(QStringLiteral("nosuch")).isNull());
}

// A cursor whose picture is missing or broken is blank, and the pointer vanishes over the drawing.
TEST(ToolCursors, EveryToolCursorHasAPictureAndItsHotSpot)
{
    RegisterToolCursors();
    for (const TToolInfo& tool : ToolTable()) {
        if (tool.CursorUse == TCursorUse::Arrow)
            continue;
        SCOPED_TRACE(tool.Cursor);
        const QCursor cursor = ToolCursor(tool.Cursor);
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
        EXPECT_TRUE(HasInk(cursor.pixmap().toImage()));
        const QPoint hotSpot = tool.Tool == TTool::Node ? QPoint(0, 0)
            : tool.Tool == TTool::Dropper               ? QPoint(7, 25)
                                                        : QPoint(5, 5);
        EXPECT_EQ(cursor.hotSpot(), hotSpot);
    }
    EXPECT_EQ(ToolCursor(16).shape(), Qt::ArrowCursor);
}

} // namespace
