#include "tools/default_library/path.h"

#include "geometry/units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace korvo::tools {

namespace {

    // Control points a rounded corner pulls towards its corner: a quarter circle for a right angle.
    constexpr double CornerPull = 0.5522847498308;

    using TSegment = std::array<TMMPoint, 4>;

    TMMPoint Lerp(TMMPoint a, TMMPoint b, double t)
    {
        return { static_cast<float>(a.X + (static_cast<double>(b.X) - a.X) * t),
            static_cast<float>(a.Y + (static_cast<double>(b.Y) - a.Y) * t) };
    }

    // The two halves of a segment cut at t.
    std::pair<TSegment, TSegment> Split(const TSegment& s, double t)
    {
        const TMMPoint a = Lerp(s[0], s[1], t), b = Lerp(s[1], s[2], t), c = Lerp(s[2], s[3], t);
        const TMMPoint d = Lerp(a, b, t), e = Lerp(b, c, t);
        const TMMPoint m = Lerp(d, e, t);
        return { { s[0], a, d, m }, { m, e, c, s[3] } };
    }

    double YAt(const TSegment& s, double t)
    {
        const double u = 1 - t;
        return u * u * u * s[0].Y + 3 * u * u * t * s[1].Y + 3 * u * t * t * s[2].Y + t * t * t * s[3].Y;
    }

    // Where a segment that runs one way in y crosses the level.
    double Crossing(const TSegment& s, float level)
    {
        const bool rising = s[3].Y > s[0].Y;
        double low = 0, high = 1;
        for (int i = 0; i < 40; ++i) {
            const double mid = (low + high) / 2;
            if ((YAt(s, mid) < level) == rising)
                low = mid;
            else
                high = mid;
        }
        return (low + high) / 2;
    }

    TMMPoint Towards(TMMPoint from, TMMPoint to, double distance)
    {
        const double length = std::hypot(static_cast<double>(to.X) - from.X, static_cast<double>(to.Y) - from.Y);
        return Lerp(from, to, length > 0 ? distance / length : 0);
    }

    double Distance(TMMPoint a, TMMPoint b)
    {
        return std::hypot(static_cast<double>(b.X) - a.X, static_cast<double>(b.Y) - a.Y);
    }

    // Runs straight to the corner's rounding and around it, leaving the path on the way to next.
    void RoundCorner(TPath& path, TMMPoint previous, const TCorner& corner, TMMPoint next)
    {
        const TMMPoint v { corner.X, corner.Y };
        const double r
            = std::min({ static_cast<double>(corner.Radius), Distance(previous, v) / 2, Distance(v, next) / 2 });
        if (r <= 0) {
            path.LineTo(v);
            return;
        }
        const TMMPoint in = Towards(v, previous, r);
        const TMMPoint out = Towards(v, next, r);
        path.LineTo(in).CurveTo(Lerp(in, v, CornerPull), Lerp(out, v, CornerPull), out);
    }

    // Exact at the quarter points, where an arc's extreme points and their level tangents lie.
    std::pair<double, double> CosSin(double a)
    {
        const double quarters = a / (Pi / 2);
        const double whole = std::round(quarters);
        if (std::abs(quarters - whole) > 1e-9)
            return { std::cos(a), std::sin(a) };
        switch ((static_cast<long>(whole) % 4 + 4) % 4) {
        case 0:
            return { 1, 0 };
        case 1:
            return { 0, 1 };
        case 2:
            return { -1, 0 };
        default:
            return { 0, -1 };
        }
    }

    TMMPoint At(const TCorner& c) { return { c.X, c.Y }; }

} // namespace

TPath::TPath(TMMPoint start)
    : FPoints { start }
{
}

TPath& TPath::LineTo(TMMPoint p)
{
    const TMMPoint from = FPoints.back();
    return CurveTo(Lerp(from, p, 1.0 / 3), Lerp(from, p, 2.0 / 3), p);
}

TPath& TPath::CurveTo(TMMPoint c1, TMMPoint c2, TMMPoint p)
{
    FPoints.insert(FPoints.end(), { c1, c2, p });
    return *this;
}

TPath& TPath::ArcTo(TMMPoint end, TMMPoint centre, bool clockwise)
{
    // Radii are drawn in round numbers; rounding the measured one keeps the arc's extreme points on
    // them exactly, where a picture's edge often lies.
    const auto r = static_cast<float>(std::round(Distance(centre, FPoints.back()) * 1000) / 1000);
    return EllipseArcTo(end, centre, r, r, clockwise);
}

