// The help as the program ships it, held against the window it describes: every menu path, caption in
// bold, key, link and picture a page names must be there, and every key of the shortcuts page works.

#include "dialogs/grid_dialog.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/text_dialog.h"
#include "editor/drawing_surface_widget.h"
#include "editor/main_window.h"
#include "editor/palette_colours.h"
#include "editor/recovery_dialog.h"
#include "help/help_router.h"
#include "help/help_window.h"
#include "library/lib_shape.h"
#include "library/poly_lib.h"
#include "library/ui/export_dialog.h"
#include "library/ui/lib_edit_dialog.h"
#include "library/ui/lib_org_dialog.h"
#include "printing/print_preview.h"
#include "shapes/code_page.h"
#include "shapes/shape_font.h"

#include "support/fake_prompts.h"
#include "support/temp_files.h"
#include "window_setup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QShortcut>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <set>

using namespace korvo;
using namespace korvo::test;

namespace {

// The build folder holds the program's help and library as they would lie beside the program, and the
// help's pages with their pictures and icons as they went into the compiled help.
const QString BuildDir = QStringLiteral(KORVO_BUILD_DIR);
const QString PagesDir = BuildDir + QStringLiteral("/help-pages");

struct TPage {
    QString Name;
    QString Html;
};

std::vector<TPage> Pages()
{
    std::vector<TPage> pages;
    const QDir dir(PagesDir);
    for (const QString& name : dir.entryList({ QStringLiteral("*.html") }, QDir::Files))
        pages.push_back({ name, QString::fromUtf8(ReadAll(dir.filePath(name))) });
    return pages;
}

// What the reader sees of a piece of markup, on one line.
QString Seen(const QString& html) { return QTextDocumentFragment::fromHtml(html).toPlainText().simplified(); }

// The first group of each match of the pattern, as the reader sees it.
QStringList Marked(const QString& html, const QString& pattern)
{
    QStringList found;
    auto matches = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).globalMatch(html);
    while (matches.hasNext())
        found.append(Seen(matches.next().captured(1)));
    return found;
}

// The keys marked in the markup, or only those of its tables' cells.
QStringList Keys(const QString& html, const QString& element = QStringLiteral("\\w+"))
{
    QStringList keys;
    for (const QString& marked : Marked(html, QStringLiteral("<%1 class=\"key\">(.*?)</").arg(element)))
        keys.append(marked.split(QStringLiteral(", ")));
    return keys;
}

// A key the user presses as one shortcut: written as Qt writes it, and more than a modifier.
bool IsShortcut(const QString& key)
{
    const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence.toString(QKeySequence::PortableText) != key)
        return false;
    const Qt::Key pressed = sequence[0].key();
    return pressed != Qt::Key_Shift && pressed != Qt::Key_Control && pressed != Qt::Key_Alt && pressed != Qt::Key_Meta;
}

// A caption without its accelerator mark, and without the colon of a field's label.
QString Caption(QString text)
{
    text = text.remove(QLatin1Char('&')).simplified();
    return text.endsWith(QLatin1Char(':')) ? text.chopped(1) : text;
}

void AddCaptions(const QWidget& root, std::set<QString>& captions)
{
    captions.insert(root.windowTitle());
    // A tool's name shows as its hint.
    for (const QAction* action : root.findChildren<QAction*>()) {
        captions.insert(Caption(action->text()));
        captions.insert(action->toolTip());
    }
    for (const QMenu* menu : root.findChildren<QMenu*>())
        captions.insert(Caption(menu->title()));
    for (const QAbstractButton* button : root.findChildren<QAbstractButton*>())
        captions.insert(Caption(button->text()));
    for (const QLabel* label : root.findChildren<QLabel*>())
        captions.insert(Caption(label->text()));
    for (const QGroupBox* box : root.findChildren<QGroupBox*>())
        captions.insert(Caption(box->title()));
    for (const QToolBar* bar : root.findChildren<QToolBar*>())
        captions.insert(bar->windowTitle());
    for (const QComboBox* box : root.findChildren<QComboBox*>()) {
        for (int i = 0; i < box->count(); ++i)
            captions.insert(box->itemText(i));
    }
    for (const QTabWidget* tabs : root.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            captions.insert(Caption(tabs->tabText(i)));
    }
}

