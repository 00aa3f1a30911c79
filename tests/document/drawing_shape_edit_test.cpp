#include "drawing_fixture.h"

#include <cmath>
#include <functional>
#include <iterator>

using namespace korvo;
using namespace korvo::test;

namespace {

constexpr TColour Green = 0x0000FF00;

class DrawingShapeEdit : public TDrawingTest {
protected:
    const TPolygon& At(int index) const { return *drawing.Shapes().at(static_cast<std::size_t>(index)); }
};

TRecordFixture Filled(std::uint32_t id, TColour brush)
{
    TRecordFixture shape = BoxShape(id, 10, 10, 20, 20);
    shape.BrushColour = brush;
    shape.BrushStyle = bsSolid;
    return shape;
}

TRecordFixture TextShape(std::uint32_t id)
{
    TRecordFixture text = BoxShape(id, 20, 30, 40, 40, skText);
    text.Text = "ab";
    return text;
}

TEST_F(DrawingShapeEdit, FillColourGoesToBrushesFontsAndGroupChildren)
{
    struct Case {
        TColour colour;
        TBrush clearBefore, solidBefore;
    };
    const Case cases[] = {
        { Green, { Green, bsSolid }, { Green, bsSolid } },
        { NoFillColour, { clWhite, bsClear }, { clRed, bsClear } },
    };
    for (const Case& c : cases) {
        Load({ BoxShape(1, 10, 10, 20, 20), Filled(2, clRed), TextShape(3),
            GroupShape(10, { BoxShape(11, 0, 0, 5, 5), Filled(12, clRed) }), Filled(4, clRed) });
        Select({ 1, 2, 3, 10 });
        drawing.SetFillColour(c.colour);
        SCOPED_TRACE(c.colour);
        EXPECT_EQ(At(0).FBrush, c.clearBefore);
        EXPECT_EQ(At(1).FBrush, c.solidBefore);
        EXPECT_EQ(At(2).FFont.Colour, c.colour) << "a text takes the value as its colour, whatever it is";
        EXPECT_EQ(At(3).FChildren[0].FBrush, c.clearBefore);
        EXPECT_EQ(At(3).FChildren[1].FBrush, c.solidBefore);
        EXPECT_EQ(At(4).FBrush, (TBrush { clRed, bsSolid })) << "not selected";
        EXPECT_EQ(DocState, dsChanged);
    }
}

TEST_F(DrawingShapeEdit, PenSettersReachGroupChildrenButEndingsDoNot)
{
    TRecordFixture clear = PathShape(1, skLine, { { 0, 0 }, { 10, 0 } });
    clear.PenStyle = psClear;
    clear.PenWidth = 4;
    const TRecordFixture group = GroupShape(10, { PathShape(11, skLine, { { 0, 5 }, { 9, 5 } }) });
    Load({ clear, group, BoxShape(2, 10, 10, 20, 20) });
    Select({ 1, 10 });

    drawing.SetLineColour(clRed);
    EXPECT_EQ(At(0).FPen, (TPen { clRed, psSolid, 4 })) << "a clear pen becomes solid";
    EXPECT_EQ(At(1).FChildren[0].FPen, (TPen { clRed, psSolid, 1 }));
    drawing.SetLineStyle(psDot, 3);
    EXPECT_EQ(At(0).FPen, (TPen { clRed, psDot, 3 }));
    EXPECT_EQ(At(1).FChildren[0].FPen, (TPen { clRed, psDot, 3 }));
    drawing.SetPenStyle(psClear);
    EXPECT_EQ(At(0).FPen, (TPen { clRed, psClear, 3 }));
    EXPECT_EQ(At(1).FChildren[0].FPen, (TPen { clRed, psClear, 3 }));
    drawing.SetLineEnding(leArrowSmall);
    EXPECT_EQ(At(0).FLineEnd, leArrowSmall);
    EXPECT_EQ(At(1).FLineEnd, leArrowSmall);
    EXPECT_EQ(At(1).FChildren[0].FLineEnd, leNone);
    EXPECT_EQ(At(2).FPen, (TPen { 2, psSolid, 1 })) << "not selected";
}

TEST_F(DrawingShapeEdit, TextAndGraphPaperSettings)
{
    Load({ TextShape(1), BoxShape(2, 50, 50, 90, 90, skGraphPaper) });
    drawing.SetScroll(40, 80);
    TShapeFont font;
    font.SetSize(14);
    font.SetItalic(true);
    drawing.SetText("a longer text", font, 0);
    EXPECT_EQ(At(0).FPoints[0], (TMMPoint { 20, 30 })) << "the frame keeps its top-left corner";
    EXPECT_GT(At(0).FPoints[3].X, 40.0f);
    EXPECT_EQ(At(0).FBounds.Right, At(0).FPoints[3].X);
    const std::optional<TShapeText> text = drawing.GetText(0);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->Text, QByteArray("a longer text"));
    EXPECT_EQ(text->Font.Size(), 16);
    EXPECT_TRUE(text->Font.Italic());
    EXPECT_FALSE(drawing.CanUndo());
    EXPECT_EQ(DocState, dsChanged);

