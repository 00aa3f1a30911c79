#include "shape_edit_support.h"

#include <QPolygon>
#include <QRegion>

#include <cmath>
#include <limits>

using namespace korvo;
using korvo::test::MakeShape;

namespace {

TPolygon Ellipse(TMMRect r)
{
    TPolygon s;
    s.SetKind(skCircle);
    s.SetFromRect(r, 4);
    return s;
}

TPolygon TubeBend(TMMRect r)
{
    TPolygon s;
    s.SetKind(skTubeBend);
    s.MakeTubeBend(r, 4);
    return s;
}

// The platform's own answer: Qt's polygon region with the winding rule follows the same scanline
// convention, so it is the reference for every pixel around the shape.
QRegion ReferenceRegion(const TPolygon& s, int offsetX, int offsetY, float scale)
{
    QPolygon device;
    for (const TMMPoint& p : s.FPoints)
        device << QPoint(static_cast<int>(std::trunc(static_cast<double>(p.X) * scale)) - offsetX,
            static_cast<int>(std::trunc(static_cast<double>(p.Y) * scale)) - offsetY);
    return QRegion(device, Qt::WindingFill);
}

TEST(HitTest, EveryPixelAroundAShapeMatchesThePlatformRegion)
{
    const struct {
        const char* name;
        TPolygon shape;
    } shapes[] = {
        { "rectangle", MakeShape(skRectangle, { { 10, 10 }, { 10, 20 }, { 25, 20 }, { 25, 10 } }) },
        { "slanted triangle", MakeShape(skPolygon, { { 3.3f, 1.1f }, { 17.9f, 6.2f }, { 5.5f, 14.7f } }) },
        { "figure eight", MakeShape(skPolygon, { { 0, 0 }, { 10, 10 }, { 10, 0 }, { 0, 10 } }) },
        { "pentagram", MakeShape(skPolygon, { { 10, 0 }, { 16, 19 }, { 0, 7 }, { 20, 7 }, { 4, 19 } }) },
        { "ellipse control polygon", Ellipse({ 2, 3, 19, 11 }) },
        { "tube bend", TubeBend({ 1, 1, 21, 21 }) },
    };
    const struct {
        float scale;
        int offsetX, offsetY;
    } views[] = { { 1, 0, 0 }, { 4, 0, 0 }, { 4, 13, -7 }, { 7.5f, 40, 25 } };
    for (const auto& [name, shape] : shapes) {
        for (const auto& view : views) {
            const QRegion reference = ReferenceRegion(shape, view.offsetX, view.offsetY, view.scale);
            const QRect around = reference.boundingRect().adjusted(-3, -3, 3, 3);
            int mismatches = 0;
            for (int y = around.top(); y <= around.bottom(); ++y) {
                for (int x = around.left(); x <= around.right(); ++x) {
                    if (shape.ContainsPoint(x, y, view.offsetX, view.offsetY, view.scale)
                        != reference.contains(QPoint(x, y)))
                        ++mismatches;
                }
            }
            EXPECT_EQ(mismatches, 0) << name << " at scale " << view.scale << " offset " << view.offsetX;
        }
    }
}

TEST(HitTest, EdgesAndWindingOfKnownShapes)
{
    const TPolygon square = MakeShape(skRectangle, { { 10, 10 }, { 10, 20 }, { 20, 20 }, { 20, 10 } });
    const TPolygon eight = MakeShape(skPolygon, { { 0, 0 }, { 10, 10 }, { 10, 0 }, { 0, 10 } });
    const TPolygon pentagram = MakeShape(skPolygon, { { 10, 0 }, { 16, 19 }, { 0, 7 }, { 20, 7 }, { 4, 19 } });
    const struct {
        const char* name;
        const TPolygon& shape;
        int x, y, offsetX, offsetY;
        bool inside;
    } cases[] = {
        { "top-left corner pixel", square, 40, 40, 0, 0, true },
        { "last pixel before the right and bottom edges", square, 79, 79, 0, 0, true },
        { "right edge is outside", square, 80, 50, 0, 0, false },
        { "bottom edge is outside", square, 50, 80, 0, 0, false },
        { "left of the left edge", square, 39, 50, 0, 0, false },
        { "scrolled view", square, 30, 35, 10, 5, true },
        { "scrolled past the right edge", square, 70, 35, 10, 5, false },
        { "figure eight, left loop", eight, 4, 20, 0, 0, true },
        { "figure eight, right loop", eight, 36, 20, 0, 0, true },
        { "figure eight, above the crossing", eight, 20, 4, 0, 0, false },
        { "pentagram centre winds twice", pentagram, 40, 40, 0, 0, true },
        { "pentagram, between two points", pentagram, 8, 60, 0, 0, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shape.ContainsPoint(c.x, c.y, c.offsetX, c.offsetY, 4), c.inside) << c.name;
}

TEST(HitTest, ShapesWithoutAnAreaUseTheirDeviceBounds)
{
    // A two-point polygon from (10, 10) to (20, 12) mm: device bounds (40, 40)-(80, 48) at scale 4.
    const TPolygon twoPoints = MakeShape(skPolygon, { { 10, 10 }, { 20, 12 } });
    TPolygon group;
    group.SetKind(skGroup);
    group.FDevRect = { 100, 100, 120, 110 };
    const struct {
        const char* name;
        const TPolygon& shape;
        int x, y, offsetX, offsetY;
        bool inside;
    } cases[] = {
        { "inside the bounds off the line", twoPoints, 75, 41, 0, 0, true },
        { "left and top edges inside", twoPoints, 40, 40, 0, 0, true },
        { "right edge outside", twoPoints, 80, 45, 0, 0, false },
        { "bottom edge outside", twoPoints, 60, 48, 0, 0, false },
        { "scrolled view", twoPoints, 20, 10, 20, 30, true },
        { "scrolled past the bottom", twoPoints, 20, 18, 20, 30, false },
        { "group", group, 119, 109, 0, 0, true },
        { "outside the group", group, 120, 105, 0, 0, false },
        { "extreme scroll does not overflow", group, std::numeric_limits<int>::max(), 0,
            std::numeric_limits<int>::max(), 0, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shape.ContainsPoint(c.x, c.y, c.offsetX, c.offsetY, 4), c.inside) << c.name;
}

TEST(HitTest, HugeCoordinatesFromDamagedFilesAnswerAtOnce)
{
    // Scan-converting this polygon would visit hundreds of millions of rows.
    const TPolygon huge = MakeShape(skPolygon, { { 0, 0 }, { 2e7f, 1e8f }, { 1e8f, 3 } });
    EXPECT_TRUE(huge.ContainsPoint(4000, 4000, 0, 0, 4));
    EXPECT_FALSE(huge.ContainsPoint(-1, 4000, 0, 0, 4));
    // Points that have no device position leave the device bounds, here (0, 0) to (20, max), to decide.
    const TPolygon damaged = MakeShape(skPolygon, { { 0, 0 }, { NAN, 5 }, { 5, INFINITY } });
    EXPECT_TRUE(damaged.ContainsPoint(1, 1, 0, 0, 4));
    EXPECT_FALSE(damaged.ContainsPoint(20, 1, 0, 0, 4));
}

TEST(HitTest, NodeToleranceIsFourPixelsSquareAtEveryZoom)
{
    const TMMPoint node { 50, 50 };
    for (float scale : { 0.5f, 1.0f, 2.0f, 4.0f, 8.0f, 16.0f }) {
        const auto at = [&](float px, float py) { return TMMPoint { node.X + px / scale, node.Y + py / scale }; };
        EXPECT_TRUE(NodeNear(node, at(4, 4), scale)) << scale;
        EXPECT_TRUE(NodeNear(node, at(-4, -4), scale)) << scale;
        EXPECT_FALSE(NodeNear(node, at(5, 0), scale)) << scale;
        EXPECT_FALSE(NodeNear(node, at(4, -5), scale)) << scale;
    }
    for (float scale : { 0.0f, -4.0f, NAN, INFINITY })
        EXPECT_FALSE(NodeNear(node, node, scale)) << scale;
    EXPECT_FALSE(NodeNear(node, { NAN, 50 }, 4));
}

TEST(HitTest, FindNodeTakesTheLowestIndexAndReportsTubeBendAliases)
{
    const TPolygon overlapping = MakeShape(skPolygon, { { 0, 0 }, { 30, 30 }, { 30.5f, 30 }, { 30, 30 } });
    EXPECT_EQ(overlapping.FindNode({ 30.2f, 30 }, 4), 1);
    EXPECT_EQ(overlapping.FindNode({ 31.2f, 30 }, 4), 2);
    EXPECT_EQ(overlapping.FindNode({ 15, 15 }, 4), -1);

    // Pull the aliases away from the nodes they repeat so that only the alias is under the pointer.
    TPolygon bend = TubeBend({ 0, 0, 40, 40 });
    bend.SetPoint(5, { 60, 60 });
    bend.SetPoint(11, { 80, 80 });
    EXPECT_EQ(bend.FindNode({ 60, 60 }, 4), 3);
    EXPECT_EQ(bend.FindNode({ 80, 80 }, 4), 0);
    TPolygon sameNodesOtherKind = bend;
    sameNodesOtherKind.SetKind(skPolygon);
    EXPECT_EQ(sameNodesOtherKind.FindNode({ 60, 60 }, 4), 5);
    EXPECT_EQ(bend.FindNode(bend.GetPoint(7), 4), 7);
    EXPECT_EQ(bend.FindNode(bend.GetPoint(0), 4), 0);
    EXPECT_EQ(bend.FindNode(bend.GetPoint(3), 4), 3);
}

} // namespace
