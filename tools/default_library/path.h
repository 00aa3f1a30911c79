#pragma once

// Outlines for the curve kinds, described the way one would trace them with a pen.

#include "geometry/mm_types.h"

#include <initializer_list>

namespace korvo::tools {

// An outline of cubic segments in the layout the curve kinds store: the start anchor, then two
// control points and an anchor for each segment. Straight runs are segments too, with their
// control points on the chord, so straight and curved parts mix freely.
class TPath {
public:
    explicit TPath(TMMPoint start);

    TPath& LineTo(TMMPoint p);
    TPath& CurveTo(TMMPoint c1, TMMPoint c2, TMMPoint p);
    // An arc of the circle about the centre from the current point to the end, which lies on the
    // same circle, turning clockwise on the page or against it. The end is kept exactly.
    TPath& ArcTo(TMMPoint end, TMMPoint centre, bool clockwise);
    // The same on the ellipse about the centre with the given radii.
    TPath& EllipseArcTo(TMMPoint end, TMMPoint centre, float rx, float ry, bool clockwise);
    TPath& Close() { return LineTo(FPoints.front()); }

    const TMMArray& Points() const { return FPoints; }
    bool IsClosed() const { return FPoints.size() > 1 && FPoints.front() == FPoints.back(); }
    TMMPoint Last() const { return FPoints.back(); }

    // The run of the outline at or below the level, cut where it crosses it: as an open filled curve
    // it is the liquid a vessel of this outline holds, its chord being the surface. Each segment must
    // run one way in y, which the arcs guarantee by splitting at their quarter points.
    TMMArray Below(float level) const;

private:
    TMMArray FPoints;
};

// A corner of a traced outline and how round it is; 0 keeps it sharp.
struct TCorner {
    float X;
    float Y;
    float Radius = 0;
};

// A smooth curve through the points, closed back to the first one when asked; for shapes of
// living things, which have no corners.
TPath SmoothThrough(std::initializer_list<TMMPoint> points, bool closed);

// Straight runs from corner to corner, each corner but the first and last rounded by its radius.
TPath Profile(std::initializer_list<TCorner> corners);
// The same closed back to the first corner, every corner rounded.
TPath ClosedProfile(std::initializer_list<TCorner> corners);

} // namespace korvo::tools
