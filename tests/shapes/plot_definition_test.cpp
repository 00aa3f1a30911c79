#include "shapes/plot_definition.h"

#include "shapes/polygon.h"
#include "support/plot_curves.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

// Every field away from its default, with the characters the encoding must carry: separators, '%',
// line breaks, tabs, non-ASCII letters and signs.
TPlotDefinition OddDefinition()
{
    TPlotDefinition d;
    d.Axes = { -0.5, 1e300, 5e-324, 0.30000000000000004, 2.5, 1.0 / 3, 0, false,
        QString::fromUtf8("θ / °C; 50% = {half}"), QStringLiteral("v / m s^-1\nline two"), true };
    TPlotCurve f;
    f.Expression = QString::fromUtf8("−2×sin(x) + 3,5");
    f.Angles = TAngleUnit::Degrees;
    f.Line = TPlotLine::Smooth;
    f.Colour = clWindowText;
    f.PenStyle = 255;
    d.Curves = { f, MeasuredCurve("t\tT\r\n0\t90\r\n1;80\n", TPlotMarker::Disc, TPlotLine::BestFit),
        MeasuredCurve("", TPlotMarker::Square, TPlotLine::None) };
    d.Curves[1].ShowFitOnGraph = true;
    d.Curves[1].Colour = 0x00123456;
    d.Curves[2].PenStyle = psDot;
    return d;
}

TEST(PlotDefinition, ReadsBackExactlyWhatWasWritten)
{
    TPlotDefinition manyCurves;
    manyCurves.Curves.resize(MaxPlotCurves);
    TPlotDefinition noCurves;
    noCurves.Axes.NumbersEvery = MaxPlotNumbersEvery;
    for (const TPlotDefinition& d : { TPlotDefinition(), OddDefinition(), manyCurves, noCurves }) {
        const QByteArray text = WritePlotDefinition(d);
        EXPECT_TRUE(text.startsWith("plot/1;")) << text.constData();
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; }))
            << text.constData();
        EXPECT_EQ(ReadPlotDefinition(text), d) << text.constData();
    }
}

TEST(PlotDefinition, RefusesDamagedAndHostileTexts)
{
    const QByteArray valid = WritePlotDefinition(OddDefinition());
    ASSERT_TRUE(ReadPlotDefinition(valid));
    const auto changed = [&valid](const char* from, const char* to) {
        QByteArray text = valid;
        EXPECT_TRUE(text.contains(from)) << from;
        return text.replace(from, to);
    };
    TPlotDefinition tooMany;
    tooMany.Curves.resize(MaxPlotCurves + 1);
    TPlotDefinition longTitle;
    longTitle.Axes.XTitle.fill(QLatin1Char('a'), MaxPlotTextLength + 1);
    const QByteArray hostile[] = {
        "",
        "plot/1;",
        "formula/1;markup;x",
        changed("plot/1;", "plot/2;"),
        valid + ";pen=0",
        changed("xmin=-0.5", "xmin=nan"),
        changed("xmin=-0.5", "xmin=inf"),
        changed("xmin=-0.5", "xmin=1e999"),
        changed("xmin=-0.5", "xmin= -0.5"),
        changed("xmin=-0.5", "xmax=-0.5"),
        changed("numbers=0", "numbers=-1"),
        changed("numbers=0", "numbers=1001"),
        changed("curves=3", "curves=2"),
        changed("curves=3", "curves=4"),
        changed("curves=3", "curves=99999999999999999999"),
        changed("black=0", "black=2"),
        changed("colour=00123456", "colour=123456"),
        changed("colour=00123456", "colour=0012345g"),
        changed("marker=disc", "marker=star"),
        changed("pen=255", "pen=256"),
        changed("angles=deg", "angles=grad"),
        changed("xtitle=", "xtitle=%FF%FE"),
        changed("xtitle=", "xtitle=%G1"),
        WritePlotDefinition(tooMany),
        WritePlotDefinition(longTitle),
    };
    for (const QByteArray& text : hostile)
        EXPECT_FALSE(ReadPlotDefinition(text)) << text.constData();
    // A text cut off anywhere, as a damaged file may hold it, reads as nothing.
    for (qsizetype length = 0; length < valid.size(); ++length)
        EXPECT_FALSE(ReadPlotDefinition(valid.left(length))) << length;
}

TEST(PlotDefinition, DefaultsToYEqualsXOverTheSquares)
{
    struct TCase {
        int Square;
        TColour Major;
        float Width;
        float Height;
        double XMax;
        double YMax;
        int NumbersEvery;
    };
    const TCase cases[] = {
        { 1, clRed, 100, 80, 100, 80, 10 },
        { 5, clBlue, 100, 80, 20, 16, 5 },
        { 10, clBlack, 100, 84, 10, 8, 5 },
    };
    for (const TCase& c : cases) {
        TPolygon paper;
        paper.SetKind(skGraphPaper);
        paper.FFont.SetSize(c.Square);
        paper.FFont.Colour = c.Major;
        paper.MakeGraphPaper({ 20, 30, 20 + c.Width, 30 + c.Height }, 4);
        const TPlotDefinition d = DefaultPlot(paper);
        EXPECT_EQ(d.Axes.XMin, 0);
        EXPECT_EQ(d.Axes.YMin, 0);
        EXPECT_EQ(d.Axes.XMax, c.XMax);
        EXPECT_EQ(d.Axes.YMax, c.YMax);
        EXPECT_EQ(d.Axes.NumbersEvery, c.NumbersEvery);
        ASSERT_EQ(d.Curves.size(), 1U);
        EXPECT_TRUE(d.Curves[0].IsFunction);
        EXPECT_EQ(d.Curves[0].Expression, QStringLiteral("x"));
    }
}

} // namespace
