#include "shapes/paint_reach.h"
#include "shapes/shape_painter.h"

#include "support/paint_helpers.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

constexpr int Dpi = 96;
constexpr std::uint8_t HebrewCharset = 177;
constexpr TColour EveryFifthLine = 0xFF0000;

TPolygon Shape(std::int32_t kind, TMMArray points, int penWidth = 1, std::uint8_t lineEnd = leNone)
{
    TPolygon shape;
    shape.SetKind(kind);
    shape.FPoints = std::move(points);
    shape.FPen.Colour = clBlack;
    shape.FPen.Width = penWidth;
    shape.FBrush.SetFill(clBlue);
    shape.FLineEnd = lineEnd;
    return shape;
}

// A text from (100, 100) mm, its lines advancing towards `towards`.
TPolygon Text(
    const QByteArray& text, int size, TMMPoint towards, int escapement = 0, std::uint8_t charset = DefaultCharset)
{
    TPolygon shape = Shape(skText, { { 100, 100 }, towards, { 120, 110 }, { 120, 100 } });
    shape.FText = text;
    shape.FFont.SetFace("Liberation Sans");
    shape.FFont.SetSize(size);
    shape.FFont.Colour = clBlack;
    shape.FFont.SetOrientation(escapement);
    shape.FFont.SetCharset(charset);
    shape.FFont.SetItalic(true);
    shape.FFont.SetUnderline(true);
    return shape;
}

TPolygon GraphPaper(float scale)
{
    TPolygon paper = Shape(skGraphPaper, {}, 3);
    paper.MakeGraphPaper({ 90, 90, 110, 110 }, scale);
    paper.FFont.SetSize(1);
    paper.FFont.Colour = EveryFifthLine;
    return paper;
}

struct TReachCase {
    const char* Name;
    float Scale;
    TPolygon Shape;
};

// Painting only a part of the page skips the shapes whose reach misses it, so a pixel painted outside
// the reach would be left behind when the shape moves.
TEST(PaintReach, EveryPixelAShapePaintsLiesWithinItsReach)
{
    const std::vector<TReachCase> cases = {
        { "one line", 4, Text("Label 123", 10, { 100, 110 }) },
        { "lines downwards, a line feed ignored", 4, Text("WWW\r\nMMMMMM\rW", 14, { 100, 110 }) },
        { "lines to the upper left", 2, Text("one\rtwo\rthree\rfour", 12, { 90, 92 }) },
        { "a frame without extent advances straight down", 8, Text("A\rB\rC", 6, { 100, 100 }) },
        { "turned a quarter", 4, Text("HHHH\rHH", 20, { 110, 100 }, 900) },
        { "turned upside down", 4, Text("Upside", 16, { 100, 110 }, 1800) },
        { "turned clockwise", 4, Text("slope", 16, { 100, 110 }, -300) },
        { "tabs in a tiny font", 4, Text("a\t\tb\tc", 2, { 100, 110 }) },
        { "right-to-left script", 4, Text("\xF9\xEC\xE5\xED \xF2\xE5\xEC\xED", 16, { 100, 110 }, 0, HebrewCharset) },
        { "arrow", 4, Shape(skLine, { { 100, 100 }, { 100, 120 } }, 1, leArrow) },
        { "end circle on a curve", 8,
            Shape(skCurve, { { 100, 100 }, { 110, 90 }, { 90, 80 }, { 100, 120 } }, 2, leCircle) },
        { "sharp corner of a wide pen", 4, Shape(skPolygon, { { 100, 100 }, { 130, 102 }, { 100, 104 } }, 9) },
        { "graph paper with wide major lines", 4, GraphPaper(4) },
    };
    for (const TReachCase& c : cases) {
        const std::optional<TRect> reach = PaintReach(c.Shape, c.Scale, Dpi);
        ASSERT_TRUE(reach) << c.Name;
        QImage canvas = WhiteCanvas(1200, 1200);
        {
            QPainter painter(&canvas);
            TFontCache fonts;
            TShapePainter shapes(painter, TPaintTarget::Screen, Dpi, fonts);
            shapes.Draw(c.Shape, 0, 0, c.Scale);
        }
        const QRect within = reach->ToQRect();
        EXPECT_GT(InkIn(canvas, within), 0) << c.Name;
        EXPECT_EQ(InkIn(canvas, canvas.rect()), InkIn(canvas, within)) << c.Name;
    }
}

// The band a line of text runs along is what a change of the text repaints, and what a change nearby
// repaints the text for: it must not grow with the text's length across the line or before its start.
TEST(PaintReach, TextReachesAlongItsLinesOnly)
{
    const TRect reach = *PaintReach(Text("A label some forty bytes long, on one line", 10, { 100, 110 }), 4, Dpi);
    const int cell = 10 * Dpi / 72 + 2;
    EXPECT_LT(reach.Bottom - reach.Top, 6 * cell);
    EXPECT_GE(reach.Left, 400 - 2 * cell);
}

} // namespace
