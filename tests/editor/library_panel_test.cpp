// The library panel in the main window: dropping pictures onto the drawing, how rows look, and the
// commands that keep the library, each checked against the library file read back.

#include "canvas_fixture.h"

#include "dialogs/dialog_test_support.h"
#include "geometry/units.h"
#include "library/library_test_support.h"
#include "library/ui/lib_panel.h"
#include "library/ui/lib_row_delegate.h"
#include "library/ui/library_drag.h"
#include "library/ui/thumbnail_cache.h"
#include "support/paint_helpers.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

using namespace korvo;
using namespace korvo::test;

namespace {

using C = TCommand;

const char* const LongName = "Test tube with a name far too long to fit beside its picture in the panel";

TPolygon Rectangle(TMMRect r)
{
    TPolygon shape;
    shape.SetKind(skRectangle);
    shape.SetFromRect(r, BaseScale);
    return shape;
}

// Glassware holds four pictures; two pages share a name but for its letter case.
QByteArray FixtureLibrary()
{
    TRecordingReporter reporter;
    TPolyLib library(reporter);
    for (const char* page : { "Glassware", "Optics", "optics" })
        library.AddPage(page);
    library.AddEntry(Rectangle({ 0, 0, 20, 30 }), 0, "Beaker");
    library.AddEntry(Rectangle({ 0, 0, 8, 4 }), 1, "Lens");
    library.AddEntry(Rectangle({ 0, 0, 10, 40 }), 0, "Flask");
    library.AddEntry(Rectangle({ 0, 0, 4, 40 }), 0, LongName);
    library.AddEntry(Rectangle({ 0, 0, 6, 6 }), 2, "Prism");
    TPolygon line;
    line.SetKind(skLine);
    line.FPoints = { { 0, 0 }, { 30, 0 } };
    line.CalcBounds(BaseScale);
    library.AddEntry(line, 0, "Rod");
    return EncodeLibrary(library.Pages(), library.Entries());
}

class LibraryPanel : public CanvasTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(FDir.path()).mkpath(QStringLiteral("library")));
        Fixture(QStringLiteral("library/PicLib.kvl"), FixtureLibrary());
        CanvasTest::SetUp();
        ASSERT_EQ(window->Library().Entries().size(), 6u);
    }

    TLibraryPanel& Panel() { return window->LibraryPanel(); }
    QStringList Rows()
    {
        QStringList rows;
        const QAbstractItemModel& model = *Panel().List()->model();
        for (int row = 0; row < model.rowCount(); ++row)
            rows.append(model.index(row, 0).data().toString());
        return rows;
    }
    QStringList ComboPages() const
    {
        QStringList pages;
        const auto* combo = Widget<QComboBox>("LibCombo");
        for (int i = 0; i < combo->count(); ++i)
            pages.append(combo->itemText(i));
        return pages;
    }

    // What the library file holds now is what the panel shows, and what the library holds in memory.
    ::testing::AssertionResult PanelShowsTheFile()
    {
        TRecordingReporter reporter;
        TPolyLib file(reporter);
        if (!file.LoadFile(window->LibraryFile()))
            return ::testing::AssertionFailure() << "the file does not load";
        if (EncodeLibrary(file.Pages(), file.Entries())
            != EncodeLibrary(window->Library().Pages(), window->Library().Entries()))
            return ::testing::AssertionFailure() << "the library differs from its file";
        QStringList pages;
        for (const QByteArray& page : file.Pages())
            pages.append(QString::fromLatin1(page));
        QStringList names;
        for (const TLibShape* entry : file.PageEntries(Panel().CurrentPage()))
            names.append(QString::fromLatin1(entry->FName));
        if (pages != ComboPages() || names != Rows())
            return ::testing::AssertionFailure() << "the panel shows " << ComboPages().join(',').toStdString() << " / "
                                                 << Rows().join(',').toStdString();
        return ::testing::AssertionSuccess();
    }

    // A drag of our own, or any other data, moved over the surface and dropped there. The answer is
    // whether the surface took it.
    bool DropOnSurface(QMimeData& data, QPoint at)
    {
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(pic, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(pic, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }

    // Starts a library from a copy of the fixture through "Use another library".
    void UseFreshLibrary(const QString& name)
    {
        prompts.FileNames.push_back(Fixture(name, FixtureLibrary()));
        Action(C::UseAnotherLibrary)->trigger();
        ASSERT_EQ(window->LibraryFile(), Path(name));
    }
};

void TypeName(QWidget& dialog, const char* name, const char* button)
{
    auto* edit = Part<QLineEdit>(dialog, "NameEdit");
    edit->selectAll();
    QTest::keyClicks(edit, QLatin1String(name));
    QTest::mouseClick(Part<QPushButton>(dialog, button), Qt::LeftButton);
}

TEST_F(LibraryPanel, DropPlacesThePicturesCornerAtThePointerAsOneStep)
{
    struct Case {
        float scale;
        QPoint scroll;
        bool snap;
        TMMPoint corner;
    };
    const Case cases[] = {
        { 4, { 0, 0 }, true, { 101, 50 } },
        { 4, { 0, 0 }, false, { 100.75f, 49.5f } },
        { 8, { 40, 80 }, true, { 55, 35 } },
        { 8, { 40, 80 }, false, { 55.375f, 34.75f } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.scale << (c.snap ? " snap" : ""));
        Drawing().Clear();
        Drawing().SetScale(c.scale);
        Drawing().SetScroll(c.scroll.x(), c.scroll.y());
        SetSnap(c.snap);
        UseTool(TTool::Rectangle);
        std::unique_ptr<QMimeData> picture(LibraryDragData({ 0, 0 }));
        EXPECT_TRUE(DropOnSurface(*picture, { 403, 198 }));
        ASSERT_EQ(Drawing().ShapeCount(), 1);
        EXPECT_TRUE(Near({ Shape(0).FBounds.Left, Shape(0).FBounds.Top }, c.corner));
        EXPECT_EQ(Shape(0).FBounds.Right - Shape(0).FBounds.Left, 20.0f) << "the picture's own size";
        EXPECT_EQ(Drawing().SelCount(), 1);
        EXPECT_EQ(window->Canvas().Tool(), TTool::Selection);
        EXPECT_EQ(window->focusWidget(), pic);
        EXPECT_TRUE(OneUndoStep("Undo add object"));
    }

    QMimeData text;
    text.setText(QStringLiteral("Beaker"));
    std::unique_ptr<QMimeData> otherPage(LibraryDragData({ 1, 0 }));
    for (QMimeData* refused : { &text, otherPage.get() })
        EXPECT_FALSE(DropOnSurface(*refused, { 100, 100 }));
    EXPECT_EQ(Drawing().ShapeCount(), 0);
}

// Rows are 60 or 40 pixels high: the picture inside the row's inset, the name beside it, cut with an
// ellipsis where it does not fit and red in the selected row.
TEST_F(LibraryPanel, RowsShowPictureAndNameAtBothSizes)
{
    TLibListBox& list = *Panel().List();
    for (const bool large : { true, false }) {
        SCOPED_TRACE(large ? "large" : "small");
        Action(large ? C::LargeThumbnails : C::SmallThumbnails)->trigger();
        Panel().ShowPage(0, 0);
        pic->setFocus();
        const int height = large ? 60 : 40;
        const QRect first = list.visualRect(list.model()->index(0, 0));
        ASSERT_EQ(first.height(), height);
        const QImage rows = list.viewport()->grab().toImage();
        const QRect inset(first.left() + 2, first.top() + 1, height - 2, height - 2);
        EXPECT_GT(InkIn(rows, inset), 0);
        for (const int y : { first.top(), first.bottom() })
            EXPECT_EQ(InkIn(rows, QRect(first.left(), y, height, 1)), 0) << "the picture stays inside the inset";
        const auto red = [&rows](const QRect& r) {
            int count = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    count += PixelColour(rows, { x, y }) == clRed;
            return count;
        };
        EXPECT_GT(red(first), 0) << "the selected row's name";
        EXPECT_EQ(red(first.translated(0, height)), 0);
        const QRect lastRow = list.visualRect(list.model()->index(3, 0));
        EXPECT_GT(InkIn(rows, lastRow.adjusted(height, 0, 0, 0)), 0) << "the level rod and its name";
    }

    // The long name is cut; a wider panel shows more of it.
    const QRect longRow = list.visualRect(list.model()->index(2, 0));
    const int narrowInk = InkIn(list.viewport()->grab().toImage(), longRow);
    window->findChild<QWidget*>(QStringLiteral("LibPanel"))->setFixedWidth(700);
    QApplication::processEvents();
    const QImage wide = list.viewport()->grab().toImage();
    EXPECT_GT(InkIn(wide, list.visualRect(list.model()->index(2, 0))), narrowInk);
    EXPECT_EQ(list.model()->index(2, 0).data(Qt::AccessibleTextRole).toString(), QLatin1String(LongName));
}

// Each command through its dialog or question: OK changes the library file at once and the panel shows
// what the file holds; Cancel leaves the file alone.
TEST_F(LibraryPanel, MaintenanceCommandsWriteTheFileAtOnceAndCancelWritesNothing)
{
    struct Case {
        const char* name;
        TCommand command;
        std::function<void(QWidget&, bool ok)> answer;
        std::function<void(TLibraryPanel&, const TPolyLib&)> check;
    };
    const auto nameDialog = [](const char* name, const char* button) {
        return [=](QWidget& dialog, bool ok) { TypeName(dialog, name, ok ? button : "CancelBtn"); };
    };
    const auto names = [](const TPolyLib& library, int page) {
        QByteArrayList result;
        for (const TLibShape* entry : library.PageEntries(page))
            result.append(entry->FName);
        return result;
    };
    const Case cases[] = {
        { "add to library", C::AddToLibrary, nameDialog("Box", "OKBtn"),
            [&](TLibraryPanel& panel, const TPolyLib& library) {
                EXPECT_EQ(names(library, 0).last(), "Box");
                EXPECT_EQ(panel.CurrentEntry()->FName, "Box");
                EXPECT_EQ(panel.CurrentEntry()->FShape.FBounds.Right, 10.0f);
            } },
        { "rename shape", C::LibraryRenameShape, nameDialog("Tall flask", "OKBtn"),
            [&](TLibraryPanel&, const TPolyLib& library) {
                EXPECT_EQ(names(library, 0), (QByteArrayList { "Beaker", "Tall flask", LongName, "Rod" }));
            } },
        { "rename page", C::LibraryRenamePage, nameDialog("Apparatus", "OKBtn"),
            [&](TLibraryPanel&, const TPolyLib& library) {
                EXPECT_EQ(library.Pages().first(), "Apparatus");
                EXPECT_EQ(names(library, 0).size(), 4) << "the pictures stay on the page";
            } },
        { "move to page", C::LibraryMoveToPage,
            [](QWidget& dialog, bool ok) {
                auto* pages = Part<QListWidget>(dialog, "PageListBox");
                auto* apply = Part<QPushButton>(dialog, "OKBtn");
                EXPECT_FALSE(apply->isEnabled()) << "not to the page it is on";
                pages->setCurrentRow(2);
                EXPECT_TRUE(apply->isEnabled());
                QTest::mouseClick(Part<QPushButton>(dialog, ok ? "OKBtn" : "CancelBtn"), Qt::LeftButton);
            },
            [&](TLibraryPanel& panel, const TPolyLib& library) {
                EXPECT_EQ(names(library, 2), (QByteArrayList { "Flask", "Prism" }));
                EXPECT_EQ(panel.CurrentEntry()->FName, QByteArray(LongName)) << "the next takes its place";
            } },
        { "change page order", C::LibraryPageOrder,
            [](QWidget& dialog, bool ok) {
                Part<QListWidget>(dialog, "PageListbox")->setCurrentRow(2);
                for (int i = 0; i < 2; ++i)
                    QTest::mouseClick(Part<QToolButton>(dialog, "LBUpBtn"), Qt::LeftButton);
                EXPECT_FALSE(Part<QToolButton>(dialog, "LBUpBtn")->isEnabled());
                QTest::mouseClick(Part<QPushButton>(dialog, ok ? "OKBtn" : "CancelBtn"), Qt::LeftButton);
            },
            [&](TLibraryPanel& panel, const TPolyLib& library) {
                EXPECT_EQ(library.Pages(), (QList<QByteArray> { "optics", "Glassware", "Optics" }));
                EXPECT_EQ(names(library, 0), QByteArrayList { "Prism" }) << "each page keeps its own";
                EXPECT_EQ(names(library, 2), QByteArrayList { "Lens" });
                EXPECT_EQ(panel.CurrentPage(), 0);
            } },
        { "new page", C::LibraryNewPage, nameDialog("Space", "OKBtn"),
            [&](TLibraryPanel& panel, const TPolyLib& library) {
                EXPECT_EQ(library.Pages().last(), "Space");
                EXPECT_EQ(panel.CurrentPage(), 3);
                EXPECT_EQ(panel.RowCount(), 0);
            } },
        { "delete page", C::LibraryDeletePage, {},
            [&](TLibraryPanel& panel, const TPolyLib& library) {
                EXPECT_EQ(library.Pages(), (QList<QByteArray> { "Optics", "optics" }));
                EXPECT_EQ(library.Entries().size(), 2u);
                EXPECT_EQ(panel.CurrentPage(), 0);
                EXPECT_EQ(panel.CurrentRow(), 0);
            } },
        { "delete entry", C::LibraryDelete, {},
            [&](TLibraryPanel&, const TPolyLib& library) {
                EXPECT_EQ(names(library, 0), (QByteArrayList { "Beaker", LongName, "Rod" }));
            } },
    };
    int fileNumber = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool ok : { false, true }) {
            UseFreshLibrary(QStringLiteral("case-%1.kvl").arg(++fileNumber));
            Panel().ShowPage(0, 1);
            Drawing().Clear();
            Drawing().AddBoxShape({ 0, 0, 40, 20 }, TTool::Rectangle, {}, {});
            window->Canvas().SetHotShape(0);
            window->RefreshCommandStates();
            const QByteArray before = ReadAll(window->LibraryFile());
            if (c.answer)
                WhenShown([&](QWidget& dialog) { c.answer(dialog, ok); });
            else
                prompts.YesNo.push_back(ok);
            Action(c.command)->trigger();
            EXPECT_TRUE(PanelShowsTheFile());
            if (ok)
                c.check(Panel(), window->Library());
            else
                EXPECT_EQ(ReadAll(window->LibraryFile()), before);
        }
    }
    EXPECT_EQ(prompts.Questions.filter(QStringLiteral("Are you sure you want to delete Glassware")).size(), 2);
    EXPECT_EQ(prompts.Questions.filter(QStringLiteral("Delete Flask")).size(), 2);
}

