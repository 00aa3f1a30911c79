// Test main for suites that paint text or measure fonts: those need a GUI application object, which
// runs on the offscreen platform so that no display is required.

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
