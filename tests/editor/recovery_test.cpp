#include "editor/app_settings.h"
#include "editor/autosave.h"
#include "editor/main_window.h"
#include "editor/recovery_dialog.h"

#include "document/shared_settings.h"
#include "geometry/units.h"

#include "support/crashed_instance.h"
#include "support/fake_prompts.h"
#include "support/temp_files.h"
#include "window_setup.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace korvo;
using namespace korvo::test;

namespace {

const QString SamplesDir = QStringLiteral(KORVO_SAMPLES_DIR);

class Autosave : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        DocState = dsUntitled;
        drawing.SetScale(BaseScale);
    }

    void At(int seconds)
    {
        now = seconds * qint64(1000);
        autosave.Tick();
    }
    QByteArray Kept() const { return ReadAll(store.ShapesFile()); }
    void Draw() { drawing.AddLine(leNone, 0, 0, 40, 40, {}); }

    TDrawing drawing;
    TRecoveryStore store { Path(QStringLiteral("recovery")), QStringLiteral("100-1") };
    TFakePrompts prompts;
    qint64 now = 0;
    TAutosave autosave { drawing, store, prompts, { 120, [this] { return now; } } };
};

TEST_F(Autosave, KeepsUnsavedChangesAnIntervalAfterTheyAreMade)
{
    Draw();
    At(119);
    EXPECT_TRUE(Kept().isEmpty());
    At(120);
    EXPECT_EQ(Kept(), EncodeDrawing(drawing.Shapes()));
    QFile::remove(store.ShapesFile());
    At(1000);
    EXPECT_TRUE(Kept().isEmpty()) << "nothing has changed since";

    now = 2000 * 1000;
    Draw();
    At(2119);
    EXPECT_TRUE(Kept().isEmpty());
    At(2120);
    EXPECT_EQ(Kept(), EncodeDrawing(drawing.Shapes()));

    drawing.SaveFile(Path(QStringLiteral("plan.kv")));
    EXPECT_FALSE(QFile::exists(store.ShapesFile())) << "saved";
    Draw();
    autosave.WriteNow();
    drawing.Clear();
    drawing.SetDocState(dsUntitled);
    EXPECT_FALSE(QFile::exists(store.ShapesFile())) << "replaced by New";
    EXPECT_TRUE(prompts.Errors.isEmpty());
}

TEST_F(Autosave, TellsOfAFailedWriteOnceAndTriesAgain)
{
    const QString blocker = Fixture(QStringLiteral("file"), "x");
    TRecoveryStore blocked(blocker + QStringLiteral("/recovery"), QStringLiteral("1-1"));
    TAutosave failing(drawing, blocked, prompts, { 120, [this] { return now; } });
    Draw();
    now = 120 * 1000;
    failing.Tick();
    now = 240 * 1000;
    failing.Tick();
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_TRUE(prompts.Errors.first().startsWith(QStringLiteral("The drawing could not be kept for recovery")));
    // Once the folder can be made, the next try keeps the drawing without another change.
    ASSERT_TRUE(QFile::remove(blocker));
    now = 360 * 1000;
    failing.Tick();
    EXPECT_TRUE(QFile::exists(blocked.ShapesFile()));
    EXPECT_EQ(prompts.Errors.size(), 1);
}

TEST(RecoverySettings, IntervalIsReadWithinBounds)
{
    const std::pair<QVariant, int> cases[]
        = { { QVariant(), 120 }, { QStringLiteral("0"), 0 }, { QStringLiteral("1"), 1 }, { QStringLiteral("-5"), 120 },
              { QStringLiteral("soon"), 120 }, { QStringLiteral("9999999"), 86400 } };
    const QTemporaryDir folder;
    QSettings store(folder.filePath(QStringLiteral("user.ini")), QSettings::IniFormat);
    for (const auto& [value, seconds] : cases) {
        store.setValue(QStringLiteral("Recovery/IntervalSeconds"), value);
        EXPECT_EQ(RecoveryIntervalSeconds(store), seconds) << qPrintable(value.toString());
    }
}

