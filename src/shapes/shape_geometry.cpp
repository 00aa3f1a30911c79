#include "shapes/shape_geometry.h"

#include "shapes/polygon.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace korvo {

bool IsFinite(TMMPoint p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

bool IsFinite(const TMMRect& r)
{
    return std::isfinite(r.Left) && std::isfinite(r.Top) && std::isfinite(r.Right) && std::isfinite(r.Bottom);
}

TMMPoint Midpoint(TMMPoint a, TMMPoint b)
{
    return { static_cast<float>((static_cast<double>(a.X) + b.X) / 2),
        static_cast<float>((static_cast<double>(a.Y) + b.Y) / 2) };
}

bool IsInvertible(const TMatrix& m)
{
    for (const auto& row : m.m) {
        if (!std::all_of(std::begin(row), std::end(row), [](float v) { return std::isfinite(v); }))
            return false;
    }
    const double determinant = static_cast<double>(m.m[0][0]) * m.m[1][1] - static_cast<double>(m.m[0][1]) * m.m[1][0];
    return determinant != 0;
}

TMatrix TranslationMatrix(float dx, float dy)
{
    TMatrix t;
    t.m[0][2] = dx;
    t.m[1][2] = dy;
    return t;
}

// Damaged files can carry NaN or infinite coordinates; operations that compute new coordinates refuse
// such shapes rather than spread the damage to their neighbours' bounds.
bool TPolygon::HasFiniteGeometry() const
{
    const auto finitePoint = [](TMMPoint p) { return IsFinite(p); };
    const auto finiteChild = [](const TPolygon& child) { return child.HasFiniteGeometry(); };
    return IsFinite(FBounds) && std::all_of(FPoints.begin(), FPoints.end(), finitePoint)
        && std::all_of(FChildren.begin(), FChildren.end(), finiteChild);
}

bool TPolygon::CanTransform(const TMatrix& m) const { return IsInvertible(m) && HasFiniteGeometry(); }

} // namespace korvo
