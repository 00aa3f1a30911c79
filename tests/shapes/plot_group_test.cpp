#include "shapes/plot_group.h"

#include "support/plot_curves.h"
#include "support/shape_round_trip.h"

#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

constexpr float Scale = 4;

// Graph paper of whole squares with its bottom-left corner p1 at `corner`, turned anticlockwise by `degrees`.
TPolygon Paper(int square, TMMPoint corner, double width, double height, double degrees = 0)
{
    const double a = degrees * M_PI / 180;
    const QPointF across(std::cos(a), -std::sin(a));
    const QPointF up(-std::sin(a), -std::cos(a));
    const QPointF p1(corner.X, corner.Y);
    const auto mm = [](QPointF p) { return TMMPoint { float(p.x()), float(p.y()) }; };
    TPolygon paper;
    paper.SetKind(skGraphPaper);
    paper.FFont.SetSize(square);
    paper.FPen.Colour = clBlue;
    paper.FPoints = { mm(p1 + height * up), mm(p1), mm(p1 + width * across), mm(p1 + height * up + width * across) };
    paper.CalcBounds(Scale);
    return paper;
}

TPlotCurve Function(const char* expression, TPlotLine line = TPlotLine::Straight)
{
    TPlotCurve curve;
    curve.Expression = QString::fromUtf8(expression);
    curve.Line = line;
    return curve;
}

// Readings with their best-fit line written on the graph.
TPlotCurve LabelledFit(const char* table)
{
    TPlotCurve curve = MeasuredCurve(table, TPlotMarker::Disc, TPlotLine::BestFit);
    curve.ShowFitOnGraph = true;
    return curve;
}

TPlotDefinition Plot(TPlotAxes axes, std::vector<TPlotCurve> curves)
{
    TPlotDefinition d;
    d.Axes = std::move(axes);
    d.Curves = std::move(curves);
    return d;
}

TPlotAxes Axes(double xMin, double xMax, double yMin, double yMax, double xPerSquare = 1, double yPerSquare = 1,
    int numbersEvery = 0)
{
    TPlotAxes axes;
    axes = { xMin, xMax, yMin, yMax, xPerSquare, yPerSquare, numbersEvery, true, {}, {}, false };
    return axes;
}

TPlotGroup Made(const TPlotDefinition& d, const TPolygon& paper)
{
    std::optional<TPlotGroup> plot = MakePlotGroup(d, paper, Scale);
    EXPECT_TRUE(plot);
    return plot.value_or(TPlotGroup());
}

std::vector<const TPolygon*> OfKind(const TPolygon& group, std::int32_t kind)
{
    std::vector<const TPolygon*> shapes;
    for (const TPolygon& child : group.FChildren) {
        if (child.FKind == kind)
            shapes.push_back(&child);
    }
    return shapes;
}

std::vector<QString> Texts(const TPolygon& group, int points)
{
    std::vector<QString> texts;
    for (const TPolygon* text : OfKind(group, skText)) {
        if (text->FFont.Size() == points)
            texts.push_back(QString::fromLatin1(text->FText));
    }
    return texts;
}

double DistanceToPolyline(const TPolygon& line, QPointF p)
{
    double best = INFINITY;
    for (int i = 1; i < line.PointCount(); ++i) {
        const QPointF a(line.GetPoint(i - 1).X, line.GetPoint(i - 1).Y);
        const QPointF b(line.GetPoint(i).X, line.GetPoint(i).Y);
        const QPointF ab = b - a;
        const double t = std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
        best = std::min(best, QLineF(p, a + t * ab).length());
    }
    return best;
}

