#include "app/command_line.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

// Headless runs keep stderr for the one-line error of the command itself; the platform's own
// notes (such as a missing runtime folder) would only confuse scripts that read it.
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char* argv[])
{
    // The headless commands render and measure fonts but never open a window.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepSeriousMessages);
    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Korvo"));
    QGuiApplication::setApplicationName(QStringLiteral("Korvo"));
    const QStringList arguments = QGuiApplication::arguments().mid(1);
    if (const auto exitCode = korvo::RunHeadless(arguments, stdout, stderr))
        return *exitCode;
    // The editor window is not part of this build yet; only the headless commands are available.
    korvo::PrintUsage(stderr);
    return korvo::ExitUsage;
}
