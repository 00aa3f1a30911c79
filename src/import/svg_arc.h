#pragma once

#include <QPointF>

#include <vector>

namespace korvo {

// The arguments of an SVG elliptical arc command, in absolute coordinates.
struct TSvgArc {
    double Rx = 0;
    double Ry = 0;
    double RotationDegrees = 0;
    bool LargeArc = false;
    bool Sweep = false;
    QPointF End;
};

// The arc from `from` as cubic Bézier segments, three points each (control, control, end), no segment
// turning more than a quarter. Radii too small to reach the end are scaled up as SVG says. Empty
// when a radius is zero: SVG then draws a straight line.
std::vector<QPointF> ArcAsCubics(QPointF from, const TSvgArc& arc);

} // namespace korvo
