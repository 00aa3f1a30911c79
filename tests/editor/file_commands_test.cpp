#include "editor/file_commands.h"
#include "editor/save_name.h"

#include "document/drawing.h"
#include "document/shared_settings.h"
#include "editor/qt_user_prompts.h"
#include "editor/recent_files.h"

#include "dialogs/dialog_test_support.h"

#include "support/fake_prompts.h"
#include "support/temp_files.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

using namespace korvo;
using namespace korvo::test;

namespace {

const QString SamplesDir = QStringLiteral(KORVO_SAMPLES_DIR);

class FileCommands : public TTempFolderTest {
protected:
    FileCommands()
        : commands(drawing, recent, prompts)
    {
        QObject::connect(&commands, &TFileCommands::TitleChanged, [this](const QString& t) { title = t; });
        QObject::connect(&commands, &TFileCommands::DrawingReplaced, [this] { ++returnedToSelection; });
        drawing.SetScale(4);
        DocState = dsUntitled;
    }

    // One rectangle, as if just drawn: the drawing is changed.
    void DrawSomething() { drawing.AddBoxShape({ 10, 10, 50, 40 }, TTool::Rectangle, {}, {}); }

    QString Sample() const { return SamplesDir + QStringLiteral("/graph-paper.kv"); }

    TDrawing drawing;
    TRecentFiles recent;
    TFakePrompts prompts;
    TFileCommands commands;
    QString title;
    int returnedToSelection = 0;
};

TEST_F(FileCommands, TitleShowsTheFileAndAStarWhenChanged)
{
    struct Case {
        bool named;
        TDocState state;
        const char* title;
    };
    const Case cases[] = {
        { false, dsUntitled, "Korvo" },
        { false, dsUntitledChanged, "Korvo*" },
        { true, dsSaved, "Korvo - graph-paper.kv" },
        { true, dsChanged, "Korvo - graph-paper.kv*" },
    };
    for (const Case& c : cases) {
        if (c.named)
            commands.OpenAtStart(Sample());
        DocState = c.state;
        EXPECT_EQ(commands.Title(), QLatin1String(c.title));
    }
}

TEST_F(FileCommands, UnchangedDrawingsAreReplacedWithoutAQuestion)
{
    for (TDocState state : { dsUntitled, dsSaved }) {
        DocState = state;
        EXPECT_TRUE(commands.ConfirmDiscard());
    }
    EXPECT_TRUE(prompts.Questions.isEmpty());
}

TEST_F(FileCommands, UnsavedChangesQuestionAndEveryAnswer)
{
    struct Case {
        const char* name;
        TAnswer answer;
        QString saveAs; // the name the save dialog gives; empty means the user cancels it
        bool mayProceed;
        bool saved;
    };
    const QString target = Path(QStringLiteral("kept.kv"));
    const Case cases[] = {
        { "No discards", TAnswer::No, {}, true, false },
        { "Cancel keeps", TAnswer::Cancel, {}, false, false },
        { "Yes saves first", TAnswer::Yes, target, true, true },
        { "Yes but the save dialog is cancelled", TAnswer::Yes, {}, false, false },
        { "Yes but the save fails", TAnswer::Yes, Path(QStringLiteral("missing/folder/x.kv")), false, false },
    };
    for (const Case& c : cases) {
        QFile::remove(target);
        DocState = dsUntitled;
        commands.New();
        DrawSomething();
        prompts.Answers = { c.answer };
        prompts.FileNames = { c.saveAs };
        prompts.Questions.clear();
        EXPECT_EQ(commands.ConfirmDiscard(), c.mayProceed) << c.name;
        EXPECT_EQ(prompts.Questions, QStringList { "Untitled has changed.\rDo you want to save the changes?" })
            << c.name;
        EXPECT_EQ(QFile::exists(target), c.saved) << c.name;
        EXPECT_EQ(DocState, c.saved ? dsSaved : dsUntitledChanged) << c.name;
    }
}

TEST_F(FileCommands, CloseAsksToExitOrToSave)
{
    prompts.YesNo = { false, true };
    EXPECT_FALSE(commands.ConfirmClose());
    EXPECT_TRUE(commands.ConfirmClose());
    EXPECT_EQ(prompts.Questions, QStringList({ "Exit program", "Exit program" }));

    prompts.Questions.clear();
    DrawSomething();
    prompts.Answers = { TAnswer::Cancel };
    EXPECT_FALSE(commands.ConfirmClose());
    EXPECT_EQ(
        prompts.Questions.first(), QStringLiteral("The current file has changed.\rDo you want to save the changes?"));

    commands.OpenAtStart(Sample());
    DrawSomething();
    prompts.Answers = { TAnswer::No };
    EXPECT_TRUE(commands.ConfirmClose());
    EXPECT_EQ(prompts.Questions.last(), Sample() + QStringLiteral(" has changed.\rDo you want to save the changes?"));
}

TEST_F(FileCommands, NewEmptiesTheDrawingButKeepsTheBackground)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString pictureFile = Path(QStringLiteral("back.png"));
    ASSERT_TRUE(picture.save(pictureFile));
    prompts.FileNames = { pictureFile };
    commands.ImportBackground();
    ASSERT_TRUE(drawing.HasBackground());

