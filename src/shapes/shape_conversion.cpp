#include "shapes/polygon.h"

#include "geometry/units.h"
#include "shapes/shape_geometry.h"

#include <cmath>

namespace korvo {

namespace {

    // A hexagon starts at 30 degrees so that it stands on a vertex at the top and the bottom.
    constexpr double HexagonStart = 0.5235988;
    constexpr double StarInnerRadius = 0.5;
    constexpr int MinCorners = 3;

} // namespace

// Corners on the ellipse inscribed in the bounds, clockwise on the page from the start angle; the
// odd-numbered corners sit at innerFactor times the radii.
bool TPolygon::PlacePointsOnEllipse(int n, double start, double innerFactor)
{
    const TMMRect b = FBounds;
    if (n < MinCorners || !IsFinite(b) || b.Right - b.Left == 0 || b.Bottom - b.Top == 0)
        return false;
    const double cx = (static_cast<double>(b.Left) + b.Right) / 2;
    const double cy = (static_cast<double>(b.Top) + b.Bottom) / 2;
    const double rx = (static_cast<double>(b.Right) - b.Left) / 2;
    const double ry = (static_cast<double>(b.Bottom) - b.Top) / 2;
    const double step = 2 * Pi / n;
    FPoints.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double f = i % 2 == 1 ? innerFactor : 1.0;
        const double a = start + i * step;
        FPoints[static_cast<std::size_t>(i)]
            = { static_cast<float>(cx + f * rx * std::cos(a)), static_cast<float>(cy + f * ry * std::sin(a)) };
    }
    FKind = skPolygon;
    return true;
}

bool TPolygon::ToRegularPolygon(int n) { return PlacePointsOnEllipse(n, n == 6 ? HexagonStart : 0, 1.0); }

bool TPolygon::ToStar(int n) { return PlacePointsOnEllipse(n, 0, StarInnerRadius); }

// Each edge becomes a Bezier segment with both control points at the edge's midpoint, so the curve
// traces the same straight edges until the user drags the control points.
bool TPolygon::PolygonToCurve(bool closed)
{
    if (PointCount() < MinPolygonPoints || !HasFiniteGeometry())
        return false;
    TMMArray corners = FPoints;
    if (closed)
        corners.push_back(corners.front());
    TMMArray curve;
    curve.reserve(BezierPointsPerSegment * corners.size() - 2);
    for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
        const TMMPoint mid = Midpoint(corners[i], corners[i + 1]);
        curve.insert(curve.end(), { corners[i], mid, mid });
    }
    curve.push_back(corners.back());
    FPoints = std::move(curve);
    FKind = closed ? skClosedCurve : skOpenCurveFilled;
    return true;
}

// Only the anchors remain, so curved segments become straight edges.
bool TPolygon::CurveToPolygon(bool closed)
{
    const int anchors = (PointCount() + 2) / BezierPointsPerSegment;
    if (anchors < MinPolygonPoints)
        return false;
    TMMArray corners(static_cast<std::size_t>(anchors));
    for (int i = 0; i < anchors; ++i)
        corners[static_cast<std::size_t>(i)] = GetPoint(BezierPointsPerSegment * i);
    FPoints = std::move(corners);
    FKind = closed ? skPolygon : skOpenPolygon;
    return true;
}

} // namespace korvo
