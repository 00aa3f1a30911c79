#include "shape_edit_support.h"

#include <cmath>

using namespace korvo;
using korvo::test::ExpectPointsNear;
using korvo::test::MakeShape;

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr float Tolerance = 1e-4f;

TPolygon Ellipse(TMMRect r)
{
    TPolygon s;
    s.SetKind(skCircle);
    s.SetFromRect(r, 4);
    return s;
}

// Corner i of an n-gon on the ellipse centred at (cx, cy), starting at startDegrees and going
// clockwise on the page; odd corners at `inner` times the radii.
TMMArray Corners(int n, double startDegrees, double inner, double cx, double cy, double rx, double ry)
{
    TMMArray corners;
    for (int i = 0; i < n; ++i) {
        const double a = (startDegrees + 360.0 * i / n) * Pi / 180;
        const double f = i % 2 ? inner : 1;
        corners.push_back(
            { static_cast<float>(cx + f * rx * std::cos(a)), static_cast<float>(cy + f * ry * std::sin(a)) });
    }
    return corners;
}

TEST(Conversion, EllipseToRegularPolygonAndStar)
{
    const struct {
        const char* name;
        bool star;
        int n;
        TMMArray expected;
    } cases[] = {
        { "pentagon points right", false, 5, Corners(5, 0, 1, 10, 5, 10, 5) },
        { "hexagon stands on a vertex", false, 6, Corners(6, 30, 1, 10, 5, 10, 5) },
        { "six-pointed star", true, 12, Corners(12, 0, 0.5, 10, 5, 10, 5) },
    };
    for (const auto& c : cases) {
        TPolygon s = Ellipse({ 0, 0, 20, 10 });
        ASSERT_TRUE(c.star ? s.ToStar(c.n) : s.ToRegularPolygon(c.n)) << c.name;
        EXPECT_EQ(s.FKind, skPolygon) << c.name;
        ExpectPointsNear(s.FPoints, c.expected, Tolerance, c.name);
    }

    TPolygon hexagon = Ellipse({ 0, 0, 20, 10 });
    ASSERT_TRUE(hexagon.ToRegularPolygon(6));
    hexagon.CalcBounds(4);
    EXPECT_NEAR(hexagon.FBounds.Right - hexagon.FBounds.Left, 20 * std::cos(Pi / 6), Tolerance);
    EXPECT_NEAR(hexagon.FBounds.Bottom - hexagon.FBounds.Top, 10, Tolerance);
}

TEST(Conversion, DegenerateCornerCountsAndBoundsAreRefused)
{
    const struct {
        const char* name;
        TMMRect bounds;
        int n;
    } cases[] = {
        { "no corners", { 0, 0, 20, 10 }, 0 },
        { "negative count", { 0, 0, 20, 10 }, -4 },
        { "two corners", { 0, 0, 20, 10 }, 2 },
        { "flat ellipse", { 0, 5, 20, 5 }, 5 },
        { "ellipse of one point", { 3, 3, 3, 3 }, 6 },
        { "damaged bounds", { 0, 0, NAN, 10 }, 5 },
    };
    for (const auto& c : cases) {
        TPolygon s = Ellipse({ 0, 0, 20, 10 });
        s.FBounds = c.bounds;
        const TMMArray before = s.FPoints;
        EXPECT_FALSE(s.ToRegularPolygon(c.n)) << c.name;
        EXPECT_FALSE(s.ToStar(c.n)) << c.name;
        EXPECT_EQ(s.FKind, skCircle) << c.name;
        EXPECT_EQ(s.FPoints, before) << c.name;
    }
}

TEST(Conversion, PolygonToCurveAndBack)
{
    const TMMPoint a { 0, 0 }, b { 10, 0 }, c { 4, 6 };
    const TMMPoint ab { 5, 0 }, bc { 7, 3 }, ca { 2, 3 };

    TPolygon closed = MakeShape(skPolygon, { a, b, c });
    ASSERT_TRUE(closed.PolygonToCurve(true));
    EXPECT_EQ(closed.FKind, skClosedCurve);
    EXPECT_EQ(closed.FPoints, (TMMArray { a, ab, ab, b, bc, bc, c, ca, ca, a }));
    ASSERT_TRUE(closed.CurveToPolygon(true));
    EXPECT_EQ(closed.FKind, skPolygon);
    EXPECT_EQ(closed.FPoints, (TMMArray { a, b, c, a }));

    TPolygon open = MakeShape(skLine, { a, b });
    ASSERT_TRUE(open.PolygonToCurve(false));
    EXPECT_EQ(open.FKind, skOpenCurveFilled);
    EXPECT_EQ(open.FPoints, (TMMArray { a, ab, ab, b }));
    ASSERT_TRUE(open.CurveToPolygon(false));
    EXPECT_EQ(open.FKind, skOpenPolygon);
    EXPECT_EQ(open.FPoints, (TMMArray { a, b }));

    // A damaged curve whose length is not 3k + 1 keeps the anchors it has.
    TPolygon uneven = MakeShape(skOpenCurve, { a, ab, ab, b, bc, bc });
    ASSERT_TRUE(uneven.CurveToPolygon(false));
    EXPECT_EQ(uneven.FPoints, (TMMArray { a, b }));
}

TEST(Conversion, TooFewPointsAreRefused)
{
    TPolygon single = MakeShape(skPolygon, { { 1, 1 } });
    EXPECT_FALSE(single.PolygonToCurve(true));
    EXPECT_FALSE(single.PolygonToCurve(false));
    TPolygon shortCurve = MakeShape(skOpenCurve, { { 0, 0 }, { 1, 1 }, { 2, 2 } });
    EXPECT_FALSE(shortCurve.CurveToPolygon(true));
    EXPECT_EQ(shortCurve.FKind, skOpenCurve);
    EXPECT_EQ(shortCurve.PointCount(), 3);
    TPolygon damaged = MakeShape(skPolygon, { { 0, 0 }, { NAN, 1 }, { 2, 2 } });
    EXPECT_FALSE(damaged.PolygonToCurve(true));
    EXPECT_EQ(damaged.FKind, skPolygon);
}

} // namespace
