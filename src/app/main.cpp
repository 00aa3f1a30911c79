#include "app/command_line.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvo"));
    QCoreApplication::setApplicationName(QStringLiteral("Korvo"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (const auto exitCode = korvo::RunHeadless(arguments, stdout, stderr))
        return *exitCode;
    // The editor window is not part of this build yet; only the headless commands are available.
    korvo::PrintUsage(stderr);
    return korvo::ExitUsage;
}