    struct Case {
        int size, choice;
        TColour colour;
        int readBack;
    };
    const Case cases[] = { { 1, 0, clBlack, 0 }, { 2, 1, 0xFF0000, 1 }, { 5, 2, 255, 2 }, { 10, 3, clBlack, 0 } };
    for (const Case& c : cases) {
        drawing.SetPaperSettings(1, { c.size, c.choice });
        EXPECT_EQ(At(1).FFont.Size(), c.size);
        EXPECT_EQ(At(1).FFont.Colour, c.colour);
        const TPaperSettings back = drawing.GetPaperSettings(1);
        EXPECT_EQ(back.SquareSize, c.size);
        EXPECT_EQ(back.MajorLines, c.readBack);
    }
}

TEST_F(DrawingShapeEdit, NodePointsTravelThroughScrolledDevicePixels)
{
    Load({ PathShape(1, skPolygon, { { 10.4f, 20.9f }, { 30, 20.9f }, { 30, 40 } }) });
    drawing.SetScroll(40, 80);
    EXPECT_EQ(drawing.GetShapePoints(0), (TPointArray { { 1, 3 }, { 80, 3 }, { 80, 80 } })) << "truncated, not rounded";
    drawing.SetShapePoints(0, {});
    EXPECT_FALSE(drawing.CanUndo());
    drawing.SetShapePoints(0, { { 0, 0 }, { 80, 0 }, { 80, 40 }, { 0, 40 } });
    ExpectPoints(At(0).FPoints, { { 10, 20 }, { 30, 20 }, { 30, 30 }, { 10, 30 } });
    EXPECT_EQ(At(0).FDevRect, (TRect { 40, 80, 120, 120 }));
}

TEST_F(DrawingShapeEdit, DeletingTheLastSegmentDeletesTheShape)
{
    struct Case {
        TRecordFixture shape;
        int node;
        bool curve;
        TMMRect box; // empty when the shape goes
    };
    const TPoints wave { { 0, 0 }, { 1, 2 }, { 2, 2 }, { 3, 0 }, { 4, 4 }, { 5, 4 }, { 6, 0 } };
    const Case cases[] = {
        { PathShape(1, skPolygon, { { 0, 0 }, { 4, 0 }, { 0, 4 } }), 1, false, { 0, 0, 0, 4 } },
        { PathShape(1, skLine, { { 0, 0 }, { 4, 0 } }), 0, false, {} },
        { PathShape(1, skOpenCurveFilled, wave), 3, true, { 0, 0, 6, 4 } },
        { PathShape(1, skOpenCurveFilled, { { 0, 0 }, { 1, 2 }, { 2, 2 }, { 3, 0 } }), 0, true, {} },
    };
    for (const Case& c : cases) {
        Load({ c.shape, BoxShape(2, 50, 50, 60, 60) });
        Select({ 1, 2 });
        drawing.SetSelectedNode(0, c.node);
        c.curve ? drawing.DeleteCurveNode(0) : drawing.DeleteNode(0);
        SCOPED_TRACE(c.shape.Points.size());
        EXPECT_EQ(DocState, dsChanged);
        if (c.box == TMMRect {}) {
            EXPECT_EQ(Ids(), std::vector<std::uint32_t> { 2 });
            EXPECT_EQ(SelectedIds(), std::vector<std::uint32_t> { 2 });
            continue;
        }
        EXPECT_EQ(At(0).FBounds, c.box) << "the box follows the points left";
        EXPECT_EQ(drawing.GetSelectedNode(0), -1);
    }
}

TEST_F(DrawingShapeEdit, AddsNodesClosesCurvesAndConvertsKinds)
{
    const TPoints arch { { 0, 0 }, { 0, 10 }, { 10, 10 }, { 10, 0 } };
    Load({ PathShape(1, skPolygon, { { 0, 0 }, { 4, 0 }, { 0, 4 } }), PathShape(2, skLine, { { 0, 0 }, { 4, 0 } }),
        PathShape(3, skOpenCurveFilled, arch), PathShape(4, skOpenCurveFilled, arch) });
    drawing.AddNode(0, 2);
    EXPECT_EQ(At(0).PointCount(), 4);
    EXPECT_EQ(drawing.GetSelectedNode(0), 3);
    drawing.AddNode(1, 0);
    EXPECT_EQ(At(1).FKind, skPolyline);
    drawing.AddCurveNode(2, 0);
    EXPECT_EQ(At(2).PointCount(), 7);
    EXPECT_EQ(drawing.GetSelectedNode(2), 3);
    // Closing splits after the last anchor and brings the new end back to the start.
    drawing.CloseCurve(3);
    ExpectPoints(At(3).FPoints, { { 0, 0 }, { 0, 10 }, { 10, 10 }, { 10, 0 }, { 7.5f, 0 }, { 7.5f, 0 }, { 0, 0 } });
    EXPECT_EQ(At(3).FKind, skClosedCurve);
    EXPECT_EQ(drawing.GetSelectedNode(3), -1);
    EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo convert to curve"));
}

