#pragma once

#include "geometry/matrix.h"
#include "geometry/mm_types.h"

#include <limits>

namespace korvo {

// Small helpers shared by the node edits, transforms and conversions of shapes.

// Anchor, control, control: indices divisible by 3 are the anchors of a Bezier layout.
constexpr int BezierPointsPerSegment = 3;
// The fewest points a polygon-like shape paints and hit-tests with.
constexpr int MinPolygonPoints = 2;

// Pixels per millimetre that a device conversion can divide by.
inline bool IsUsableScale(float scale) { return scale > 0 && scale <= std::numeric_limits<float>::max(); }

bool IsFinite(TMMPoint p);
bool IsFinite(const TMMRect& r);

// Computed in double and stored as single, like every stored coordinate.
TMMPoint Midpoint(TMMPoint a, TMMPoint b);

// A matrix with finite entries that does not collapse the plane, i.e. one that can be undone.
bool IsInvertible(const TMatrix& m);

TMatrix TranslationMatrix(float dx, float dy);

} // namespace korvo
