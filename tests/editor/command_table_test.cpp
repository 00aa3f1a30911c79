#include "canvas_fixture.h"

#include "editor/commands/command_table.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <map>
#include <set>

using namespace korvo;
using namespace korvo::test;

namespace {

using Commands = CanvasTest;
using C = TCommand;

bool InSomeMenu(const TMainDrawFrm& window, const QAction* action)
{
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->actions().contains(action))
            return true;
    }
    return false;
}

// The name of each command's action, as the menus and tool bars are known by, menu by menu.
const std::pair<TCommand, const char*> Names[] = {
    { C::New, "New1" },
    { C::Open, "Open1" },
    { C::Reopen, "Reopen1" },
    { C::Save, "Save1" },
    { C::SaveAs, "SaveAs1" },
    { C::SaveLibraryAs, "SaveLibraryAs1" },
    { C::UseAnotherLibrary, "UseAnotherLibrary1" },
    { C::Import, "Import1" },
    { C::ImportPicture, "ImportPicture1" },
    { C::ExportSelection, "Export1" },
    { C::Print, "Print1" },
    { C::PrintSelected, "PrintSelected" },
    { C::PrinterSetup, "PrinterSetup1" },
    { C::PageA4, "A41" },
    { C::PageA3, "A31" },
    { C::Exit, "Exit1" },
    { C::Undo, "Undo1" },
    { C::Redo, "Redo1" },
    { C::Cut, "Cut1" },
    { C::Copy, "Copy1" },
    { C::Paste, "Paste1" },
    { C::SelectAll, "Selectall1" },
    { C::ClearBackground, "Clearbackgroundpicture1" },
    { C::RotateToolbar, "Rotate1" },
    { C::ScaleToolbar, "Scale1" },
    { C::AlignToolbar, "Align1" },
    { C::PolygonToolbar, "Polygon1" },
    { C::ShowLibrary, "ShowLibrary1" },
    { C::SmallThumbnails, "SmallThumbs" },
    { C::LargeThumbnails, "LargeThumbs" },
    { C::Grid, "Grid1" },
    { C::SnapToGrid, "SnapToGrid1" },
    { C::UseSpecialCursors, "UseCursors1" },
    { C::ThemeBlue, "Blue1" },
    { C::ThemeBlack, "Black1" },
    { C::ThemeSilver, "Silver1" },
    { C::HelpContents, "Contents1" },
    { C::HelpSearch, "Search1" },
    { C::Tutorial1, "Tutorial1" },
    { C::Tutorial2, "Tutorial2" },
    { C::Tutorial3, "Tutorial3" },
    { C::Tutorial4, "Tutorial4" },
    { C::Tutorial5, "Tutorial5" },
    { C::Tutorial6, "Tutorial6" },
    { C::Tutorial7, "Tutorial7" },
    { C::About, "About1" },
    { C::Help, "HelpBtn" },
    { C::Group, "GroupBtn" },
    { C::Ungroup, "UnGroupBtn" },
    { C::ToFront, "ToFrontBtn" },
    { C::ToBack, "ToBackBtn" },
    { C::MoveBack, "MoveBackBtn" },
    { C::MoveForward, "MoveUpBtn" },
    { C::RotateAnticlockwise, "RotateBtn" },
    { C::RotateClockwise, "RotateCWBtn" },
    { C::MirrorHorizontally, "HMirrorBtn" },
    { C::MirrorVertically, "VMirrorBtn" },
    { C::LineStyles, "LineStyleBtn" },
    { C::LineEndings, "LineEndBtn" },
    { C::ApplyRotation, "ApplyRotBtn" },
    { C::ApplyRotationToCopy, "ApplyToCopyBtn" },
    { C::ApplyScale, "ApplyScaleBtn" },
    { C::ApplyScaleToCopy, "ApplyScaleCopyBtn" },
    { C::AlignCentres, "Center1" },
    { C::AlignCentresVertically, "VCenter1" },
    { C::AlignCentresHorizontally, "HCenter1" },
    { C::AlignLeft, "Left1" },
    { C::AlignRight, "Right1" },
    { C::AlignTop, "Top1" },
    { C::AlignBottom, "Bottom1" },
    { C::CreatePolygon, "CreatePolyBtn" },
    { C::ConvertToPolygon, "Converttopolygon1" },
    { C::ConvertToPolyline, "ConvertToPolyline1" },
    { C::ConvertToOpenCurve, "ConvertToOpenCurve1" },
    { C::ConvertToClosedCurve, "ConvertToClosedCurve1" },
    { C::ConvertToPentagon, "ConvertToPentagon1" },
    { C::ConvertToHexagon, "ConvertToHexagon1" },
    { C::ConvertToStar, "Coverttostar1" },
    { C::EditText, "EditText1" },
    { C::EditGraphPaper, "Editgrid1" },
    { C::PlotGraph, "PlotGraph1" },
    { C::DeleteNode, "DeleteNode1" },
    { C::AddNode, "AddNode1" },
    { C::LibraryPageOrder, "PageBtn" },
    { C::LibraryNewPage, "NewPageBtn" },
    { C::LibraryDeletePage, "DelPageBtn" },
    { C::LibraryMoveUp, "LBUpBtn" },
    { C::LibraryMoveDown, "LBDownBtn" },
    { C::LibraryDelete, "Deletebtn" },
    { C::LibraryRenameShape, "Renameshape1" },
    { C::LibraryRenamePage, "rename1" },
    { C::LibraryMoveToPage, "moveto1" },
    { C::AddToLibrary, "ExportToLibrary1" },
};

