#include "geometry/matrix.h"

#include <gtest/gtest.h>

using namespace korvo;

namespace {

constexpr float Tolerance = 1e-5f;

void ExpectNear(TMMPoint actual, TMMPoint expected, const char* what)
{
    EXPECT_NEAR(actual.X, expected.X, Tolerance) << what;
    EXPECT_NEAR(actual.Y, expected.Y, Tolerance) << what;
}

TEST(Matrix, RotationTurnsClockwiseOnThePage)
{
    struct Case {
        const char* name;
        float angle, cx, cy;
        TMMPoint in, out;
    };
    const Case cases[] = {
        { "+90 about origin: right becomes down", 90, 0, 0, { 1, 0 }, { 0, 1 } },
        { "-90 about origin: right becomes up", -90, 0, 0, { 1, 0 }, { 0, -1 } },
        { "180 about (10, 10)", 180, 10, 10, { 12, 10 }, { 8, 10 } },
        { "+90 about (10, 20)", 90, 10, 20, { 15, 20 }, { 10, 25 } },
        { "centre stays", 37, 3, 4, { 3, 4 }, { 3, 4 } },
    };
    for (const Case& c : cases)
        ExpectNear(TransformPoint(c.in, RotationMatrix(c.angle, c.cx, c.cy)), c.out, c.name);
}

TEST(Matrix, RotationVariantsAgree)
{
    const TMatrix deg = RotationMatrixAt(QPoint(5, 7), 30);
    const TMatrix rad = RotationMatrixRad(QPoint(5, 7), 0.5235987755982988f);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(deg.m[r][c], rad.m[r][c], 1e-6f);
    EXPECT_EQ(deg.m[2][0], 0);
    EXPECT_EQ(deg.m[2][2], 1);
}

TEST(Matrix, ScaleKeepsCentreFixed)
{
    const TMatrix m = ScaleMatrix(2, 3, 10, 20);
    ExpectNear(TransformPoint({ 10, 20 }, m), { 10, 20 }, "centre");
    ExpectNear(TransformPoint({ 11, 21 }, m), { 12, 23 }, "offset point");
}

TEST(Matrix, ResizeMatrixKeepsTheUnmovedEdges)
{
    struct Case {
        const char* name;
        TMMRect oldRect, newRect;
        TMMPoint in, out;
    };
    const Case cases[] = {
        { "right edge moved: left stays", { 10, 10, 20, 20 }, { 10, 10, 30, 20 }, { 20, 15 }, { 30, 15 } },
        { "left edge moved: right stays", { 10, 10, 20, 20 }, { 0, 10, 20, 20 }, { 10, 15 }, { 0, 15 } },
        { "left moved within 0.01 counts as fixed", { 10, 10, 20, 20 }, { 10.005f, 10, 40, 20 }, { 10, 10 },
            { 10, 10 } },
        { "bottom moved: top stays", { 0, 0, 10, 10 }, { 0, 0, 10, 5 }, { 0, 10 }, { 0, 5 } },
        // A zero-width rectangle divides by 1 instead: the scale becomes the new width itself.
        { "zero width", { 5, 0, 5, 10 }, { 5, 0, 8, 10 }, { 6, 0 }, { 8, 0 } },
    };
    for (const Case& c : cases)
        ExpectNear(TransformPoint(c.in, ResizeMatrix(c.oldRect, c.newRect)), c.out, c.name);
}

TEST(Matrix, TransformDevPointRoundsHalvesToEven)
{
    const TMatrix half = ScaleMatrix(0.5f, 0.5f, 0, 0);
    EXPECT_EQ(TransformDevPoint(QPoint(5, 3), half), QPoint(2, 2)); // 2.5 -> 2, 1.5 -> 2
    EXPECT_EQ(TransformDevPoint(QPoint(7, -5), half), QPoint(4, -2)); // 3.5 -> 4, -2.5 -> -2
}

} // namespace
