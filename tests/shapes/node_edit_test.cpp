#include "shape_edit_support.h"

#include <vector>

using namespace korvo;

namespace {

// Node i of a test shape sits at (i, 10 i), so every expected array names the old nodes it keeps.
TMMPoint N(int i) { return { static_cast<float>(i), 10.0f * static_cast<float>(i) }; }

TMMArray Nodes(std::initializer_list<int> indices)
{
    TMMArray points;
    for (int i : indices)
        points.push_back(N(i));
    return points;
}

TMMArray FirstNodes(int count)
{
    TMMArray points;
    for (int i = 0; i < count; ++i)
        points.push_back(N(i));
    return points;
}

TPolygon Shape(std::int32_t kind, const TMMArray& points, int selected)
{
    TPolygon s;
    s.SetKind(kind);
    s.FPoints = points;
    s.FSelNode = selected;
    return s;
}

struct Edit {
    const char* name;
    std::int32_t kind;
    int pointCount;
    int node; // the selected node for deletions, the index for insertions
    bool done;
    std::int32_t kindAfter;
    TMMArray pointsAfter; // ignored when the edit is refused
    int selectedAfter;
};

// A refused edit must leave the shape exactly as it was, selection included.
void Check(const Edit& e, TPolygon& s, bool done)
{
    const TMMArray before = FirstNodes(e.pointCount);
    EXPECT_EQ(done, e.done) << e.name;
    EXPECT_EQ(s.FKind, e.done ? e.kindAfter : e.kind) << e.name;
    EXPECT_EQ(s.FPoints, e.done ? e.pointsAfter : before) << e.name;
    EXPECT_EQ(s.FSelNode, e.selectedAfter) << e.name;
}

TEST(NodeEdit, RemoveNodeOfPolygonLikeKinds)
{
    const Edit edits[] = {
        { "rectangle becomes a polygon", skRectangle, 4, 1, true, skPolygon, Nodes({ 0, 2, 3 }), -1 },
        { "polygon, first node", skPolygon, 3, 0, true, skPolygon, Nodes({ 1, 2 }), -1 },
        { "polyline, last node", skPolyline, 3, 2, true, skPolyline, Nodes({ 0, 1 }), -1 },
        { "open polygon", skOpenPolygon, 5, 3, true, skOpenPolygon, Nodes({ 0, 1, 2, 4 }), -1 },
        { "a line keeps its two points", skLine, 2, 1, false, 0, {}, 1 },
        { "a two-point polygon is left to the drawing", skPolygon, 2, 0, false, 0, {}, 0 },
        { "no node selected", skPolygon, 3, -1, false, 0, {}, -1 },
        { "selection beyond the last node", skPolygon, 3, 3, false, 0, {}, 3 },
        { "negative selection", skPolygon, 3, -2, false, 0, {}, -2 },
        { "a text frame keeps its four corners", skText, 4, 1, false, 0, {}, 1 },
        { "a tube keeps its four corners", skTube, 4, 1, false, 0, {}, 1 },
        { "curves lose anchors with their control points", skClosedCurve, 7, 3, false, 0, {}, 3 },
    };
    for (const Edit& e : edits) {
        TPolygon s = Shape(e.kind, FirstNodes(e.pointCount), e.node);
        Check(e, s, s.RemoveNode());
    }
}

TEST(NodeEdit, RemoveCurveNodeDropsAnAnchorWithItsControlPoints)
{
    const Edit edits[] = {
        { "middle anchor of an open curve", skOpenCurve, 7, 3, true, skOpenCurve, Nodes({ 0, 1, 5, 6 }), -1 },
        { "last anchor of an open curve", skOpenCurve, 7, 6, true, skOpenCurve, Nodes({ 0, 1, 2, 3 }), -1 },
        { "first anchor of a sine wave", skOpenCurveFilled, 10, 0, true, skOpenCurveFilled,
            Nodes({ 3, 4, 5, 6, 7, 8, 9 }), -1 },
        { "first anchor of a closed curve re-closes it", skClosedCurve, 7, 0, true, skClosedCurve,
            Nodes({ 3, 4, 5, 3 }), -1 },
        { "last anchor of a closed curve re-closes it", skClosedCurve, 7, 6, true, skClosedCurve, Nodes({ 3, 1, 2, 3 }),
            -1 },
        { "kind 15 is not re-closed", skClosedCurveAlt, 7, 0, true, skClosedCurveAlt, Nodes({ 3, 4, 5, 6 }), -1 },
        { "kind 15, last anchor", skClosedCurveAlt, 7, 6, true, skClosedCurveAlt, Nodes({ 0, 1, 2, 3 }), -1 },
        { "a control point is not deleted", skOpenCurve, 7, 2, false, 0, {}, 2 },
        { "one segment is left to the drawing", skOpenCurve, 4, 3, false, 0, {}, 3 },
        { "a broken layout would keep too few points", skOpenCurve, 6, 3, false, 0, {}, 3 },
        { "no node selected", skOpenCurve, 7, -1, false, 0, {}, -1 },
        { "selection beyond the last node", skOpenCurve, 7, 9, false, 0, {}, 9 },
        { "an ellipse keeps its thirteen points", skCircle, 13, 3, false, 0, {}, 3 },
        { "a tube bend keeps its outline", skTubeBend, 13, 3, false, 0, {}, 3 },
        { "a polygon is not a curve", skPolygon, 7, 3, false, 0, {}, 3 },
    };
    for (const Edit& e : edits) {
        TPolygon s = Shape(e.kind, FirstNodes(e.pointCount), e.node);
        Check(e, s, s.RemoveCurveNode());
    }
}

TEST(NodeEdit, InsertNodeAddsTheMidpointAfterTheIndex)
{
    const TMMPoint mid01 { 0.5f, 5 };
    const TMMPoint mid12 { 1.5f, 15 };
    const TMMPoint closing { 1, 10 }; // between node 2 and node 0
    const Edit edits[] = {
        { "after the last node, on the closing edge", skPolygon, 3, 2, true, skPolygon, { N(0), N(1), N(2), closing },
            3 },
        { "line becomes a polyline", skLine, 2, 0, true, skPolyline, { N(0), mid01, N(1) }, 1 },
        { "rectangle becomes a polygon", skRectangle, 4, 1, true, skPolygon, { N(0), N(1), mid12, N(2), N(3) }, 2 },
        { "open polygon", skOpenPolygon, 3, 0, true, skOpenPolygon, { N(0), mid01, N(1), N(2) }, 1 },
        { "polyline", skPolyline, 3, 1, true, skPolyline, { N(0), N(1), mid12, N(2) }, 2 },
        { "index beyond the last node", skPolygon, 3, 3, false, 0, {}, 7 },
        { "negative index", skPolygon, 3, -1, false, 0, {}, 7 },
        { "a text frame keeps its four corners", skText, 4, 0, false, 0, {}, 7 },
        { "graph paper keeps its four corners", skGraphPaper, 4, 0, false, 0, {}, 7 },
        { "curves insert whole segments", skOpenCurve, 4, 0, false, 0, {}, 7 },
    };
    for (const Edit& e : edits) {
        TPolygon s = Shape(e.kind, FirstNodes(e.pointCount), 7);
        Check(e, s, s.InsertNode(e.node));
    }
}

TEST(NodeEdit, InsertCurveNodeSplitsAtTheChordMidpoint)
{
    TPolygon arch = Shape(skOpenCurve, { { 0, 0 }, { 0, 10 }, { 10, 10 }, { 10, 0 } }, -1);
    ASSERT_TRUE(arch.InsertCurveNode(0));
    EXPECT_EQ(
        arch.FPoints, (TMMArray { { 0, 0 }, { 0, 10 }, { 2.5f, 0 }, { 5, 0 }, { 7.5f, 0 }, { 10, 10 }, { 10, 0 } }));
    EXPECT_EQ(arch.FSelNode, 3);

    // After the last anchor: a straight segment half way back to the first point.
    TPolygon wave = Shape(skOpenCurveFilled, { { 0, 0 }, { 1, 5 }, { 3, 5 }, { 4, 8 } }, -1);
    ASSERT_TRUE(wave.InsertCurveNode(3));
    EXPECT_EQ(wave.FPoints, (TMMArray { { 0, 0 }, { 1, 5 }, { 3, 5 }, { 4, 8 }, { 3, 6 }, { 3, 6 }, { 2, 4 } }));
    EXPECT_EQ(wave.FSelNode, 6);
    EXPECT_EQ(wave.FKind, skOpenCurveFilled);

    const struct {
        const char* name;
        std::int32_t kind;
        int pointCount, index;
    } refused[] = {
        { "control point", skOpenCurve, 7, 1 },
        { "negative index", skOpenCurve, 7, -3 },
        { "beyond the last anchor", skOpenCurve, 7, 9 },
        { "segment cut short by a broken layout", skOpenCurve, 6, 3 },
        { "single curve", skCurve, 4, 0 },
        { "ellipse", skCircle, 13, 3 },
        { "tube bend", skTubeBend, 13, 0 },
        { "polygon", skPolygon, 4, 0 },
    };
    for (const auto& r : refused) {
        TPolygon s = Shape(r.kind, FirstNodes(r.pointCount), 5);
        EXPECT_FALSE(s.InsertCurveNode(r.index)) << r.name;
        EXPECT_EQ(s.FPoints, FirstNodes(r.pointCount)) << r.name;
        EXPECT_EQ(s.FSelNode, 5) << r.name;
    }
}

TEST(NodeEdit, InsertingIntoDamagedCoordinatesIsRefused)
{
    TPolygon s = Shape(skPolygon, { { 0, 0 }, { NAN, 1 }, { 2, 2 } }, -1);
    EXPECT_FALSE(s.InsertNode(0));
    EXPECT_EQ(s.PointCount(), 3);
}

} // namespace
