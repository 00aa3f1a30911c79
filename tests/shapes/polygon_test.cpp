#include "shapes/graph_paper_painter.h"
#include "shapes/polygon.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

using namespace korvo;

namespace {

// The builders compute in double and store singles; a straight evaluation of the formulas in the
// test may differ from them in the last bit of a float.
constexpr float Tolerance = 1e-4f;

struct TRectCase {
    const char* name;
    TMMRect r;
    float scale;
    TRect devRect; // Round(scale * r), ties to even
};

const TRectCase RectCases[] = {
    { "whole millimetres", { 10, 20, 50, 41 }, 4, { 40, 80, 200, 164 } },
    { "every edge on a tie", { 0.125f, 3.375f, 7.625f, 9.875f }, 4, { 0, 14, 30, 40 } },
    { "negative corner, fractional scale", { -30, -12.5f, 12, 40 }, 2.5f, { -75, -31, 30, 100 } },
};

void ExpectPoints(const TPolygon& shape, const std::vector<TMMPoint>& expected, const char* what)
{
    ASSERT_EQ(shape.PointCount(), static_cast<int>(expected.size())) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(shape.FPoints[i].X, expected[i].X, Tolerance) << what << ", point " << i;
        EXPECT_NEAR(shape.FPoints[i].Y, expected[i].Y, Tolerance) << what << ", point " << i;
    }
}

TPolygon ShapeOfKind(std::int32_t kind, const TMMRect& r, float scale)
{
    TPolygon s;
    s.SetKind(kind);
    s.SetFromRect(r, scale);
    return s;
}

TPolygon LineShape(TMMPoint a, TMMPoint b, float scale)
{
    TPolygon s;
    s.SetKind(skLine);
    s.FPoints = { a, b };
    s.CalcBounds(scale);
    return s;
}

TPolygon NewGroup()
{
    TPolygon g;
    g.SetKind(skGroup);
    return g;
}

TEST(Polygon, CreationDefaults)
{
    const TPolygon s;
    EXPECT_EQ(s.FKind, skPolygon);
    EXPECT_TRUE(s.FPoints.empty() && s.FText.isEmpty() && s.FChildren.empty());
    EXPECT_EQ(s.FLineEnd, leNone);
    EXPECT_EQ(s.FSelNode, -1);
    EXPECT_EQ(s.FBounds, TMMRect {});
    EXPECT_EQ(s.FDevRect, TRect {});
    EXPECT_EQ(s.FGrips, (std::array<TRect, 8> {}));
    EXPECT_EQ(s.FPen, (TPen { 0, psSolid, 1 }));
    EXPECT_EQ(s.FBrush, (TBrush { 0x00FFFFFF, bsClear }));
    EXPECT_EQ(s.FFont.Face(), "arial");
    EXPECT_EQ(s.FFont.Size(), 10);
    EXPECT_EQ(s.FFont.Colour, 0xFF000008u);
    EXPECT_EQ(s.FFont.Charset(), 1);
    EXPECT_FALSE(s.FFont.Bold() || s.FFont.Italic() || s.FFont.Underline() || s.FFont.StrikeOut());
    EXPECT_EQ(s.FFont.Orientation(), 0);
}

TEST(Polygon, DefaultGraphPaperHasTenMillimetreSquaresWithoutMajorLines)
{
    TPolygon paper;
    paper.SetKind(skGraphPaper);
    paper.MakeGraphPaper({ 0, 0, 100, 100 }, 4);
    EXPECT_EQ(paper.FFont.Size(), 10);
    EXPECT_EQ(GraphPaperMajorStep(paper), 0);
    paper.FFont.Colour = clRed;
    EXPECT_EQ(GraphPaperMajorStep(paper), 10);
    paper.FFont.Colour = clBlue;
    EXPECT_EQ(GraphPaperMajorStep(paper), 5);
}

