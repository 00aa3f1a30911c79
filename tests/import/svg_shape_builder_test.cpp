#include "import/svg_shape_builder.h"

#include "import/shape_description.h"
#include "import/svg_path_data.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

namespace korvo {
namespace {

    TSvgPaint Filled()
    {
        TSvgPaint paint;
        paint.Fill = QColor(255, 0, 0);
        return paint;
    }

    TSvgPaint Stroked(double widthMm = 0.5)
    {
        TSvgPaint paint;
        paint.Stroke = QColor(0, 0, 255);
        paint.StrokeWidthMm = widthMm;
        return paint;
    }

    TSvgPaint FilledAndStroked()
    {
        TSvgPaint paint = Stroked();
        paint.Fill = QColor(0, 128, 0);
        return paint;
    }

    TSvgPaint With(TSvgPaint paint, const std::function<void(TSvgPaint&)>& change)
    {
        change(paint);
        return paint;
    }

    struct TBuildCase {
        const char* Name;
        const char* Data;
        TSvgPaint Paint;
        std::vector<std::string> Shapes;
    };

    // Kind numbers: 1 polygon, 7 line, 14 open curve, 20 closed curve, 21 filled open curve, 22 open polygon.
    // Pen styles: 0 solid, 2 dot, 5 clear. 0.5 mm is 2.83 pen units of 1/144 inch.
    const TBuildCase BuildCases[] = {
        { "FilledTriangle", "M0 0 L10 0 L10 10 Z", Filled(),
            { "1: 0.00,0.00 10.00,0.00 10.00,10.00 pen 5/1 fill 0000ff" } },
        { "Line", "M0 0 L10 0", Stroked(), { "7: 0.00,0.00 10.00,0.00 pen 0/3 fill -" } },
        { "HairlineKeepsOneUnit", "M0 0 L10 0", Stroked(0.01), { "7: 0.00,0.00 10.00,0.00 pen 0/1 fill -" } },
        { "ThickLine", "M0 0 L10 0", Stroked(2), { "7: 0.00,0.00 10.00,0.00 pen 0/11 fill -" } },
        { "OpenPolygon", "M0 0 L10 0 L10 10", FilledAndStroked(),
            { "22: 0.00,0.00 10.00,0.00 10.00,10.00 pen 0/3 fill 008000" } },
        { "ClosedBackToStartIsOnePolygon", "M0 0 L10 0 L10 10 L0 0 Z", Stroked(),
            { "1: 0.00,0.00 10.00,0.00 10.00,10.00 pen 0/3 fill -" } },
        { "ArrowAtEnd", "M0 0 L10 0 L10 10", With(Stroked(), [](TSvgPaint& p) { p.MarkerEnd = true; }),
            { "22: 0.00,0.00 10.00,0.00 10.00,10.00 pen 0/3 fill - end 1" } },
        { "ArrowAtStartTurnsThePointsRound", "M0 0 L10 0 L10 10",
            With(Stroked(), [](TSvgPaint& p) { p.MarkerStart = true; }),
            { "22: 10.00,10.00 10.00,0.00 0.00,0.00 pen 0/3 fill - end 1" } },
        { "ArrowsAtBothEnds", "M0 0 L10 0 L10 10",
            With(Stroked(), [](TSvgPaint& p) { p.MarkerStart = p.MarkerEnd = true; }),
            { "22: 0.00,0.00 10.00,0.00 10.00,10.00 pen 0/3 fill - end 1",
                "7: 1.00,0.00 0.00,0.00 pen 0/3 fill - end 1" } },
        { "NoArrowOnAClosedPath", "M0 0 L10 0 L10 10 Z", With(Stroked(), [](TSvgPaint& p) { p.MarkerEnd = true; }),
            { "1: 0.00,0.00 10.00,0.00 10.00,10.00 pen 0/3 fill -" } },
        { "OpenCurve", "M0 0 C0 10 10 10 10 0", Stroked(),
            { "14: 0.00,0.00 0.00,10.00 10.00,10.00 10.00,0.00 pen 0/3 fill -" } },
        { "FilledOpenCurve", "M0 0 C0 10 10 10 10 0", Filled(),
            { "21: 0.00,0.00 0.00,10.00 10.00,10.00 10.00,0.00 pen 5/1 fill 0000ff" } },
        { "ClosedCurveGetsAStraightLastSegment", "M0 0 C0 10 10 10 10 0 Z", FilledAndStroked(),
            { "20: 0.00,0.00 0.00,10.00 10.00,10.00 10.00,0.00 6.67,0.00 3.33,0.00 0.00,0.00 pen 0/3 fill 008000" } },
        { "ShortDashesDot", "M0 0 L10 0",
            With(Stroked(),
                [](TSvgPaint& p) {
                    p.DashMm = { 1, 1 };
                }),
            { "7: 0.00,0.00 10.00,0.00 pen 2/3 fill -" } },
        { "LongDashesWithSmallGapsStaySolid", "M0 0 L10 0",
            With(Stroked(),
                [](TSvgPaint& p) {
                    p.DashMm = { 9, 1 };
                }),
            { "7: 0.00,0.00 10.00,0.00 pen 0/3 fill -" } },
        { "OddDashCountRepeats", "M0 0 L10 0",
            With(Stroked(),
                [](TSvgPaint& p) {
                    p.DashMm = { 9, 1, 1 };
                }),
            { "7: 0.00,0.00 10.00,0.00 pen 2/3 fill -" } },
        { "TransparentStrokeAndNoFillAddNothing", "M0 0 L10 0",
            With(Stroked(), [](TSvgPaint& p) { p.Stroke = QColor(0, 0, 0, 0); }), {} },
        { "SubpathsApartAreShapesOfTheirOwn", "M0 0 H5 V5 Z M10 0 H15 V5 Z", Filled(),
            { "1: 0.00,0.00 5.00,0.00 5.00,5.00 pen 5/1 fill 0000ff",
                "1: 10.00,0.00 15.00,0.00 15.00,5.00 pen 5/1 fill 0000ff" } },
        // The hole's outline runs the other way, so both rules leave it open: one outline through both,
        // filled, and each subpath stroked on its own.
        { "HoleKeptAsOneFilledOutline", "M0 0 H10 V10 H0 Z M3 3 V7 H7 V3 Z", FilledAndStroked(),
            { "1: 0.00,0.00 10.00,0.00 10.00,10.00 0.00,10.00 0.00,0.00 3.00,3.00 3.00,7.00 7.00,7.00 7.00,3.00 "
              "3.00,3.00 "
              "0.00,0.00 pen 5/1 fill 008000",
                "1: 0.00,0.00 10.00,0.00 10.00,10.00 0.00,10.00 pen 0/3 fill -",
                "1: 3.00,3.00 3.00,7.00 7.00,7.00 7.00,3.00 pen 0/3 fill -" } },
        // Turning the same way, the inner square is filled under the winding rule, as separate shapes are.
        { "SameTurnUnderWindingFillsAll", "M0 0 H10 V10 H0 Z M3 3 H7 V7 H3 Z", Filled(),
            { "1: 0.00,0.00 10.00,0.00 10.00,10.00 0.00,10.00 pen 5/1 fill 0000ff",
                "1: 3.00,3.00 7.00,3.00 7.00,7.00 3.00,7.00 pen 5/1 fill 0000ff" } },
        { "SameTurnUnderEvenOddIsAHole", "M0 0 H10 V10 H0 Z M3 3 H7 V7 H3 Z",
            With(Filled(), [](TSvgPaint& p) { p.Rule = Qt::OddEvenFill; }),
            { "1: 0.00,0.00 10.00,0.00 10.00,10.00 0.00,10.00 0.00,0.00 3.00,3.00 7.00,3.00 7.00,7.00 3.00,7.00 "
              "3.00,3.00 "
              "0.00,0.00 pen 5/1 fill 0000ff" } },
        { "StarInOneStrokeUnderWindingFillsItsMiddle", "M50 0 L79 90 L2 35 L98 35 L21 90 Z", FilledAndStroked(),
            { "1: 50.00,0.00 61.28,35.00 98.00,35.00 68.15,56.32 79.00,90.00 50.00,69.29 21.00,90.00 31.85,56.32 "
              "2.00,35.00 38.72,35.00 pen 5/1 fill 008000",
                "1: 50.00,0.00 79.00,90.00 2.00,35.00 98.00,35.00 21.00,90.00 pen 0/3 fill -" } },
        { "StarInOneStrokeUnderEvenOddStaysOneShape", "M50 0 L79 90 L2 35 L98 35 L21 90 Z",
            With(Filled(), [](TSvgPaint& p) { p.Rule = Qt::OddEvenFill; }),
            { "1: 50.00,0.00 79.00,90.00 2.00,35.00 98.00,35.00 21.00,90.00 pen 5/1 fill 0000ff" } },
        { "LoneMovesAreLeftOut", "M0 0 M5 5 L10 5 M20 20", Stroked(), { "7: 5.00,5.00 10.00,5.00 pen 0/3 fill -" } },
    };

