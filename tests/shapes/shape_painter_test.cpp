#include "shapes/shape_painter.h"
#include "shapes/shape_thumbnail.h"

#include "geometry/units.h"
#include "support/paint_helpers.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

constexpr TColour Green = 0x0000FF00;
constexpr TColour Pink = 0x00C0C0FF;

struct TPainted {
    QImage Image;
    QStringList Errors;
};

TPainted PaintShape(const TPolygon& shape, float scale = 4, TPaintTarget target = TPaintTarget::Screen, int dpi = 96)
{
    TPainted result { WhiteCanvas(300, 300), {} };
    QPainter painter(&result.Image);
    TFontCache fonts;
    TShapePainter shapes(painter, target, dpi, fonts);
    shapes.Draw(shape, 0, 0, scale);
    result.Errors = shapes.Errors().Messages();
    return result;
}

TPolygon Shape(std::int32_t kind, TMMArray points, TColour pen, TColour fill, std::uint8_t lineEnd = leNone)
{
    TPolygon shape;
    shape.SetKind(kind);
    shape.FPoints = std::move(points);
    shape.FPen.Colour = pen;
    shape.FBrush.SetFill(fill);
    shape.FLineEnd = lineEnd;
    shape.CalcBounds(4);
    return shape;
}

TPolygon Box(std::int32_t kind, TMMRect r, TColour pen, TColour fill)
{
    TPolygon shape = Shape(kind, {}, pen, fill);
    shape.SetFromRect(r, 4);
    return shape;
}

struct TPixel {
    QPoint At;
    TColour Expected;
};

struct TKindCase {
    const char* Name;
    TPolygon Shape;
    std::vector<TPixel> Pixels;
};

// At scale 4 a millimetre is four pixels, so (10, 10) mm is pixel (40, 40).
std::vector<TKindCase> KindCases()
{
    return {
        { "rectangle: fill inside, outline on the edge, white outside",
            Box(skRectangle, { 10, 10, 30, 20 }, clBlue, Green),
            { { { 80, 60 }, Green }, { { 40, 60 }, clBlue }, { { 80, 80 }, clBlue }, { { 20, 20 }, clWhite },
                { { 125, 60 }, clWhite } } },
        { "ellipse: fill at the centre, outline at the left, corners of its box stay white",
            Box(skCircle, { 10, 10, 50, 50 }, clRed, Green),
            { { { 120, 120 }, Green }, { { 40, 120 }, clRed }, { { 45, 45 }, clWhite } } },
        { "polygon", Shape(skPolygon, { { 10, 10 }, { 50, 10 }, { 10, 50 } }, clBlue, Green),
            { { { 60, 60 }, Green }, { { 100, 40 }, clBlue }, { { 150, 150 }, clWhite } } },
        { "line with a dot: a 4-pixel dot in the line colour although lines have no fill",
            Shape(skLine, { { 5, 10 }, { 30, 10 } }, clRed, NoFillColour, leCircle),
            { { { 60, 40 }, clRed }, { { 60, 42 }, clWhite }, { { 120, 42 }, clRed }, { { 120, 46 }, clWhite } } },
        { "arrow to the right: head base lies left of the tip",
            Shape(skLine, { { 10, 10 }, { 40, 10 } }, clBlue, NoFillColour, leArrow),
            { { { 152, 42 }, clBlue }, { { 152, 38 }, clBlue }, { { 152, 45 }, clWhite }, { { 163, 40 }, clWhite } } },
        { "arrow straight up: head unturned, 3b long and 2b wide",
            Shape(skLine, { { 20, 40 }, { 20, 10 } }, clBlue, NoFillColour, leArrow),
            { { { 83, 50 }, clBlue }, { { 77, 50 }, clBlue }, { { 86, 50 }, clWhite }, { { 80, 37 }, clWhite } } },
        { "medium arrow at scale 4 is 9 pixels long",
            Shape(skLine, { { 10, 10 }, { 40, 10 } }, clBlue, NoFillColour, leArrowMedium),
            { { { 153, 41 }, clBlue }, { { 150, 42 }, clWhite }, { { 150, 41 }, clWhite } } },
        { "horizontal tube: solid walls top and bottom, open ends",
            [] {
                TPolygon tube = Box(skTube, { 10, 10, 50, 20 }, clBlack, Pink);
                tube.FPen.Style = psDot;
                return tube;
            }(),
            { { { 100, 60 }, Pink }, { { 101, 40 }, clBlack }, { { 102, 40 }, clBlack }, { { 103, 40 }, clBlack },
                { { 101, 80 }, clBlack }, { { 40, 60 }, Pink } } },
        { "vertical tube: walls left and right, open ends", Box(skTubeVertical, { 10, 10, 20, 50 }, clBlack, Pink),
            { { { 60, 100 }, Pink }, { { 40, 100 }, clBlack }, { { 80, 100 }, clBlack }, { { 60, 40 }, Pink } } },
        { "open polygon: filled, outlined only along its path",
            Shape(skOpenPolygon, { { 10, 10 }, { 50, 10 }, { 50, 50 } }, clBlack, Green),
            { { { 180, 80 }, Green }, { { 100, 40 }, clBlack }, { { 200, 100 }, clBlack }, { { 126, 120 }, Green },
                { { 118, 120 }, clWhite } } },
        { "rectangle without outline",
            [] {
                TPolygon box = Box(skRectangle, { 10, 10, 30, 20 }, clBlue, Green);
                box.FPen.Style = psClear;
                return box;
            }(),
            { { { 40, 60 }, Green }, { { 80, 60 }, Green } } },
    };
}