TEST_F(LibraryPanel, MovingAPictureUpToTheTopDisablesMoveUpAndWritesEachStep)
{
    Panel().ShowPage(0, 3);
    for (int press = 0; press < 3; ++press) {
        ASSERT_TRUE(Action(C::LibraryMoveUp)->isEnabled()) << press;
        Action(C::LibraryMoveUp)->trigger();
        EXPECT_TRUE(PanelShowsTheFile());
    }
    EXPECT_EQ(Rows().first(), QStringLiteral("Rod"));
    EXPECT_EQ(Panel().CurrentRow(), 0);
    EXPECT_FALSE(Action(C::LibraryMoveUp)->isEnabled());
    EXPECT_TRUE(Action(C::LibraryMoveDown)->isEnabled());
}

// Enabled by the selected row and the pages, and only refreshed while the library's tool bar shows.
TEST_F(LibraryPanel, LibraryButtonsFollowTheListWhileTheyShow)
{
    struct Case {
        int page, row;
        bool up, down;
    };
    for (const Case& c : { Case { 0, 0, false, true }, Case { 0, 2, true, true }, Case { 0, 3, true, false },
             Case { 1, 0, false, false } }) {
        Panel().ShowPage(c.page, c.row);
        EXPECT_EQ(Action(C::LibraryMoveUp)->isEnabled(), c.up) << c.page << c.row;
        EXPECT_EQ(Action(C::LibraryMoveDown)->isEnabled(), c.down) << c.page << c.row;
        EXPECT_TRUE(Action(C::LibraryDeletePage)->isEnabled());
    }
    Action(C::ShowLibrary)->trigger();
    Panel().ShowPage(0, 2);
    EXPECT_FALSE(Action(C::LibraryMoveUp)->isEnabled()) << "the last state while hidden";
    Action(C::ShowLibrary)->trigger();
    EXPECT_TRUE(Action(C::LibraryMoveUp)->isEnabled());

    prompts.FileNames.push_back(Fixture(QStringLiteral("empty.kvl"), QByteArray::fromHex("0cc50c000000000000000000")));
    Action(C::UseAnotherLibrary)->trigger();
    EXPECT_FALSE(Action(C::LibraryDeletePage)->isEnabled());
    EXPECT_FALSE(Action(C::LibraryMoveDown)->isEnabled());
}

