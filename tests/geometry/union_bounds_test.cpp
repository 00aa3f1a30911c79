#include "geometry/union_bounds.h"

#include <gtest/gtest.h>

using namespace korvo;

namespace {

TEST(UnionBounds, FlatRectanglesWidenButPointsDoNot)
{
    struct Case {
        const char* name;
        TRect a, b, result;
    };
    const Case cases[] = {
        { "two boxes", { 0, 0, 10, 10 }, { 5, 5, 20, 30 }, { 0, 0, 20, 30 } },
        { "from zero, a box", {}, { 5, 6, 7, 8 }, { 5, 6, 7, 8 } },
        { "horizontal line gets one pixel of height", {}, { 5, 6, 25, 6 }, { 5, 6, 25, 7 } },
        { "vertical line gets one pixel of width", {}, { 5, 6, 5, 26 }, { 5, 6, 6, 26 } },
        { "a single point widens only its height, so adds nothing", {}, { 5, 6, 5, 6 }, {} },
        { "a point next to a box leaves the box", { 0, 0, 10, 10 }, { 50, 50, 50, 50 }, { 0, 0, 10, 10 } },
        { "an inverted box contributes nothing", { 0, 0, 10, 10 }, { 20, 20, 15, 25 }, { 0, 0, 10, 10 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(UnionBounds(c.a, c.b), c.result) << c.name;
}

TEST(UnionBounds, FoldingLinesOverEmptyStart)
{
    TRect r {};
    r = UnionBounds(r, { 10, 20, 30, 20 });
    r = UnionBounds(r, { 40, 5, 40, 15 });
    EXPECT_EQ(r, (TRect { 10, 5, 41, 21 }));
}

TEST(UnionRect, BothEmptyGivesZeros) { EXPECT_EQ(UnionRect({ 5, 5, 5, 9 }, { 7, 7, 3, 3 }), TRect {}); }

} // namespace