TEST(ShapePainter, EveryKindPaintsWhereItsGeometrySays)
{
    for (const TKindCase& c : KindCases()) {
        const TPainted painted = PaintShape(c.Shape);
        EXPECT_TRUE(painted.Errors.isEmpty()) << c.Name;
        for (const TPixel& pixel : c.Pixels)
            EXPECT_EQ(PixelColour(painted.Image, pixel.At), pixel.Expected)
                << c.Name << " at " << pixel.At.x() << "," << pixel.At.y();
    }
}

TEST(ShapePainter, CurvesAndTubeBendsFillTheirOutline)
{
    TPolygon sine = Shape(skOpenCurveFilled, {}, clBlack, Green);
    sine.MakeSine({ 10, 10, 70, 40 }, 4);
    const QImage wave = PaintShape(sine).Image;
    // The crest's area above the chord is filled; so is the trough's below it.
    EXPECT_EQ(PixelColour(wave, { 100, 80 }), Green);
    EXPECT_EQ(PixelColour(wave, { 220, 120 }), Green);
    EXPECT_TRUE(IsWhite(wave, { 220, 80 }));

    TPolygon bend = Shape(skTubeBend, {}, clBlack, Green);
    bend.MakeTubeBend({ 10, 10, 50, 50 }, 4);
    const QImage tube = PaintShape(bend).Image;
    EXPECT_GT(InkIn(tube, QRect(180, 36, 1, 6)), 0) << "outer arc near its top end";
    EXPECT_EQ(PixelColour(tube, { 180, 38 }), clWhite);
    EXPECT_EQ(PixelColour(tube, { 170, 55 }), Green) << "inside the wall";
    EXPECT_EQ(PixelColour(tube, { 199, 60 }), Green) << "the straight end is not outlined";
    EXPECT_TRUE(IsWhite(tube, { 120, 120 })) << "inside the inner arc";
}

TEST(ShapePainter, GroupPaintsEveryChildAndAnEmptyGroupNothing)
{
    TPolygon group;
    group.SetKind(skGroup);
    EXPECT_EQ(InkIn(PaintShape(group).Image, QRect(0, 0, 300, 300)), 0);
    group.AddToGroup(Box(skRectangle, { 10, 10, 20, 20 }, clBlack, Green), 4);
    group.AddToGroup(Box(skRectangle, { 40, 40, 50, 50 }, clBlack, Pink), 4);
    const TPainted painted = PaintShape(group);
    EXPECT_EQ(PixelColour(painted.Image, { 60, 60 }), Green);
    EXPECT_EQ(PixelColour(painted.Image, { 180, 180 }), Pink);
    EXPECT_TRUE(painted.Errors.isEmpty());
}

