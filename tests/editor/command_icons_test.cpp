#include "editor/canvas/tool_table.h"
#include "editor/command_icons.h"
#include "editor/commands/command_table.h"
#include "editor/tool_cursors.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <map>
#include <optional>

using namespace korvo;

namespace {

// Every name the commands and tools ask for, and the one kept for a command still to come.
QStringList IconNames()
{
    QStringList names { QStringLiteral("colour") };
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

// Where the small cross in a cursor's top-left corner meets: the one pixel with ink on four pixels each
// way along its row and its column. Nothing when the picture has no such cross.
std::optional<QPoint> CrossCentre(const QImage& image)
{
    const auto dark = [&image](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return qAlpha(c) > 128 && qGray(c) < 128;
    };
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x) {
            bool cross = dark(x, y);
            for (int k = 1; k <= 4 && cross; ++k)
                cross = dark(x - k, y) && dark(x + k, y) && dark(x, y - k) && dark(x, y + k);
            if (cross)
                return QPoint(x, y);
        }
    return std::nullopt;
}

// A cursor whose picture is missing or broken is blank, and the pointer vanishes over the drawing; one
// whose hot spot is off its aim draws away from the pointer.
TEST(ToolCursors, EveryToolCursorHasAPictureAndAimsWithItsHotSpot)
{
    RegisterToolCursors();
    // Read off the pictures without a cross: the node arrow's tip at (0.5, 0.5), the dropper's stem end at
    // (7, 25).
    const std::map<TToolCursor, QPoint> tips = { { TToolCursor::Node, { 0, 0 } }, { TToolCursor::Dropper, { 7, 25 } } };
    for (const TToolInfo& tool : ToolTable()) {
        if (tool.CursorUse == TCursorUse::Arrow)
            continue;
        SCOPED_TRACE(tool.Text.Icon);
        const QCursor cursor = ToolCursor(tool.Cursor);
        const QImage picture = cursor.pixmap().toImage();
        EXPECT_EQ(picture.size(), QSize(32, 32));
        EXPECT_TRUE(HasInk(picture));
        const auto tip = tips.find(tool.Cursor);
        EXPECT_EQ(cursor.hotSpot(), tip == tips.end() ? CrossCentre(picture).value_or(QPoint(-1, -1)) : tip->second);
        EXPECT_NE(qAlpha(picture.pixel(cursor.hotSpot())), 0) << "the hot spot lies on the picture's ink";
    }
    EXPECT_EQ(ToolCursor(TToolCursor::None).shape(), Qt::ArrowCursor);
}

} // namespace
