#pragma once

// A print service of the test's own, the way the printing tests reach a real printer without the
// machine's: its own folder, configuration and socket.

#include "support/temp_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvo::test {

inline bool WaitFor(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.hasExpired(milliseconds))
            return false;
        QThread::msleep(50);
    }
    return true;
}

// A print service in a folder of its own, listening on its own socket; the machine's service, if
// any, is never touched. It stops with this object, and with the test process should that die.
class TPrivatePrintService {
public:
    // Empty when the service runs, else why it does not.
    QString Start()
    {
        if (!FDir.isValid())
            return QStringLiteral("no temporary folder");
        for (const char* folder : { "etc", "spool", "tmp", "run", "cache", "log" })
            QDir(FDir.path()).mkdir(QLatin1String(folder));
        // The filters run as lp: they must reach the spool and write their temporary files.
        const group* lp = getgrnam("lp");
        if (!lp)
            return QStringLiteral("no lp group: the print service is not installed");
        if (chmod(qPrintable(FDir.path()), 0755) != 0 || chmod(qPrintable(Path("tmp")), 01777) != 0
            || chown(qPrintable(Path("spool")), 0, lp->gr_gid) != 0 || chmod(qPrintable(Path("spool")), 0710) != 0)
            return QStringLiteral("cannot set up the service's folders");
        WriteAll(Path("etc/cups-files.conf"), FilesConf());
        WriteAll(Path("etc/cupsd.conf"), DaemonConf());
        FDaemon.setProgram(QStringLiteral("/usr/sbin/cupsd"));
        FDaemon.setArguments({ QStringLiteral("-f"), QStringLiteral("-c"), Path("etc/cupsd.conf"), QStringLiteral("-s"),
            Path("etc/cups-files.conf") });
        FDaemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FDaemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        FDaemon.start();
        if (!FDaemon.waitForStarted())
            return QStringLiteral("cupsd does not start: ") + FDaemon.errorString();
        if (!WaitFor([this] { return QFileInfo::exists(Socket()); }, 10000))
            return QStringLiteral("cupsd does not listen");
        return {};
    }

    ~TPrivatePrintService()
    {
        if (FDaemon.state() == QProcess::NotRunning)
            return;
        FDaemon.terminate();
        if (!FDaemon.waitForFinished(10000)) {
            FDaemon.kill();
            FDaemon.waitForFinished();
        }
    }

    QString Socket() const { return Path("cups.sock"); }

    // A queue of the PDF printer; a refusing one takes no jobs.
    bool AddQueue(const QString& name, const QString& ppd, bool accepting)
    {
        QStringList arguments { QStringLiteral("-p"), name, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
            QStringLiteral("-P"), ppd };
        if (accepting)
            arguments.append(QStringLiteral("-E"));
        QProcess lpadmin;
        lpadmin.start(QStringLiteral("lpadmin"), arguments);
        return lpadmin.waitForFinished(30000) && lpadmin.exitCode() == 0;
    }

    // The printer description without A3 paper.
    QString WithoutA3(const QString& ppdFile) const
    {
        QByteArray ppd;
        for (const QByteArray& line : ReadAll(ppdFile).split('\n'))
            if (!line.contains("A3"))
                ppd += line + '\n';
        const QString path = Path("a4only.ppd");
        WriteAll(path, ppd);
        return path;
    }

private:
    QString Path(const char* name) const { return FDir.filePath(QLatin1String(name)); }

    QByteArray FilesConf() const
    {
        QByteArray conf;
        for (const auto& [key, folder] : { std::pair { "ServerRoot", "etc" }, { "RequestRoot", "spool" },
                 { "TempDir", "tmp" }, { "StateDir", "run" }, { "CacheDir", "cache" },
                 { "AccessLog", "log/access_log" }, { "ErrorLog", "log/error_log" }, { "PageLog", "log/page_log" } })
            conf += QByteArray(key) + ' ' + Path(folder).toUtf8() + '\n';
        return conf + "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\nUser lp\nGroup lp\nSystemGroup root\n";
    }

    QByteArray DaemonConf() const
    {
        return "Listen " + Socket().toUtf8() + "\nPrintcap " + Path("printcap").toUtf8()
            + "\nWebInterface No\nBrowsing No\nLogLevel warn\n"
              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
              "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n  </Limit>\n</Policy>\n";
    }

    QTemporaryDir FDir;
    QProcess FDaemon;
};

} // namespace korvo::test