    class SvgShapeBuilder : public testing::TestWithParam<TBuildCase> { };

    TEST_P(SvgShapeBuilder, BuildsTheKindsAndPens)
    {
        const TBuildCase& c = GetParam();
        QPainterPath path;
        qint64 budget = 1000;
        ASSERT_TRUE(ParseSvgPathData(QString::fromLatin1(c.Data), path, budget));
        std::vector<TPolygon> shapes;
        AppendPathShapes(path, c.Paint, shapes);
        std::vector<std::string> described;
        for (const TPolygon& shape : shapes)
            described.push_back(DescribeShape(shape));
        EXPECT_EQ(described, c.Shapes);
    }

    INSTANTIATE_TEST_SUITE_P(
        Paths, SvgShapeBuilder, testing::ValuesIn(BuildCases), [](const auto& info) { return info.param.Name; });

    // A stroke finer than the one-unit pen would print bold, so it pales by its share of that unit,
    // toward the fill it runs along or else toward white.
    TEST(SvgShapeBuilder, PensTakeTheNearestWidthAndHairlinesFade)
    {
        const auto filled = [](double widthMm) {
            return With(FilledAndStroked(), [widthMm](TSvgPaint& p) { p.StrokeWidthMm = widthMm; });
        };
        const std::tuple<TSvgPaint, std::int32_t, TColour> cases[] = {
            { Stroked(0.5), 3, 0xff0000 }, // blue, as given
            { Stroked(25.4 / 96), 1, 0xff0000 }, // a CSS pixel, halfway between two pens: the thinner
            { Stroked(25.4 / 144 / 2), 1, 0xff8080 }, // half a unit: halfway to white
            { Stroked(0.01), 1, 0xfff1f1 }, { filled(25.4 / 144 / 2), 1, 0x804000 }, // halfway to the green fill
        };
        for (const auto& [paint, width, colour] : cases) {
            std::vector<TPolygon> shapes;
            AppendBoxShape(skRectangle, QRectF(1, 2, 3, 4), paint, shapes);
            ASSERT_EQ(shapes.size(), 1u);
            EXPECT_EQ(shapes[0].FPen.Width, width) << paint.StrokeWidthMm;
            EXPECT_EQ(shapes[0].FPen.Colour, colour) << paint.StrokeWidthMm;
        }
    }

