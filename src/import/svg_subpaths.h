#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <vector>

namespace korvo {

// One subpath of a painter path laid out as Korvo's Bézier kinds hold it: the start, then three
// points (control, control, end) per segment; a straight segment has its controls at a third and
// two thirds of the way.
struct TSubpath {
    std::vector<QPointF> Points;
    bool Curved = false;
    // The subpath ends where it starts, as a closed one does.
    bool Closed = false;

    int SegmentCount() const { return static_cast<int>(Points.size() / 3); }
    // The start and every segment's end: the corners of a straight subpath.
    std::vector<QPointF> Anchors() const;
    // Twice the area the anchors enclose, positive when they run clockwise on the page.
    double TurnArea() const;
    QRectF Box() const;
    // Whether two edges between the anchors cross, as in a star drawn in one stroke. Only straight
    // subpaths are looked at, and past a few hundred edges the answer is no.
    bool CrossesItself() const;
};

// Appends a straight segment from the last point to `to`, laid out as a Bézier segment is.
void AddStraightSegment(std::vector<QPointF>& points, QPointF to);

// The subpaths that have at least one segment of some length; lone moves are left out.
std::vector<TSubpath> SplitSubpaths(const QPainterPath& path);

// Whether the boxes of any two subpaths meet, so that one may lie over or inside another.
bool AnySubpathsMeet(const std::vector<TSubpath>& subpaths);

} // namespace korvo
