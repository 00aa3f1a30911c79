#include "import/svg_arc.h"

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    constexpr double Pi = 3.14159265358979323846;

    // An ellipse turned by an angle, with the point and the tangent at a parameter t.
    struct TEllipse {
        QPointF Centre;
        double Rx = 0;
        double Ry = 0;
        double Cos = 1;
        double Sin = 0;

        QPointF At(double t) const
        {
            const double x = Rx * std::cos(t);
            const double y = Ry * std::sin(t);
            return Centre + QPointF(Cos * x - Sin * y, Sin * x + Cos * y);
        }

        QPointF Tangent(double t) const
        {
            const double x = -Rx * std::sin(t);
            const double y = Ry * std::cos(t);
            return QPointF(Cos * x - Sin * y, Sin * x + Cos * y);
        }
    };

    bool IsFinite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

} // namespace

std::vector<QPointF> ArcAsCubics(QPointF from, const TSvgArc& arc)
{
    TEllipse e;
    e.Rx = std::fabs(arc.Rx);
    e.Ry = std::fabs(arc.Ry);
    if (e.Rx == 0 || e.Ry == 0)
        return {};
    const double phi = arc.RotationDegrees * Pi / 180;
    e.Cos = std::cos(phi);
    e.Sin = std::sin(phi);
    // From the end points to the centre, in the ellipse's own turned frame (primed names).
    const QPointF half = (from - arc.End) / 2;
    const double x1 = e.Cos * half.x() + e.Sin * half.y();
    const double y1 = -e.Sin * half.x() + e.Cos * half.y();
    const double reach = x1 * x1 / (e.Rx * e.Rx) + y1 * y1 / (e.Ry * e.Ry);
    if (reach > 1) {
        e.Rx *= std::sqrt(reach);
        e.Ry *= std::sqrt(reach);
    }
    const double rx2 = e.Rx * e.Rx;
    const double ry2 = e.Ry * e.Ry;
    const double spread = (rx2 * ry2 - rx2 * y1 * y1 - ry2 * x1 * x1) / (rx2 * y1 * y1 + ry2 * x1 * x1);
    const double factor = (arc.LargeArc == arc.Sweep ? -1 : 1) * std::sqrt(std::max(spread, 0.0));
    const double cx1 = factor * e.Rx * y1 / e.Ry;
    const double cy1 = -factor * e.Ry * x1 / e.Rx;
    e.Centre = QPointF(e.Cos * cx1 - e.Sin * cy1, e.Sin * cx1 + e.Cos * cy1) + (from + arc.End) / 2;

    const double start = std::atan2((y1 - cy1) / e.Ry, (x1 - cx1) / e.Rx);
    double turn = std::atan2((-y1 - cy1) / e.Ry, (-x1 - cx1) / e.Rx) - start;
    if (arc.Sweep && turn < 0)
        turn += 2 * Pi;
    else if (!arc.Sweep && turn > 0)
        turn -= 2 * Pi;

    const int segments = std::max(1, static_cast<int>(std::ceil(std::fabs(turn) / (Pi / 2) - 1e-9)));
    const double step = turn / segments;
    const double k = 4.0 / 3 * std::tan(step / 4);
    std::vector<QPointF> points;
    for (int i = 0; i < segments; ++i) {
        const double t1 = start + i * step;
        const double t2 = t1 + step;
        points.push_back(e.At(t1) + k * e.Tangent(t1));
        points.push_back(e.At(t2) - k * e.Tangent(t2));
        points.push_back(e.At(t2));
    }
    points.back() = arc.End;
    for (const QPointF& p : points) {
        if (!IsFinite(p))
            return {};
    }
    return points;
}

} // namespace korvo