// Every field away from its default and every marker and line, with texts the encoding must carry.
TPlotDefinition RichPlot()
{
    TPlotAxes axes = Axes(-2.5, 7.5, -1, 30, 0.5, 2, 2);
    axes.BlackNumbers = false;
    axes.XTitle = QString::fromUtf8("θ / °C; 50% = ½");
    axes.YTitle = QStringLiteral("v / m s^-1");
    axes.Arrows = true;
    TPlotCurve f = Function("−x^2 + 3,5", TPlotLine::Smooth);
    f.Angles = TAngleUnit::Degrees;
    f.Colour = clRed;
    f.PenStyle = psDot;
    TPlotCurve fit = LabelledFit("t\tT\n0\t0.5\n1;2.5\n2,5\t4.5\n");
    return Plot(axes,
        { f, fit, MeasuredCurve("1 2\n2 40\n", TPlotMarker::Cross, TPlotLine::Straight),
            MeasuredCurve("1;5\n2;6\n3;5", TPlotMarker::Plus, TPlotLine::Smooth),
            MeasuredCurve("0;1", TPlotMarker::Circle, TPlotLine::None),
            MeasuredCurve("", TPlotMarker::Square, TPlotLine::None) });
}

TEST(PlotGroup, IsOneGroupWithThePaperFirstThatReadsBackAfterSaveAndLoad)
{
    const TPolygon paper = Paper(5, { 20, 150 }, 100, 80);
    for (const TPlotDefinition& d : { DefaultPlot(paper), RichPlot() }) {
        const TPolygon group = Made(d, paper).Group;
        ASSERT_TRUE(group.IsGroup());
        ASSERT_GT(group.ChildCount(), 3);
        EXPECT_EQ(group.FChildren.front().FPoints, paper.FPoints);
        EXPECT_EQ(group.FChildren.front().FFont, paper.FFont);
        EXPECT_TRUE(std::none_of(
            group.FChildren.begin(), group.FChildren.end(), [](const TPolygon& child) { return child.IsGroup(); }));
        EXPECT_EQ(OfKind(group, skGraphPaper).size(), 1U);
        const TPolygon loaded = SavedAndLoaded(group);
        const std::optional<TPlotGroupInfo> info = ReadPlotGroup(loaded);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->Definition, d);
        EXPECT_EQ(info->Paper.FPoints, paper.FPoints);
        EXPECT_EQ(loaded.ChildCount(), group.ChildCount());
    }
}

// y = x^2 on paper of 1 mm squares, one unit a square: the point (5, 25) is 5 squares right of and 25 squares
// above the bottom-left corner, however the paper is turned or its squares are valued.
TEST(PlotGroup, CurvePassesWhereTheSquaresSay)
{
    struct TCase {
        int Square;
        double Degrees;
        double XPerSquare;
        double YPerSquare;
    };
    const TCase cases[] = { { 1, 0, 1, 1 }, { 1, 30, 1, 1 }, { 1, -90, 1, 1 }, { 2, 0, 0.5, 5 }, { 5, 10, 1, 5 } };
    for (const TCase& c : cases) {
        const TMMPoint corner { 30, 140 };
        const TPolygon paper = Paper(c.Square, corner, 100, 120, c.Degrees);
        const TPolygon group
            = Made(Plot(Axes(0, 10, 0, 100, c.XPerSquare, c.YPerSquare), { Function("x^2") }), paper).Group;
        const std::vector<const TPolygon*> curves = OfKind(group, skOpenPolygon);
        ASSERT_EQ(curves.size(), 1U);
        const double a = c.Degrees * M_PI / 180;
        const double right = 5 / c.XPerSquare * c.Square;
        const double up = 25 / c.YPerSquare * c.Square;
        const QPointF expected(
            corner.X + right * std::cos(a) - up * std::sin(a), corner.Y - right * std::sin(a) - up * std::cos(a));
        EXPECT_LT(DistanceToPolyline(*curves[0], expected), 0.1) << c.Degrees << " " << c.Square;
    }
}