// The library's file changes only to a file that holds the library; a failed load keeps the library,
// its file and the panel, and the next change goes to the file the library came from.
TEST_F(LibraryPanel, LibraryFileChangesOnlyToAFileHoldingTheLibrary)
{
    const QString original = window->LibraryFile();
    prompts.FileNames.push_back(Path(QStringLiteral("copy")));
    Action(C::SaveLibraryAs)->trigger();
    const QString copy = Path(QStringLiteral("copy.kvl"));
    EXPECT_EQ(window->LibraryFile(), copy);
    EXPECT_EQ(ReadAll(copy), ReadAll(original));

    const QString drawing = Fixture(QStringLiteral("drawing.kvl"), QByteArray("\x01\x00\x00\x00", 4));
    prompts.FileNames.push_back(drawing);
    Panel().ShowPage(1, 0);
    Action(C::UseAnotherLibrary)->trigger();
    EXPECT_EQ(prompts.Errors, QStringList { QStringLiteral("Invalid library file") });
    EXPECT_EQ(window->LibraryFile(), copy);
    EXPECT_EQ(Rows(), QStringList { QStringLiteral("Lens") });

    WhenShown([](QWidget& dialog) { TypeName(dialog, "Lenses", "OKBtn"); });
    Action(C::LibraryRenamePage)->trigger();
    EXPECT_TRUE(PanelShowsTheFile());
    EXPECT_TRUE(ReadAll(copy).contains("Lenses"));
    EXPECT_FALSE(ReadAll(original).contains("Lenses"));
    EXPECT_EQ(ReadAll(drawing).size(), 4);
}

