// The help commands of the main window, on the help compiled with the program.

#include "editor/main_window.h"
#include "help/help_router.h"
#include "help/help_window.h"

#include "support/fake_prompts.h"
#include "support/temp_files.h"
#include "window_setup.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QHelpEngineCore>
#include <QHelpSearchEngine>
#include <QListView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace korvo;
using namespace korvo::test;

namespace {

// The build folder holds the program's help as it would lie beside the program.
const QString BuildDir = QStringLiteral(KORVO_BUILD_DIR);

class HelpCommands : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        UseOwnSettings(Path(QStringLiteral("user")));
    }

    // The help is opened when the window first shows.
    void Start(const QString& programDir)
    {
        window = StartWindow(programDir, prompts);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    THelpWindow& HelpWindow() const { return *window->Help()->Window(); }
    QString Page() const { return HelpWindow().CurrentPage().fileName(); }

    // The pages a full-text search for the words lists.
    QStringList FoundPages(const char* words) const
    {
        QHelpSearchEngine& search = HelpWindow().SearchEngine();
        QSignalSpy finished(&search, &QHelpSearchEngine::searchingFinished);
        HelpWindow().FindText(QLatin1String(words));
        EXPECT_TRUE(finished.wait()) << words;
        QStringList pages;
        for (const QHelpSearchResult& result : search.searchResults(0, search.searchResultCount()))
            pages.append(result.url().fileName());
        return pages;
    }

    TFakePrompts prompts;
    std::unique_ptr<TMainDrawFrm> window;
};

TEST_F(HelpCommands, EachCommandOpensTheTopicItAsksFor)
{
    Start(BuildDir);
    const struct {
        TCommand command;
        const char* page;
    } cases[] = {
        { TCommand::HelpContents, "index.html" },
        { TCommand::Tutorial1, "tutorial-simple-shapes.html" },
        { TCommand::Tutorial2, "tutorial-circuits.html" },
        { TCommand::Tutorial3, "tutorial-glassware.html" },
        { TCommand::Tutorial4, "tutorial-biology.html" },
        { TCommand::Tutorial5, "tutorial-beaker.html" },
        { TCommand::Tutorial6, "tutorial-tubes.html" },
        { TCommand::Tutorial7, "tutorial-graph.html" },
        { TCommand::Help, "drawing-window.html" },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(window->Action(c.command)->isEnabled()) << c.page;
        window->Action(c.command)->trigger();
        EXPECT_EQ(Page(), QLatin1String(c.page));
    }
    EXPECT_TRUE(HelpWindow().isVisible());

    auto* list = window->findChild<QListView*>(QStringLiteral("LibListBox"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_NE(list, nullptr);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F1);
    EXPECT_EQ(Page(), QStringLiteral("library.html")) << "F1 on the library list";
}

TEST_F(HelpCommands, AKeywordWithoutTopicOpensTheIndexAtTheNearestEntry)
{
    Start(BuildDir);
    window->Action(TCommand::HelpSearch)->trigger();
    EXPECT_TRUE(HelpWindow().ShowsIndex());
    EXPECT_EQ(Page(), QStringLiteral("index.html")) << "never an empty window";
    QTRY_COMPARE(HelpWindow().CurrentIndexEntry(), QStringLiteral("Add to library"));
    const struct {
        const char* keyword;
        const char* entry;
    } cases[] = { { "graph", "Graph paper" }, { "Tubular", "Tutorials" }, { "zzz", "Zoom" } };
    for (const auto& c : cases) {
        window->Help()->KeywordLookup(QLatin1String(c.keyword));
        EXPECT_TRUE(HelpWindow().ShowsIndex()) << c.keyword;
        EXPECT_EQ(HelpWindow().CurrentIndexEntry(), QLatin1String(c.entry)) << c.keyword;
    }
}

TEST_F(HelpCommands, SearchFindsPagesByTheirWords)
{
    Start(BuildDir);
    window->Action(TCommand::HelpContents)->trigger();
    const struct {
        const char* words;
        const char* page;
    } cases[] = { { "graph paper", "graph-paper.html" }, { "arrow", "drawing-shapes.html" } };
    for (const auto& c : cases) {
        const QStringList pages = FoundPages(c.words);
        EXPECT_TRUE(pages.contains(QLatin1String(c.page))) << c.words << ": " << qPrintable(pages.join(' '));
    }
}

// Every file under the folder with its size, time of last change and contents, a line each.
std::string FolderState(const QString& folder)
{
    QStringList state;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        state.append(QStringLiteral("%1 %2 %3 %4")
                         .arg(file.filePath())
                         .arg(file.size())
                         .arg(file.lastModified().toMSecsSinceEpoch())
                         .arg(QString::fromLatin1(
                             QCryptographicHash::hash(ReadAll(file.filePath()), QCryptographicHash::Md5).toHex())));
    }
    state.sort();
    return state.join(QLatin1Char('\n')).toStdString();
}