TEST(Polygon, AssignCopiesEverythingButTheSelectedNodeAndAppendsChildren)
{
    TPolygon source;
    source.SetKind(skGroup);
    source.FLineEnd = leArrowSmall;
    source.FPen = { 0x00112233, psDot, 4 };
    source.FBrush = { 0x00445566, bsSolid };
    source.FFont.SetFace("Times");
    source.FFont.SetOrientation(450);
    source.FFont.SetBold(true);
    source.FFont.Colour = clRed;
    source.FText = "a\rb";
    source.FPoints = { { 1, 2 }, { 3, 4 } };
    source.FDevRect = { 1, 2, 3, 4 };
    source.FBounds = { 5, 6, 7, 8 };
    source.CalcGrips();
    source.FSelNode = 1;
    source.FChildren.push_back(ShapeOfKind(skRectangle, { 1, 1, 2, 2 }, 4));
    source.FChildren.push_back(ShapeOfKind(skCircle, { 3, 3, 9, 9 }, 4));

    TPolygon target;
    target.FChildren.push_back(ShapeOfKind(skText, { 0, 0, 5, 5 }, 4));
    target.FSelNode = 7;
    target.Assign(source);

    EXPECT_EQ(target.FLineEnd, leArrowSmall);
    EXPECT_EQ(target.FPen, source.FPen);
    EXPECT_EQ(target.FBrush, source.FBrush);
    EXPECT_EQ(target.FKind, skGroup);
    EXPECT_EQ(target.FFont, source.FFont);
    EXPECT_EQ(target.FText, "a\rb");
    EXPECT_EQ(target.FPoints, source.FPoints);
    EXPECT_EQ(target.FDevRect, source.FDevRect);
    EXPECT_EQ(target.FBounds, source.FBounds);
    EXPECT_EQ(target.FGrips, source.FGrips);
    EXPECT_EQ(target.FSelNode, 7);

    ASSERT_EQ(target.ChildCount(), 3);
    EXPECT_EQ(target.FChildren[0].FKind, skText);
    EXPECT_EQ(target.FChildren[1].FKind, skRectangle);
    EXPECT_EQ(target.FChildren[2].FKind, skCircle);
    EXPECT_EQ(target.FChildren[2].FPoints, source.FChildren[1].FPoints);

    // The copies must not share anything with the source's children.
    source.FChildren[1].FPoints[0] = { 99, 99 };
    source.FChildren.clear();
    EXPECT_EQ(target.FChildren[2].GetPoint(0), (TMMPoint { 3, 6 }));
}

TEST(Polygon, AssignToItselfAppendsOneCopyOfEachChild)
{
    TPolygon g = NewGroup();
    g.FChildren.push_back(ShapeOfKind(skRectangle, { 1, 1, 2, 2 }, 4));
    g.FChildren.push_back(ShapeOfKind(skCircle, { 3, 3, 9, 9 }, 4));
    g.Assign(g);
    ASSERT_EQ(g.ChildCount(), 4);
    EXPECT_EQ(g.FChildren[2].FKind, skRectangle);
    EXPECT_EQ(g.FChildren[3].FPoints, g.FChildren[1].FPoints);
}

TEST(Polygon, CalcBoundsWithoutPointsOnlyRefreshesTheDeviceRectangle)
{
    TPolygon g = NewGroup();
    g.FBounds = { 0.125f, 0.375f, 0.625f, -0.125f };
    g.CalcBounds(4);
    EXPECT_EQ(g.FBounds, (TMMRect { 0.125f, 0.375f, 0.625f, -0.125f }));
    EXPECT_EQ(g.FDevRect, (TRect { 0, 2, 2, 0 })); // 0.5, 1.5, 2.5, -0.5 to even
}