TPath& TPath::EllipseArcTo(TMMPoint end, TMMPoint centre, float rx, float ry, bool clockwise)
{
    const auto angleOf = [&](TMMPoint p) {
        return std::atan2((static_cast<double>(p.Y) - centre.Y) / ry, (static_cast<double>(p.X) - centre.X) / rx);
    };
    const auto at = [&](double a) {
        const auto [c, s] = CosSin(a);
        return TMMPoint { static_cast<float>(centre.X + rx * c), static_cast<float>(centre.Y + ry * s) };
    };
    const auto tangent = [&](double a) {
        const auto [c, s] = CosSin(a);
        return std::array<double, 2> { -rx * s, ry * c };
    };
    const double quarter = Pi / 2;
    const double direction = clockwise ? 1 : -1;
    double a = angleOf(FPoints.back());
    double last = angleOf(end);
    // Angles grow clockwise on the page, where y points down; an end equal to the start goes all round.
    while ((last - a) * direction < 1e-9)
        last += 2 * Pi * direction;
    // Pieces end on the quarter points, so that each one runs one way in x and in y.
    while ((last - a) * direction > 1e-9) {
        double next = (clockwise ? std::floor(a / quarter + 1e-9) + 1 : std::ceil(a / quarter - 1e-9) - 1) * quarter;
        const bool final = (next - last) * direction >= -1e-9;
        if (final)
            next = last;
        const double k = 4.0 / 3.0 * std::tan((next - a) / 4);
        const auto t0 = tangent(a), t1 = tangent(next);
        const TMMPoint p0 = at(a);
        const TMMPoint p1 = final ? end : at(next);
        CurveTo({ static_cast<float>(p0.X + k * t0[0]), static_cast<float>(p0.Y + k * t0[1]) },
            { static_cast<float>(p1.X - k * t1[0]), static_cast<float>(p1.Y - k * t1[1]) }, p1);
        a = next;
    }
    return *this;
}

TMMArray TPath::Below(float level) const
{
    TMMArray result;
    const auto append = [&result](const TSegment& s) {
        if (result.empty())
            result.push_back(s[0]);
        result.insert(result.end(), { s[1], s[2], s[3] });
    };
    for (std::size_t i = 0; i + 3 < FPoints.size(); i += 3) {
        const TSegment s { FPoints[i], FPoints[i + 1], FPoints[i + 2], FPoints[i + 3] };
        const bool startsBelow = s[0].Y >= level;
        const bool endsBelow = s[3].Y >= level;
        if (startsBelow && endsBelow)
            append(s);
        else if (startsBelow != endsBelow) {
            const auto [first, second] = Split(s, Crossing(s, level));
            append(startsBelow ? first : second);
        }
    }
    return result;
}

TPath SmoothThrough(std::initializer_list<TMMPoint> points, bool closed)
{
    std::vector<TMMPoint> p(points);
    const std::size_t n = p.size();
    // Each segment leaves and enters its anchors along the line joining their neighbours.
    const auto neighbour = [&](std::ptrdiff_t i) {
        if (closed)
            return p[static_cast<std::size_t>((i + static_cast<std::ptrdiff_t>(n)) % static_cast<std::ptrdiff_t>(n))];
        return p[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(i, 0, static_cast<std::ptrdiff_t>(n) - 1))];
    };
    TPath path(p.front());
    const auto segments = static_cast<std::ptrdiff_t>(closed ? n : n - 1);
    for (std::ptrdiff_t i = 0; i < segments; ++i) {
        const TMMPoint before = neighbour(i - 1), from = neighbour(i), to = neighbour(i + 1), after = neighbour(i + 2);
        path.CurveTo({ from.X + (to.X - before.X) / 6, from.Y + (to.Y - before.Y) / 6 },
            { to.X - (after.X - from.X) / 6, to.Y - (after.Y - from.Y) / 6 }, to);
    }
    return path;
}

TPath Profile(std::initializer_list<TCorner> corners)
{
    const std::vector<TCorner> c(corners);
    TPath path(At(c.front()));
    for (std::size_t i = 1; i + 1 < c.size(); ++i)
        RoundCorner(path, At(c[i - 1]), c[i], At(c[i + 1]));
    path.LineTo(At(c.back()));
    return path;
}

TPath ClosedProfile(std::initializer_list<TCorner> corners)
{
    const std::vector<TCorner> c(corners);
    const std::size_t n = c.size();
    // Starting halfway along the first side leaves every corner, the first one too, to be rounded.
    const TMMPoint start = Lerp(At(c[0]), At(c[1]), 0.5);
    TPath path(start);
    for (std::size_t i = 1; i <= n; ++i)
        RoundCorner(path, At(c[i - 1]), c[i % n], At(c[(i + 1) % n]));
    return path.LineTo(start);
}

} // namespace korvo::tools
