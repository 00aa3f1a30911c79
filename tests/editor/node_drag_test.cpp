#include "canvas_fixture.h"

#include <cmath>
#include <functional>
#include <set>

using namespace korvo;
using namespace korvo::test;

namespace {

using NodeDrag = CanvasTest;

TEST_F(NodeDrag, DraggedNodeAndTheNodesOnItMoveAsOneEdit)
{
    constexpr double k = 0.5522847498308;
    struct Case {
        const char* name;
        std::function<void(TDrawing&)> make;
        QPoint press, to;
        bool snap;
        // Nodes that land on the drop point; every other node stays, rounded to the view's pixels.
        std::set<int> moved;
    };
    const auto box = [](TTool tool, TRect r) { return [tool, r](TDrawing& d) { d.AddBoxShape(r, tool, {}, {}); }; };
    const auto curve = [](TDrawing& d) { d.AddCurve(100, 100, 220, 160, {}); };
    // The tube bend's outer control node 2 sits at 200 - 100 k pixels across its top.
    const int bendControl = static_cast<int>(200 - 100 * k);
    const Case cases[] = {
        // (231, 189) snaps to (232, 188); the press on the node itself is not snapped.
        { "rectangle corner", box(TTool::Rectangle, { 100, 100, 200, 160 }), { 200, 160 }, { 231, 189 }, true, { 2 } },
        { "rectangle corner, unsnapped", box(TTool::Rectangle, { 100, 100, 200, 160 }), { 101, 99 }, { 90, 85 }, false,
            { 0 } },
        { "curve anchor", curve, { 220, 160 }, { 260, 100 }, true, { 3 } },
        { "curve control", curve, { 140, 120 }, { 150, 60 }, true, { 1 } },
        { "open path anchor leaves its controls", box(TTool::Sine, { 100, 100, 200, 180 }), { 125, 100 }, { 132, 88 },
            true, { 3 } },
        { "circle start closes with the end", box(TTool::Circle, { 100, 100, 200, 180 }), { 100, 140 }, { 80, 140 },
            true, { 0, 12 } },
        { "circle top", box(TTool::Circle, { 100, 100, 200, 180 }), { 150, 100 }, { 150, 80 }, true, { 3 } },
        { "bend outer end brings its copies", box(TTool::TubeBend, { 100, 100, 200, 200 }), { 200, 100 }, { 220, 80 },
            true, { 3, 4, 5 } },
        { "bend control leaves the copies on the end", box(TTool::TubeBend, { 100, 100, 200, 200 }),
            { bendControl, 100 }, { 152, 72 }, true, { 2 } },
        { "bend start brings its copies", box(TTool::TubeBend, { 100, 100, 200, 200 }), { 100, 200 }, { 88, 220 }, true,
            { 0, 10, 11, 12 } },
        { "bend inner end", box(TTool::TubeBend, { 100, 100, 200, 200 }), { 125, 200 }, { 132, 208 }, true, { 9 } },
        { "graph paper keeps its corners", box(TTool::GraphPaper, { 100, 100, 200, 160 }), { 200, 160 }, { 240, 200 },
            true, {} },
    };
    UseTool(TTool::Node);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing().Clear();
        c.make(Drawing());
        Drawing().Deselect();
        Drawing().ClearUndo();
        SetSnap(c.snap);
        const TMMArray before = Shape(0).FPoints;
        Drag(c.press, c.to);
        const QPoint drop
            = c.snap ? QPoint(4 * int(std::nearbyint(c.to.x() / 4.0)), 4 * int(std::nearbyint(c.to.y() / 4.0))) : c.to;
        const TMMArray& after = Shape(0).FPoints;
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            const TMMPoint onPixels { std::trunc(before[i].X * 4) / 4, std::trunc(before[i].Y * 4) / 4 };
            EXPECT_EQ(after[i], c.moved.count(static_cast<int>(i)) ? Mm(drop) : onPixels) << "node " << i;
        }
        EXPECT_EQ(Drawing().SelCount(), 1);
        EXPECT_TRUE(NoPreviewShown());
        EXPECT_TRUE(OneUndoStep("Undo edit node"));
    }
}

TEST_F(NodeDrag, PressBesideTheNodesSelectsWithoutEditing)
{
    Drawing().AddBoxShape({ 100, 100, 200, 160 }, TTool::Rectangle, {}, {});
    Drawing().ClearUndo();
    UseTool(TTool::Node);
    Drag({ 150, 130 }, { 180, 150 });
    EXPECT_EQ(Drawing().SelCount(), 1) << "the shape under the press";
    EXPECT_EQ(Drawing().NodeMode(), TNodeMode::Nodes);
    Drag({ 300, 300 }, { 190, 150 });
    EXPECT_EQ(Drawing().SelCount(), 1) << "a rectangle over empty paper selects what it meets";
    EXPECT_EQ(Shape(0).FBounds, Mm(TRect { 100, 100, 200, 160 }));
    EXPECT_FALSE(Drawing().CanUndo());
}

} // namespace