TEST(Polygon, CalcBoundsIsTheBoxOfAllPoints)
{
    TPolygon s;
    s.FPoints = { { 3, -2 }, { -1.5f, 7 }, { 10.375f, 0.5f }, { 2, 8.125f } };
    s.CalcBounds(4);
    EXPECT_EQ(s.FBounds, (TMMRect { -1.5f, -2, 10.375f, 8.125f }));
    EXPECT_EQ(s.FDevRect, (TRect { -6, -8, 42, 32 })); // 41.5 and 32.5 go to the even neighbour

    s.FPoints = { { 5, 6 } };
    s.CalcBounds(2);
    EXPECT_EQ(s.FBounds, (TMMRect { 5, 6, 5, 6 }));
    EXPECT_EQ(s.FDevRect, (TRect { 10, 12, 10, 12 }));
}

TEST(Polygon, CalcGripsLayout)
{
    struct Case {
        const char* name;
        TRect dev;
        std::array<TRect, 8> grips;
    };
    const Case cases[] = {
        { "odd sums: the middles truncate", { 10, 20, 31, 41 },
            { { { 2, 12, 10, 20 }, { 16, 12, 24, 20 }, { 31, 12, 39, 20 }, { 31, 26, 39, 34 }, { 31, 41, 39, 49 },
                { 16, 41, 24, 49 }, { 2, 41, 10, 49 }, { 2, 26, 10, 34 } } } },
        { "negative odd sums truncate towards zero", { -11, -21, 0, 0 },
            { { { -19, -29, -11, -21 }, { -9, -29, -1, -21 }, { 0, -29, 8, -21 }, { 0, -14, 8, -6 }, { 0, 0, 8, 8 },
                { -9, 0, -1, 8 }, { -19, 0, -11, 8 }, { -19, -14, -11, -6 } } } },
    };
    for (const Case& c : cases) {
        TPolygon s;
        s.FDevRect = c.dev;
        s.CalcGrips();
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(s.GetGripRect(i), c.grips[static_cast<std::size_t>(i)]) << c.name << ", handle " << i;
    }
}

TEST(Polygon, GetDevicePointsTruncatesAndSubtractsTheOffsets)
{
    TPolygon s;
    EXPECT_TRUE(s.GetDevicePoints(0, 0, 4).empty());

    s.FPoints = { { 2.75f, -2.75f }, { 0.3f, 10 }, { -0.1f, 0 } };
    EXPECT_EQ(s.GetDevicePoints(0, 0, 1), (TPointArray { { 2, -2 }, { 0, 10 }, { 0, 0 } }));
    EXPECT_EQ(s.GetDevicePoints(10, -20, 4), (TPointArray { { 1, 9 }, { -9, 60 }, { -10, 20 } }));
}

TEST(Polygon, GetDevicePointsIsEmptyWhenAPointDoesNotFit)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* name;
        TMMPoint bad;
        int offsetX;
        float scale;
    };
    const Case cases[] = {
        { "x beyond 32 bits after scaling", { 1e9f, 0 }, 0, 4 },
        { "y below 32 bits after scaling", { 0, -1e9f }, 0, 4 },
        { "not a number", { nan, 1 }, 0, 1 },
        { "infinite", { 1, inf }, 0, 1 },
        { "the offset pushes it past the range", { 0, 0 }, std::numeric_limits<int>::min(), 1 },
    };
    for (const Case& c : cases) {
        TPolygon s;
        s.FPoints = { { 1, 1 }, c.bad };
        EXPECT_TRUE(s.GetDevicePoints(c.offsetX, 0, c.scale).empty()) << c.name;
    }
}