class Recovery : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        UseOwnSettings(Path(QStringLiteral("user")));
        PlaceDefaultLibrary(FDir.path());
        DocState = dsUntitled;
    }
    void TearDown() override
    {
        PageWidthMM = 210;
        PageHeightMM = 280;
    }

    std::unique_ptr<TMainDrawFrm> Start()
    {
        TMainWindowSetup setup;
        setup.ProgramDir = FDir.path();
        setup.Prompts = &prompts;
        setup.RecoveryFolder = Folder();
        return std::make_unique<TMainDrawFrm>(setup);
    }
    QString Folder() const { return Path(QStringLiteral("recovery")); }
    QStringList Kept() const { return QDir(Folder()).entryList({ QStringLiteral("*.kv") }); }

    TFakePrompts prompts;
};

TEST_F(Recovery, ADrawingComesBackAsTheUnsavedChangesOfItsFile)
{
    const TShapeList shapes = ReadDrawingFile(SamplesDir + QStringLiteral("/all-kinds.kv"), BaseScale);
    const QByteArray sample = EncodeDrawing(shapes);
    const QString plan = Path(QStringLiteral("plan.kv"));
    const QDateTime time(QDate(2026, 3, 1), QTime(18, 30));
    LeaveCrashedInstance(Folder(), QStringLiteral("300-1"), shapes, { plan, time, 420, 560 });
    LeaveCrashedInstance(Folder(), QStringLiteral("300-2"), {}, { QString(), time, 210, 280 });
    LeaveCrashedInstance(Folder(), QStringLiteral("300-3"), {}, { QString(), time, 210, 280 });
    WriteAll(QDir(Folder()).filePath(QStringLiteral("300-3.kv")), "not a drawing");

    const auto window = Start();
    prompts.RecoveryChoices = { { TRecoveryAction::Discard, 1 }, { TRecoveryAction::Recover, 0 } };
    window->OfferRecovery();
    EXPECT_EQ(prompts.RecoveryOffers, (QStringList { "plan.kv,Untitled,Untitled", "plan.kv" }))
        << "the damaged one is set aside once its picture could not be painted";
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_TRUE(prompts.Errors.first().contains(QStringLiteral("300-3.kv.damaged")));
    EXPECT_EQ(EncodeDrawing(window->Drawing().Shapes()), sample);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvo - plan.kv*"));
    EXPECT_EQ(PageWidthMM, 420);
    EXPECT_TRUE(window->Action(TCommand::PageA3)->isChecked());
    EXPECT_EQ(Kept().size(), 1) << "the recovered drawing is this window's own to keep";
    EXPECT_FALSE(Kept().contains(QStringLiteral("300-1.kv")));

    window->Action(TCommand::Save)->trigger();
    EXPECT_EQ(ReadAll(plan), sample);
    EXPECT_TRUE(Kept().isEmpty());

    window->Drawing().SelectAll();
    window->Action(TCommand::Cut)->trigger();
    window->Autosave().WriteNow();
    prompts.Answers = { TAnswer::No };
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(Kept().isEmpty()) << "the changes were given up on purpose";
}

// How often the leftover reader below read the drawing that can be recovered.
int PlanReads = 0;

