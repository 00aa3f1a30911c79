#include "shapes/polygon.h"

#include "shapes/shape_geometry.h"

namespace korvo {

namespace {

    // The drawing deletes a polygon-like shape of two points, or a curve of one segment, as a whole
    // instead of deleting one of its nodes.
    constexpr int MinCurvePoints = BezierPointsPerSegment + 1;

    bool IsPolygonLike(std::int32_t kind)
    {
        return kind == skPolygon || kind == skRectangle || kind == skPolyline || kind == skLine
            || kind == skOpenPolygon;
    }

    // The sine wave (21) is edited like the open curve it is; closing a curve splits one of kind 21.
    bool IsEditableCurve(std::int32_t kind)
    {
        return kind == skOpenCurve || kind == skClosedCurveAlt || kind == skClosedCurve || kind == skOpenCurveFilled;
    }

    bool IsAnchor(int index) { return index % BezierPointsPerSegment == 0; }

    // Iterator arithmetic on the point array with the int indices the shape uses.
    TMMArray::iterator At(TMMArray& points, int index) { return points.begin() + index; }

} // namespace

bool TPolygon::RemoveNode()
{
    const int count = PointCount();
    if (!IsPolygonLike(FKind) || FSelNode < 0 || FSelNode >= count || count <= MinPolygonPoints)
        return false;
    FPoints.erase(At(FPoints, FSelNode));
    FSelNode = -1;
    if (FKind == skRectangle)
        FKind = skPolygon;
    return true;
}

bool TPolygon::RemoveCurveNode()
{
    const int s = FSelNode;
    const int last = PointCount() - 1;
    if (!IsEditableCurve(FKind) || s < 0 || s > last || !IsAnchor(s)
        || PointCount() - BezierPointsPerSegment < MinCurvePoints)
        return false;
    // Only kind 20 is re-closed after losing an end anchor; kind 15 stays as it was stored.
    const bool reclose = FKind == skClosedCurve;
    if (s == last) {
        FPoints.resize(static_cast<std::size_t>(last - 2));
        if (reclose)
            FPoints.front() = FPoints.back();
    } else if (s == 0) {
        FPoints.erase(FPoints.begin(), At(FPoints, BezierPointsPerSegment));
        if (reclose)
            FPoints.back() = FPoints.front();
    } else {
        // The anchor goes with its two control points, so the outer control points shape the joined segment.
        FPoints.erase(At(FPoints, s - 1), At(FPoints, s + 2));
    }
    FSelNode = -1;
    return true;
}

bool TPolygon::InsertNode(int index)
{
    const int last = PointCount() - 1;
    if (!IsPolygonLike(FKind) || index < 0 || index > last || !HasFiniteGeometry())
        return false;
    // After the last node the new node goes on the closing edge back to the first one.
    const int next = index == last ? 0 : index + 1;
    FPoints.insert(At(FPoints, index + 1), Midpoint(GetPoint(index), GetPoint(next)));
    FSelNode = index + 1;
    if (FKind == skLine)
        FKind = skPolyline;
    else if (FKind == skRectangle)
        FKind = skPolygon;
    return true;
}

bool TPolygon::InsertCurveNode(int index)
{
    const int last = PointCount() - 1;
    const int r = index + BezierPointsPerSegment;
    if (!IsEditableCurve(FKind) || index < 0 || index > last || !IsAnchor(index) || (index != last && r > last)
        || !HasFiniteGeometry())
        return false;
    if (index == last) {
        // A straight segment half way towards the first point, the start of closing the curve.
        const TMMPoint anchor = Midpoint(GetPoint(last), GetPoint(0));
        const TMMPoint control = Midpoint(GetPoint(last), anchor);
        FPoints.insert(FPoints.end(), { control, control, anchor });
    } else {
        // Split at the chord's midpoint; each half keeps one of the old control points.
        const TMMPoint split = Midpoint(GetPoint(index), GetPoint(r));
        FPoints.insert(
            At(FPoints, index + 2), { Midpoint(GetPoint(index), split), split, Midpoint(GetPoint(r), split) });
    }
    FSelNode = r;
    return true;
}

} // namespace korvo
