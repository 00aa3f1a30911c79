#include "shapes/plot_sampling.h"

#include "geometry/units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace korvo;

namespace {

constexpr double ToleranceMM = 0.1;

// How far the curve point lies from the segment on the paper.
double DistanceMM(const TPlotWindow& w, TDataPoint curve, TDataPoint a, TDataPoint b)
{
    const double dx = (b.X - a.X) * w.MMPerX, dy = (b.Y - a.Y) * w.MMPerY;
    const double px = (curve.X - a.X) * w.MMPerX, py = (curve.Y - a.Y) * w.MMPerY;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(px - t * dx, py - t * dy);
}

bool Inside(const TPlotWindow& w, TDataPoint p, double slack)
{
    return p.X >= w.XMin - slack && p.X <= w.XMax + slack && p.Y >= w.YMin - slack && p.Y <= w.YMax + slack;
}

TEST(PlotSamplingTest, CurvesStayWithinTheToleranceAndBreakAtAsymptotes)
{
    const double edge = std::atan(5.0);
    const struct {
        const char* Name;
        double (*F)(double);
        TPlotWindow Window;
        // The x range each piece spans, left to right.
        std::vector<std::pair<double, double>> Spans;
    } cases[] = {
        { "x^2", [](double x) { return x * x; }, { -3, 3, 0, 9, 10, 10 }, { { -3, 3 } } },
        { "sin x", [](double x) { return std::sin(x); }, { -7, 7, -1.5, 1.5, 10, 20 }, { { -7, 7 } } },
        { "sin x, 1 mm a unit", [](double x) { return std::sin(x); }, { -30, 30, -1, 1, 1, 1 }, { { -30, 30 } } },
        { "tan x", [](double x) { return std::tan(x); }, { -5, 5, -5, 5, 10, 10 },
            { { -5, edge - 2 * Pi }, { -edge - Pi, edge - Pi }, { -edge, edge }, { Pi - edge, Pi + edge },
                { 2 * Pi - edge, 5 } } },
        { "1/x", [](double x) { return 1 / x; }, { -4.3, 5.2, -5, 5, 10, 10 }, { { -4.3, -0.2 }, { 0.2, 5.2 } } },
        { "1/x^2", [](double x) { return 1 / (x * x); }, { -3, 3, 0, 5, 20, 10 },
            { { -3, -1 / std::sqrt(5.0) }, { 1 / std::sqrt(5.0), 3 } } },
        { "sqrt x", [](double x) { return std::sqrt(x); }, { -1, 4, -1, 3, 10, 10 }, { { 0, 4 } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TPlotWindow& w = c.Window;
        const std::vector<TPlotPiece> pieces = SampleFunction(c.F, w, ToleranceMM);
        ASSERT_EQ(pieces.size(), c.Spans.size());
        for (size_t i = 0; i < pieces.size(); ++i) {
            const TPlotPiece& piece = pieces[i];
            ASSERT_GE(piece.size(), 2u);
            EXPECT_NEAR(piece.front().X, c.Spans[i].first, ToleranceMM / w.MMPerX);
            EXPECT_NEAR(piece.back().X, c.Spans[i].second, ToleranceMM / w.MMPerX);
            for (size_t j = 0; j < piece.size(); ++j) {
                EXPECT_TRUE(Inside(w, piece[j], 1e-9)) << piece[j].X << ", " << piece[j].Y;
                if (j == 0)
                    continue;
                // The true curve between the two points, densely, as far as it is inside the window.
                for (int k = 1; k < 20; ++k) {
                    const double x = piece[j - 1].X + (piece[j].X - piece[j - 1].X) * k / 20;
                    const TDataPoint curve { x, c.F(x) };
                    if (Inside(w, curve, 0)) {
                        ASSERT_LE(DistanceMM(w, curve, piece[j - 1], piece[j]), ToleranceMM) << "at x = " << x;
                    }
                }
            }
        }
    }
}

TEST(PlotSamplingTest, MeasuredPointsAreCutAtTheWindowsEdges)
{
    const TPlotWindow window { 0, 10, 0, 10, 1, 1 };
    const struct {
        const char* Name;
        std::vector<TDataPoint> Points;
        std::vector<TPlotPiece> Pieces;
    } cases[] = {
        { "inside", { { 1, 1 }, { 2, 4 }, { 3, 9 } }, { { { 1, 1 }, { 2, 4 }, { 3, 9 } } } },
        { "one point", { { 5, 5 } }, { { { 5, 5 } } } },
        { "one point outside", { { 5, 15 } }, {} },
        { "out and back", { { 1, 5 }, { 3, 15 }, { 5, 5 } }, { { { 1, 5 }, { 2, 10 } }, { { 4, 10 }, { 5, 5 } } } },
        { "through", { { -5, 5 }, { 15, 5 } }, { { { 0, 5 }, { 10, 5 } } } },
        { "past", { { -5, 5 }, { 5, 25 } }, {} },
        { "on the edge", { { 0, 0 }, { 10, 10 } }, { { { 0, 0 }, { 10, 10 } } } },
        { "no value", { { 1, 1 }, { 2, NAN }, { 3, 3 }, { 4, 4 } }, { { { 3, 3 }, { 4, 4 } } } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipToWindow(c.Points, window), c.Pieces) << c.Name;
    const TPlotWindow reversed { 10, 0, 0, 10, 1, 1 };
    EXPECT_TRUE(ClipToWindow({ { 1, 1 }, { 2, 2 } }, reversed).empty());
    EXPECT_TRUE(SampleFunction([](double x) { return x; }, reversed).empty());
}

} // namespace