// A leftover too large for the memory at hand is set aside like a damaged one, and the others are
// still offered. The drawing read for its picture is the one recovered, not read again.
TEST_F(Recovery, ALeftoverThatDoesNotFitInMemoryIsSetAside)
{
    PlanReads = 0;
    const TShapeList shapes = ReadDrawingFile(SamplesDir + QStringLiteral("/all-kinds.kv"), BaseScale);
    const QDateTime time(QDate(2026, 3, 1), QTime(18, 30));
    LeaveCrashedInstance(
        Folder(), QStringLiteral("300-1"), shapes, { Path(QStringLiteral("huge.kv")), time, 210, 280 });
    LeaveCrashedInstance(
        Folder(), QStringLiteral("300-2"), shapes, { Path(QStringLiteral("plan.kv")), time, 210, 280 });
    TMainWindowSetup setup;
    setup.ProgramDir = FDir.path();
    setup.Prompts = &prompts;
    setup.RecoveryFolder = Folder();
    setup.ReadLeftover = [](const QString& fileName, float scale) {
        if (fileName.endsWith(QLatin1String("300-1.kv")))
            throw std::bad_alloc();
        ++PlanReads;
        return ReadDrawingFile(fileName, scale);
    };
    TMainDrawFrm window(setup);
    prompts.RecoveryChoices = { { TRecoveryAction::Recover, 0 }, { TRecoveryAction::Recover, 0 } };
    window.OfferRecovery();
    EXPECT_EQ(prompts.RecoveryOffers, (QStringList { "huge.kv,plan.kv", "plan.kv" }));
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_TRUE(prompts.Errors.first().contains(QStringLiteral("memory"))) << qPrintable(prompts.Errors.first());
    EXPECT_TRUE(prompts.Errors.first().contains(QStringLiteral("300-1.kv.damaged")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Korvo - plan.kv*"));
    EXPECT_EQ(PlanReads, 1);
}

TEST_F(Recovery, ManyLeftoversCanBeDiscardedAllAtOnceWhenTheUserAgrees)
{
    const QDateTime time(QDate(2026, 3, 1), QTime(18, 30));
    for (const char* instance : { "300-1", "300-2", "300-3", "300-4", "300-5" })
        LeaveCrashedInstance(Folder(), QLatin1String(instance), {}, { QString(), time, 210, 280 });
    const auto window = Start();
    prompts.RecoveryChoices = { { TRecoveryAction::DiscardAll, 0 }, { TRecoveryAction::DiscardAll, 0 } };
    prompts.YesNo = { false, true };
    window->OfferRecovery();
    EXPECT_EQ(prompts.RecoveryOffers.size(), 2) << "offered again when the user thought better of it";
    EXPECT_EQ(prompts.Questions.size(), 2);
    EXPECT_TRUE(Kept().isEmpty());
}

// Counts the pictures the dialog asks for.
class TCountedPictures : public TOfferPictures {
public:
    QImage Picture(int) override
    {
        ++Painted;
        QImage page(42, 56, QImage::Format_RGB32);
        page.fill(Qt::white);
        return page;
    }
    int Painted = 0;
};

TEST(RecoveryDialog, ShowsEachDrawingAndTellsWhatWasChosen)
{
    const QDateTime time(QDate(2026, 3, 1), QTime(18, 30));
    const std::vector<TRecoveryOffer> offers { { QStringLiteral("plan.kv"), time },
        { QStringLiteral("Untitled"), time } };
    TCountedPictures pictures;
    const std::pair<const char*, TRecoveryAction> buttons[] = { { "RecoverBtn", TRecoveryAction::Recover },
        { "DiscardBtn", TRecoveryAction::Discard }, { "LaterBtn", TRecoveryAction::Later } };
    for (const auto& [button, action] : buttons) {
        TRecoveryFrm dialog(offers, pictures);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Recover unsaved drawings"));
        auto* list = dialog.findChild<QListView*>(QStringLiteral("RecoveryList"));
        const QModelIndex second = list->model()->index(1, 0);
        ASSERT_EQ(list->model()->rowCount(), 2);
        EXPECT_TRUE(second.data().toString().startsWith(QStringLiteral("Untitled\n")));
        EXPECT_FALSE(second.data(Qt::DecorationRole).value<QPixmap>().isNull());
        EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("RecoverBtn"))->isDefault());
        EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("DiscardAllBtn"))) << "only for many";
        list->setCurrentIndex(second);
        dialog.findChild<QPushButton*>(QLatin1String(button))->click();
        EXPECT_EQ(dialog.Choice().Action, action) << button;
        EXPECT_EQ(dialog.Choice().Index, 1) << button;
    }
}

// The dialog shows at once however many drawings wait: each picture is painted when its row shows.
TEST(RecoveryDialog, PaintsOnlyThePicturesItShows)
{
    const std::vector<TRecoveryOffer> offers(40, { QStringLiteral("Untitled"), QDateTime::currentDateTime() });
    TCountedPictures pictures;
    TRecoveryFrm dialog(offers, pictures);
    EXPECT_EQ(pictures.Painted, 0);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QApplication::processEvents();
    EXPECT_GT(pictures.Painted, 0);
    EXPECT_LT(pictures.Painted, 10);
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("DiscardAllBtn")));
}

} // namespace
