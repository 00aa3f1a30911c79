#include "shape_edit_support.h"

#include <cmath>
#include <functional>
#include <iterator>

using namespace korvo;
using korvo::test::ExpectPointsNear;
using korvo::test::MakeGroup;
using korvo::test::MakeShape;

namespace {

constexpr float Tolerance = 1e-4f;

TPolygon Box(float l, float t, float r, float b, std::int32_t kind = skRectangle)
{
    return MakeShape(kind, { { l, t }, { l, b }, { r, b }, { r, t } });
}

// Text frames and their bounds are built like rectangles.
TPolygon TextFrame(float l, float t, float r, float b) { return Box(l, t, r, b, skText); }

// A quarter turn clockwise on the page (y downwards) about (cx, cy).
TMMArray QuarterTurn(const TMMArray& points, float cx, float cy)
{
    TMMArray turned;
    for (const TMMPoint& p : points)
        turned.push_back({ cx - (p.Y - cy), cy + (p.X - cx) });
    return turned;
}

TEST(Transform, MoveByRefreshesBoundsAndHandles)
{
    TPolygon s = Box(10, 10, 20, 20);
    ASSERT_TRUE(s.MoveBy(2.5f, -1, 4));
    EXPECT_EQ(s.FPoints, (TMMArray { { 12.5f, 9 }, { 12.5f, 19 }, { 22.5f, 19 }, { 22.5f, 9 } }));
    EXPECT_EQ(s.FBounds, (TMMRect { 12.5f, 9, 22.5f, 19 }));
    EXPECT_EQ(s.FDevRect, (TRect { 50, 36, 90, 76 }));
    EXPECT_EQ(s.GetGripRect(0), (TRect { 42, 28, 50, 36 }));
}

TEST(Transform, MoveGroupByMovesChildrenAndTheGroupBox)
{
    TPolygon circle;
    circle.SetKind(skCircle);
    circle.SetFromRect({ 30, 10, 40, 20 }, 4);
    TPolygon g = MakeGroup({ Box(10, 10, 20, 20), circle, TextFrame(50, 10, 60, 14) });
    ASSERT_EQ(g.FBounds, (TMMRect { 10, 10, 60, 20 }));
    ASSERT_TRUE(g.MoveGroupBy(1, 2, 4));
    EXPECT_EQ(g.FBounds, (TMMRect { 11, 12, 61, 22 }));
    EXPECT_EQ(g.FDevRect, (TRect { 44, 48, 244, 88 }));
    EXPECT_EQ(g.GetGripRect(4), (TRect { 244, 88, 252, 96 }));
    EXPECT_EQ(g.FChildren[0].GetPoint(0), (TMMPoint { 11, 12 }));
    // Only circles and texts get fresh bounds; the others are refreshed on ungrouping.
    EXPECT_EQ(g.FChildren[0].FBounds, (TMMRect { 10, 10, 20, 20 }));
    EXPECT_EQ(g.FChildren[1].FBounds, (TMMRect { 31, 12, 41, 22 }));
    EXPECT_EQ(g.FChildren[2].FBounds, (TMMRect { 51, 12, 61, 16 }));
}

TEST(Transform, ResizeToFollowsTheDraggedHandle)
{
    const struct {
        const char* name;
        TPolygon shape;
        TRect dragged;
        int offsetX, offsetY;
        bool done;
        TMMArray points;
        TMMRect bounds;
    } cases[] = {
        { "right handle 40 px at scale 4 keeps the left edge", Box(10, 10, 20, 20), { 40, 40, 120, 80 }, 0, 0, true,
            { { 10, 10 }, { 10, 20 }, { 30, 20 }, { 30, 10 } }, { 10, 10, 30, 20 } },
        { "left handle across the right edge mirrors", Box(10, 10, 20, 20), { 120, 40, 80, 80 }, 0, 0, true,
            { { 30, 10 }, { 30, 20 }, { 20, 20 }, { 20, 10 } }, { 20, 10, 30, 20 } },
        { "bottom handle in a scrolled view", Box(10, 10, 20, 20), { 32, 20, 72, 80 }, 8, 20, true,
            { { 10, 10 }, { 10, 25 }, { 20, 25 }, { 20, 10 } }, { 10, 10, 20, 25 } },
        { "a horizontal line stretches along its length", MakeShape(skLine, { { 10, 10 }, { 20, 10 } }),
            { 40, 40, 100, 40 }, 0, 0, true, { { 10, 10 }, { 25, 10 } }, { 10, 10, 25, 10 } },
        { "dragging the top onto the bottom would flatten it", Box(10, 10, 20, 20), { 40, 80, 80, 80 }, 0, 0, false,
            { { 10, 10 }, { 10, 20 }, { 20, 20 }, { 20, 10 } }, { 10, 10, 20, 20 } },
    };
    for (const auto& c : cases) {
        TPolygon s = c.shape;
        EXPECT_EQ(s.ResizeTo(c.dragged, c.offsetX, c.offsetY, 4), c.done) << c.name;
        ExpectPointsNear(s.FPoints, c.points, Tolerance, c.name);
        EXPECT_EQ(s.FBounds, c.bounds) << c.name;
        EXPECT_EQ(s.FDevRect.Right, std::lround(c.bounds.Right * 4)) << c.name;
    }
    TPolygon s = Box(10, 10, 20, 20);
    EXPECT_FALSE(s.ResizeTo({ 40, 40, 120, 80 }, 0, 0, 0));
    EXPECT_EQ(s.FBounds, (TMMRect { 10, 10, 20, 20 }));
}

TEST(Transform, ResizeGroupToKeepsTextFramesAtTheirSize)
{
    TPolygon g = MakeGroup({ Box(10, 10, 20, 20), TextFrame(15, 30, 19, 32) });
    ASSERT_EQ(g.FBounds, (TMMRect { 10, 10, 20, 32 }));
    ASSERT_TRUE(g.ResizeGroupTo({ 40, 40, 120, 128 }, 0, 0, 4));
    EXPECT_EQ(g.FBounds, (TMMRect { 10, 10, 30, 32 }));
    EXPECT_EQ(g.FDevRect, (TRect { 40, 40, 120, 128 }));
    EXPECT_EQ(g.FChildren[0].FPoints, (TMMArray { { 10, 10 }, { 10, 20 }, { 30, 20 }, { 30, 10 } }));
    EXPECT_EQ(g.FChildren[0].FBounds, (TMMRect { 10, 10, 20, 20 }));
    EXPECT_EQ(g.FChildren[1].FPoints, (TMMArray { { 20, 30 }, { 20, 32 }, { 24, 32 }, { 24, 30 } }));
    EXPECT_EQ(g.FChildren[1].FBounds, (TMMRect { 20, 30, 24, 32 }));
}

TEST(Transform, ApplyScaleScalesShapesButNotText)
{
    const TMatrix doubleAboutCentre = ScaleMatrix(2, 2, 15, 15);
    TPolygon box = Box(10, 10, 20, 20);
    TPolygon text = TextFrame(16, 16, 20, 18);
    text.FFont.SetSize(14);
    ASSERT_TRUE(box.ApplyScale(doubleAboutCentre, 4));
    ASSERT_TRUE(text.ApplyScale(doubleAboutCentre, 4));
    EXPECT_EQ(box.FPoints, (TMMArray { { 5, 5 }, { 5, 25 }, { 25, 25 }, { 25, 5 } }));
    EXPECT_EQ(box.FDevRect, (TRect { 20, 20, 100, 100 }));
    EXPECT_EQ(text.FPoints, (TMMArray { { 17, 17 }, { 17, 19 }, { 21, 19 }, { 21, 17 } }));
    EXPECT_EQ(text.FBounds, (TMMRect { 17, 17, 21, 19 }));
    EXPECT_EQ(text.FFont.Size(), 14);

    TPolygon g = MakeGroup({ Box(10, 10, 20, 20), TextFrame(16, 16, 20, 18) });
    const TMMRect groupBounds = g.FBounds;
    ASSERT_TRUE(g.ApplyGroupScale(doubleAboutCentre, 4));
    EXPECT_EQ(g.FChildren[0].FBounds, (TMMRect { 5, 5, 25, 25 }));
    EXPECT_EQ(g.FChildren[1].FBounds, (TMMRect { 17, 17, 21, 19 }));
    EXPECT_EQ(g.FBounds, groupBounds);
}

TEST(Transform, ScalingThatCollapsesOrIsNotANumberIsRefused)
{
    TMatrix notANumber = ScaleMatrix(2, 2, 0, 0);
    notANumber.m[0][2] = NAN;
    for (const TMatrix& m : { ScaleMatrix(0, 0, 15, 15), ScaleMatrix(2, 0, 15, 15), notANumber }) {
        TPolygon box = Box(10, 10, 20, 20);
        TPolygon g = MakeGroup({ Box(10, 10, 20, 20), TextFrame(16, 16, 20, 18) });
        EXPECT_FALSE(box.ApplyScale(m, 4));
        EXPECT_FALSE(g.ApplyGroupScale(m, 4));
        EXPECT_FALSE(box.Transform(m, 0));
        EXPECT_EQ(box.FPoints, Box(10, 10, 20, 20).FPoints);
        EXPECT_EQ(g.FChildren[1].FPoints, TextFrame(16, 16, 20, 18).FPoints);
    }
}

TEST(Transform, RotationTurnsClockwiseAboutTheCentre)
{
    TPolygon s = Box(0, 0, 20, 10);
    ASSERT_TRUE(s.Rotate(90));
    ExpectPointsNear(s.FPoints, QuarterTurn(Box(0, 0, 20, 10).FPoints, 10, 5), Tolerance, "about own centre");
    s.CalcBounds(4);
    EXPECT_NEAR(s.FBounds.Left, 5, Tolerance);
    EXPECT_NEAR(s.FBounds.Top, -5, Tolerance);
    EXPECT_NEAR(s.FBounds.Right, 15, Tolerance);
    EXPECT_NEAR(s.FBounds.Bottom, 15, Tolerance);

    TPolygon line = MakeShape(skLine, { { 10, 0 }, { 20, 0 } });
    ASSERT_TRUE(line.RotateAbout(-90, 0, 0));
    ExpectPointsNear(line.FPoints, { { 0, -10 }, { 0, -20 } }, Tolerance, "about the origin");

    for (float bad : { NAN, INFINITY }) {
        TPolygon b = Box(0, 0, 20, 10);
        EXPECT_FALSE(b.Rotate(bad));
        EXPECT_FALSE(b.RotateAbout(10, bad, 0));
        EXPECT_EQ(b.FPoints, Box(0, 0, 20, 10).FPoints);
    }
}

TEST(Transform, RotatingTextTurnsItsFont)
{
    const struct {
        float angle;
        std::int32_t before, after;
    } cases[] = {
        { 10, 0, -100 },
        { -370, 0, 100 }, // the remainder keeps the dividend's sign
        { 370, 0, -100 },
        { 90, 50, -850 },
        { 720, 3590, -10 },
        { 0.25f, 0, -2 }, // 2.5 tenths round to the even 2
        { -0.25f, 0, 2 },
        { 0.75f, 0, -8 },
    };
    for (const auto& c : cases) {
        TPolygon text = TextFrame(10, 10, 20, 14);
        text.FFont.SetOrientation(c.before);
        text.FFont.SetSize(12);
        text.FFont.Colour = 0x00123456;
        ASSERT_TRUE(text.RotateAbout(c.angle, 0, 0)) << c.angle;
        const TLogFont record = text.FFont.Record();
        EXPECT_EQ(record.Escapement, c.after) << c.angle;
        EXPECT_EQ(record.Orientation, c.after) << c.angle;
        EXPECT_EQ(text.FFont.Orientation(), c.after) << c.angle;
        EXPECT_EQ(text.FFont.Colour, 0x00123456u) << c.angle;
        EXPECT_EQ(text.FFont.Size(), 12) << c.angle;
    }

    // A stored font whose escapement differs from its orientation turns both.
    TPolygon text = TextFrame(10, 10, 20, 14);
    TLogFont stored = text.FFont.Record();
    stored.Escapement = 100;
    stored.Orientation = 200;
    text.FFont.SetFromRecord(stored);
    ASSERT_TRUE(text.Rotate(10));
    EXPECT_EQ(text.FFont.Record().Escapement, 0);
    EXPECT_EQ(text.FFont.Record().Orientation, 100);

    TPolygon box = Box(10, 10, 20, 14);
    ASSERT_TRUE(box.Rotate(10));
    EXPECT_EQ(box.FFont.Record().Escapement, 0);
}

TEST(Transform, RotateGroupTurnsChildrenAndCalcGroupBoundsCoversThem)
{
    TPolygon g = MakeGroup({ Box(0, 0, 10, 10), TextFrame(20, 0, 30, 4) });
    ASSERT_EQ(g.FBounds, (TMMRect { 0, 0, 30, 10 }));
    ASSERT_TRUE(g.RotateGroup(90, 4));
    ExpectPointsNear(g.FChildren[0].FPoints, QuarterTurn(Box(0, 0, 10, 10).FPoints, 15, 5), Tolerance, "box");
    ExpectPointsNear(g.FChildren[1].FPoints, QuarterTurn(TextFrame(20, 0, 30, 4).FPoints, 15, 5), Tolerance, "text");
    EXPECT_EQ(g.FChildren[1].FFont.Orientation(), -900);
    EXPECT_EQ(g.FChildren[0].FBounds, (TMMRect { 0, 0, 10, 10 }));
    EXPECT_NEAR(g.FChildren[1].FBounds.Left, 16, Tolerance);
    EXPECT_NEAR(g.FChildren[1].FBounds.Bottom, 20, Tolerance);

    g.CalcGroupBounds(4);
    EXPECT_NEAR(g.FBounds.Left, 10, Tolerance);
    EXPECT_NEAR(g.FBounds.Top, -10, Tolerance);
    EXPECT_NEAR(g.FBounds.Right, 20, Tolerance);
    EXPECT_NEAR(g.FBounds.Bottom, 20, Tolerance);
    EXPECT_EQ(g.FDevRect, (TRect { 40, -40, 80, 80 }));

    TPolygon about = MakeGroup({ Box(0, 0, 10, 10) });
    ASSERT_TRUE(about.RotateGroupAbout(90, 0, 0, 4));
    ExpectPointsNear(about.FChildren[0].FPoints, QuarterTurn(Box(0, 0, 10, 10).FPoints, 0, 0), Tolerance, "origin");

    TPolygon empty;
    empty.SetKind(skGroup);
    empty.FBounds = { 1, 2, 3, 4 };
    empty.CalcGroupBounds(2);
    EXPECT_EQ(empty.FBounds, (TMMRect { 1, 2, 3, 4 }));
    EXPECT_EQ(empty.FDevRect, (TRect { 2, 4, 6, 8 }));
}

TEST(Transform, MirrorReflectsInsideTheBoundsAndMovesTextInGroups)
{
    const TPolygon triangle = MakeShape(skPolygon, { { 0, 0 }, { 10, 2 }, { 4, 8 } });
    TPolygon h = triangle;
    TPolygon v = triangle;
    ASSERT_TRUE(h.Mirror(false, 4));
    ASSERT_TRUE(v.Mirror(true, 4));
    EXPECT_EQ(h.FPoints, (TMMArray { { 10, 0 }, { 0, 2 }, { 6, 8 } }));
    EXPECT_EQ(v.FPoints, (TMMArray { { 0, 8 }, { 10, 6 }, { 4, 0 } }));
    EXPECT_EQ(h.FBounds, triangle.FBounds);

    TPolygon lone = TextFrame(20, 0, 30, 4);
    EXPECT_FALSE(lone.Mirror(false, 4));
    EXPECT_EQ(lone.FPoints, TextFrame(20, 0, 30, 4).FPoints);

    const TPolygon group = MakeGroup({ Box(0, 0, 10, 10), TextFrame(20, 0, 30, 4) });
    TPolygon gh = group;
    TPolygon gv = group;
    ASSERT_TRUE(gh.Mirror(false, 4));
    ASSERT_TRUE(gv.Mirror(true, 4));
    EXPECT_EQ(gh.FChildren[0].FPoints, (TMMArray { { 30, 0 }, { 30, 10 }, { 20, 10 }, { 20, 0 } }));
    EXPECT_EQ(gh.FChildren[0].FBounds, (TMMRect { 0, 0, 10, 10 }));
    // The text keeps reading left to right from its top-left corner, at the mirrored place.
    EXPECT_EQ(gh.FChildren[1].FPoints, TextFrame(0, 0, 10, 4).FPoints);
    EXPECT_EQ(gv.FChildren[1].FPoints, TextFrame(20, 6, 30, 10).FPoints);
    EXPECT_EQ(gv.FChildren[1].FBounds, (TMMRect { 20, 6, 30, 10 }));
    EXPECT_EQ(gh.FBounds, group.FBounds);
}

TEST(Transform, DamagedCoordinatesLeaveShapesUnchanged)
{
    const std::function<bool(TPolygon&)> operations[] = {
        [](TPolygon& s) { return s.MoveBy(1, 1, 4); },
        [](TPolygon& s) { return s.MoveGroupBy(1, 1, 4); },
        [](TPolygon& s) {
            return s.ResizeTo({ 0, 0, 100, 100 }, 0, 0, 4);
        },
        [](TPolygon& s) {
            return s.ResizeGroupTo({ 0, 0, 100, 100 }, 0, 0, 4);
        },
        [](TPolygon& s) { return s.ApplyScale(ScaleMatrix(2, 2, 0, 0), 4); },
        [](TPolygon& s) { return s.ApplyGroupScale(ScaleMatrix(2, 2, 0, 0), 4); },
        [](TPolygon& s) { return s.RotateAbout(30, 0, 0); },
        [](TPolygon& s) { return s.RotateGroupAbout(30, 0, 0, 4); },
        [](TPolygon& s) { return s.Mirror(false, 4); },
    };
    TPolygon damaged = Box(0, 0, 10, 10);
    damaged.SetPoint(2, { INFINITY, NAN });
    const TPolygon group = MakeGroup({ Box(0, 0, 10, 10), damaged });
    for (std::size_t i = 0; i < std::size(operations); ++i) {
        TPolygon s = damaged;
        TPolygon g = group;
        EXPECT_FALSE(operations[i](s)) << "operation " << i;
        EXPECT_FALSE(operations[i](g)) << "operation " << i;
        EXPECT_EQ(s.GetPoint(0), (TMMPoint { 0, 0 })) << "operation " << i;
        EXPECT_EQ(g.FChildren[0].FPoints, Box(0, 0, 10, 10).FPoints) << "operation " << i;
        EXPECT_EQ(g.FBounds, group.FBounds) << "operation " << i;
    }
    TPolygon s = Box(0, 0, 10, 10);
    EXPECT_FALSE(s.MoveBy(NAN, 0, 4));
    EXPECT_FALSE(s.MoveBy(0, INFINITY, 4));
    EXPECT_EQ(s.FPoints, Box(0, 0, 10, 10).FPoints);
}

} // namespace
