// Start-up as the program runs it: the splash first, then the main window with the desktop's own
// message boxes.

#include "dialogs/splash_window.h"
#include "editor/main_window.h"

#include "support/temp_files.h"
#include "window_setup.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using namespace korvo;
using namespace korvo::test;

namespace {

class StartUp : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        UseOwnSettings(Path(QStringLiteral("user")));
    }
};

TEST_F(StartUp, TheSplashClosesBeforeAStartUpMessageBox)
{
    TSplashFrm splash(Path(QStringLiteral("no-picture.png")));
    splash.ShowNow();
    ASSERT_TRUE(splash.isVisible());
    // A program folder without the library: start-up reports it in a message box.
    QStringList boxes;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes.append(box->text() + (splash.isVisible() ? QStringLiteral(" (under the splash)") : QString()));
            box->accept();
        }
    });
    watcher.start(10);
    TMainWindowSetup setup;
    setup.ProgramDir = FDir.path();
    TMainDrawFrm window(setup);
    watcher.stop();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front().startsWith(QStringLiteral("library file "))) << qPrintable(boxes.front());
    EXPECT_FALSE(boxes.front().endsWith(QStringLiteral("(under the splash)")));
}

} // namespace
