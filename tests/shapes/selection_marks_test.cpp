#include "shapes/selection_marks.h"

#include "shapes/pen_modes.h"

#include "support/paint_helpers.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

TPolygon Shape(std::int32_t kind, TMMArray points, int selectedNode = -1)
{
    TPolygon shape;
    shape.SetKind(kind);
    shape.FPoints = std::move(points);
    shape.FSelNode = selectedNode;
    shape.CalcBounds(4);
    shape.CalcGrips();
    return shape;
}

QImage Grips(const TPolygon& shape, int offsetX = 0, int offsetY = 0)
{
    QImage image = WhiteCanvas();
    QPainter painter(&image);
    DrawGrips(painter, shape, offsetX, offsetY);
    return image;
}

QImage Nodes(const TPolygon& shape, TPaintErrors* errors = nullptr)
{
    QImage image = WhiteCanvas();
    QPainter painter(&image);
    TPointArray buffer;
    TPaintErrors own;
    DrawNodes(painter, shape, 0, 0, 4, buffer, errors ? *errors : own);
    return image;
}

TEST(SelectionMarks, HandlesAreEightGreySquaresOutsideTheBounds)
{
    // Device bounds (40, 40, 120, 80).
    const TPolygon box = Shape(skRectangle, { { 10, 10 }, { 10, 20 }, { 30, 20 }, { 30, 10 } });
    const QImage image = Grips(box);
    EXPECT_EQ(InkIn(image, QRect(0, 0, 240, 240)), 8 * 64);
    for (const QPoint topLeft : { QPoint(32, 32), QPoint(76, 32), QPoint(120, 32), QPoint(120, 56), QPoint(120, 80),
             QPoint(76, 80), QPoint(32, 80), QPoint(32, 56) })
        EXPECT_EQ(InkIn(image, QRect(topLeft, QSize(8, 8))), 64) << topLeft.x() << "," << topLeft.y();
    EXPECT_EQ(PixelColour(image, { 32, 32 }), clGray);

    // Scrolled by (10, 20), every handle moves up and left by that much.
    EXPECT_EQ(InkIn(Grips(box, 10, 20), QRect(22, 12, 8, 8)), 64);
}

TEST(SelectionMarks, TextHandlesAreSmallerSquaresOnTheSameCentres)
{
    const TPolygon text = Shape(skText, { { 10, 10 }, { 10, 20 }, { 30, 20 }, { 30, 10 } });
    const QImage image = Grips(text);
    EXPECT_EQ(InkIn(image, QRect(0, 0, 240, 240)), 8 * 16);
    EXPECT_EQ(InkIn(image, QRect(34, 34, 4, 4)), 16);
}

struct TMarkerCase {
    const char* Name;
    TPolygon Shape;
    int Markers;
    std::vector<int> RedNodes;
};

TMMArray Points(int n)
{
    TMMArray points;
    for (int i = 0; i < n; ++i)
        points.push_back({ 5.0f + 4 * static_cast<float>(i % 10), 5.0f + 10 * static_cast<float>(i / 10) });
    return points;
}

TEST(SelectionMarks, NodeMarkersAndWhichOnesAreRed)
{
    TMMArray closed = Points(7);
    closed.back() = closed.front();
    closed.back().Y += 40; // keep last and first apart on screen to see both markers
    const std::vector<TMarkerCase> cases = {
        { "polygon, selected node red", Shape(skPolygon, Points(5), 2), 5, { 2 } },
        { "curve control points are never red", Shape(skCurve, Points(4), 1), 4, {} },
        { "curve end anchor red", Shape(skCurve, Points(4), 3), 4, { 3 } },
        { "open curve anchor red", Shape(skOpenCurveFilled, Points(7), 3), 7, { 3 } },
        { "closed curve: first selected lights the last too", Shape(skClosedCurve, closed, 0), 7, { 0, 6 } },
        { "tube bend hides its repeated nodes", Shape(skTubeBend, Points(13), -1), 8, {} },
    };
    for (const TMarkerCase& c : cases) {
        const QImage image = Nodes(c.Shape);
        TPointArray device = c.Shape.GetDevicePoints(0, 0, 4);
        int markers = 0;
        for (std::size_t i = 0; i < device.size(); ++i) {
            const QPoint centre = device[i];
            const TColour colour = PixelColour(image, centre + QPoint(-2, -2));
            markers += colour == clGray || colour == clRed;
            const bool red = std::find(c.RedNodes.begin(), c.RedNodes.end(), static_cast<int>(i)) != c.RedNodes.end();
            if (colour == clGray || colour == clRed) {
                EXPECT_EQ(colour, red ? clRed : clGray) << c.Name << " node " << i;
            }
        }
        EXPECT_EQ(markers, c.Markers) << c.Name;
    }
}

TEST(SelectionMarks, MarkerIsSixBySixAroundTheNode)
{
    const QImage image = Nodes(Shape(skLine, { { 10, 10 }, { 50, 50 } }));
    EXPECT_EQ(InkIn(image, QRect(37, 37, 6, 6)), 36);
    EXPECT_EQ(InkIn(image, QRect(36, 36, 8, 1)) + InkIn(image, QRect(36, 43, 8, 1)), 0);
}

TEST(SelectionMarks, ControlLinesAreExclusiveOrSoDrawingTwiceErasesThem)
{
    const TPolygon curve = Shape(skCurve, { { 10, 10 }, { 10, 40 }, { 40, 40 }, { 40, 10 } });
    QImage image = WhiteCanvas();
    {
        QPainter painter(&image);
        TPointArray buffer;
        TPaintErrors errors;
        DrawNodes(painter, curve, 0, 0, 4, buffer, errors);
        // Half way along the control line from node 0 to node 1.
        EXPECT_FALSE(IsWhite(image, { 40, 100 }));
        DrawNodes(painter, curve, 0, 0, 4, buffer, errors);
    }
    EXPECT_TRUE(IsWhite(image, { 40, 100 }));
}

TEST(SelectionMarks, GroupShowsNoNodes)
{
    TPolygon group;
    group.SetKind(skGroup);
    group.AddToGroup(Shape(skRectangle, Points(4)), 4);
    EXPECT_EQ(InkIn(Nodes(group), QRect(0, 0, 240, 240)), 0);
}

} // namespace

namespace {

TEST(PenModes, NotXorOnWhiteIsBlackAndDrawingTwiceRestores)
{
    QImage image = WhiteCanvas(20, 20);
    QPainter painter(&image);
    SetPenMode(painter, TPenMode::NotXor);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(0, 10, 19, 10);
    EXPECT_EQ(PixelColour(image, { 5, 10 }), clBlack);
    EXPECT_EQ(qAlpha(image.pixel(5, 10)), 255) << "the view stays opaque";
    painter.drawLine(0, 10, 19, 10);
    EXPECT_EQ(PixelColour(image, { 5, 10 }), clWhite);
}

} // namespace
