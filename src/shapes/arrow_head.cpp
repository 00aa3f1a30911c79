#include "shapes/arrow_head.h"

#include "geometry/matrix.h"
#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/shape_kinds.h"

#include <cmath>

namespace korvo {

namespace {

    // Half the width of the head's base; the head is three times as long.
    std::int32_t HalfBase(std::uint8_t lineEnd, float scale)
    {
        switch (lineEnd) {
        case leArrowMedium:
            return Round(0.75 * scale);
        case leArrowSmall:
            return Round(0.5 * scale);
        default:
            return Round(scale);
        }
    }

    // The turn that makes a head pointing up (towards -y) point from s to t.
    TMatrix HeadTurn(QPoint t, QPoint s)
    {
        if (t.x() == s.x())
            return RotationMatrixAt(t, t.y() < s.y() ? 0.0f : 180.0f);
        if (t.y() == s.y())
            return RotationMatrixAt(t, t.x() > s.x() ? 90.0f : -90.0f);
        const double a = std::atan(static_cast<double>(s.y() - t.y()) / (t.x() - s.x()));
        const double turn = t.x() > s.x() ? Pi / 2 - a : Pi / 2 - a + Pi;
        return RotationMatrixRad(t, static_cast<float>(turn));
    }

} // namespace

std::array<QPoint, 3> CalcArrowHead(const TPointArray& points, std::uint8_t lineEnd, float scale)
{
    const QPoint t = points[points.size() - 1];
    const QPoint s = points[points.size() - 2];
    const std::int64_t b = HalfBase(lineEnd, scale);
    const auto at
        = [&t](std::int64_t dx, std::int64_t dy) { return QPoint(Saturate32(t.x() + dx), Saturate32(t.y() + dy)); };
    const TMatrix turn = HeadTurn(t, s);
    return { TransformDevPoint(t, turn), TransformDevPoint(at(b, 3 * b), turn),
        TransformDevPoint(at(-b, 3 * b), turn) };
}

} // namespace korvo