bool HasMenuPath(const QMenuBar& bar, const QStringList& path)
{
    QList<QAction*> items = bar.actions();
    for (qsizetype i = 0; i < path.size(); ++i) {
        const auto found = std::find_if(
            items.begin(), items.end(), [&](const QAction* item) { return Caption(item->text()) == path[i]; });
        if (found == items.end())
            return false;
        if (i + 1 < path.size()) {
            if (!(*found)->menu())
                return false;
            items = (*found)->menu()->actions();
        }
    }
    return true;
}

bool HasAnchor(const QString& html, const QString& anchor)
{
    return html.contains(QStringLiteral("name=\"%1\"").arg(anchor))
        || html.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

class HelpPages : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        UseOwnSettings(Path(QStringLiteral("user")));
        window = StartWindow(BuildDir, prompts);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_NE(window->Help(), nullptr);
        window->Help()->ShowContents();
    }

    // Every caption the window, its dialogs and the help window show, and the library's pages and pictures.
    std::set<QString> Captions()
    {
        std::set<QString> captions;
        AddCaptions(*window, captions);
        AddCaptions(*window->Help()->Window(), captions);
        QPrinter printer;
        struct TNoPictures : TOfferPictures {
            QImage Picture(int) override { return {}; }
        } noPictures;
        const std::unique_ptr<QWidget> dialogs[] = {
            std::make_unique<TTextFrm>(),
            std::make_unique<TGridFrm>(),
            // On paper with major lines, which offers every choice.
            std::make_unique<TPlotFrm>(5, PaletteLineColours()),
            std::make_unique<TExportFrm>(
                TNameRequest { QStringLiteral("Add to library"), {}, QStringLiteral("OK"), {} }),
            std::make_unique<TLibOrgFrm>(QStringList(), QIcon(), QIcon()),
            std::make_unique<TLibEditFrm>(0, QString(), QStringList()),
            std::make_unique<TRecoveryFrm>(std::vector<TRecoveryOffer>(TRecoveryFrm::ManyOffers), noPictures),
            std::make_unique<TPrintPreviewFrm>(window.get(), false, window->Drawing(), &printer, prompts),
        };
        for (const auto& dialog : dialogs)
            AddCaptions(*dialog, captions);
        for (const QByteArray& page : window->Library().Pages())
            captions.insert(DecodeText(page, DefaultCharset));
        for (const auto& entry : window->Library().Entries())
            captions.insert(DecodeText(entry->FName, DefaultCharset));
        return captions;
    }

    // Everything a key can run: the commands of both windows and the shortcuts of their controls.
    std::set<QString> BoundKeys() const
    {
        std::set<QString> keys;
        for (const QWidget* root :
            { static_cast<QWidget*>(window.get()), static_cast<QWidget*>(window->Help()->Window()) }) {
            for (const QAction* action : root->findChildren<QAction*>()) {
                for (const QKeySequence& key : action->shortcuts())
                    keys.insert(key.toString(QKeySequence::PortableText));
            }
            for (const QShortcut* shortcut : root->findChildren<QShortcut*>())
                keys.insert(shortcut->key().toString(QKeySequence::PortableText));
        }
        return keys;
    }

    TFakePrompts prompts;
    std::unique_ptr<TMainDrawFrm> window;
};

