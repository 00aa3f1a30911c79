#include "editor/command_icons.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace korvo;

namespace {

// Every name the tool bars ask for, and the two kept for commands still to come.
const char* const IconNames[] = { "new", "open", "save", "print", "copy", "paste", "cut", "undo", "redo", "snap",
    "grid", "group", "ungroup", "tofront", "toback", "moveback", "moveforward", "rotateccw", "rotatecw", "hmirror",
    "vmirror", "linestyle", "lineend", "help", "colour", "select", "node", "square", "circle", "polygon", "polyline",
    "line", "arrow", "curve", "sine", "tube", "text", "bend", "graph", "dropper" };

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
    for (const char* name : IconNames) {
        SCOPED_TRACE(name);
        const QPixmap pixmap = CommandIcon(QLatin1String(name)).pixmap(24, 24);
        EXPECT_EQ(pixmap.size(), QSize(24, 24));
        EXPECT_TRUE(HasInk(pixmap.toImage()));
    }
    EXPECT_TRUE(CommandIcon(QStringLiteral("nosuch")).isNull());
}

} // namespace
