#include "geometry/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace korvo;

namespace {

constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();

TEST(Rounding, RoundTiesToEvenTruncTowardsZero)
{
    struct Case {
        double v;
        std::int32_t round;
        std::int32_t trunc;
    };
    const Case cases[] = {
        { 0.5, 0, 0 },
        { 1.5, 2, 1 },
        { 2.5, 2, 2 },
        { -0.5, 0, 0 },
        { -1.5, -2, -1 },
        { -2.5, -2, -2 },
        { 2.4999, 2, 2 },
        { -2.7, -3, -2 },
        { 3e9, Max32, Max32 },
        { -3e9, Min32, Min32 },
        { std::numeric_limits<double>::infinity(), Max32, Max32 },
        { std::nan(""), 0, 0 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Round(c.v), c.round) << c.v;
        EXPECT_EQ(Trunc(c.v), c.trunc) << c.v;
    }
}

TEST(Rounding, MulDivRoundsHalvesAwayFromZero)
{
    struct Case {
        std::int32_t a, b, c, result;
    };
    const Case cases[] = {
        { 10, 96, 72, 13 }, // 13.33: the default font's height at 96 pixels per inch
        { 13, 72, 96, 10 }, // 9.75: and back to its size
        { 3, 1, 2, 2 }, // 1.5 away from zero
        { -3, 1, 2, -2 }, { 3, 1, -2, -2 }, { 5, 1, 2, 3 }, // 2.5 away from zero, not to even
        { Max32, Max32, 1, Max32 }, // saturates instead of wrapping
        { 7, 7, 0, -1 }, // zero divisor
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}

} // namespace