TEST_F(LibraryPanel, AFailedWriteIsReportedAndLeavesFileAndPanelAsTheyWere)
{
    const QByteArray before = ReadAll(window->LibraryFile());
    Panel().ShowPage(0, 1);
    WhenShown([](QWidget& dialog) { TypeName(dialog, "Tall flask", "OKBtn"); });
    QStringList rowsWhileErrorShows;
    prompts.WhileErrorShows = [&] { rowsWhileErrorShows = Rows(); };
    {
        const TFileSizeLimit limit(16);
        Action(C::LibraryRenameShape)->trigger();
    }
    ASSERT_EQ(prompts.Errors.size(), 1);
    EXPECT_TRUE(prompts.Errors.first().endsWith(QLatin1String("The library has been left as it was.")));
    EXPECT_EQ(ReadAll(window->LibraryFile()), before);
    EXPECT_TRUE(PanelShowsTheFile());
    EXPECT_EQ(Rows().at(1), QStringLiteral("Flask"));
    EXPECT_EQ(rowsWhileErrorShows, Rows()) << "the panel shows the entries taken back before the message";
}

// Another window's change is kept: this window asks, then loads the library again and shows it.
TEST_F(LibraryPanel, AChangeMadeByAnotherWindowIsLoadedInsteadOfWrittenOver)
{
    TRecordingReporter reporter;
    TPolyLib other(reporter);
    ASSERT_TRUE(other.LoadFile(window->LibraryFile()));
    ASSERT_FALSE(other.EditAndSave(window->LibraryFile(), [&other] { other.AddPage("Electricity"); }));
    prompts.YesNo = { true };
    WhenShown([](QWidget& dialog) { TypeName(dialog, "Space", "OKBtn"); });
    Action(C::LibraryNewPage)->trigger();
    EXPECT_EQ(prompts.Questions,
        QStringList {
            QStringLiteral("The library was changed by another Korvo window. Load it again and repeat your change?") });
    EXPECT_TRUE(PanelShowsTheFile());
    EXPECT_EQ(ComboPages().last(), QStringLiteral("Electricity"));
    EXPECT_FALSE(ComboPages().contains(QStringLiteral("Space")));
}

