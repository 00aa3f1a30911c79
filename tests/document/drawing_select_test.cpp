#include "drawing_fixture.h"

using namespace korvo;
using namespace korvo::test;

namespace {

// Ids of the scene's shapes; 0 stands for "no shape".
enum : std::uint32_t { None, Back, Front, Flat, Upright, Text, Triangle };

// Device boxes at 4 px/mm: Back (40,40)-(120,120), Front (80,80)-(160,160) over it, Flat a line from
// (200,40) to (280,40), Upright a line from (200,80) to (200,160), Text (240,120)-(320,160), Triangle
// inside (40,200)-(120,280) with its slanted edge from (120,200) to (40,280).
class DrawingSelect : public TDrawingTest {
protected:
    DrawingSelect()
    {
        TRecordFixture text = BoxShape(Text, 60, 30, 80, 40, skText);
        text.Text = "T";
        Load({ BoxShape(Back, 10, 10, 30, 30), BoxShape(Front, 20, 20, 40, 40),
            PathShape(Flat, skLine, { { 50, 10 }, { 70, 10 } }), PathShape(Upright, skLine, { { 50, 20 }, { 50, 40 } }),
            text, PathShape(Triangle, skPolygon, { { 10, 50 }, { 30, 50 }, { 10, 70 } }) });
    }