TEST(Polygon, BuildersTakeBoundsFromTheDraggedRectangle)
{
    struct Builder {
        const char* name;
        std::int32_t kind;
        void (TPolygon::*build)(const TMMRect&, float);
    };
    const Builder builders[] = {
        { "polygon", skPolygon, &TPolygon::SetFromRect },
        { "rectangle", skRectangle, &TPolygon::SetFromRect },
        { "ellipse", skCircle, &TPolygon::SetFromRect },
        { "text", skText, &TPolygon::SetFromRect },
        { "tube", skTube, &TPolygon::SetFromRect },
        { "sine", skOpenCurveFilled, &TPolygon::MakeSine },
        { "tube bend", skTubeBend, &TPolygon::MakeTubeBend },
        { "graph paper", skGraphPaper, &TPolygon::MakeGraphPaper },
    };
    for (const Builder& b : builders) {
        for (const TRectCase& c : RectCases) {
            TPolygon s;
            s.SetKind(b.kind);
            (s.*b.build)(c.r, c.scale);
            EXPECT_EQ(s.FBounds, c.r) << b.name << ", " << c.name;
            EXPECT_EQ(s.FDevRect, c.devRect) << b.name << ", " << c.name;
            // Four-point shapes run from the top-left corner down, across and up.
            const auto [x1, y1, x2, y2] = c.r;
            if (s.PointCount() == 4) {
                EXPECT_EQ(s.FPoints, (TMMArray { { x1, y1 }, { x1, y2 }, { x2, y2 }, { x2, y1 } })) << b.name;
            }
        }
    }
}

TEST(Polygon, SetFromRectEllipseIsThirteenBezierPointsInsideTheRectangle)
{
    for (const TRectCase& c : RectCases) {
        const TPolygon s = ShapeOfKind(skCircle, c.r, c.scale);
        const double x1 = c.r.Left, y1 = c.r.Top, x2 = c.r.Right, y2 = c.r.Bottom;
        const double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
        const double k = 0.5522847498308;
        const double g = (y2 - y1) / 2 * k, o = (x2 - x1) / 2 * k;
        const auto p = [](double x, double y) { return TMMPoint { static_cast<float>(x), static_cast<float>(y) }; };
        ExpectPoints(s,
            { p(x1, cy), p(x1, cy - g), p(cx - o, y1), p(cx, y1), p(cx + o, y1), p(x2, cy - g), p(x2, cy),
                p(x2, cy + g), p(cx + o, y2), p(cx, y2), p(cx - o, y2), p(x1, cy + g), p(x1, cy) },
            c.name);
        EXPECT_EQ(s.GetPoint(12), s.GetPoint(0)) << c.name;
    }
}

TEST(Polygon, MakeSineIsOnePeriodOfThreeSegments)
{
    // w = 100, h = 40: the crest at the first quarter, the trough at the third, the falling half the
    // rising half turned about the centre (60, 40).
    TPolygon s;
    s.SetKind(skOpenCurveFilled);
    s.MakeSine({ 10, 20, 110, 60 }, 4);
    ExpectPoints(s,
        { { 10, 40 }, { 24, 23 }, { 30, 20 }, { 35, 20 }, { 52, 20 }, { 68, 60 }, { 85, 60 }, { 90, 60 }, { 96, 57 },
            { 110, 40 } },
        "sine");
}

TEST(Polygon, MakeTubeBendHasStraightEndsBetweenTwoArcs)
{
    for (const TRectCase& c : RectCases) {
        TPolygon s;
        s.SetKind(skTubeBend);
        s.MakeTubeBend(c.r, c.scale);
        const double x1 = c.r.Left, y1 = c.r.Top, x2 = c.r.Right, y2 = c.r.Bottom;
        const double k = 0.5522847498308;
        const double u = (x2 - x1) / 4;
        const auto p = [](double x, double y) { return TMMPoint { static_cast<float>(x), static_cast<float>(y) }; };
        const TMMPoint start = p(x1, y2), corner = p(x2, y1);
        ExpectPoints(s,
            { start, p(x1, y2 - (y2 - y1) * k), p(x2 - (x2 - x1) * k, y1), corner, corner, corner, p(x2, y1 + u),
                p(x2 - (x2 - x1 - u) * k, y1 + u), p(x1 + u, y2 - (y2 - y1 - u) * k), p(x1 + u, y2), start, start,
                start },
            c.name);
        // The repeated points must be exact copies, or the ends would bulge.
        EXPECT_EQ(s.GetPoint(4), s.GetPoint(3)) << c.name;
        EXPECT_EQ(s.GetPoint(5), s.GetPoint(3)) << c.name;
        for (int i = 10; i <= 12; ++i)
            EXPECT_EQ(s.GetPoint(i), s.GetPoint(0)) << c.name;
    }
}

