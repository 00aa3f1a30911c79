#include "drawing_fixture.h"

#include <functional>

using namespace korvo;
using namespace korvo::test;

namespace {

using C = TDrawingChange;

class DrawingChange : public TDrawingTest {
protected:
    void SetUp() override
    {
        TDrawingTest::SetUp();
        Load({ BoxShape(1, 10, 10, 20, 20), BoxShape(2, 30, 10, 40, 20) });
        QObject::connect(&drawing, &TDrawing::Changed, [this](TDrawingChanges changes) { notices.push_back(changes); });
    }

    std::vector<TDrawingChanges> notices;
};

// The editor repaints and refreshes its commands once per notice, so each operation sends exactly one,
// naming what it changed, and a command of several operations sends one in all.
TEST_F(DrawingChange, EachOperationSendsOneNoticeOfWhatItChanged)
{
    struct Case {
        const char* name;
        std::function<void(TDrawing&)> change;
        TDrawingChanges expected;
    };
    const Case cases[] = {
        { "select", [](TDrawing& d) { d.ToggleSelected(0); }, C::Selection | C::DocState },
        { "move", [](TDrawing& d) { d.MoveSelection(4, 0); }, C::Shapes },
        { "create", [](TDrawing& d) { d.AddLine(leNone, 0, 0, 40, 40, {}); }, C::Shapes | C::Selection | C::History },
        { "undo", [](TDrawing& d) { d.Undo(); }, C::Shapes | C::Order | C::Selection | C::History },
        { "redo", [](TDrawing& d) { d.Redo(); }, C::Shapes | C::Order | C::Selection | C::History },
        { "copy", [](TDrawing& d) { d.CopySelection(); }, C::History },
        { "scroll", [](TDrawing& d) { d.SetScroll(8, 8); }, C::View },
        { "show the centre", [](TDrawing& d) { d.SetShowCentre(true); }, C::View },
        { "mark nodes", [](TDrawing& d) { d.SetNodeMode(TNodeMode::Nodes); }, C::Selection },
        { "save", [this](TDrawing& d) { d.SaveFile(Path(QStringLiteral("saved.kv"))); }, C::DocState },
        { "a command of several operations",
            [](TDrawing& d) {
                const TDrawingUpdate update(d);
                d.SelectAll();
                d.CopySelection();
                d.DeleteSelection();
            },
            C::Shapes | C::Order | C::Selection | C::History | C::DocState },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        notices.clear();
        c.change(drawing);
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices.front(), c.expected);
    }
    notices.clear();
    drawing.SetScroll(8, 8);
    drawing.SetShowCentre(true);
    drawing.Paint();
    EXPECT_TRUE(notices.empty()) << "nothing changed, nothing told; painting changes nothing";
}

} // namespace
