#include "shapes/formula_axes.h"

#include "geometry/units.h"
#include "shapes/polygon.h"

#include <cmath>

namespace korvo {

TTextAxes TTextAxes::Of(const TPolygon& text)
{
    TTextAxes axes;
    if (text.PointCount() < 1)
        return axes;
    axes.Origin = text.GetPoint(0);
    if (text.PointCount() < 2)
        return axes;
    const double dx = static_cast<double>(text.GetPoint(1).X) - axes.Origin.X;
    const double dy = static_cast<double>(text.GetPoint(1).Y) - axes.Origin.Y;
    const double d = std::hypot(dx, dy);
    if (d > 0 && std::isfinite(d)) {
        axes.DownX = dx / d;
        axes.DownY = dy / d;
    }
    return axes;
}

TMMPoint TTextAxes::At(double across, double down) const
{
    // On the page y grows downwards, so Across is (DownY, -DownX).
    return { static_cast<float>(Origin.X + across * DownY + down * DownX),
        static_cast<float>(Origin.Y - across * DownX + down * DownY) };
}

double TTextAxes::Across(TMMPoint p) const
{
    return (static_cast<double>(p.X) - Origin.X) * DownY - (static_cast<double>(p.Y) - Origin.Y) * DownX;
}

double TTextAxes::Down(TMMPoint p) const
{
    return (static_cast<double>(p.X) - Origin.X) * DownX + (static_cast<double>(p.Y) - Origin.Y) * DownY;
}

double TextLineHeight(int points) { return static_cast<double>(ScreenPixelsPerInch()) * points / (72.0 * BaseScale); }

} // namespace korvo