TEST(PolygonGroup, AddToGroupUnitesDeviceBoundsAndCountsALineButNotAPoint)
{
    TPolygon g = NewGroup();
    g.AddToGroup(ShapeOfKind(skRectangle, { 10, 20, 30, 40 }, 4), 4);
    EXPECT_EQ(g.FDevRect, (TRect { 40, 80, 120, 160 }));
    EXPECT_EQ(g.FBounds, (TMMRect { 10, 20, 30, 40 }));

    // A horizontal line below the rectangle is one pixel high for the union.
    g.AddToGroup(LineShape({ 5, 50 }, { 25, 50 }, 4), 4);
    EXPECT_EQ(g.FDevRect, (TRect { 20, 80, 120, 201 }));
    EXPECT_EQ(g.FBounds, (TMMRect { 5, 20, 30, 50.25f }));
    EXPECT_EQ(g.GetGripRect(4), (TRect { 120, 201, 128, 209 }));
    EXPECT_EQ(g.GetGripRect(7), (TRect { 12, 136, 20, 144 }));

    TPolygon dot;
    dot.FPoints = { { 100, 100 } };
    dot.CalcBounds(4);
    g.AddToGroup(dot, 4);
    EXPECT_EQ(g.ChildCount(), 3);
    EXPECT_EQ(g.FDevRect, (TRect { 20, 80, 120, 201 }));
}

TEST(PolygonGroup, AddingAGroupTakesOverItsChildren)
{
    TPolygon inner = NewGroup();
    inner.AddToGroup(ShapeOfKind(skCircle, { 50, 60, 70, 80 }, 4), 4);
    inner.AddToGroup(ShapeOfKind(skText, { 0, 0, 5, 5 }, 4), 4);
    ASSERT_EQ(inner.FDevRect, (TRect { 0, 0, 280, 320 }));

    TPolygon g = NewGroup();
    g.AddToGroup(ShapeOfKind(skRectangle, { 10, 20, 30, 40 }, 4), 4);
    g.AddToGroup(std::move(inner), 4);

    ASSERT_EQ(g.ChildCount(), 3);
    EXPECT_EQ(g.FChildren[0].FKind, skRectangle);
    EXPECT_EQ(g.FChildren[1].FKind, skCircle);
    EXPECT_EQ(g.FChildren[2].FKind, skText);
    for (const TPolygon& child : g.FChildren)
        EXPECT_EQ(child.ChildCount(), 0);
    EXPECT_EQ(g.FDevRect, (TRect { 0, 0, 280, 320 }));
    EXPECT_EQ(g.FBounds, (TMMRect { 0, 0, 70, 80 }));
}

TEST(PolygonGroup, MergeGroupEmptiesTheOtherAndCoversItsChildren)
{
    TPolygon g = NewGroup();
    g.AddToGroup(ShapeOfKind(skRectangle, { 10, 10, 20, 20 }, 4), 4);

    // The other group's own rectangle is stale: its children reach further.
    TPolygon other = NewGroup();
    other.FChildren.push_back(ShapeOfKind(skCircle, { 50, 60, 70, 80 }, 4));
    other.FChildren.push_back(LineShape({ 0, 100 }, { 0, 110 }, 4));
    other.FDevRect = { 0, 0, 8, 8 };

    g.MergeGroup(other, 4);
    EXPECT_EQ(other.ChildCount(), 0);
    ASSERT_EQ(g.ChildCount(), 3);
    EXPECT_EQ(g.FChildren[1].FKind, skCircle);
    EXPECT_EQ(g.FChildren[2].FKind, skLine);
    EXPECT_EQ(g.FDevRect, (TRect { 0, 0, 280, 440 }));
    EXPECT_EQ(g.FBounds, (TMMRect { 0, 0, 70, 110 }));
    EXPECT_EQ(g.GetGripRect(2), (TRect { 280, -8, 288, 0 }));
}