TEST_F(DrawingShapeEdit, ConversionsRefreshTheBox)
{
    struct Case {
        std::function<bool(TDrawing&)> convert;
        int index;
        std::int32_t kind;
        int count;
        TMMRect box;
    };
    // The hexagon stands on vertices at the top and bottom, so it is narrower than its ellipse; the
    // star's outer corners at 60 degrees set its height.
    const float hexagon = 10 * std::cos(static_cast<float>(Pi) / 6);
    const float star = 5 * std::sin(static_cast<float>(Pi) / 3);
    const Case cases[] = {
        { [](TDrawing& d) { return d.ConvertToRegularPolygon(2, 6); }, 2, skPolygon, 6,
            { 20 - hexagon, 10, 20 + hexagon, 20 } },
        { [](TDrawing& d) { return d.ConvertToStar(2, 12); }, 2, skPolygon, 12, { 10, 15 - star, 30, 15 + star } },
        { [](TDrawing& d) { return d.ConvertToCurve(0, true); }, 0, skClosedCurve, 10, { 0, 0, 6, 6 } },
        { [](TDrawing& d) { return d.ConvertToCurve(0, false); }, 0, skOpenCurveFilled, 7, { 0, 0, 6, 6 } },
        { [](TDrawing& d) { return d.ConvertCurveToPolygon(1, true); }, 1, skPolygon, 3, { 0, 10, 12, 10 } },
        { [](TDrawing& d) { return d.ConvertCurveToPolygon(1, false); }, 1, skOpenPolygon, 3, { 0, 10, 12, 10 } },
    };
    for (const Case& c : cases) {
        Load({ PathShape(1, skPolygon, { { 0, 0 }, { 6, 0 }, { 0, 6 } }),
            PathShape(2, skOpenCurveFilled,
                { { 0, 10 }, { 2, 5 }, { 4, 5 }, { 6, 10 }, { 8, 15 }, { 10, 15 }, { 12, 10 } }) });
        drawing.AddBoxShape({ 40, 40, 120, 80 }, TTool::Circle, {}, {}); // (10, 10)-(30, 20) mm
        ASSERT_TRUE(c.convert(drawing));
        const TPolygon& shape = At(c.index);
        SCOPED_TRACE(c.count);
        EXPECT_EQ(shape.FKind, c.kind);
        EXPECT_EQ(shape.PointCount(), c.count);
        ExpectBox(shape.FBounds, c.box.Left, c.box.Top, c.box.Right, c.box.Bottom);
        EXPECT_EQ(shape.FDevRect.Right, static_cast<int>(std::nearbyint(c.box.Right * 4)));
        EXPECT_EQ(shape.FDevRect.Bottom, static_cast<int>(std::nearbyint(c.box.Bottom * 4)));
    }

    Load({ BoxShape(1, 0, 0, 10, 10) });
    EXPECT_FALSE(drawing.ConvertToRegularPolygon(0, 5));
    EXPECT_FALSE(drawing.ConvertToStar(0, 12));
    EXPECT_EQ(At(0).FKind, skRectangle) << "only ellipses become regular polygons and stars";
    EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo convert to polygon")) << "recorded all the same";
    drawing.ConvertToOpenPolygon(0);
    EXPECT_EQ(At(0).FKind, skOpenPolygon);
    drawing.ConvertToPolygon(0);
    EXPECT_EQ(At(0).FKind, skPolygon);
    EXPECT_EQ(At(0).PointCount(), 4);
}

// A group has no nodes or outline of its own: node and kind edits leave it as it is.
TEST_F(DrawingShapeEdit, NodeAndKindEditsLeaveAGroupAlone)
{
    const std::function<void(TDrawing&)> edits[] = {
        [](TDrawing& d) { d.DeleteNode(0); },
        [](TDrawing& d) { d.DeleteCurveNode(0); },
        [](TDrawing& d) { d.AddNode(0, 0); },
        [](TDrawing& d) { d.AddCurveNode(0, 0); },
        [](TDrawing& d) {
            d.SetShapePoints(0, { { 0, 0 }, { 40, 40 } });
        },
        [](TDrawing& d) { d.ConvertToPolygon(0); },
        [](TDrawing& d) { d.ConvertToOpenPolygon(0); },
        [](TDrawing& d) { d.ConvertToCurve(0, true); },
        [](TDrawing& d) { d.ConvertCurveToPolygon(0, false); },
        [](TDrawing& d) { d.ConvertToRegularPolygon(0, 5); },
        [](TDrawing& d) { d.CloseCurve(0); },
        [](TDrawing& d) { d.OpenCurve(0); },
    };
    Load({ GroupShape(10, { BoxShape(11, 0, 0, 5, 5), PathShape(12, skLine, { { 0, 8 }, { 5, 8 } }) }) });
    Select({ 10 });
    const QByteArray before = Snapshot();
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        edits[i](drawing);
        ASSERT_EQ(drawing.ShapeCount(), 1) << "edit " << i;
        EXPECT_EQ(Snapshot(), before) << "edit " << i;
        EXPECT_EQ(drawing.SelCount(), 1) << "edit " << i;
    }
}

} // namespace