TEST_F(HelpPages, NameOnlyWhatTheProgramHas)
{
    const std::set<QString> captions = Captions();
    std::set<QString> keys = BoundKeys();
    // The drawing surface answers this key itself.
    keys.insert(QStringLiteral("Delete"));
    const std::vector<TPage> pages = Pages();
    ASSERT_GE(pages.size(), 20u);
    for (const TPage& page : pages) {
        SCOPED_TRACE(page.Name.toStdString());
        for (const QString& path : Marked(page.Html, QStringLiteral("<span class=\"menu\">(.*?)</span>")))
            EXPECT_TRUE(HasMenuPath(*window->menuBar(), path.split(QStringLiteral(" › "))))
                << "menu " << qPrintable(path);
        for (const QString& caption : Marked(page.Html, QStringLiteral("<b>(.*?)</b>")))
            EXPECT_EQ(captions.count(caption), 1u) << "caption " << qPrintable(caption);
        for (const QString& key : Keys(page.Html)) {
            if (IsShortcut(key)) {
                EXPECT_EQ(keys.count(key), 1u) << "key " << qPrintable(key);
            }
        }
        for (const QString& link : Marked(page.Html, QStringLiteral("(?:href|src)=\"([^\"]*)\""))) {
            const QString file = link.section(QLatin1Char('#'), 0, 0);
            const QString anchor = link.section(QLatin1Char('#'), 1);
            const QString target = file.isEmpty() ? page.Name : file;
            ASSERT_TRUE(QFileInfo::exists(PagesDir + QLatin1Char('/') + target)) << "link " << qPrintable(link);
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(HasAnchor(QString::fromUtf8(ReadAll(PagesDir + QLatin1Char('/') + target)), anchor))
                    << "link " << qPrintable(link);
            }
        }
    }
}

TEST_F(HelpPages, EveryKeyOfTheShortcutsPageRunsItsCommand)
{
    const QString html = QString::fromUtf8(ReadAll(PagesDir + QStringLiteral("/shortcuts.html")));
    // The table lists the drawing window's keys; the help window's own are named below it.
    QStringList keys = Keys(html, QStringLiteral("td"));
    keys.erase(
        std::remove_if(keys.begin(), keys.end(), [](const QString& key) { return !IsShortcut(key); }), keys.end());
    ASSERT_GE(keys.size(), 14);
    auto* surface = window->findChild<TSurfaceWidget*>(QStringLiteral("Pic"));
    auto* libraryList = window->findChild<QListView*>(QStringLiteral("LibListBox"));
    // Print opens its preview; it is closed again as soon as it shows.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    closer.start(20);
    for (const QString& key : keys) {
        SCOPED_TRACE(key.toStdString());
        // A changed drawing with a selection, a step to undo and one to redo, and shapes to paste: every
        // command of the page can run.
        TDrawing& drawing = window->Drawing();
        drawing.Clear();
        drawing.AddBoxShape({ 100, 100, 180, 160 }, TTool::Rectangle, {}, {});
        drawing.AddBoxShape({ 200, 100, 280, 160 }, TTool::Rectangle, {}, {});
        window->Action(TCommand::Undo)->trigger();
        drawing.ToggleSelected(0);
        window->Action(TCommand::Copy)->trigger();
        // A dialog that opened and closed may leave no window active, and keys go to the active one.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

        if (key == QLatin1String("Delete")) {
            QTest::keyClick(surface, Qt::Key_Delete);
            EXPECT_EQ(drawing.ShapeCount(), 0);
        } else if (key == QLatin1String("F1")) {
            libraryList->setFocus();
            QTest::keyClick(libraryList, Qt::Key_F1);
            EXPECT_EQ(window->Help()->Window()->CurrentPage().fileName(), QStringLiteral("library.html"));
        } else {
            std::vector<std::unique_ptr<QSignalSpy>> spies;
            for (TCommand id = TCommand::New; static_cast<int>(id) < CommandCount;
                 id = static_cast<TCommand>(static_cast<int>(id) + 1))
                spies.push_back(std::make_unique<QSignalSpy>(window->Action(id), &QAction::triggered));
            QTest::keySequence(window.get(), QKeySequence(key));
            int ran = 0;
            for (const auto& spy : spies)
                ran += static_cast<int>(spy->count());
            EXPECT_EQ(ran, 1) << "commands run";
        }
    }
}

} // namespace
