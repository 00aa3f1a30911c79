#include "shapes/polygon.h"

#include <cmath>

#include "geometry/device_points.h"
#include "geometry/rounding.h"

namespace korvo {

namespace {

    constexpr float TwoTo31 = 2147483648.0f;

    TRect ScaledRect(const TMMRect& r, float scale)
    {
        return { Round(static_cast<double>(r.Left) * scale), Round(static_cast<double>(r.Top) * scale),
            Round(static_cast<double>(r.Right) * scale), Round(static_cast<double>(r.Bottom) * scale) };
    }

} // namespace

void TPolygon::Assign(const TPolygon& source)
{
    FLineEnd = source.FLineEnd;
    // Copy the child list first: assigning a shape to itself then appends one copy of each child.
    const std::vector<TPolygon>& sourceChildren = source.FChildren;
    std::vector<TPolygon> copies(sourceChildren.size());
    for (std::size_t i = 0; i < sourceChildren.size(); ++i)
        copies[i].Assign(sourceChildren[i]);
    for (TPolygon& copy : copies)
        FChildren.push_back(std::move(copy));
    FBrush = source.FBrush;
    FPen = source.FPen;
    FKind = source.FKind;
    FFont = source.FFont;
    FText = source.FText;
    FPoints = source.FPoints;
    FDevRect = source.FDevRect;
    FBounds = source.FBounds;
    FGrips = source.FGrips;
}

void TPolygon::CalcBounds(float scale)
{
    if (!FPoints.empty()) {
        TMMRect box { TwoTo31, TwoTo31, -TwoTo31, -TwoTo31 };
        for (const TMMPoint& p : FPoints) {
            if (p.X < box.Left)
                box.Left = p.X;
            if (p.X > box.Right)
                box.Right = p.X;
            if (p.Y < box.Top)
                box.Top = p.Y;
            if (p.Y > box.Bottom)
                box.Bottom = p.Y;
        }
        FBounds = box;
    }
    FDevRect = ScaledRect(FBounds, scale);
}

void TPolygon::CalcGrips()
{
    const std::int64_t l = FDevRect.Left;
    const std::int64_t t = FDevRect.Top;
    const std::int64_t r = FDevRect.Right;
    const std::int64_t b = FDevRect.Bottom;
    const std::int64_t mx = (l + r) / 2;
    const std::int64_t my = (t + b) / 2;
    const auto grip = [](std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
        return TRect { Saturate32(left), Saturate32(top), Saturate32(right), Saturate32(bottom) };
    };
    FGrips = { grip(l - 8, t - 8, l, t), grip(mx - 4, t - 8, mx + 4, t), grip(r, t - 8, r + 8, t),
        grip(r, my - 4, r + 8, my + 4), grip(r, b, r + 8, b + 8), grip(mx - 4, b, mx + 4, b + 8),
        grip(l - 8, b, l, b + 8), grip(l - 8, my - 4, l, my + 4) };
}

TPointArray TPolygon::GetDevicePoints(int offsetX, int offsetY, float scale) const
{
    TPointArray result;
    ToDevicePoints(FPoints, offsetX, offsetY, scale, result);
    return result;
}

void TPolygon::SetBoundsDirectly(const TMMRect& r, float scale)
{
    // The box must be the box of the points, as the one a reader recomputes is. The given rectangle
    // is that box but for rounding, except where the points cannot fill it: a bend dragged much wider
    // than high, or a flat line stretched across. Then the points decide.
    FBounds = r;
    if (!FPoints.empty()) {
        CalcBounds(scale);
        constexpr double Slack = 0.01;
        const TMMRect& box = FBounds;
        const bool fits = std::fabs(box.Left - r.Left) <= Slack && std::fabs(box.Top - r.Top) <= Slack
            && std::fabs(box.Right - r.Right) <= Slack && std::fabs(box.Bottom - r.Bottom) <= Slack;
        if (!fits)
            return;
        FBounds = r;
    }
    FDevRect = ScaledRect(r, scale);
}

void TPolygon::SetFromRect(const TMMRect& r, float scale)
{
    const double x1 = r.Left;
    const double y1 = r.Top;
    const double x2 = r.Right;
    const double y2 = r.Bottom;
    if (FKind == skCircle) {
        // Half the circle constant times the full extent: the control distance for a quarter arc.
        const auto cx = static_cast<float>((x1 + x2) / 2);
        const auto cy = static_cast<float>((y1 + y2) / 2);
        const auto g = static_cast<float>((y2 - y1) * 0.2761423749154);
        const auto o = static_cast<float>((x2 - x1) * 0.2761423749154);
        const float l = r.Left;
        const float t = r.Top;
        const float rt = r.Right;
        const float b = r.Bottom;
        const auto f = [](double v) { return static_cast<float>(v); };
        FPoints = { { l, cy }, { l, f(cy - g) }, { f(cx - o), t }, { cx, t }, { f(cx + o), t }, { rt, f(cy - g) },
            { rt, cy }, { rt, f(cy + g) }, { f(cx + o), b }, { cx, b }, { f(cx - o), b }, { l, f(cy + g) }, { l, cy } };
    } else {
        FPoints = { { r.Left, r.Top }, { r.Left, r.Bottom }, { r.Right, r.Bottom }, { r.Right, r.Top } };
    }
    CalcBounds(scale);
}

void TPolygon::MakeFromBox(const TMMRect& r, float scale)
{
    switch (FKind) {
    case skOpenCurveFilled:
        MakeSine(r, scale);
        break;
    case skTubeBend:
        MakeTubeBend(r, scale);
        break;
    case skGraphPaper:
        MakeGraphPaper(r, scale);
        break;
    default:
        SetFromRect(r, scale);
        break;
    }
}

void TPolygon::MakeSine(const TMMRect& r, float scale)
{
    const double x1 = r.Left;
    const double y1 = r.Top;
    const double w = static_cast<double>(r.Right) - x1;
    const double h = static_cast<double>(r.Bottom) - y1;
    const double ym = y1 + 0.5 * h;
    const double c = x1 + 0.25 * w;
    const auto pt = [](double x, double y) { return TMMPoint { static_cast<float>(x), static_cast<float>(y) }; };
    FPoints.resize(10);
    FPoints[0] = pt(x1, ym);
    FPoints[1] = pt(x1 + 0.14 * w, ym - 0.425 * h);
    FPoints[2] = pt(c - 0.05 * w, y1);
    FPoints[3] = pt(c, y1);
    FPoints[4] = pt(c + 0.17 * w, y1);
    // The falling half is the rising half reflected through the centre.
    for (int i = 0; i <= 3; ++i) {
        const TMMPoint& q = FPoints[static_cast<std::size_t>(4 - i)];
        FPoints[static_cast<std::size_t>(5 + i)] = pt(2 * x1 + w - q.X, 2 * ym - q.Y);
    }
    FPoints[9] = pt(r.Right, y1 + 0.5 * h);
    SetBoundsDirectly(r, scale);
}

void TPolygon::MakeTubeBend(const TMMRect& r, float scale)
{
    constexpr double k = 0.5522847498308;
    const double x1 = r.Left;
    const double y1 = r.Top;
    const double x2 = r.Right;
    const double y2 = r.Bottom;
    const double u = 0.25 * (x2 - x1);
    const auto pt = [](double x, double y) { return TMMPoint { static_cast<float>(x), static_cast<float>(y) }; };
    const TMMPoint p0 = pt(x1, y2);
    const TMMPoint p3 = pt(x2, y1);
    // Repeated points make the two ends straight segments inside one Bezier outline.
    FPoints = { p0, pt(x1, y2 - (y2 - y1) * k), pt(x2 - (x2 - x1) * k, y1), p3, p3, p3, pt(x2, y1 + u),
        pt(x2 - (x2 - (x1 + u)) * k, y1 + u), pt(x1 + u, y2 - (y2 - (y1 + u)) * k), pt(x1 + u, y2), p0, p0, p0 };
    SetBoundsDirectly(r, scale);
}

void TPolygon::MakeGraphPaper(const TMMRect& r, float scale)
{
    FPoints = { { r.Left, r.Top }, { r.Left, r.Bottom }, { r.Right, r.Bottom }, { r.Right, r.Top } };
    SetBoundsDirectly(r, scale);
}

} // namespace korvo