TEST(PlotGroup, AxesCrossAtZeroOrTheLowEdgeWithNumbersInStepWithZero)
{
    struct TCase {
        TPlotAxes Axes;
        // Where the axes cross, in squares from the paper's bottom-left corner.
        double AcrossAt;
        double UpAt;
        std::vector<const char*> Numbers;
    };
    const TCase cases[] = {
        { Axes(0, 10, 0, 10, 1, 1, 5), 0, 0, { "0", "5", "10", "5", "10" } },
        { Axes(-5, 5, -2, 8, 1, 1, 5), 5, 2, { "-5", "0", "5", "5" } },
        { Axes(2, 12, 3, 13, 1, 1, 4), 0, 0, { "4", "8", "12", "4", "8", "12" } },
        { Axes(0.5, 3, 0, 0.01, 0.25, 0.001, 2), 0, 0,
            { "0.5", "1.0", "1.5", "2.0", "2.5", "3.0", "0.000", "0.002", "0.004", "0.006", "0.008", "0.010" } },
        { Axes(0, 10, 0, 10, 1, 1, 0), 0, 0, {} },
    };
    const TPolygon paper = Paper(10, { 20, 150 }, 100, 100);
    for (const TCase& c : cases) {
        const TPolygon group = Made(Plot(c.Axes, {}), paper).Group;
        const std::vector<const TPolygon*> lines = OfKind(group, skLine);
        ASSERT_GE(lines.size(), 2U);
        const TMMPoint crossing { float(20 + 10 * c.AcrossAt), float(150 - 10 * c.UpAt) };
        EXPECT_EQ(lines[0]->GetPoint(0).Y, crossing.Y);
        EXPECT_EQ(lines[1]->GetPoint(0).X, crossing.X);
        std::vector<QString> expected;
        for (const char* n : c.Numbers)
            expected.push_back(QLatin1String(n));
        EXPECT_EQ(Texts(group, 8), expected) << c.Axes.XMin;
    }
}

// A text run's box in the paper's own coordinates: millimetres right of and up from the paper's bottom-left
// corner, on paper turned anticlockwise by `degrees`.
QRectF OnPaper(const TPolygon& shape, TMMPoint corner, double degrees)
{
    const double a = degrees * M_PI / 180;
    QPolygonF box;
    for (const TMMPoint& p : shape.FPoints) {
        const double dx = p.X - corner.X;
        const double dy = p.Y - corner.Y;
        box << QPointF(dx * std::cos(a) - dy * std::sin(a), -dx * std::sin(a) - dy * std::cos(a));
    }
    return box.boundingRect();
}

// Every text reads along the paper's bottom edge however the paper is turned, and the y title, long or short,
// stands clear of the numbers and the squares.
TEST(PlotGroup, TextsTurnWithThePaperClearOfTheNumbers)
{
    struct TCase {
        int Degrees;
        const char* YTitle;
    };
    const TCase cases[] = { { 0, "temperature / °C" }, { 30, "h / m" }, { -90, "t / s" } };
    for (const TCase& c : cases) {
        TPlotAxes axes = Axes(0, 100, 0, 1000, 10, 100, 5);
        axes.YTitle = QString::fromUtf8(c.YTitle);
        const TMMPoint corner { 40, 150 };
        const TPolygon group = Made(Plot(axes, {}), Paper(10, corner, 100, 100, c.Degrees)).Group;
        QRectF title;
        std::vector<QRectF> clear { QRectF(0, 0, 100, 100) };
        for (const TPolygon* text : OfKind(group, skText)) {
            EXPECT_EQ(text->FFont.Orientation(), (c.Degrees * 10 + 3600) % 3600) << c.Degrees;
            const QRectF box = OnPaper(*text, corner, c.Degrees);
            if (text->FFont.Size() == 10)
                title |= box;
            else
                clear.push_back(box);
        }
        ASSERT_FALSE(title.isEmpty());
        for (const QRectF& box : clear)
            EXPECT_FALSE(title.intersects(box)) << c.YTitle;
    }
}

