#pragma once

#include "geometry/mm_types.h"

#include <QPoint>

namespace korvo {

// A 3x3 affine transform of single floats, row-major. Every constructor leaves the last row 0, 0, 1.
struct TMatrix {
    float m[3][3] = { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } };
};

// Rotation by AngleDeg about (cx, cy). Positive angles turn clockwise on the page, because y grows downwards.
TMatrix RotationMatrix(float angleDeg, float cx, float cy);
TMatrix RotationMatrixAt(QPoint centre, float angleDeg);
TMatrix RotationMatrixRad(QPoint centre, float angleRad);

// Scaling by (sx, sy) that keeps (cx, cy) fixed.
TMatrix ScaleMatrix(float sx, float sy, float cx, float cy);

// The scaling that maps oldRect onto newRect, keeping the edges that did not move.
TMatrix ResizeMatrix(const TMMRect& oldRect, const TMMRect& newRect);

TMMPoint TransformPoint(TMMPoint p, const TMatrix& m);

// The same map on device points, each result coordinate rounded to nearest, ties to even.
QPoint TransformDevPoint(QPoint p, const TMatrix& m);

} // namespace korvo