    std::uint32_t IdAt(int x, int y) const
    {
        const int index = drawing.ShapeAt(x, y);
        return index < 0 ? None : Id(drawing.Shapes()[static_cast<std::size_t>(index)].get());
    }
};

TEST_F(DrawingSelect, ShapeAtFindsTheFrontMostShapeUnderThePoint)
{
    struct Case {
        int x, y, scrollX, scrollY;
        std::uint32_t expected;
    };
    const Case cases[] = {
        { 100, 100, 0, 0, Front }, // the overlap
        { 50, 50, 0, 0, Back }, { 60, 20, 40, 80, Front }, // page pixel (100, 100)
        { 240, 36, 0, 0, Flat }, // 4 px above a horizontal line
        { 240, 35, 0, 0, None }, { 240, 44, 0, 0, Flat }, { 201, 40, 0, 0, Flat },
        { 200, 40, 0, 0, None }, // the ends are not part of it
        { 280, 40, 0, 0, None }, { 204, 120, 0, 0, Upright }, { 195, 120, 0, 0, None }, { 200, 80, 0, 0, None },
        { 50, 210, 0, 0, Triangle }, { 110, 270, 0, 0, None }, // inside its box, outside the outline
    };
    for (const Case& c : cases) {
        drawing.SetScroll(c.scrollX, c.scrollY);
        EXPECT_EQ(IdAt(c.x, c.y), c.expected) << c.x << ", " << c.y;
    }
}

TEST_F(DrawingSelect, HandleAtMapsLineLikeHandlesToTheirEnds)
{
    struct Case {
        std::vector<std::uint32_t> selected;
        int x, y;
        THandle handle;
        std::uint32_t owner;
    };
    using H = THandle;
    const Case cases[] = {
        { { Back }, 35, 35, H::TopLeft, Back },
        { { Back }, 124, 124, H::BottomRight, Back },
        { { Back }, 80, 80, H::None, None },
        { { Back, Upright }, 205, 75, H::Top, Upright }, // its top-right handle is its top end
        { { Upright }, 205, 165, H::Bottom, Upright },
        { { Upright }, 205, 120, H::MoveOnly, Upright },
        { { Flat }, 195, 40, H::Left, Flat },
        { { Flat }, 284, 40, H::Right, Flat },
        { { Flat }, 240, 35, H::MoveOnly, Flat },
        { { Back, Text }, 35, 35, H::None, None }, // a text selected last hides every handle
        { { Text, Back }, 35, 35, H::TopLeft, Back },
    };
    for (const Case& c : cases) {
        Select(c.selected);
        int index = 99;
        EXPECT_EQ(drawing.HandleAt(c.x, c.y, index), c.handle) << c.x << ", " << c.y;
        EXPECT_EQ(index, IndexOf(c.owner)) << c.x << ", " << c.y;
    }
    Select({ Back });
    drawing.SetScroll(20, 20);
    int index = -1;
    EXPECT_EQ(drawing.HandleAt(15, 15, index), THandle::TopLeft) << "handles are hit in scrolled pixels";
}

TEST_F(DrawingSelect, SelectedAtAndNodeAt)
{
    Select({ Back, Front, Flat });
    EXPECT_EQ(drawing.SelectedAt(100, 100), 1) << "the later of two selected shapes";
    EXPECT_EQ(drawing.SelectedAt(50, 50), 0);
    EXPECT_EQ(drawing.SelectedAt(240, 36), 2);
    EXPECT_EQ(drawing.SelectedAt(240, 35), -1);
    EXPECT_EQ(drawing.SelectedAt(50, 210), -1) << "only selected shapes count";

    int index = -1;
    EXPECT_EQ(drawing.NodeAt(43, 204, index), 0) << "within 4 px of the triangle's first node";
    EXPECT_EQ(index, IndexOf(Triangle));
    EXPECT_EQ(drawing.NodeAt(116, 203, index), 1);
    EXPECT_EQ(drawing.NodeAt(50, 50, index), -1);
    EXPECT_EQ(index, IndexOf(Back)) << "without a node, the shape under the point";
    EXPECT_EQ(drawing.NodeAt(40, 195, index), -1);
    EXPECT_EQ(index, -1);
}

TEST_F(DrawingSelect, SelectInRectTakesEveryShapeItsBoxMeets)
{
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::uint32_t> expected;
    };
    const Case cases[] = {
        { 30, 30, 50, 50, { Back } },
        { 50, 50, 30, 30, { Back } }, // corners in any order
        { 50, 30, 30, 50, { Back } },
        { 100, 100, 90, 90, { Back, Front } },
        { 120, 50, 130, 60, {} }, // touching an edge is not meeting
        { 195, 35, 205, 45, { Flat } }, // a line counts by its ends
        { 230, 35, 250, 45, {} },
        { 195, 155, 205, 165, { Upright } },
    };
    for (const Case& c : cases) {
        drawing.Deselect();
        drawing.SelectInRect(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(SelectedIds(), c.expected) << c.x1 << ", " << c.y1 << ", " << c.x2 << ", " << c.y2;
    }
    Select({ Front });
    drawing.SelectInRect(0, 0, 130, 130);
    EXPECT_EQ(SelectedIds(), (std::vector<std::uint32_t> { Front, Back })) << "a selected shape is not added twice";
    drawing.Deselect();
    drawing.SetScroll(40, 80);
    drawing.SelectInRect(-10, -50, 10, -30);
    EXPECT_EQ(SelectedIds(), std::vector<std::uint32_t> { Back }) << "page pixels (30, 30)-(50, 50)";
}

TEST_F(DrawingSelect, ToggleAndSelectAllMarkTheDrawingChanged)
{
    drawing.ToggleSelected(-1);
    drawing.ToggleSelected(drawing.ShapeCount());
    drawing.SelectInRect(0, 0, 400, 400);
    drawing.Deselect();
    EXPECT_EQ(DocState, dsSaved);
    EXPECT_EQ(drawing.SelCount(), 0);

    drawing.ToggleSelected(IndexOf(Flat));
    drawing.ToggleSelected(IndexOf(Back));
    EXPECT_EQ(SelectedIds(), (std::vector<std::uint32_t> { Flat, Back }));
    EXPECT_EQ(DocState, dsChanged);
    drawing.ToggleSelected(IndexOf(Flat));
    EXPECT_EQ(SelectedIds(), (std::vector<std::uint32_t> { Back }));

    DocState = dsUntitled;
    drawing.SelectAll();
    EXPECT_EQ(SelectedIds(), Ids());
    EXPECT_EQ(DocState, dsUntitledChanged);
    EXPECT_FALSE(drawing.CanUndo());
}

TEST_F(DrawingSelect, BoundsAndExtentOfTheSelection)
{
    Select({ Flat });
    EXPECT_EQ(drawing.GetSelectionBounds(), (TRect { 200, 40, 280, 41 })) << "a flat line counts one pixel high";
    Select({ Upright });
    EXPECT_EQ(drawing.GetSelectionBounds(), (TRect { 200, 80, 201, 160 }));
    Select({ Back, Flat });
    EXPECT_EQ(drawing.GetSelectionBounds(), (TRect { 40, 40, 280, 120 }));
    EXPECT_EQ(drawing.GetDrawingBounds(), (TRect { 40, 40, 320, 280 }));
    TMMRect extent;
    ASSERT_TRUE(drawing.GetSelectionExtent(extent));
    ExpectBox(extent, 10, 10, 70, 30);
    EXPECT_TRUE(drawing.SelectionHasLines());
    Select({ Back, Triangle });
    EXPECT_FALSE(drawing.SelectionHasLines());
    drawing.Deselect();
    EXPECT_FALSE(drawing.GetSelectionExtent(extent));
    EXPECT_EQ(drawing.GetSelectionBounds(), TRect {});

    drawing.SetScroll(40, 80);
    EXPECT_EQ(drawing.GetShapeRect(IndexOf(Back)), (TRect { 0, -40, 80, 40 }));
    EXPECT_EQ(drawing.GetShapeRect(drawing.ShapeCount()), TRect {});
}

} // namespace