void SetWritable(const QString& folder, bool writable)
{
    const QFileDevice::Permissions write = QFileDevice::WriteOwner | QFileDevice::WriteUser;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList paths { folder };
    while (it.hasNext())
        paths.append(it.next());
    for (const QString& path : paths) {
        const QFileDevice::Permissions now = QFile::permissions(path);
        QFile::setPermissions(path, writable ? now | write : now & ~write);
    }
}

// Installed, the help lies read-only in share/korvo/help beside the program's bin folder. Root may
// write there all the same, so the test also checks that nothing in the folder changes.
TEST_F(HelpCommands, SearchWorksInAReadOnlyInstalledHelpAndWritesNothingThere)
{
    const QString help = Path(QStringLiteral("share/korvo/help"));
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("bin"))));
    ASSERT_TRUE(QDir().mkpath(help + QStringLiteral("/.korvo")));
    for (const char* file : { "korvo.qhc", "korvo.qch", ".korvo/fts" })
        ASSERT_TRUE(QFile::copy(
            BuildDir + QStringLiteral("/help/") + QLatin1String(file), help + QLatin1Char('/') + QLatin1String(file)));
    SetWritable(help, false);
    const std::string before = FolderState(help);

    Start(Path(QStringLiteral("bin")));
    window->Action(TCommand::HelpContents)->trigger();
    EXPECT_TRUE(FoundPages("graph paper").contains(QStringLiteral("graph-paper.html")));
    window.reset();
    // The collection names its pages relative to itself, not where the build made them.
    QHelpEngineCore collection(help + QStringLiteral("/korvo.qhc"));
    collection.setReadOnly(true);
    EXPECT_TRUE(collection.setupData());
    EXPECT_EQ(collection.documentationFileName(QStringLiteral("korvo.help")), help + QStringLiteral("/korvo.qch"));

    EXPECT_EQ(FolderState(help), before);
    SetWritable(help, true);
}

TEST_F(HelpCommands, MissingHelpLeavesTheHelpCommandsDisabledForTheRun)
{
    Start(FDir.path());
    const auto disabled = [this] {
        for (const TCommand id : { TCommand::HelpContents, TCommand::HelpSearch, TCommand::Tutorial1, TCommand::Help })
            EXPECT_FALSE(window->Action(id)->isEnabled()) << static_cast<int>(id);
        EXPECT_FALSE(window->findChild<QMenu*>(QStringLiteral("Tutorials"))->isEnabled());
        EXPECT_TRUE(window->Action(TCommand::About)->isEnabled());
    };
    disabled();
    // Help files that appear while the program runs change nothing.
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("help"))));
    for (const char* file : { "help/korvo.qhc", "help/korvo.qch" })
        ASSERT_TRUE(QFile::copy(BuildDir + QLatin1Char('/') + QLatin1String(file), Path(QLatin1String(file))));
    window->RefreshCommandStates();
    disabled();
}

} // namespace