// The keys teachers know from other programs, the same on every desktop; no other command has one.
const std::map<TCommand, QString> Keys = {
    { C::New, "Ctrl+N" },
    { C::Open, "Ctrl+O" },
    { C::Save, "Ctrl+S" },
    { C::SaveAs, "Ctrl+Shift+S" },
    { C::Print, "Ctrl+P" },
    { C::Exit, "Ctrl+Q" },
    { C::Undo, "Ctrl+Z" },
    { C::Redo, "Ctrl+Y; Ctrl+Shift+Z" },
    { C::Cut, "Ctrl+X" },
    { C::Copy, "Ctrl+C" },
    { C::Paste, "Ctrl+V" },
    { C::SelectAll, "Ctrl+A" },
};

TEST_F(Commands, EachHasOneActionThatItsMenuItemAndButtonShare)
{
    ASSERT_EQ(static_cast<int>(std::size(Names)), CommandCount);
    for (const auto& [id, name] : Names) {
        SCOPED_TRACE(name);
        QAction* action = Action(id);
        EXPECT_EQ(action->objectName(), QLatin1String(name));
        EXPECT_EQ(window->findChildren<QAction*>(QLatin1String(name)).size(), 1);
        const auto keys = Keys.find(id);
        EXPECT_EQ(QKeySequence::listToString(action->shortcuts(), QKeySequence::PortableText),
            keys == Keys.end() ? QString() : keys->second);
    }
    for (const TCommandInfo& info : CommandTable()) {
        if (!info.Button)
            continue;
        SCOPED_TRACE(info.Button);
        EXPECT_TRUE(window->findChildren<QAction*>(QLatin1String(info.Button)).isEmpty()) << "no twin action";
        const auto* button = window->findChild<QToolButton*>(QLatin1String(info.Button));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->defaultAction(), window->Action(info.Id));
        EXPECT_TRUE(InSomeMenu(*window, window->Action(info.Id)));
    }
}

