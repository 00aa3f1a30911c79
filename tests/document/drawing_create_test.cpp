#include "drawing_fixture.h"

#include <cmath>
#include <functional>
#include <string>

using namespace korvo;
using namespace korvo::test;

namespace {

const TPen BluePen { clBlue, psDot, 2 };
const TBrush RedBrush { clRed, bsSolid };

// Creation starts from a drawing with one selected rectangle, saved.
class DrawingCreate : public TDrawingTest {
protected:
    DrawingCreate()
    {
        Load({ BoxShape(1, 100, 100, 110, 110) });
        drawing.ToggleSelected(0);
        DocState = dsSaved;
    }

    const TPolygon& Newest() const { return *drawing.Shapes().back(); }
    bool NewestAlone() const { return drawing.Selection() == std::vector<TPolygon*> { drawing.Shapes().back().get() }; }
};

TEST_F(DrawingCreate, PolyShapesTakeThePlacedPointsAndAreSelectedAlone)
{
    for (const std::int32_t kind : { skPolygon, skOpenPolygon, skPolyline }) {
        drawing.SetScroll(40, 80);
        drawing.SetDrawPoint(0, 0, 0);
        drawing.SetDrawPoint(20, 0, 1);
        drawing.SetDrawPoint(20, 40, 2);
        drawing.SetDrawPoint(100, 100, 3);
        drawing.SetDrawPoint(0, 40, 3); // placed again: replaces the fourth point
        EXPECT_EQ(drawing.GetDrawPoints(), (TPointArray { { 0, 0 }, { 20, 0 }, { 20, 40 }, { 0, 40 } }));
        ASSERT_TRUE(drawing.AddPolyShape(kind, RedBrush, BluePen));
        SCOPED_TRACE(kind);
        EXPECT_EQ(Newest().FKind, kind);
        ExpectPoints(Newest().FPoints, { { 10, 20 }, { 15, 20 }, { 15, 30 }, { 10, 30 } });
        EXPECT_EQ(Newest().FBrush, RedBrush);
        EXPECT_EQ(Newest().FPen, BluePen);
        EXPECT_EQ(Newest().FDevRect, (TRect { 40, 80, 60, 120 }));
        EXPECT_TRUE(NewestAlone());
        EXPECT_EQ(DocState, dsChanged);
    }
}

TEST_F(DrawingCreate, BoxShapesAreBuiltByToolInTheDraggedRectangle)
{
    struct Case {
        TTool tool;
        TRect rect;
        std::int32_t kind;
        int count;
    };
    const TRect tall { 40, 40, 80, 120 };
    const Case cases[] = {
        { TTool::Rectangle, tall, skRectangle, 4 }, { TTool::Circle, tall, skCircle, 13 },
        { TTool::Sine, tall, skOpenCurveFilled, 10 }, { TTool::TubeBend, tall, skTubeBend, 13 },
        { TTool::GraphPaper, tall, skGraphPaper, 4 }, { TTool::Tube, tall, skTubeVertical, 4 },
        { TTool::Tube, { 40, 40, 120, 80 }, skTube, 4 }, { TTool::Tube, { 40, 40, 80, 80 }, skTube, 4 },
        { TTool::Rectangle, { 80, 120, 40, 40 }, skRectangle, 4 }, // dragged up and left
    };
    drawing.SetScroll(40, 80);
    for (const Case& c : cases) {
        drawing.AddBoxShape(c.rect, c.tool, RedBrush, BluePen);
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.tool) << " " << c.rect.Right << "," << c.rect.Bottom);
        EXPECT_EQ(Newest().FKind, c.kind);
        EXPECT_EQ(Newest().PointCount(), c.count);
        const TRect page = c.rect.Offset(40, 80);
        ExpectBox(Newest().FBounds, std::min(page.Left, page.Right) / 4.0f, std::min(page.Top, page.Bottom) / 4.0f,
            std::max(page.Left, page.Right) / 4.0f, std::max(page.Top, page.Bottom) / 4.0f);
        EXPECT_EQ(Newest().GetGripRect(0).Right, std::min(page.Left, page.Right)) << "handles are ready";
        EXPECT_EQ(Newest().FBrush, RedBrush);
        EXPECT_EQ(Newest().FPen, BluePen);
        EXPECT_EQ(SelectedIds(), std::vector<std::uint32_t> { 1 }) << "the selection stays as it was";
    }
    // Graph paper starts with 10 mm squares and no major lines.
    const TPaperSettings paper = drawing.GetPaperSettings(5);
    EXPECT_EQ(std::pair(paper.SquareSize, paper.MajorLines), std::pair(10, 0));
    EXPECT_EQ(DocState, dsChanged);
}