// A 40-pixel row: the picture at its natural size when it fits, else shrunk to the row's height, and a
// level or upright line drawn across its square or along its edge.
TEST(Thumbnail, FitsTheRowKeepingProportionsAndDrawsFlatShapes)
{
    struct Case {
        const char* name;
        TPolygon shape;
        TRect used;
        QPoint inked;
    };
    const Case cases[] = {
        { "wide", Box(skRectangle, { 0, 0, 50, 25 }, clBlack, Green), { 2, 11, 42, 31 }, { 20, 20 } },
        { "small", Box(skRectangle, { 0, 0, 5, 2.5f }, clBlack, Green), { 2, 16, 22, 26 }, { 12, 20 } },
        { "tall", Box(skRectangle, { 0, 0, 10, 50 }, clBlack, Green), { 2, 1, 10, 41 }, { 6, 20 } },
        { "level line", Shape(skLine, { { 0, 0 }, { 50, 0 } }, clBlack, NoFillColour, leArrow), { 2, 1, 42, 41 },
            { 20, 21 } },
        { "short level line", Shape(skLine, { { 0, 0 }, { 5, 0 } }, clBlack, NoFillColour), { 2, 21, 22, 21 },
            { 12, 21 } },
        { "upright line", Shape(skLine, { { 0, 0 }, { 0, 50 } }, clBlack, NoFillColour), { 2, 1, 2, 41 }, { 2, 20 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage row = WhiteCanvas(300, 42);
        QPainter painter(&row);
        TFontCache fonts;
        TShapePainter shapes(painter, TPaintTarget::Screen, 96, fonts);
        const TRect used = DrawThumbnail(shapes, painter, c.shape, { 2, 1, 300, 41 });
        painter.end();
        EXPECT_EQ(used, c.used);
        EXPECT_FALSE(IsWhite(row, c.inked));
        const QRect around = used.ToQRect().adjusted(-2, -2, 2, 2);
        EXPECT_EQ(InkIn(row, row.rect()), InkIn(row, around)) << "ink outside the thumbnail";
    }
}

TPolygon Paper(TMMRect r, int square, TColour majorLines)
{
    TPolygon paper = Shape(skGraphPaper, {}, clBlack, NoFillColour);
    paper.MakeGraphPaper(r, 4);
    paper.FFont.SetSize(square);
    paper.FFont.Colour = majorLines;
    return paper;
}

// Black pixels among the five around `at` along `direction`: the width of a line crossing there.
int LineWidthAt(const QImage& image, QPoint at, QPoint direction = { 1, 0 })
{
    int width = 0;
    for (int d = -2; d <= 2; ++d)
        width += PixelColour(image, at + d * direction) == clBlack;
    return width;
}

TEST(GraphPaper, LinesEverySquareAndThickerMajorLines)
{
    const QImage plain = PaintShape(Paper({ 10, 10, 70, 70 }, 10, clBlack)).Image;
    for (int x : { 40, 80, 120, 160, 200, 240, 280 })
        EXPECT_EQ(LineWidthAt(plain, { x, 100 }), 1) << "vertical line at " << x;
    EXPECT_TRUE(IsWhite(plain, { 60, 100 }));
    EXPECT_EQ(LineWidthAt(plain, { 100, 80 }, { 0, 1 }), 1) << "horizontal lines too";

    // 2 mm squares, every fifth line thicker: lines at 40 + 8r, thick at r = 0, 5, 10.
    const QImage major = PaintShape(Paper({ 10, 10, 70, 70 }, 2, clBlue)).Image;
    EXPECT_EQ(LineWidthAt(major, { 80, 100 }), 2);
    EXPECT_EQ(LineWidthAt(major, { 120, 100 }), 2);
    EXPECT_EQ(LineWidthAt(major, { 88, 100 }), 1);
    EXPECT_EQ(LineWidthAt(major, { 112, 100 }), 1);
    EXPECT_EQ(LineWidthAt(major, { 100, 80 }, { 0, 1 }), 2);
}

// The sheet as a view of `size` pixels scrolled to `scroll` shows it, at zoom x1.
QImage PaintView(const TPolygon& shape, QPoint scroll, QSize size)
{
    QImage image = WhiteCanvas(size.width(), size.height());
    QPainter painter(&image);
    TFontCache fonts;
    TShapePainter(painter, TPaintTarget::Screen, 96, fonts).Draw(shape, scroll.x(), scroll.y(), BaseScale);
    return image;
}

TEST(GraphPaper, ARotatedSheetCutByTheViewInksThereWhatTheWholeSheetInks)
{
    // 2 mm squares with every fifth line thicker, turned about the sheet's centre: from page pixel
    // (-10, -10) to (330, 330), so a view from (-40, -40) holds it whole.
    TPolygon paper = Paper({ 10, 10, 70, 70 }, 2, clBlue);
    paper.RotateAbout(17, 40, 40);
    const QPoint wholeAt(-40, -40);
    const QImage whole = PaintView(paper, wholeAt, { 400, 400 });
    for (const QPoint scroll : { QPoint(90, 110), QPoint(-25, 230) }) {
        const QImage part = PaintView(paper, scroll, { 120, 100 });
        int differing = 0;
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                differing += part.pixel(x, y) != whole.pixel(QPoint(x, y) + scroll - wholeAt);
        EXPECT_EQ(differing, 0) << "view scrolled to " << scroll.x() << "," << scroll.y();
    }
}

TEST(GraphPaper, DegenerateSquaresDrawNothingAndHugeSheetsTheirVisibleLines)
{
    for (int square : { 0, -5 })
        EXPECT_EQ(InkIn(PaintShape(Paper({ 10, 10, 70, 70 }, square, clRed)).Image, QRect(0, 0, 300, 300)), 0)
            << "square " << square;
    EXPECT_EQ(InkIn(PaintShape(Paper({ 10, 10, 70, 70 }, 1, clRed), 0.5f).Image, QRect(0, 0, 300, 300)), 0)
        << "squares under a pixel";

    const QImage huge = PaintShape(Paper({ 0, 0, 1e8f, 1e8f }, 1, clBlack)).Image;
    EXPECT_EQ(LineWidthAt(huge, { 40, 102 }), 1) << "its visible lines are still there, 1 mm apart";
    EXPECT_EQ(LineWidthAt(huge, { 102, 40 }, { 0, 1 }), 1);
}

TPolygon TextShape(TMMArray frame, const QByteArray& text, int size, int orientation = 0)
{
    TPolygon shape = Shape(skText, std::move(frame), clBlack, NoFillColour);
    shape.FText = text;
    shape.FFont.SetFace("Liberation Sans");
    shape.FFont.SetSize(size);
    shape.FFont.Colour = clBlack;
    shape.FFont.SetOrientation(orientation);
    return shape;
}

TMMArray Frame(float l, float t, float r, float b) { return { { l, t }, { l, b }, { r, b }, { r, t } }; }

TEST(TextPainting, LinesStartAtTheFrameAndAdvanceOneFontHeight)
{
    // Size 20 at 96 dpi and zoom x1: 26 pixels per line.
    const QImage two = PaintShape(TextShape(Frame(10, 10, 70, 40), "HH\r\nHH", 20)).Image;
    EXPECT_EQ(InkIn(two, QRect(0, 0, 300, 38)), 0) << "nothing above the frame";
    EXPECT_EQ(InkIn(two, QRect(0, 40, 38, 100)), 0) << "nothing left of the frame";
    EXPECT_GT(InkIn(two, QRect(40, 40, 60, 26)), 0) << "first line";
    EXPECT_GT(InkIn(two, QRect(40, 66, 60, 26)), 0) << "second line";
    EXPECT_EQ(InkIn(two, QRect(40, 94, 260, 100)), 0) << "a line feed adds no third line";
}

TEST(TextPainting, EscapementTurnsTextAboutItsStart)
{
    // Turned a quarter counter-clockwise, the text reads upwards from its start at (40, 200).
    const TMMArray upwards { { 10, 50 }, { 20, 50 }, { 20, 10 }, { 10, 10 } };
    const QImage turned = PaintShape(TextShape(upwards, "HHHH", 20, 900)).Image;
    EXPECT_GT(InkIn(turned, QRect(40, 120, 28, 80)), 0);
    EXPECT_EQ(InkIn(turned, QRect(70, 150, 200, 100)), 0) << "no ink along the unturned direction";
}

TEST(TextPainting, DegenerateFramesPaintWithoutErrors)
{
    const TMMArray samePoint { { 10, 10 }, { 10, 10 }, { 10, 10 }, { 10, 10 } };
    const TPainted painted = PaintShape(TextShape(samePoint, "A\rB", 12));
    EXPECT_TRUE(painted.Errors.isEmpty());
    EXPECT_GT(InkIn(painted.Image, QRect(40, 40, 40, 40)), 0);
    EXPECT_TRUE(PaintShape(TextShape({ { 10, 10 } }, "one point", 12)).Errors.isEmpty());
}

TEST(DevicePainting, PenWidthsInSizeOf144thInchAndTextAtItsPointSize)
{
    // A solid 1-pixel line is 600 / 144 = 4 pixels wide at 600 dpi; a dotted one stays 1 pixel.
    const TPolygon line = Shape(skLine, { { 5, 20 }, { 60, 20 } }, clBlack, NoFillColour);
    const QImage solid = PaintShape(line, 4, TPaintTarget::Device, 600).Image;
    EXPECT_EQ(InkIn(solid, QRect(100, 70, 1, 20)), 4);
    TPolygon dotted = line;
    dotted.FPen.Style = psDot;
    const QImage dots = PaintShape(dotted, 4, TPaintTarget::Device, 600).Image;
    EXPECT_GT(InkIn(dots, QRect(20, 80, 220, 1)), 0);
    EXPECT_EQ(InkIn(dots, QRect(20, 70, 220, 10)) + InkIn(dots, QRect(20, 81, 220, 10)), 0);

    // On a device the characters keep their size whatever the page scale.
    const TPolygon text = TextShape(Frame(5, 5, 60, 20), "I", 20);
    const auto inkHeight = [](const QImage& image) {
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            rows += InkIn(image, QRect(0, y, image.width(), 1)) > 0;
        return rows;
    };
    EXPECT_EQ(inkHeight(PaintShape(text, 4, TPaintTarget::Device, 96).Image),
        inkHeight(PaintShape(text, 8, TPaintTarget::Device, 96).Image));
}

TEST(PagePicturePainting, PensKeepTheirWidthOnPaperAtTheScaleOfThePicture)
{
    // Pen units are 1/144 inch; 4 pixels to the millimetre is 102 to the inch, halves away from zero.
    struct TCase {
        std::int32_t Width;
        float Scale;
        int Pixels;
    };
    for (const TCase c : { TCase { 1, 4, 1 }, TCase { 3, 4, 2 }, TCase { 5, 4, 4 }, TCase { 1, 12, 2 } }) {
        TPolygon line = Shape(skLine, { { 2, 20 }, { 20, 20 } }, clBlack, NoFillColour);
        line.FPen.Width = c.Width;
        const QImage image = PaintShape(line, c.Scale, TPaintTarget::PagePicture).Image;
        EXPECT_EQ(InkIn(image, QRect(50, static_cast<int>(20 * c.Scale) - 10, 1, 20)), c.Pixels)
            << c.Width << " units at " << c.Scale << " pixels/mm";
    }
}

} // namespace
