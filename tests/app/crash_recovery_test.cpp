// Runs the real editor on a virtual X display and drives it with the keyboard, as a teacher would:
// a change is kept for recovery, the editor is killed, and the next start brings the drawing back.

#include "document/drawing_file.h"
#include "geometry/units.h"

#include "support/temp_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace korvo;
using namespace korvo::test;

namespace {

const QString Korvo = QStringLiteral(KORVO_EXE);
const QString SamplesDir = QStringLiteral(KORVO_SAMPLES_DIR);
constexpr int Patience = 30000;

bool WaitFor(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > Patience)
            return false;
        QThread::msleep(100);
    }
    return true;
}

// An X server of its own on a display number it picks, and the programs that run on it, each with a
// home of the test's own.
class TVirtualDesktop {
public:
    explicit TVirtualDesktop(const QString& home)
    {
        FServer.start(QStringLiteral("Xvfb"),
            { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp") });
        // The server writes its display number once it takes connections.
        if (FServer.waitForReadyRead(Patience))
            FDisplay = QLatin1Char(':') + QString::fromLatin1(FServer.readLine().trimmed());
        FEnvironment = QProcessEnvironment::systemEnvironment();
        FEnvironment.insert(QStringLiteral("DISPLAY"), FDisplay);
        FEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        FEnvironment.insert(QStringLiteral("HOME"), home);
        FEnvironment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        FEnvironment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        FEnvironment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
        // The windows are found by their English titles, whatever the tester's desktop speaks.
        FEnvironment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    }

    ~TVirtualDesktop()
    {
        for (const auto& program : FPrograms)
            program->kill();
        for (const auto& program : FPrograms)
            program->waitForFinished();
        FServer.terminate();
        FServer.waitForFinished();
    }
    TVirtualDesktop(const TVirtualDesktop&) = delete;
    TVirtualDesktop& operator=(const TVirtualDesktop&) = delete;

    bool IsUp() const { return !FDisplay.isEmpty(); }

    QProcess& StartKorvo(const QStringList& arguments)
    {
        FPrograms.push_back(std::make_unique<QProcess>());
        QProcess& program = *FPrograms.back();
        program.setProcessEnvironment(FEnvironment);
        program.start(Korvo, arguments);
        return program;
    }

    // The first window whose title matches the pattern, once it shows; empty when none does in time.
    QString WaitForWindow(const QString& title) const
    {
        const QString found = Xdotool({ QStringLiteral("search"), QStringLiteral("--sync"),
            QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title });
        return found.section(QLatin1Char('\n'), 0, 0);
    }

    // Gives the window the keyboard, then types the keys.
    void Type(const QString& window, const QStringList& keys) const
    {
        Xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window });
        Xdotool(QStringList { QStringLiteral("key"), QStringLiteral("--clearmodifiers") } + keys);
    }

private:
    QString Xdotool(const QStringList& arguments) const
    {
        QProcess xdotool;
        xdotool.setProcessEnvironment(FEnvironment);
        xdotool.start(QStringLiteral("xdotool"), arguments);
        if (!xdotool.waitForFinished(Patience))
            return {};
        return QString::fromLatin1(xdotool.readAllStandardOutput().trimmed());
    }

    QProcess FServer;
    std::vector<std::unique_ptr<QProcess>> FPrograms;
    QString FDisplay;
    QProcessEnvironment FEnvironment;
};

// Every drawing the editor keeps for recovery, newest last.
QByteArray Kept(const QString& folder)
{
    const QStringList files = QDir(folder).entryList({ QStringLiteral("*.kv") }, QDir::Files, QDir::Time);
    return files.isEmpty() ? QByteArray() : ReadAll(QDir(folder).filePath(files.first()));
}

TEST(CrashRecovery, AChangeKeptBeforeAKillComesBackAtTheNextStart)
{
    const QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("config/Korvo")));
    ASSERT_TRUE(WriteAll(home.filePath(QStringLiteral("config/Korvo/Korvo.conf")), "[Recovery]\nIntervalSeconds=1\n"));
    const QString plan = home.filePath(QStringLiteral("plan.kv"));
    ASSERT_TRUE(QFile::copy(SamplesDir + QStringLiteral("/all-kinds.kv"), plan));
    const auto shapes = static_cast<std::size_t>(ReadDrawingFile(plan, BaseScale).size());
    const QString recovery = home.filePath(QStringLiteral("data/Korvo/Korvo/recovery"));
    TVirtualDesktop desktop(home.path());
    ASSERT_TRUE(desktop.IsUp()) << "Xvfb did not start";

    QProcess& first = desktop.StartKorvo({ plan });
    const QString editing = desktop.WaitForWindow(QStringLiteral("^Korvo - plan\\.kv$"));
    ASSERT_FALSE(editing.isEmpty()) << "the editor did not show the drawing";
    desktop.Type(editing, { QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c"), QStringLiteral("ctrl+v") });
    QByteArray kept;
    ASSERT_TRUE(WaitFor([&] {
        kept = Kept(recovery);
        return !kept.isEmpty() && DecodeDrawing(kept, BaseScale).size() == 2 * shapes;
    })) << "the pasted copies were not kept for recovery";
    first.kill();
    ASSERT_TRUE(first.waitForFinished(Patience));

    desktop.StartKorvo({});
    const QString offer = desktop.WaitForWindow(QStringLiteral("^Recover unsaved drawings$"));
    ASSERT_FALSE(offer.isEmpty()) << "no recovery was offered";
    desktop.Type(offer, { QStringLiteral("Return") });
    const QString recovered = desktop.WaitForWindow(QStringLiteral("^Korvo - plan\\.kv\\*$"));
    ASSERT_FALSE(recovered.isEmpty()) << "the recovered drawing does not show as a changed plan.kv";
    desktop.Type(recovered, { QStringLiteral("ctrl+s") });
    EXPECT_TRUE(WaitFor([&] { return ReadAll(plan) == kept; })) << "Save did not write the drawing back to plan.kv";
    EXPECT_TRUE(WaitFor([&] { return Kept(recovery).isEmpty(); })) << "the saved drawing is still kept for recovery";
}

} // namespace
