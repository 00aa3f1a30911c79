#include "drawing_fixture.h"

#include <functional>

using namespace korvo;
using namespace korvo::test;

namespace {

using TIds = std::vector<std::uint32_t>;

class DrawingArrange : public TDrawingTest {
protected:
    const TMMRect& Box(std::uint32_t id) const { return Shape(id).FBounds; }
    const TMMArray& Points(std::uint32_t id) const { return Shape(id).FPoints; }
    const TMMArray& ChildPoints(std::uint32_t group, std::size_t child) const
    {
        return Shape(group).FChildren.at(child).FPoints;
    }
};

// Two 10 mm squares side by side as one group, its box (10, 10)-(40, 20).
TRecordFixture PairGroup(std::uint32_t id)
{
    return GroupShape(id, { BoxShape(id + 1, 10, 10, 20, 20), BoxShape(id + 2, 30, 10, 40, 20) });
}

TEST_F(DrawingArrange, MovingTheSelectionMakesOneUndoStepPerDrag)
{
    Load({ BoxShape(1, 10, 10, 20, 20), BoxShape(2, 30, 30, 40, 40), PairGroup(10) });
    Select({ 1, 10 });
    drawing.SetMoveUndoPending(true);
    drawing.MoveSelection(8, 4);
    drawing.MoveSelection(8, 4);
    drawing.SetMoveUndoPending(true);
    drawing.MoveSelection(-4, 0);
    EXPECT_EQ(DocState, dsChanged);
    ExpectBox(Box(1), 13, 12, 23, 22);
    ExpectBox(Box(2), 30, 30, 40, 40);
    ExpectBox(Box(10), 13, 12, 43, 22);
    ExpectPoints(ChildPoints(10, 1), { { 33, 12 }, { 33, 22 }, { 43, 22 }, { 43, 12 } });
    EXPECT_EQ(Shape(10).FDevRect, (TRect { 52, 48, 172, 88 }));

    drawing.Undo();
    ExpectBox(Box(1), 14, 12, 24, 22);
    drawing.Undo();
    ExpectBox(Box(1), 10, 10, 20, 20);
    EXPECT_FALSE(drawing.CanUndo()) << "moves without a drag begun record nothing";
}

TEST_F(DrawingArrange, ResizeShapeKeepsTheEdgeThatDidNotMove)
{
    Load({ BoxShape(1, 10, 10, 20, 20), PairGroup(10) });
    drawing.ResizeShape(IndexOf(1), { 40, 40, 120, 80 }); // right-middle handle 40 px to the right
    ExpectPoints(Points(1), { { 10, 10 }, { 10, 20 }, { 30, 20 }, { 30, 10 } });
    drawing.ResizeShape(IndexOf(1), { 140, 40, 120, 80 }); // left handle dragged past the right edge
    ExpectPoints(Points(1), { { 35, 10 }, { 35, 20 }, { 30, 20 }, { 30, 10 } });
    ExpectBox(Box(1), 30, 10, 35, 20);

    drawing.SetScroll(40, 0);
    drawing.ResizeShape(IndexOf(10), { 0, 40, 240, 80 }); // the group's right edge to 280 page px
    ExpectBox(Box(10), 10, 10, 70, 20);
    ExpectPoints(ChildPoints(10, 1), { { 50, 10 }, { 50, 20 }, { 70, 20 }, { 70, 10 } });
}

TEST_F(DrawingArrange, ScaleSelectionScalesAboutTheCentreOfTheSelection)
{
    Load({ BoxShape(1, 10, 10, 20, 20), PairGroup(10), BoxShape(2, 50, 30, 60, 40) });
    Select({ 1 });
    drawing.ScaleSelection(200);
    ExpectBox(Box(1), 5, 5, 25, 25);

    Select({ 10, 2 }); // extent (10, 10)-(60, 40), centre (35, 25)
    drawing.ScaleSelection(50);
    ExpectBox(Box(10), 22.5f, 17.5f, 37.5f, 22.5f);
    ExpectPoints(ChildPoints(10, 0), { { 22.5f, 17.5f }, { 22.5f, 22.5f }, { 27.5f, 22.5f }, { 27.5f, 17.5f } });
    EXPECT_EQ(Shape(10).FDevRect, (TRect { 90, 70, 150, 90 }));
    ExpectBox(Box(2), 42.5f, 27.5f, 47.5f, 32.5f);
}

TEST_F(DrawingArrange, RotationTurnsClockwiseAboutEachBoxOrTheCentre)
{
    Load({ BoxShape(1, 10, 10, 30, 20), PairGroup(10) });
    Select({ 1 });
    drawing.RotateSelection(90);
    EXPECT_NEAR(Points(1)[0].X, 25, 1e-3);
    EXPECT_NEAR(Points(1)[0].Y, 5, 1e-3);
    ExpectBox(Box(1), 15, 5, 25, 25, 1e-3f);
    EXPECT_EQ(Shape(1).FDevRect, (TRect { 60, 20, 100, 100 }));

    drawing.Undo();
    Select({ 1 });
    drawing.RotateSelectionAboutCentre(90); // the centre starts at (100, 100)
    ExpectBox(Box(1), 180, 10, 190, 30, 1e-3f);

    Select({ 10 });
    drawing.RotateSelection(90); // about (25, 15)
    ExpectBox(Box(10), 20, 0, 30, 30, 1e-3f);
    ExpectPoints(ChildPoints(10, 1), { { 30, 20 }, { 20, 20 }, { 20, 30 }, { 30, 30 } }, 1e-3f);
}

TEST_F(DrawingArrange, MirrorReflectsAboutEachBoxCentreLine)
{
    TRecordFixture text = BoxShape(3, 50, 50, 60, 55, skText);
    text.Text = "T";
    Load({ PathShape(1, skPolygon, { { 10, 10 }, { 30, 10 }, { 10, 20 } }), PairGroup(10), text });
    Select({ 1, 10, 3 });
    drawing.MirrorSelection(TMirrorAxis::Horizontal);
    ExpectPoints(Points(1), { { 30, 10 }, { 10, 10 }, { 30, 20 } });
    ExpectBox(Box(1), 10, 10, 30, 20);
    ExpectPoints(ChildPoints(10, 0), { { 40, 10 }, { 40, 20 }, { 30, 20 }, { 30, 10 } });
    // A text on its own stays as it was, so it stays readable.
    ExpectPoints(Points(3), { { 50, 50 }, { 50, 55 }, { 60, 55 }, { 60, 50 } });
    drawing.MirrorSelection(TMirrorAxis::Vertical);
    ExpectPoints(Points(1), { { 30, 20 }, { 10, 20 }, { 30, 10 } });
}

TEST_F(DrawingArrange, AlignmentLinesUpWithTheFirstSelectedShape)
{
    struct Case {
        int mode;
        TMMRect p, q;
    };
    const TMMRect p { 40, 30, 50, 50 };
    const TMMRect q { 60, 5, 64, 9 };
    const Case cases[] = {
        { 0, p, q },
        { 1, { 15, 5, 25, 25 }, { 18, 13, 22, 17 } },
        { 2, { 15, 30, 25, 50 }, { 18, 5, 22, 9 } },
        { 3, { 40, 5, 50, 25 }, { 60, 13, 64, 17 } },
        { 4, { 10, 30, 20, 50 }, { 10, 5, 14, 9 } },
        { 5, { 20, 30, 30, 50 }, { 26, 5, 30, 9 } },
        { 6, { 40, 10, 50, 30 }, { 60, 10, 64, 14 } },
        { 7, { 40, 0, 50, 20 }, { 60, 16, 64, 20 } },
        { 8, p, q },
    };
    for (const Case& c : cases) {
        Load({ BoxShape(2, p.Left, p.Top, p.Right, p.Bottom), BoxShape(3, q.Left, q.Top, q.Right, q.Bottom),
            BoxShape(1, 10, 10, 30, 20) });
        Select({ 1, 2, 3 });
        drawing.SetMoveUndoPending(true);
        drawing.AlignSelection(static_cast<TAlignment>(c.mode));
        SCOPED_TRACE(c.mode);
        ExpectBox(Box(1), 10, 10, 30, 20);
        ExpectBox(Box(2), c.p.Left, c.p.Top, c.p.Right, c.p.Bottom);
        ExpectBox(Box(3), c.q.Left, c.q.Top, c.q.Right, c.q.Bottom);
        drawing.MoveSelection(0, 0);
        EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo alignment")) << "alignment ends a pending drag";
    }
}

TEST_F(DrawingArrange, GroupingPutsTheGroupInFrontWithChildrenInSelectionOrder)
{
    Load({ BoxShape(1, 10, 10, 20, 20), PairGroup(10), PathShape(4, skLine, { { 50, 50 }, { 70, 50 } }),
        BoxShape(5, 5, 40, 15, 45) });
    drawing.SetSelectedNode(IndexOf(1), 2);
    Select({ 5, 1 });
    drawing.GroupSelection();
    ASSERT_EQ(drawing.ShapeCount(), 3);
    const TPolygon& group = *drawing.Shapes().back();
    EXPECT_TRUE(group.IsGroup());
    EXPECT_EQ(drawing.Selection(), std::vector<TPolygon*> { drawing.Shapes().back().get() });
    ASSERT_EQ(group.ChildCount(), 2);
    EXPECT_EQ(Id(&group.FChildren[0]), 5u);
    EXPECT_EQ(Id(&group.FChildren[1]), 1u);
    EXPECT_EQ(group.FChildren[1].FSelNode, -1) << "grouping ends node editing of its shapes";
    EXPECT_EQ(group.FDevRect, (TRect { 20, 40, 80, 180 }));
    ExpectBox(group.FBounds, 5, 10, 20, 45);

    // A group joins with its children, never nested; a flat line widens the box by one pixel.
    drawing.ToggleSelected(IndexOf(10));
    drawing.ToggleSelected(IndexOf(4));
    drawing.GroupSelection();
    ASSERT_EQ(drawing.ShapeCount(), 1);
    std::vector<std::uint32_t> children;
    for (const TPolygon& child : drawing.Shapes()[0]->FChildren)
        children.push_back(Id(&child));
    EXPECT_EQ(children, (TIds { 5, 1, 11, 12, 4 }));
    ExpectBox(drawing.Shapes()[0]->FBounds, 5, 10, 70, 50.25f);

    drawing.Deselect();
    drawing.ToggleSelected(0);
    drawing.GroupSelection();
    EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo group selection")) << "one shape is not grouped";
    drawing.Undo();
    EXPECT_EQ(Ids(), (TIds { 10, 4, 0 }));
    drawing.Undo();
    EXPECT_EQ(Ids(), (TIds { 1, 10, 4, 5 }));
    EXPECT_EQ(SelectedIds(), (TIds { 1, 5 })) << "the selection comes back in depth order";
}

TEST_F(DrawingArrange, UngroupingBringsTheSelectionToTheFrontInSelectionOrder)
{
    Load({ PairGroup(10), BoxShape(1, 50, 50, 60, 60), BoxShape(2, 70, 50, 80, 60) });
    drawing.SetScale(8);
    Select({ 1, 10 });
    drawing.UngroupSelection();
    EXPECT_EQ(Ids(), (TIds { 2, 1, 11, 12 }));
    EXPECT_EQ(SelectedIds(), (TIds { 1, 11, 12 }));
    EXPECT_EQ(Shape(12).FDevRect, (TRect { 240, 80, 320, 160 })) << "freed children get boxes at the current zoom";
    EXPECT_EQ(Shape(12).GetGripRect(4), (TRect { 320, 160, 328, 168 }));
    ExpectSoundSelection();
}

TEST_F(DrawingArrange, DepthOrderFollowsTheSelectionOrder)
{
    struct Case {
        std::function<void(TDrawing&)> arrange;
        TIds selected, expected;
    };
    const auto front = [](TDrawing& d) { d.BringToFront(); };
    const auto back = [](TDrawing& d) { d.SendToBack(); };
    const auto forward = [](TDrawing& d) { d.BringForward(); };
    const auto backward = [](TDrawing& d) { d.SendBackward(); };
    const auto remove = [](TDrawing& d) { d.DeleteSelection(); };
    const Case cases[] = {
        { front, { 2, 4 }, { 1, 3, 5, 2, 4 } },
        { front, { 4, 2 }, { 1, 3, 5, 4, 2 } },
        { back, { 2, 4 }, { 4, 2, 1, 3, 5 } },
        { forward, { 2, 4 }, { 1, 3, 2, 5, 4 } },
        { forward, { 5 }, { 1, 2, 3, 4, 5 } },
        { forward, { 1, 2 }, { 1, 2, 3, 4, 5 } },
        { forward, { 2, 1 }, { 3, 1, 2, 4, 5 } },
        { backward, { 2, 4 }, { 2, 1, 4, 3, 5 } },
        { backward, { 1 }, { 1, 2, 3, 4, 5 } },
        { remove, { 2, 4 }, { 1, 3, 5 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Load({ BoxShape(1, 0, 0, 9, 9), BoxShape(2, 5, 5, 14, 14), BoxShape(3, 10, 10, 19, 19),
            BoxShape(4, 15, 15, 24, 24), BoxShape(5, 20, 20, 29, 29) });
        Select(c.selected);
        DocState = dsSaved;
        c.arrange(drawing);
        EXPECT_EQ(Ids(), c.expected);
        EXPECT_EQ(SelectedIds(), c.expected.size() < 5 ? TIds {} : c.selected);
        EXPECT_EQ(DocState, dsChanged);
        ASSERT_TRUE(drawing.CanUndo()) << "recorded even when nothing moves";
        drawing.Undo();
        EXPECT_EQ(Ids(), (TIds { 1, 2, 3, 4, 5 }));
        TIds inDepthOrder = c.selected;
        std::sort(inDepthOrder.begin(), inDepthOrder.end());
        EXPECT_EQ(SelectedIds(), inDepthOrder);
    }
}

} // namespace