    commands.OpenAtStart(Sample());
    commands.New();
    EXPECT_EQ(drawing.ShapeCount(), 0);
    EXPECT_FALSE(drawing.CanUndo());
    EXPECT_TRUE(commands.FileName().isEmpty());
    EXPECT_EQ(DocState, dsUntitled);
    EXPECT_EQ(title, QStringLiteral("Korvo"));
    EXPECT_TRUE(drawing.HasBackground());
    EXPECT_GE(returnedToSelection, 1);
}

TEST_F(FileCommands, OpenLoadsRemembersAndADamagedFileChangesNothing)
{
    prompts.FileNames = { Sample() };
    commands.Open();
    EXPECT_EQ(drawing.ShapeCount(), 4);
    EXPECT_EQ(commands.FileName(), Sample());
    EXPECT_EQ(commands.UserDir(), SamplesDir);
    EXPECT_EQ(recent.Names(), QStringList { Sample() });
    EXPECT_EQ(DocState, dsSaved);
    EXPECT_EQ(prompts.FileFilters.last(), QStringLiteral("Korvo files(*.kv)|*.kv"));

    prompts.FileNames = { Fixture(QStringLiteral("damaged.kv"), "\x09\0\0\0garbage") };
    commands.Open();
    EXPECT_EQ(prompts.Errors.size(), 1);
    EXPECT_EQ(drawing.ShapeCount(), 4);
    EXPECT_EQ(commands.FileName(), Sample());
    EXPECT_EQ(title, QStringLiteral("Korvo - graph-paper.kv"));
    EXPECT_EQ(recent.Names(), QStringList { Sample() });

    prompts.FileNames = {};
    commands.Open();
    EXPECT_EQ(commands.FileName(), Sample()) << "a cancelled dialog opens nothing";
}

TEST_F(FileCommands, SaveAsForcesTheExtensionAndAFailedSaveKeepsTheDrawingChanged)
{
    DrawSomething();
    prompts.FileNames = { Path(QStringLiteral("notes")) };
    ASSERT_TRUE(commands.Save()) << "an untitled drawing is saved through Save As";
    EXPECT_EQ(commands.FileName(), Path(QStringLiteral("notes.kv")));
    EXPECT_EQ(prompts.FileTitles.last(), QStringLiteral("Save as"));
    EXPECT_EQ(DocState, dsSaved);
    EXPECT_EQ(title, QStringLiteral("Korvo - notes.kv"));

    DrawSomething();
    ASSERT_TRUE(commands.Save());
    EXPECT_EQ(DocState, dsSaved);

    DrawSomething();
    prompts.FileNames = { Path(QStringLiteral("no/such/folder/plan.kv")) };
    EXPECT_FALSE(commands.SaveAs());
    EXPECT_EQ(prompts.Errors.size(), 1);
    EXPECT_EQ(DocState, dsChanged);
    EXPECT_EQ(commands.FileName(), Path(QStringLiteral("notes.kv")));
}

TEST_F(FileCommands, RecentFileThatHasGoneIsReportedAndDropped)
{
    const QString gone = Path(QStringLiteral("gone.kv"));
    recent.Add(gone);
    recent.Add(Sample());
    commands.OpenRecent(gone);
    EXPECT_EQ(recent.Names(), QStringList { Sample() });
    EXPECT_EQ(prompts.Errors.size(), 1);

    commands.OpenRecent(Sample());
    EXPECT_EQ(drawing.ShapeCount(), 4);
    EXPECT_EQ(commands.FileName(), Sample());
}

TEST(SaveName, ExtensionIsForcedUnlessAlreadyThere)
{
    const std::pair<const char*, const char*> cases[] = {
        { "notes", "notes.kv" },
        { "notes.KV", "notes.KV" },
        { "plan.txt", "plan.kv" },
        { "a.b.txt", "a.b.kv" },
        { "/my.dir/notes", "/my.dir/notes.kv" },
    };
    for (const auto& [typed, saved] : cases)
        EXPECT_EQ(WithExtension(QLatin1String(typed), QStringLiteral(".kv")), QLatin1String(saved)) << typed;
}