    TEST(SvgShapeBuilder, BoxesKeepTheirKinds)
    {
        std::vector<TPolygon> shapes;
        AppendBoxShape(skRectangle, QRectF(1, 2, 3, 4), FilledAndStroked(), shapes);
        AppendBoxShape(skCircle, QRectF(1, 2, 3, 4), Filled(), shapes);
        AppendBoxShape(skCircle, QRectF(1, 2, 0, 4), Filled(), shapes);
        ASSERT_EQ(shapes.size(), 2u);
        EXPECT_EQ(DescribeShape(shapes[0]), "2: 1.00,2.00 1.00,6.00 4.00,6.00 4.00,2.00 pen 0/3 fill 008000");
        EXPECT_EQ(shapes[1].FKind, skCircle);
        EXPECT_EQ(shapes[1].FBounds, (TMMRect { 1, 2, 4, 6 }));
    }

    struct TTextCase {
        TSvgTextAnchor Anchor;
        double RotationDegrees;
        // Where the anchor lies along the frame's top edge, as a share of its length.
        double Share;
        std::int32_t Orientation;
    };

    TEST(SvgShapeBuilder, TextSitsOnItsBaselineByItsAnchor)
    {
        const TTextCase cases[] = {
            { TSvgTextAnchor::Start, 0, 0, 0 },
            { TSvgTextAnchor::Middle, 0, 0.5, 0 },
            { TSvgTextAnchor::End, 90, 1, 2700 },
            { TSvgTextAnchor::Start, -30, 0, 300 },
        };
        for (const TTextCase& c : cases) {
            TSvgText text;
            text.Text = QStringLiteral("Gas jar");
            text.Family = QStringLiteral("serif");
            // 4 mm shows 16 pixels high at zoom x1, which a 12 pt text does at 96 pixels per inch.
            text.SizeMm = 4;
            text.Weight = 700;
            text.Italic = true;
            text.Colour = QColor(0, 0, 255);
            text.Anchor = c.Anchor;
            text.RotationDegrees = c.RotationDegrees;
            text.BaselineMm = QPointF(50, 20);
            std::vector<TPolygon> shapes;
            AppendTextShape(text, shapes);
            ASSERT_EQ(shapes.size(), 1u);
            const TPolygon& shape = shapes[0];
            EXPECT_EQ(shape.FKind, skText);
            EXPECT_EQ(shape.FText, QByteArrayLiteral("Gas jar"));
            EXPECT_EQ(shape.FFont.Size(), 12);
            EXPECT_TRUE(shape.FFont.Bold() && shape.FFont.Italic());
            EXPECT_EQ(shape.FFont.Face(), QByteArrayLiteral("Times New Roman"));
            EXPECT_EQ(shape.FFont.Colour, clBlue);
            EXPECT_EQ(shape.FFont.Orientation(), c.Orientation);
            // The baseline runs parallel to the top edge, one ascent below it: the anchor lies on the
            // line from the left to the right edge at the ascent's share of the height.
            const QPointF top(shape.GetPoint(0).X, shape.GetPoint(0).Y);
            const QPointF left(shape.GetPoint(1).X, shape.GetPoint(1).Y);
            const QPointF along = QPointF(shape.GetPoint(3).X, shape.GetPoint(3).Y) - top;
            const QPointF down = left - top;
            const QPointF offset = QPointF(50, 20) - top - along * c.Share;
            // The offset from the top edge points straight down the frame, less than its height.
            const double cross = offset.x() * down.y() - offset.y() * down.x();
            EXPECT_NEAR(cross, 0, 0.01);
            const double depth
                = (offset.x() * down.x() + offset.y() * down.y()) / (down.x() * down.x() + down.y() * down.y());
            EXPECT_GT(depth, 0.5);
            EXPECT_LT(depth, 1);
        }
    }

    TEST(SvgShapeBuilder, EmptyTextAddsNothing)
    {
        std::vector<TPolygon> shapes;
        AppendTextShape(TSvgText(), shapes);
        EXPECT_TRUE(shapes.empty());
    }

} // namespace
} // namespace korvo