// "Add to library" takes the shape under the pointer, not a selection it is not part of, and says why
// when there is no page to add it to.
TEST_F(LibraryPanel, AddToLibraryTakesTheShapeUnderThePointer)
{
    Drawing().AddBoxShape({ 0, 0, 40, 20 }, TTool::Rectangle, {}, {});
    Drawing().AddBoxShape({ 100, 100, 180, 200 }, TTool::Rectangle, {}, {});
    Drawing().ToggleSelected(0);
    window->Canvas().SetHotShape(1);
    window->RefreshCommandStates();
    WhenShown([](QWidget& dialog) {
        EXPECT_EQ(Part<QLabel>(dialog, "InfoLabel")->text(), QStringLiteral("Add this shape to 'Glassware'"));
        TypeName(dialog, "Tank", "OKBtn");
    });
    Action(C::AddToLibrary)->trigger();
    const TLibShape& added = *window->Library().Entries().back();
    EXPECT_EQ(added.FName, "Tank");
    EXPECT_EQ(added.FShape.FKind, skRectangle);
    EXPECT_EQ(added.FShape.FBounds.Right, 20.0f);
    EXPECT_TRUE(PanelShowsTheFile());

    prompts.FileNames.push_back(Fixture(QStringLiteral("empty.kvl"), QByteArray::fromHex("0cc50c000000000000000000")));
    Action(C::UseAnotherLibrary)->trigger();
    Action(C::AddToLibrary)->trigger();
    EXPECT_EQ(prompts.Errors.size(), 1) << "no page to add it to";
    EXPECT_TRUE(window->Library().Entries().empty());
}