TEST(RecentFiles, NewestFirstTenAtMostLetterCaseIgnored)
{
    TRecentFiles list;
    for (int i = 1; i <= 12; ++i)
        list.Add(QStringLiteral("/d/file%1.kv").arg(i));
    EXPECT_EQ(list.Names().size(), 10);
    EXPECT_EQ(list.Names().first(), QStringLiteral("/d/file12.kv"));
    EXPECT_EQ(list.Names().last(), QStringLiteral("/d/file3.kv"));
    list.Add(QStringLiteral("/D/FILE5.KV"));
    EXPECT_EQ(list.Names().size(), 10);
    EXPECT_EQ(list.Names().first(), QStringLiteral("/D/FILE5.KV"));
}

TEST(RecentFiles, SurviveTheStoreInTheirOrderSkippingEmptyValues)
{
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("user.ini")), QSettings::IniFormat);
    store.setValue(QStringLiteral("MRUList/1"), QStringLiteral("/a.kv"));
    store.setValue(QStringLiteral("MRUList/2"), QString());
    store.setValue(QStringLiteral("MRUList/3"), QStringLiteral("/c.kv"));
    TRecentFiles list;
    list.Load(store);
    EXPECT_EQ(list.Names(), QStringList({ "/a.kv", "/c.kv" }));

    list.Add(QStringLiteral("/new.kv"));
    list.Save(store);
    TRecentFiles again;
    again.Load(store);
    EXPECT_EQ(again.Names(), QStringList({ "/new.kv", "/a.kv", "/c.kv" }));
    EXPECT_FALSE(store.contains(QStringLiteral("MRUList/4")));
}

} // namespace

namespace {

TEST_F(FileCommands, ExportSelectionForcesTheMetafileExtensionUnlessAnotherFormatIsNamed)
{
    DrawSomething();
    drawing.SelectAll();
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {
        { "pic", "pic.emf" },
        { "pic.txt", "pic.emf" },
        { "PIC.EMF", "PIC.EMF" },
        { "pic.svg", "pic.svg" },
        { "pic.PDF", "pic.PDF" },
        { "pic.png", "pic.png" },
    };
    for (const auto& c : cases) {
        prompts.FileNames.push_back(Path(QLatin1String(c.chosen)));
        commands.ExportSelection();
        EXPECT_TRUE(QFileInfo::exists(Path(QLatin1String(c.written)))) << c.chosen;
    }
    EXPECT_EQ(prompts.FileTitles.front(), QStringLiteral("Export as metafile"));
    EXPECT_TRUE(prompts.FileFilters.front().startsWith(QStringLiteral("windows metafile(*.emf)|*.emf")));
    EXPECT_TRUE(prompts.Errors.isEmpty());

    commands.ExportSelection();
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files).size(), 5) << "a cancelled dialog writes nothing";

    prompts.FileNames.push_back(Path(QStringLiteral("missing/pic.emf")));
    commands.ExportSelection();
    EXPECT_EQ(prompts.Errors.size(), 1) << "a failed write is reported";
}

} // namespace

namespace {

// A name that looks like markup is shown as it is, in every kind of message box.
TEST(MessageBoxes, ShowFileNamesAsPlainText)
{
    TQtUserPrompts prompts(nullptr);
    const QString message = QStringLiteral("\"<b>plan</b>.kv\" is not a valid drawing.");
    const std::function<void()> boxes[] = {
        [&] { prompts.ShowError(message); },
        [&] { prompts.ShowInformation(message); },
        [&] { prompts.AskYesNo(message); },
        [&] { prompts.AskYesNoCancel(message); },
        [&] { prompts.AskWarningYesCancel(message); },
    };
    for (const auto& show : boxes) {
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        WhenShown([&](QWidget& box) {
            auto* label = Part<QLabel>(box, "qt_msgbox_label");
            shown = label->text();
            format = label->textFormat();
            static_cast<QDialog&>(box).reject();
        });
        show();
        EXPECT_EQ(shown, message);
        EXPECT_EQ(format, Qt::PlainText);
    }
}

// A drawing named at start-up is read while the window is built: a good one opens as if read then, a damaged
// one is reported once and leaves the untitled drawing, and a name that is no file is ignored.
TEST_F(FileCommands, DrawingsReadAheadOpenOrFailAsIfReadAtOpening)
{
    const QString damaged = Fixture(QStringLiteral("damaged.kv"), "\x09\0\0\0garbage");
    const struct {
        QString File;
        int Shapes;
        int Errors;
        bool Named;
    } cases[] = {
        { Sample(), 4, 0, true },
        { damaged, 0, 1, false },
        { Path(QStringLiteral("gone.kv")), 0, 0, false },
    };
    for (const auto& c : cases) {
        commands.New();
        prompts.Errors.clear();
        commands.OpenAtStart(c.File, ReadAhead(c.File));
        EXPECT_EQ(drawing.ShapeCount(), c.Shapes) << c.File.toStdString();
        EXPECT_EQ(prompts.Errors.size(), c.Errors) << c.File.toStdString();
        EXPECT_EQ(commands.FileName() == c.File, c.Named) << c.File.toStdString();
    }
}

} // namespace
