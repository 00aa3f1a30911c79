#include "drawing_fixture.h"

#include "shapes/file_io.h"
#include "support/crashed_instance.h"

#include <sys/stat.h>

using namespace korvo;
using namespace korvo::test;

namespace {

class RecoveryStore : public TDrawingTest {
protected:
    QString Folder() const { return Path(QStringLiteral("recovery")); }
    QString File(const QString& name) const { return QDir(Folder()).filePath(name); }

    void Crashed(const QString& instance, const TRecoveryInfo& info)
    {
        LeaveCrashedInstance(Folder(), instance, drawing.Shapes(), info);
    }

    static QStringList Names(const TLeftovers& leftovers)
    {
        QStringList names;
        for (const TRecoveryEntry& entry : leftovers.Entries)
            names.append(QFileInfo(entry.ShapesFile).fileName());
        return names;
    }

    const TRecoveryInfo plan { QStringLiteral("/home/teacher/plan.kv"), QDateTime(QDate(2026, 3, 1), QTime(18, 30)),
        420, 560 };
};

TEST_F(RecoveryStore, KeepsWhatSaveWouldWriteUntilRemoved)
{
    Load({ BoxShape(1, 10, 10, 30, 20), GroupShape(2, { BoxShape(3, 40, 40, 50, 50) }) });
    TRecoveryStore store(Folder(), QStringLiteral("100-1"));
    store.Remove();
    EXPECT_FALSE(QDir(Folder()).exists()) << "nothing is made before the first write";
    store.Write(drawing.Shapes(), plan);
    drawing.SaveFile(Path(QStringLiteral("saved.kv")));
    EXPECT_EQ(ReadAll(store.ShapesFile()), ReadAll(Path(QStringLiteral("saved.kv"))));
    EXPECT_TRUE(QFile::exists(store.InfoFile()));
    store.Remove();
    EXPECT_TRUE(QDir(Folder()).isEmpty()) << "no drawing, description or lock is left";
}

// Copies of drawings are as private as the user's own files: no other user can read them.
TEST_F(RecoveryStore, MakesItsFoldersAndFilesTheUsersAlone)
{
    const auto mode = [](const QString& path) {
        struct stat status { };
        EXPECT_EQ(stat(QFile::encodeName(path).constData(), &status), 0) << qPrintable(path);
        return status.st_mode & 0777;
    };
    const mode_t previous = umask(022);
    TRecoveryStore store(Path(QStringLiteral("data/Korvo/recovery")), QStringLiteral("100-1"));
    store.Write(drawing.Shapes(), plan);
    umask(previous);
    for (const char* folder : { "data", "data/Korvo", "data/Korvo/recovery" })
        EXPECT_EQ(mode(Path(QLatin1String(folder))), 0700u) << folder;
    EXPECT_EQ(mode(store.ShapesFile()), 0600u);
    EXPECT_EQ(mode(store.InfoFile()), 0600u);
}

TEST_F(RecoveryStore, OffersOnlyWhatEndedInstancesLeftAndSetsDamageAside)
{
    Load({ BoxShape(1, 10, 10, 30, 20), BoxShape(2, 40, 10, 60, 20) });
    TRecoveryStore running(Folder(), QStringLiteral("200-1"));
    running.Write(drawing.Shapes(), plan);
    Crashed(QStringLiteral("300-1"), plan);
    Crashed(QStringLiteral("300-2"), plan);
    WriteAll(File(QStringLiteral("300-2.kv")), QByteArray("\x05\0\0\0", 4));
    Crashed(QStringLiteral("300-3"), plan);
    WriteAll(File(QStringLiteral("300-3.json")), "{ \"file\": \"a.kv\", \"pageWidth\": 1000000 }");
    // Killed between the description and the drawing of its first write: nothing to recover.
    Crashed(QStringLiteral("300-4"), plan);
    QFile::remove(File(QStringLiteral("300-4.kv")));

    TRecoveryStore starting(Folder(), QStringLiteral("400-1"));
    TLeftovers leftovers = starting.ClaimLeftovers();
    ASSERT_EQ(Names(leftovers), (QStringList { "300-1.kv", "300-2.kv" })) << "a running instance keeps its own";
    const TRecoveryEntry& entry = leftovers.Entries.front();
    EXPECT_EQ(entry.Info.FileName, plan.FileName);
    EXPECT_EQ(entry.Info.Time, plan.Time);
    EXPECT_EQ(std::pair(entry.Info.PageWidthMM, entry.Info.PageHeightMM), std::pair(420, 560));
    EXPECT_EQ(EncodeDrawing(TRecoveryStore::ReadShapes(entry, BaseScale)), Snapshot());
    ASSERT_EQ(leftovers.Problems.size(), 1);
    EXPECT_TRUE(leftovers.Problems[0].contains(QStringLiteral("is not a valid recovery description")));
    // The drawing is read only when it is wanted; what cannot be read then is put aside.
    TRecoveryEntry& damaged = leftovers.Entries.back();
    try {
        TRecoveryStore::ReadShapes(damaged, BaseScale);
        ADD_FAILURE() << "a damaged drawing was read";
    } catch (const EFileError& e) {
        EXPECT_TRUE(TRecoveryStore::SetAside(damaged, e.Message()).contains(QStringLiteral("300-2.kv.damaged")));
    }
    for (const char* aside : { "300-2.kv.damaged", "300-2.json.damaged", "300-3.kv.damaged" })
        EXPECT_TRUE(QFile::exists(File(QLatin1String(aside)))) << aside;
    EXPECT_FALSE(QFile::exists(File(QStringLiteral("300-4.json"))));

    EXPECT_TRUE(TRecoveryStore(Folder(), QStringLiteral("500-1")).ClaimLeftovers().Entries.empty())
        << "what one instance offers, another does not";
    leftovers = {};
    TLeftovers later = TRecoveryStore(Folder(), QStringLiteral("500-1")).ClaimLeftovers();
    ASSERT_EQ(Names(later), QStringList { "300-1.kv" }) << "what was left for later is offered again";
    TRecoveryStore::Discard(later.Entries.front());
    later = {};
    EXPECT_TRUE(TRecoveryStore(Folder(), QStringLiteral("500-1")).ClaimLeftovers().Entries.empty());
    EXPECT_FALSE(QFile::exists(File(QStringLiteral("300-1.kv"))));
}

} // namespace