// Lines, curves, fits and their labels stay inside the axes' rectangle, which ends at the paper's last line.
TEST(PlotGroup, KeepsCurvesInsideTheAxesAndCountsPointsOutside)
{
    struct TCase {
        TPlotCurve Curve;
        int PointsOutside;
    };
    const TCase cases[] = {
        { Function("tan(x)"), 0 },
        { Function("1/(x-3)", TPlotLine::Smooth), 0 },
        { MeasuredCurve("-1;2\n2;3\n4;12\n6;5\n30;5\nnan;1", TPlotMarker::Cross, TPlotLine::Straight), 3 },
        { MeasuredCurve("1;1\n2;9\n3;2\n4;9.5", TPlotMarker::Disc, TPlotLine::Smooth), 0 },
        { MeasuredCurve("0;-5\n10;25", TPlotMarker::None, TPlotLine::BestFit), 2 },
        { LabelledFit("7;0\n8;10"), 0 },
    };
    // 8 by 10 squares of 10 mm: the x range is cut to 0..8.
    const TPolygon paper = Paper(10, { 20, 150 }, 80, 100);
    for (const TCase& c : cases) {
        const TPlotGroup plot = Made(Plot(Axes(0, 20, 0, 10), { c.Curve }), paper);
        EXPECT_EQ(plot.Omissions.PointsOutside, c.PointsOutside) << c.Curve.Table.toStdString();
        for (const std::int32_t kind : { skOpenPolygon, skOpenCurveFilled, skText }) {
            for (const TPolygon* line : OfKind(plot.Group, kind)) {
                for (const TMMPoint& p : line->FPoints) {
                    EXPECT_GE(p.X, 20 - 1e-3);
                    EXPECT_LE(p.X, 100 + 1e-3);
                    EXPECT_GE(p.Y, 50 - 1e-3);
                    EXPECT_LE(p.Y, 150 + 1e-3);
                }
            }
        }
    }
}

TEST(PlotGroup, RefusesWhatCannotBeDrawn)
{
    const TPolygon paper = Paper(10, { 20, 150 }, 100, 100);
    TPolygon tinyPaper = Paper(10, { 20, 150 }, 9, 100);
    TPolygon notPaper = paper;
    notPaper.SetKind(skRectangle);
    TPlotAxes unstorableTitle = Axes(0, 10, 0, 10);
    unstorableTitle.XTitle = QStringLiteral("\U0001F600");
    std::vector<TPlotCurve> tooMany(MaxPlotCurves + 1, Function("x"));
    struct TCase {
        TPlotDefinition Definition;
        const TPolygon& On;
    };
    const TCase cases[] = {
        { Plot(Axes(5, 5, 0, 10), {}), paper },
        { Plot(Axes(0, 10, 10, 0), {}), paper },
        { Plot(Axes(NAN, 10, 0, 10), {}), paper },
        { Plot(Axes(0, INFINITY, 0, 10), {}), paper },
        { Plot(Axes(0, 10, 0, 10, 0, 1), {}), paper },
        { Plot(Axes(0, 10, 0, 10, 1, -1), {}), paper },
        { Plot(Axes(1e300, 2e300, 0, 10, 1e-300, 1), {}), paper },
        { Plot(Axes(0, 10, 0, 10), { Function("x^^2") }), paper },
        { Plot(Axes(0, 10, 0, 10), tooMany), paper },
        { Plot(unstorableTitle, {}), paper },
        { Plot(Axes(0, 10, 0, 10), {}), tinyPaper },
        { Plot(Axes(0, 10, 0, 10), {}), notPaper },
    };
    for (const TCase& c : cases)
        EXPECT_FALSE(MakePlotGroup(c.Definition, c.On, Scale)) << WritePlotDefinition(c.Definition).constData();
    TPolygon group = Made(Plot(Axes(0, 10, 0, 10), {}), paper).Group;
    group.FChildren.erase(group.FChildren.begin());
    EXPECT_FALSE(ReadPlotGroup(group));
}

TEST(PlotGroup, WritesTheBestFitLineOnTheGraph)
{
    const TPlotCurve fit = LabelledFit("0;0.5\n1;2.5\n2;4.5\n3;6.5");
    const TPolygon group = Made(Plot(Axes(0, 10, 0, 10), { fit }), Paper(10, { 20, 150 }, 100, 100)).Group;
    EXPECT_EQ(Texts(group, 9), std::vector<QString> { QStringLiteral("y = 2.00x + 0.50") });
    struct TCase {
        TFittedLine Line;
        const char* Text;
    };
    const TCase cases[] = { { { -1.5, -3 }, "y = -1.50x - 3.00" }, { { 0.001, -0.001 }, "y = 0.00x + 0.00" },
        { { 1234.567, 0.004 }, "y = 1234.57x + 0.00" } };
    for (const TCase& c : cases)
        EXPECT_EQ(FitLineText(c.Line), QLatin1String(c.Text));
}

} // namespace