TEST_F(LibraryPanel, DroppedFilesOpenAsTheirCommandsOpenThem)
{
    const QString library = Fixture(QStringLiteral("dropped.kvl"), FixtureLibrary());
    QMimeData file;
    file.setUrls({ QUrl::fromLocalFile(library) });
    QWidget& list = *Panel().List()->viewport();
    QDragEnterEvent enter({ 10, 10 }, Qt::CopyAction, &file, Qt::LeftButton, {});
    QApplication::sendEvent(&list, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop({ 10, 10 }, Qt::CopyAction, &file, Qt::LeftButton, {});
    prompts.YesNo.push_back(true);
    QApplication::sendEvent(&list, &drop);
    QApplication::processEvents();
    EXPECT_EQ(prompts.Questions, QStringList { QStringLiteral("Use the library ") + library + QLatin1Char('?') });
    EXPECT_EQ(window->LibraryFile(), library);

    const QString drawing = QStringLiteral(KORVO_SAMPLES_DIR "/all-kinds.kv");
    file.setUrls({ QUrl::fromLocalFile(drawing) });
    EXPECT_TRUE(DropOnSurface(file, { 50, 50 }));
    QApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvo - all-kinds.kv"));
    EXPECT_EQ(Drawing().ShapeCount(), 20);
}

// Thumbnails are kept by entry address, and a freed entry's address may come back for a new picture.
TEST(ThumbnailCache, ALibraryChangeDropsTheThumbnailOfAReplacedEntry)
{
    TRecordingReporter reporter;
    TPolyLib library(reporter);
    library.AddPage("Glassware");
    library.AddEntry(Rectangle({ 0, 0, 20, 20 }), 0, "Square");
    TThumbnailCache thumbnails(library);
    const TLibShape* square = library.Entries().front().get();
    const QImage before = thumbnails.Get(*square, TLibRowDelegate::LargeRowHeight, 1).Image;
    library.DeleteEntry(square);
    library.AddEntry(Rectangle({ 0, 0, 2, 20 }), 0, "Rod");
    const TLibShape& rod = *library.Entries().front();
    if (&rod != square)
        GTEST_SKIP() << "the new entry did not take the freed entry's address";
    EXPECT_NE(thumbnails.Get(rod, TLibRowDelegate::LargeRowHeight, 1).Image, before);
}

} // namespace