TEST_F(Commands, EnablingFollowsTheDrawingWithoutBeingAsked)
{
    using Group = std::set<TCommand>;
    struct Situation {
        const char* name;
        std::function<void()> arrange;
        Group enabled;
    };
    const auto rectangleAt = [this](int left) {
        Drawing().AddBoxShape({ left, 100, left + 80, 160 }, TTool::Rectangle, {}, {});
        Drawing().ToggleSelected(Drawing().ShapeCount() - 1);
    };
    const auto text = [this] {
        TShapeFont font;
        font.SetSize(12);
        Drawing().AddText("T", font, 300, 100);
    };
    // What the commands need, worked out from what each does rather than read from the table.
    const Group edited { C::Save, C::Undo, C::SelectAll };
    const Group selection { C::ExportSelection, C::PrintSelected, C::Cut, C::Copy, C::RotateAnticlockwise,
        C::RotateClockwise, C::LineStyles, C::ApplyRotation, C::ApplyRotationToCopy, C::ApplyScale,
        C::ApplyScaleToCopy };
    const Group mirror { C::MirrorHorizontally, C::MirrorVertically };
    const Group depth { C::ToFront, C::ToBack, C::MoveBack, C::MoveForward };
    const Group hotText { C::AddToLibrary, C::EditText };
    const auto with = [&](std::initializer_list<Group> groups) {
        Group all = edited;
        for (const Group& group : groups)
            all.insert(group.begin(), group.end());
        return all;
    };
    // Every command that waits for something; the others are always enabled.
    const Group waiting = with({ selection, mirror, depth, hotText,
        { C::Redo, C::Paste, C::Group, C::Ungroup, C::LineEndings, C::ClearBackground, C::Reopen, C::ConvertToPolygon,
            C::ConvertToPolyline, C::ConvertToOpenCurve, C::ConvertToClosedCurve, C::ConvertToPentagon,
            C::ConvertToHexagon, C::ConvertToStar, C::EditGraphPaper, C::PlotGraph, C::DeleteNode, C::AddNode,
            C::LibraryMoveUp, C::LibraryMoveDown, C::LibraryDeletePage } });
    const Situation situations[] = {
        { "empty drawing", [] {}, {} },
        { "a change undone",
            [&] {
                rectangleAt(100);
                Action(TCommand::Undo)->trigger();
            },
            { C::Save, C::Redo } },
        { "one shape selected", [&] { rectangleAt(100); }, with({ selection, mirror }) },
        { "two shapes selected",
            [&] {
                rectangleAt(100);
                rectangleAt(200);
            },
            with({ selection, mirror, depth, { C::Group } }) },
        { "a group selected",
            [&] {
                rectangleAt(100);
                rectangleAt(200);
                Drawing().GroupSelection();
            },
            with({ selection, mirror, { C::Ungroup } }) },
        { "a line selected", [this] { Drawing().AddLine(leNone, 10, 10, 90, 90, {}); },
            with({ selection, mirror, { C::LineEndings } }) },
        // A lone text under the pointer would not mirror; with another shape it goes along.
        { "one text selected under the pointer", text, with({ selection, hotText }) },
        { "a text and a rectangle",
            [&] {
                rectangleAt(100);
                text();
            },
            with({ selection, mirror, depth, hotText, { C::Group } }) },
        { "a background picture",
            [this] {
                QImage picture(8, 8, QImage::Format_RGB32);
                picture.fill(Qt::blue);
                ASSERT_TRUE(picture.save(Path(QStringLiteral("back.png"))));
                Drawing().LoadBackground(Path(QStringLiteral("back.png")));
            },
            { C::ClearBackground } },
        { "copied, then nothing selected",
            [&] {
                rectangleAt(100);
                Action(TCommand::Copy)->trigger();
                Drawing().Deselect();
            },
            with({ { C::Paste } }) },
        // The paste buffer survives New.
        { "after New", [this] { Action(TCommand::New)->trigger(); }, { C::Paste } },
    };
    prompts.Answers = { TAnswer::No };
    for (const Situation& s : situations) {
        SCOPED_TRACE(s.name);
        if (std::string(s.name) != "after New") {
            Drawing().Clear();
            Drawing().ClearBackground();
            Drawing().SetDocState(dsUntitled);
        }
        s.arrange();
        // The pointer rests on the newest shape, as it would after drawing it.
        if (Drawing().ShapeCount() > 0)
            Move({ 303, 105 }, Qt::NoButton);
        for (const auto& [id, name] : Names) {
            const bool enabled = waiting.count(id) == 0 || s.enabled.count(id) > 0;
            EXPECT_EQ(window->Action(id)->isEnabled(), window->IsBuilt(id) && enabled) << name;
        }
    }
}

TEST_F(Commands, RedoAnswersToBothItsKeysAndNamesTheStepUndone)
{
    const QList<QKeySequence> keys { QKeySequence(Qt::CTRL | Qt::Key_Y),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) };
    EXPECT_EQ(Action(TCommand::Redo)->text(), QStringLiteral("Redo"));
    Drawing().AddBoxShape({ 100, 100, 180, 160 }, TTool::Rectangle, {}, {});
    for (const QKeySequence& key : keys) {
        Action(TCommand::Undo)->trigger();
        EXPECT_EQ(Action(TCommand::Redo)->text(), QStringLiteral("Redo create rectangle"));
        QTest::keySequence(window.get(), key);
        EXPECT_EQ(Drawing().ShapeCount(), 1) << qPrintable(key.toString());
    }
}

TEST_F(Commands, TransformToolbarsShareTheMainToolbarsRow)
{
    const auto* top = Widget<QToolBar>("TopToolbar");
    for (const TCommand id :
        { TCommand::RotateToolbar, TCommand::ScaleToolbar, TCommand::AlignToolbar, TCommand::PolygonToolbar })
        Action(id)->trigger();
    QApplication::processEvents();
    for (const char* name : { "RotateToolbar", "ScaleToolbar", "AlignToolbar", "PolygonToolbar" }) {
        const auto* bar = Widget<QToolBar>(name);
        ASSERT_TRUE(bar->isVisible()) << name;
        EXPECT_EQ(bar->y(), top->y()) << name;
    }
    EXPECT_TRUE(Drawing().ShowCentre()) << "the rotation centre shows with its tool bar";
    Action(TCommand::RotateToolbar)->trigger();
    EXPECT_FALSE(Drawing().ShowCentre());
}

} // namespace
