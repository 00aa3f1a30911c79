#include "editor/canvas/tool_table.h"
#include "editor/command_icons.h"
#include "editor/commands/command_table.h"

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

} // namespace
