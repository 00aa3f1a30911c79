#include "import/svg_path_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace korvo {
namespace {

    struct TPathCase {
        const char* Data;
        // Every element's point in order: moves, line ends, and three per cubic segment.
        std::vector<QPointF> Points;
        bool Whole = true;
        qint64 Budget = 1000;
    };

    // A quarter circle's control distance for radius 10.
    constexpr double K = 5.5228;

    const std::vector<QPointF> HalfCircle { { 0, 0 }, { 0, -K }, { 10 - K, -10 }, { 10, -10 }, { 10 + K, -10 },
        { 20, -K }, { 20, 0 } };

    const TPathCase PathCases[] = {
        { "M10 20 L30 40", { { 10, 20 }, { 30, 40 } } },
        { "m10 20 l30 40", { { 10, 20 }, { 40, 60 } } },
        { "M10 20 30 40 50,60", { { 10, 20 }, { 30, 40 }, { 50, 60 } } },
        { "m10 20 30 40", { { 10, 20 }, { 40, 60 } } },
        { "M0 0 H10 V10 h-5 v-5", { { 0, 0 }, { 10, 0 }, { 10, 10 }, { 5, 10 }, { 5, 5 } } },
        { "M0 0 C10 0 20 10 20 20", { { 0, 0 }, { 10, 0 }, { 20, 10 }, { 20, 20 } } },
        { "M0 0 c10 0 20 10 20 20 s20 20 20 20",
            { { 0, 0 }, { 10, 0 }, { 20, 10 }, { 20, 20 }, { 20, 30 }, { 40, 40 }, { 40, 40 } } },
        { "M0 0 L10 0 S20 10 20 20", { { 0, 0 }, { 10, 0 }, { 10, 0 }, { 20, 10 }, { 20, 20 } } },
        { "M0 0 Q30 0 30 30", { { 0, 0 }, { 20, 0 }, { 30, 10 }, { 30, 30 } } },
        { "M0 0 q10 10 20 0 t20 0",
            { { 0, 0 }, { 6.6667, 6.6667 }, { 13.3333, 6.6667 }, { 20, 0 }, { 26.6667, -6.6667 }, { 33.3333, -6.6667 },
                { 40, 0 } } },
        { "M0 0 T30 30", { { 0, 0 }, { 0, 0 }, { 10, 10 }, { 30, 30 } } },
        { "M0 0 A10 10 0 0 1 20 0", HalfCircle },
        // Radii too small to reach the end grow until they do.
        { "M0 0 A1 1 0 0 1 20 0", HalfCircle },
        { "M0 0 a10 10 0 0120 0", HalfCircle },
        { "M20 0 A10 10 0 1 0 0 0",
            { { 20, 0 }, { 20, -K }, { 10 + K, -10 }, { 10, -10 }, { 10 - K, -10 }, { 0, -K }, { 0, 0 } } },
        { "M0 0 A20 10 90 0 1 0 40",
            { { 0, 0 }, { K, 0 }, { 10, 20 - 2 * K }, { 10, 20 }, { 10, 20 + 2 * K }, { K, 40 }, { 0, 40 } } },
        { "M0 0 A0 5 0 0 1 20 0", { { 0, 0 }, { 20, 0 } } },
        { "M5 5 A10 10 0 0 1 5 5", { { 5, 5 } } },
        { "M1.5.5L-1-2", { { 1.5, 0.5 }, { -1, -2 } } },
        { "M1e1 2E-1 L+3e+0,.5e1", { { 10, 0.2 }, { 3, 5 } } },
        { "M10 10 L20 10 L20 20 z m5 5 l1 0",
            { { 10, 10 }, { 20, 10 }, { 20, 20 }, { 10, 10 }, { 15, 15 }, { 16, 15 } } },
        { "M10 10 L20 10 Z L20 20", { { 10, 10 }, { 20, 10 }, { 10, 10 }, { 10, 10 }, { 20, 20 } } },
        // Bad data: what came before the first error stays.
        { "M0 0 L10 10 L20", { { 0, 0 }, { 10, 10 } } },
        { "M0 0 L10 10 X5 5 L0 0", { { 0, 0 }, { 10, 10 } } },
        { "M0 0 L10 10 Z 5 5", { { 0, 0 }, { 10, 10 }, { 0, 0 } } },
        { "M0 0 L1e999 0", { { 0, 0 } } },
        { "M0 0 L5,,5", { { 0, 0 } } },
        { "M0 0 A10 10 0 2 1 20 0", { { 0, 0 } } },
        { "L10 10", {} },
        { "", {} },
        { "M0 0 L1 1 L2 2", { { 0, 0 }, { 1, 1 } }, false, 2 },
        { "M0 0 C1 1 2 2 3 3", { { 0, 0 } }, false, 3 },
    };

    class SvgPathData : public testing::TestWithParam<TPathCase> { };

    TEST_P(SvgPathData, GivesThePointsInOrder)
    {
        const TPathCase& c = GetParam();
        QPainterPath path;
        qint64 budget = c.Budget;
        EXPECT_EQ(ParseSvgPathData(QString::fromLatin1(c.Data), path, budget), c.Whole);
        ASSERT_EQ(path.elementCount(), static_cast<int>(c.Points.size()));
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPointF p = path.elementAt(i);
            const QPointF& expected = c.Points[static_cast<std::size_t>(i)];
            EXPECT_NEAR(p.x(), expected.x(), 0.01) << "point " << i;
            EXPECT_NEAR(p.y(), expected.y(), 0.01) << "point " << i;
        }
    }

    INSTANTIATE_TEST_SUITE_P(Commands, SvgPathData, testing::ValuesIn(PathCases));

} // namespace
} // namespace korvo
