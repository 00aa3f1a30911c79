#include "shapes/plot_fit.h"
#include "shapes/plot_table.h"

#include <gtest/gtest.h>

using namespace korvo;

namespace {

TEST(PlotTableTest, ReadsPastedColumns)
{
    QString manyRows;
    for (int i = 0; i < 100000; ++i)
        manyRows += QString::number(i) + QLatin1Char('\t') + QString::number(2 * i) + QLatin1Char('\n');
    const struct {
        const char* Name;
        QString Text;
        char DecimalComma;
        std::vector<TDataPoint> Points;
        int Skipped = 0;
        bool Header = false;
    } cases[] = {
        { "tab, header, decimal comma", QString::fromUtf8("t / s\tT / °C\n0\t80,5\n60\t71,25\n"), ',',
            { { 0, 80.5 }, { 60, 71.25 } }, 0, true },
        { "tab, decimal point", "0\t1.5\r\n1\t2.5\r\n", '.', { { 0, 1.5 }, { 1, 2.5 } } },
        { "semicolon, decimal comma", "x;y\r0;1,5\r1;-2,5;\r", ',', { { 0, 1.5 }, { 1, -2.5 } }, 0, true },
        { "semicolon, decimal point", "0;1.5\n1;2.5", ',', { { 0, 1.5 }, { 1, 2.5 } } },
        { "comma, decimal point", "x,y\n0,1.5\n1, 2.5\n", ',', { { 0, 1.5 }, { 1, 2.5 } }, 0, true },
        { "spaces, decimal comma", "  0  1,5\n\n1 2,5e1\n", ',', { { 0, 1.5 }, { 1, 25 } } },
        { "typographic minus", QString::fromUtf8("−1;2"), ',', { { -1, 2 } } },
        { "junk, no value, infinite, one or three columns",
            "x\ty\n1\t2\nabc\t3\n4\t\n5\tNaN\n-inf\t6\n7\t8\t9\n\n10\t11\n", '.', { { 1, 2 }, { 10, 11 } }, 5, true },
        { "a header only first", "1;2\nx;y\n", ',', { { 1, 2 } }, 1 },
        { "comma in a point locale", "1.5 2.5\n1,5 2,5", '.', { { 1.5, 2.5 } }, 1 },
    };
    for (const auto& c : cases) {
        const TPastedTable table = ReadPastedTable(c.Text, QLatin1Char(c.DecimalComma));
        EXPECT_EQ(table.Points, c.Points) << c.Name;
        EXPECT_EQ(table.SkippedRows, c.Skipped) << c.Name;
        EXPECT_EQ(table.HeaderSkipped, c.Header) << c.Name;
        EXPECT_EQ(table.RowsOverLimit, 0) << c.Name;
    }
    const TPastedTable many = ReadPastedTable(manyRows);
    ASSERT_EQ(many.Points.size(), size_t(MaxTableRows));
    EXPECT_EQ(many.Points.back(), (TDataPoint { MaxTableRows - 1, 2 * (MaxTableRows - 1) }));
    EXPECT_EQ(many.RowsOverLimit, 100000 - MaxTableRows);
}

TEST(PlotFitTest, FitsTheLineOfLeastSquares)
{
    const struct {
        const char* Name;
        std::vector<TDataPoint> Points;
        std::optional<TFittedLine> Line;
    } cases[] = {
        { "exact", { { 0, 1 }, { 1, 3 }, { 2, 5 }, { 4, 9 } }, TFittedLine { 2, 1 } },
        // Residuals 0.1, -0.1, -0.1, 0.1 sum to nothing and weigh nothing on x.
        { "scattered", { { 0, 1.1 }, { 1, 2.9 }, { 2, 4.9 }, { 3, 7.1 } }, TFittedLine { 2, 1 } },
        { "years", { { 2000, 10 }, { 2001, 10.5 }, { 2002, 11 }, { 2004, 12 } }, TFittedLine { 0.5, -990 } },
        { "level", { { -1, 3 }, { 5, 3 } }, TFittedLine { 0, 3 } },
        { "one point", { { 1, 2 } }, std::nullopt },
        { "one x", { { 0.1, 1 }, { 0.1, 2 }, { 0.1, 4 } }, std::nullopt },
        { "none", {}, std::nullopt },
    };
    for (const auto& c : cases) {
        const std::optional<TFittedLine> line = FitStraightLine(c.Points);
        ASSERT_EQ(line.has_value(), c.Line.has_value()) << c.Name;
        if (!line)
            continue;
        EXPECT_NEAR(line->Gradient, c.Line->Gradient, 1e-12) << c.Name;
        EXPECT_NEAR(line->Intercept, c.Line->Intercept, 1e-9) << c.Name;
    }
}

} // namespace
