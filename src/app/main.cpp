#include "app/command_line.h"
#include "app/qt_options.h"
#include "app/startup_probe.h"
#include "dialogs/splash_window.h"
#include "editor/app_settings.h"
#include "editor/main_window.h"
#include "editor/read_ahead.h"
#include "editor/ui_language.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

namespace {

// Headless runs keep stderr for the one-line error of the command itself; the platform's own
// notes (such as a missing runtime folder) would only confuse scripts that read it.
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Korvo's own arguments, as they will be once Qt has taken its options.
QStringList KorvoArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return korvo::WithoutQtOptions(arguments);
}

int RunHeadless(int argc, char* argv[], const QStringList& arguments)
{
    // The headless commands render and measure fonts but never open a window.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepSeriousMessages);
    QGuiApplication app(argc, argv);
    return korvo::RunHeadless(arguments, stdout, stderr);
}

int RunEditor(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvo"));
    QApplication::setApplicationName(QStringLiteral("Korvo"));
    // Only the window follows the desktop's language; the command line's messages and numbers, which
    // scripts read, stay as they are.
    QLocale::setDefault(QLocale::system());
    korvo::InstallTranslators(QLocale::system(), QApplication::applicationDirPath());
    // A path with blanks passed without quotes arrives in pieces; joined again it names the file.
    korvo::TMainWindowSetup setup;
    setup.ProgramDir = QApplication::applicationDirPath();
    setup.FileName = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    // The file is read while the splash shows and the window is built; a file that cannot be read is
    // reported when it opens.
    korvo::TakeScreenResolution();
    setup.ReadFile = korvo::ReadAhead(setup.FileName);
    korvo::TSplashFrm splash(korvo::ProgramDataFile(setup.ProgramDir, QStringLiteral("media/Splash.png")));
    splash.ShowNow();
    korvo::TMainDrawFrm window(setup);
    korvo::QuitAfterFirstPaintIfAsked(window.Surface());
    window.show();
    window.OfferRecovery();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    korvo::StartStartupClock();
    const QStringList arguments = KorvoArguments(argc, argv);
    return korvo::IsHeadlessCommand(arguments) ? RunHeadless(argc, argv, arguments) : RunEditor(argc, argv);
}