TEST_F(DrawingCreate, LinesAndCurvesTakeThePenOnly)
{
    drawing.AddLine(leArrowMedium, 0, 0, 40, 20, BluePen);
    EXPECT_EQ(Newest().FKind, skLine);
    EXPECT_EQ(Newest().FLineEnd, leArrowMedium);
    ExpectPoints(Newest().FPoints, { { 0, 0 }, { 10, 5 } });
    EXPECT_EQ(Newest().FPen, BluePen);
    EXPECT_EQ(Newest().FBrush.Style, bsClear);
    EXPECT_TRUE(NewestAlone());

    // The control points sit at whole-pixel thirds of the chord, rounded towards zero.
    struct Case {
        int x1, y1, x2, y2;
        TPoints controls;
    };
    const Case cases[] = {
        { 0, 0, 10, 0, { { 3, 0 }, { 7, 0 } } },
        { 10, 0, 0, 0, { { 7, 0 }, { 3, 0 } } },
        { 20, 20, 0, 10, { { 14, 17 }, { 6, 13 } } },
    };
    for (const Case& c : cases) {
        drawing.AddCurve(c.x1, c.y1, c.x2, c.y2, BluePen);
        SCOPED_TRACE(c.x1);
        EXPECT_EQ(Newest().FKind, skCurve);
        ExpectPoints(Newest().FPoints,
            { { c.x1 / 4.0f, c.y1 / 4.0f }, { c.controls[0].first / 4, c.controls[0].second / 4 },
                { c.controls[1].first / 4, c.controls[1].second / 4 }, { c.x2 / 4.0f, c.y2 / 4.0f } });
        EXPECT_EQ(Newest().FBrush.Style, bsClear);
        EXPECT_TRUE(NewestAlone());
    }
}

TEST_F(DrawingCreate, TextIsTwoPointsLargerAndJoinsTheSelection)
{
    TShapeFont font;
    font.SetSize(10);
    font.SetBold(true);
    drawing.SetScroll(40, 80);
    drawing.AddText("abc", font, 20, 40);
    const TPolygon& text = Newest();
    EXPECT_EQ(text.FKind, skText);
    EXPECT_EQ(text.FText, QByteArray("abc"));
    EXPECT_EQ(text.FFont.Size(), 12);
    EXPECT_TRUE(text.FFont.Bold());
    EXPECT_EQ(SelectedIds(), (std::vector<std::uint32_t> { 1, Id(&text) })) << "added to the selection";
    const TMMArray& f = text.FPoints;
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0], (TMMPoint { 15, 30 })) << "the frame starts at the click";
    EXPECT_EQ(f[1].X, f[0].X);
    EXPECT_EQ(f[2].Y, f[1].Y);
    EXPECT_EQ(f[3].X, f[2].X);
    EXPECT_EQ(f[3].Y, f[0].Y);
    const float width = f[3].X - f[0].X;
    const float height = f[1].Y - f[0].Y;
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);

    drawing.AddText("abc\rabc", font, 20, 40);
    EXPECT_FLOAT_EQ(Newest().FPoints[1].Y - Newest().FPoints[0].Y, 2 * height) << "two lines, twice the height";
    EXPECT_FLOAT_EQ(Newest().FPoints[3].X - Newest().FPoints[0].X, width);

    // The frame is measured with the font at the zoom's size, so it keeps its size on the page.
    drawing.SetScale(8);
    drawing.AddText("abc", font, 20, 40);
    EXPECT_NEAR(Newest().FPoints[3].X - Newest().FPoints[0].X, width, width * 0.1);
    EXPECT_NEAR(Newest().FPoints[1].Y - Newest().FPoints[0].Y, height, height * 0.1);
}

TEST_F(DrawingCreate, RegularPolygonStandsOnASideAroundTheGivenCentre)
{
    drawing.AddRegularPolygon(4, 100, 120, 50);
    EXPECT_EQ(Newest().FKind, skPolygon);
    const double r = 50 * std::sqrt(0.5);
    ExpectPoints(Newest().FPoints,
        { { 100 + r, 120 - r }, { 100 + r, 120 + r }, { 100 - r, 120 + r }, { 100 - r, 120 - r } }, 1e-3f);
    EXPECT_EQ(Newest().FDevRect.Left, static_cast<int>(std::nearbyint((100 - r) * 4)));
    EXPECT_TRUE(NewestAlone());
    EXPECT_EQ(drawing.Centre(), (TMMPoint { 100, 120 })) << "the rotation centre moves to the polygon";
}

TEST_F(DrawingCreate, LibraryShapesLandWithTheirTopLeftAtTheDropPoint)
{
    TPolygon picture;
    picture.SetKind(skGroup);
    for (const TMMRect& r : { TMMRect { 0, 0, 10, 5 }, TMMRect { 4, 1, 6, 3 } }) {
        TPolygon part;
        part.SetKind(skRectangle);
        part.SetFromRect(r, BaseScale);
        picture.AddToGroup(part, BaseScale);
    }
    const TPolygon original = picture;
    drawing.SetScroll(20, 40);
    drawing.AddLibraryShape(&picture, 40, 60);
    EXPECT_TRUE(Newest().IsGroup());
    ExpectBox(Newest().FBounds, 15, 25, 25, 30);
    ExpectPoints(Newest().FChildren[1].FPoints, { { 19, 26 }, { 19, 28 }, { 21, 28 }, { 21, 26 } });
    EXPECT_TRUE(NewestAlone());
    EXPECT_EQ(picture.FChildren[1].FPoints, original.FChildren[1].FPoints) << "the library keeps its own";

    drawing.SetScroll(0, 0);
    drawing.SetScale(8);
    drawing.AddLibraryShape(&picture, 80, 120);
    ExpectBox(Newest().FBounds, 10, 15, 20, 20);
    EXPECT_EQ(Newest().FDevRect, (TRect { 80, 120, 160, 160 })) << "same size in millimetres at any zoom";
}

