#include "geometry/matrix.h"

#include "geometry/rounding.h"

#include <cmath>

namespace korvo {

namespace {

    // Trigonometry in extended precision before storing singles, so that quarter turns come out
    // as exact as the stored floats allow.
    TMatrix RotationFromRadians(long double theta, float cx, float cy)
    {
        const float c = static_cast<float>(std::cos(theta));
        const float s = static_cast<float>(std::sin(theta));
        const double x = cx;
        const double y = cy;
        TMatrix r;
        r.m[0][0] = c;
        r.m[0][1] = -s;
        r.m[0][2] = static_cast<float>(x - x * c + y * s);
        r.m[1][0] = s;
        r.m[1][1] = c;
        r.m[1][2] = static_cast<float>(y - x * s - y * c);
        return r;
    }

    constexpr long double Pi = 3.141592653589793238462643383279502884L;

} // namespace

TMatrix RotationMatrix(float angleDeg, float cx, float cy) { return RotationFromRadians(angleDeg * Pi / 180, cx, cy); }

TMatrix RotationMatrixAt(QPoint centre, float angleDeg)
{
    return RotationMatrix(angleDeg, static_cast<float>(centre.x()), static_cast<float>(centre.y()));
}

TMatrix RotationMatrixRad(QPoint centre, float angleRad)
{
    return RotationFromRadians(angleRad, static_cast<float>(centre.x()), static_cast<float>(centre.y()));
}

TMatrix ScaleMatrix(float sx, float sy, float cx, float cy)
{
    TMatrix r;
    r.m[0][0] = sx;
    r.m[0][2] = static_cast<float>(cx - static_cast<double>(sx) * cx);
    r.m[1][1] = sy;
    r.m[1][2] = static_cast<float>(cy - static_cast<double>(sy) * cy);
    return r;
}

TMatrix ResizeMatrix(const TMMRect& oldRect, const TMMRect& newRect)
{
    const float fixedX = std::fabs(oldRect.Left - newRect.Left) <= 0.01 ? oldRect.Left : oldRect.Right;
    const float fixedY = std::fabs(oldRect.Top - newRect.Top) <= 0.01 ? oldRect.Top : oldRect.Bottom;
    float w = oldRect.Right - oldRect.Left;
    float h = oldRect.Bottom - oldRect.Top;
    if (std::fabs(w) < 0.0001)
        w = 1.0f;
    if (std::fabs(h) < 0.0001)
        h = 1.0f;
    const auto sx = static_cast<float>((static_cast<double>(newRect.Right) - newRect.Left) / w);
    const auto sy = static_cast<float>((static_cast<double>(newRect.Bottom) - newRect.Top) / h);
    return ScaleMatrix(sx, sy, fixedX, fixedY);
}

TMMPoint TransformPoint(TMMPoint p, const TMatrix& m)
{
    const double x = p.X;
    const double y = p.Y;
    return { static_cast<float>(x * m.m[0][0] + y * m.m[0][1] + m.m[0][2]),
        static_cast<float>(x * m.m[1][0] + y * m.m[1][1] + m.m[1][2]) };
}

QPoint TransformDevPoint(QPoint p, const TMatrix& m)
{
    const double x = p.x();
    const double y = p.y();
    return { Round(x * m.m[0][0] + y * m.m[0][1] + m.m[0][2]), Round(x * m.m[1][0] + y * m.m[1][1] + m.m[1][2]) };
}

} // namespace korvo