TEST(PolygonGroup, SetGroupFillSetsEveryChildAndNoFillClearsIt)
{
    TPolygon g = NewGroup();
    g.FChildren.resize(2);
    g.FChildren[1].FBrush = { clBlue, bsSolid };

    g.SetGroupFill(clRed);
    for (const TPolygon& child : g.FChildren)
        EXPECT_EQ(child.FBrush, (TBrush { clRed, bsSolid }));

    g.SetGroupFill(NoFillColour);
    for (const TPolygon& child : g.FChildren)
        EXPECT_EQ(child.FBrush, (TBrush { clRed, bsClear }));
    EXPECT_EQ(g.FBrush, TBrush {});
}

TEST(PolygonGroup, RecalcChildBoundsOnlyCirclesAndTextsUnlessAll)
{
    const TRect stale { 1, 1, 1, 1 };
    const TRect fresh { 4, 8, 12, 16 };
    for (const bool all : { false, true }) {
        TPolygon g = NewGroup();
        for (const std::int32_t kind : { skPolygon, skRectangle, skCircle, skLine, skText, skTubeBend }) {
            TPolygon child;
            child.SetKind(kind);
            child.FPoints = { { 1, 2 }, { 3, 4 } };
            child.FDevRect = stale;
            g.FChildren.push_back(child);
        }
        g.RecalcChildBounds(all, 4);
        for (const TPolygon& child : g.FChildren) {
            const bool recalculated = all || child.FKind == skCircle || child.FKind == skText;
            EXPECT_EQ(child.FDevRect, recalculated ? fresh : stale) << "kind " << child.FKind << ", all " << all;
        }
    }
}

TEST(PolygonStyle, StyleOperationsReachEveryChild)
{
    struct Case {
        const char* name;
        std::function<void(TPolygon&)> apply;
        TPen expected;
    };
    // Every shape starts with a clear 2-pixel blue pen.
    const Case cases[] = {
        { "line style sets style and width", [](TPolygon& s) { s.ApplyLineStyle(psDot, 3); }, { clBlue, psDot, 3 } },
        { "pen style keeps the width", [](TPolygon& s) { s.ApplyPenStyle(psDot); }, { clBlue, psDot, 2 } },
        { "line colour makes the pen solid", [](TPolygon& s) { s.ApplyLineColour(clRed); }, { clRed, psSolid, 2 } },
    };
    for (const Case& c : cases) {
        TPolygon g = NewGroup();
        g.FChildren.resize(2);
        g.FPen = { clBlue, psClear, 2 };
        for (TPolygon& child : g.FChildren)
            child.FPen = g.FPen;
        c.apply(g);
        EXPECT_EQ(g.FPen, c.expected) << c.name;
        for (const TPolygon& child : g.FChildren)
            EXPECT_EQ(child.FPen, c.expected) << c.name;
    }
}

TEST(Brush, SetFill)
{
    constexpr std::uint8_t hatched = 2; // any other platform brush style
    struct Case {
        const char* name;
        TBrush before;
        TColour colour;
        TBrush after;
    };
    const Case cases[] = {
        { "a colour fills a clear brush", { clWhite, bsClear }, clRed, { clRed, bsSolid } },
        { "a colour replaces a solid fill", { clBlue, bsSolid }, clRed, { clRed, bsSolid } },
        { "no fill clears and keeps the colour", { clBlue, bsSolid }, NoFillColour, { clBlue, bsClear } },
        { "no fill on a clear brush", { clBlue, bsClear }, NoFillColour, { clBlue, bsClear } },
        { "a colour keeps another style", { clBlue, hatched }, clRed, { clRed, hatched } },
        { "a system colour is a colour", { clWhite, bsClear }, clWindowText, { clWindowText, bsSolid } },
    };
    for (const Case& c : cases) {
        TBrush b = c.before;
        b.SetFill(c.colour);
        EXPECT_EQ(b, c.after) << c.name;
    }
}

} // namespace