// "Add to library" takes the shape under the pointer, and the whole selection when that shape is in it.
TEST_F(DrawingCreate, LibraryPictureIsTheShapeOrTheSelectionItBelongsTo)
{
    drawing.Clear();
    for (const TRect& r : { TRect { 40, 40, 80, 60 }, TRect { 100, 20, 140, 100 }, TRect { 200, 200, 240, 240 } })
        drawing.AddBoxShape(r, TTool::Rectangle, {}, {});
    drawing.ToggleSelected(0);
    drawing.ToggleSelected(1);
    const QByteArray before = Snapshot();
    struct Case {
        int hot;
        std::int32_t kind;
        float width, height;
    };
    for (const Case& c : { Case { 2, skRectangle, 10, 10 }, Case { 1, skGroup, 25, 20 } }) {
        SCOPED_TRACE(c.hot);
        const std::optional<TPolygon> picture = drawing.LibraryShapeFor(c.hot);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->FKind, c.kind);
        ExpectBox(picture->FBounds, 0, 0, c.width, c.height, 0.25f);
    }
    EXPECT_FALSE(drawing.LibraryShapeFor(3));
    EXPECT_FALSE(drawing.LibraryShapeFor(-1));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(drawing.SelCount(), 2);
}

// Degenerate input makes either nothing, with no undo step, or a shape that paints and saves.
TEST_F(DrawingCreate, DegenerateInputMakesNothingOrASoundShape)
{
    std::vector<std::pair<std::string, std::function<void(TDrawing&)>>> cases = {
        { "one point",
            [](TDrawing& d) {
                d.SetDrawPoint(10, 10, 0);
                EXPECT_FALSE(d.AddPolyShape(skPolygon, {}, {}));
            } },
        { "two equal points",
            [](TDrawing& d) {
                d.SetDrawPoint(10, 10, 0);
                d.SetDrawPoint(10, 10, 1);
                d.AddPolyShape(skPolygon, {}, {});
            } },
        { "line to itself", [](TDrawing& d) { d.AddLine(leArrow, 5, 5, 5, 5, {}); } },
        { "curve to itself", [](TDrawing& d) { d.AddCurve(5, 5, 5, 5, {}); } },
        { "empty text", [](TDrawing& d) { d.AddText({}, {}, 5, 5); } },
        { "no library shape", [](TDrawing& d) { d.AddLibraryShape(nullptr, 5, 5); } },
        { "two sides", [](TDrawing& d) { d.AddRegularPolygon(2, 50, 50, 10); } },
        { "no sides", [](TDrawing& d) { d.AddRegularPolygon(0, 50, 50, 10); } },
        { "negative sides", [](TDrawing& d) { d.AddRegularPolygon(-3, 50, 50, 10); } },
        { "box of a tool that draws no shape",
            [](TDrawing& d) {
                for (const TTool tool : { TTool::Selection, TTool::Node, TTool::Dropper })
                    d.AddBoxShape({ 40, 40, 80, 80 }, tool, {}, {});
                EXPECT_EQ(d.ShapeCount(), 0);
            } },
    };
    for (const TTool tool :
        { TTool::Rectangle, TTool::Circle, TTool::Sine, TTool::TubeBend, TTool::GraphPaper, TTool::Tube })
        for (const TRect& r : { TRect { 40, 40, 40, 40 }, TRect { 40, 40, 40, 80 }, TRect { 40, 40, 80, 40 } })
            cases.emplace_back("box of tool " + std::to_string(static_cast<int>(tool)) + " ending at "
                    + std::to_string(r.Right) + ", " + std::to_string(r.Bottom),
                [=](TDrawing& d) { d.AddBoxShape(r, tool, {}, {}); });
    for (const auto& [name, create] : cases) {
        SCOPED_TRACE(name);
        drawing.Clear();
        create(drawing);
        if (drawing.ShapeCount() == 0) {
            EXPECT_FALSE(drawing.CanUndo());
            continue;
        }
        drawing.SelectAll();
        drawing.Paint();
        EXPECT_TRUE(reporter.Messages.isEmpty()) << reporter.Messages.join(' ').toStdString();
        const QByteArray saved = Snapshot();
        drawing.SaveFile(Path(QStringLiteral("degenerate.kv")));
        drawing.LoadFile(Path(QStringLiteral("degenerate.kv")));
        EXPECT_EQ(Snapshot(), saved);
    }
}

} // namespace
