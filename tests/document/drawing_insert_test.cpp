#include "drawing_fixture.h"

#include "shapes/file_io.h"

using namespace korvo;
using namespace korvo::test;

namespace {

TPolygon MadeShape(std::int32_t kind, TMMArray points, std::int32_t penWidth = 4)
{
    TPolygon shape;
    shape.SetKind(kind);
    shape.FPoints = std::move(points);
    shape.FPen.Width = penWidth;
    return shape;
}

TPolygon MadeGroup(std::vector<TPolygon> children)
{
    TPolygon group;
    group.SetKind(skGroup);
    group.FChildren = std::move(children);
    return group;
}

class InsertPicture : public TDrawingTest {
protected:
    void SetUp() override
    {
        TDrawingTest::SetUp();
        Load({ BoxShape(1, 10, 10, 20, 20) });
    }
};

// A picture comes in whole at the point: its shapes keep their places to each other, a nested group
// gives its shapes up to the one group, and a picture larger than the page shrinks to fit.
TEST_F(InsertPicture, LandsAsOneSelectedShapeAtThePointAndFitsThePage)
{
    TPolygon text = MadeShape(skText, { { 0, 100 }, { 0, 110 }, { 40, 110 }, { 40, 100 } });
    text.FFont.SetSize(20);
    struct Case {
        const char* name;
        std::vector<TPolygon> shapes;
        TMMPoint at;
        TMMRect box;
        std::size_t children;
        std::int32_t penWidth;
        // Of the last child; 0 when it is no text.
        std::int32_t textSize = 0;
        TColour penColour = clBlack;
    };
    // At 100 % a pen of 4 pixels paints 0.375 mm beyond its outline, one of 41 pixels 5 mm, a hairline
    // nothing: the ink lands at the point.
    const std::vector<Case> cases = {
        { "one shape stays itself", { MadeShape(skRectangle, { { 5, 5 }, { 5, 15 }, { 55, 15 }, { 55, 5 } }) },
            { 30, 40 }, { 30.375f, 40.375f, 80.375f, 50.375f }, 0, 4 },
        { "a thick outline lands whole at the point",
            { MadeShape(skRectangle, { { 5, 5 }, { 5, 15 }, { 55, 15 }, { 55, 5 } }, 41) }, { 30, 40 },
            { 35, 45, 85, 55 }, 0, 41 },
        { "shapes and a nested group become one group",
            { MadeShape(skPolyline, { { 0, 0 }, { 20, 10 } }),
                MadeGroup({ MadeShape(skPolygon, { { 10, 10 }, { 30, 10 }, { 30, 30 } }),
                    MadeGroup({ MadeShape(skPolyline, { { 0, 30 }, { 5, 30 } }) }) }) },
            { 12.5f, 7.5f }, { 12.875f, 7.875f, 42.875f, 37.875f }, 3, 4 },
        { "twice the page's width shrinks to half",
            { MadeShape(skRectangle,
                  { { 0.375f, 0.375f }, { 0.375f, 99.625f }, { 419.625f, 99.625f }, { 419.625f, 0.375f } }),
                text },
            { 0, 0 }, { 0, 0.1875f, 209.8125f, 55 }, 2, 2, 10 },
        { "a line shrunk below the thinnest pen fades",
            { MadeShape(skPolyline, { { 0, 0 }, { 420, 0 } }, 1),
                MadeShape(skPolyline, { { 0, 10 }, { 420, 10 } }, 1) },
            { 0, 0 }, { 0, 0, 210, 5 }, 2, 1, 0, 0x808080 },
    };
    int notices = 0;
    QObject::connect(&drawing, &TDrawing::Changed, [&notices] { ++notices; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load({ BoxShape(1, 10, 10, 20, 20) });
        const QByteArray before = Snapshot();
        notices = 0;
        drawing.InsertPicture(c.shapes, c.at);
        EXPECT_EQ(notices, 1);
        ASSERT_EQ(drawing.ShapeCount(), 2);
        const TPolygon& picture = *drawing.Shapes().back();
        ASSERT_EQ(drawing.Selection(), std::vector<TPolygon*> { drawing.Shapes().back().get() });
        EXPECT_EQ(picture.FChildren.size(), c.children);
        const TPolygon& first = c.children ? picture.FChildren.front() : picture;
        EXPECT_EQ(first.FPen.Width, c.penWidth);
        EXPECT_EQ(first.FPen.Colour, c.penColour);
        for (const TPolygon& child : picture.FChildren)
            EXPECT_FALSE(child.IsGroup());
        if (c.textSize) {
            EXPECT_EQ(picture.FChildren.back().FFont.Size(), c.textSize);
        }
        TMMRect box = picture.FBounds;
        if (picture.IsGroup())
            box = { 1e9f, 1e9f, -1e9f, -1e9f };
        for (const TPolygon& child : picture.FChildren) {
            box = { std::min(box.Left, child.FBounds.Left), std::min(box.Top, child.FBounds.Top),
                std::max(box.Right, child.FBounds.Right), std::max(box.Bottom, child.FBounds.Bottom) };
        }
        ExpectBox(box, c.box.Left, c.box.Top, c.box.Right, c.box.Bottom);
        EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo import picture"));
        EXPECT_EQ(DocState, dsChanged);
        drawing.Undo();
        EXPECT_EQ(Snapshot(), before) << "one step takes the whole picture away";
    }
}

TEST_F(InsertPicture, NothingToDrawChangesNothing)
{
    const QByteArray before = Snapshot();
    EXPECT_FALSE(drawing.InsertPicture({ MadeGroup({}) }, { 0, 0 }));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(drawing.CanUndo());
    EXPECT_EQ(DocState, dsSaved);
}

// A picture that cannot be read, or that holds nothing to draw, is refused with its name and the
// reason, and the drawing stays as it was.
TEST_F(InsertPicture, RefusedPictureLeavesTheDrawingAsItWas)
{
    const QByteArray before = Snapshot();
    const QByteArray refused[] = {
        "<html><body>no picture</body></html>",
        QByteArray("\x1f\x8b\x08\x00broken", 9),
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><image href="a.png"/></svg>)",
    };
    for (const QByteArray& bytes : refused) {
        SCOPED_TRACE(bytes.constData());
        try {
            drawing.ImportPicture(bytes, QStringLiteral("\"a.svg\""), { 0, 0 });
            ADD_FAILURE() << "taken in";
        } catch (const EFileError& e) {
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("\"a.svg\" cannot be imported. ")))
                << qPrintable(e.Message());
        }
        EXPECT_EQ(Snapshot(), before);
        EXPECT_FALSE(drawing.CanUndo());
        EXPECT_EQ(DocState, dsSaved);
    }
}

} // namespace
