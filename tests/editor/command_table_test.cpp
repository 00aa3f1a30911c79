#include "canvas_fixture.h"

#include "editor/commands/command_table.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <set>

using namespace korvo;
using namespace korvo::test;

namespace {

using Commands = CanvasTest;
using R = TEnableRule;

bool InSomeMenu(const TMainDrawFrm& window, const QAction* action)
{
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->actions().contains(action))
            return true;
    }
    return false;
}

TEST_F(Commands, EachHasOneActionThatItsMenuItemAndButtonShare)
{
    QStringList shortcuts;
    for (const TCommandInfo& info : CommandTable()) {
        SCOPED_TRACE(info.Text.Name);
        QAction* action = window->Action(info.Id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->objectName(), QLatin1String(info.Text.Name));
        EXPECT_EQ(window->findChildren<QAction*>(QLatin1String(info.Text.Name)).size(), 1);
        if (!action->shortcut().isEmpty())
            shortcuts.append(action->shortcut().toString());
        if (!info.Button)
            continue;
        EXPECT_TRUE(window->findChildren<QAction*>(QLatin1String(info.Button)).isEmpty()) << "no twin action";
        const auto* button = window->findChild<QToolButton*>(QLatin1String(info.Button));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->defaultAction(), action);
        EXPECT_TRUE(InSomeMenu(*window, action));
    }
    // A shortcut on two actions would fire neither.
    EXPECT_EQ(QSet<QString>(shortcuts.begin(), shortcuts.end()).size(), shortcuts.size());
}

TEST_F(Commands, EnablingFollowsTheDrawingWithoutBeingAsked)
{
    struct Situation {
        const char* name;
        std::function<void()> arrange;
        std::set<TEnableRule> holding;
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
    const std::set<TEnableRule> edited { R::Changed, R::CanUndo, R::AnyShape };
    const auto with = [&edited](std::initializer_list<TEnableRule> rules) {
        std::set<TEnableRule> all = edited;
        all.insert(rules);
        return all;
    };
    const Situation situations[] = {
        { "empty drawing", [] {}, {} },
        { "one shape selected", [&] { rectangleAt(100); }, with({ R::Selection, R::Mirror }) },
        { "two shapes selected",
            [&] {
                rectangleAt(100);
                rectangleAt(200);
            },
            with({ R::Selection, R::SeveralSelected, R::Depth, R::Mirror }) },
        { "a group selected",
            [&] {
                rectangleAt(100);
                rectangleAt(200);
                Drawing().GroupSelection();
            },
            with({ R::Selection, R::SelectedGroup, R::Mirror }) },
        { "a line selected", [this] { Drawing().AddLine(leNone, 10, 10, 90, 90, {}); },
            with({ R::Selection, R::SelectedLines, R::Mirror }) },
        // A lone text under the pointer would not mirror; with another shape it goes along.
        { "one text selected under the pointer", text, with({ R::Selection, R::HotShape, R::HotText }) },
        { "a text and a rectangle",
            [&] {
                rectangleAt(100);
                text();
            },
            with({ R::Selection, R::SeveralSelected, R::Depth, R::Mirror, R::HotShape, R::HotText }) },
        { "a background picture",
            [this] {
                QImage picture(8, 8, QImage::Format_RGB32);
                picture.fill(Qt::blue);
                ASSERT_TRUE(picture.save(Path(QStringLiteral("back.png"))));
                Drawing().LoadBackground(Path(QStringLiteral("back.png")));
            },
            { R::Background } },
        { "copied, then nothing selected",
            [&] {
                rectangleAt(100);
                Action(TCommand::Copy)->trigger();
                Drawing().Deselect();
            },
            with({ R::PasteBuffer }) },
        // The paste buffer survives New.
        { "after New", [this] { Action(TCommand::New)->trigger(); }, { R::PasteBuffer } },
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
        for (const TCommandInfo& info : CommandTable()) {
            const bool holds = info.Rule == R::Always || s.holding.count(info.Rule) > 0;
            EXPECT_EQ(window->Action(info.Id)->isEnabled(), window->IsBuilt(info.Id) && holds) << info.Text.Name;
        }
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
