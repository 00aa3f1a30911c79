#include "shapes/plot_fit.h"

#include <algorithm>
#include <cmath>

namespace korvo {

std::optional<TFittedLine> FitStraightLine(const std::vector<TDataPoint>& points)
{
    // Asked of the values themselves: a mean of equal values may differ from them in the last bit.
    const bool distinctX
        = std::any_of(points.begin(), points.end(), [&points](const TDataPoint& p) { return p.X != points.front().X; });
    if (!distinctX)
        return std::nullopt;
    double meanX = 0;
    double meanY = 0;
    for (const TDataPoint& p : points) {
        meanX += p.X;
        meanY += p.Y;
    }
    meanX /= double(points.size());
    meanY /= double(points.size());
    // Sums about the means keep large x values, such as years, from cancelling.
    double sxx = 0;
    double sxy = 0;
    for (const TDataPoint& p : points) {
        sxx += (p.X - meanX) * (p.X - meanX);
        sxy += (p.X - meanX) * (p.Y - meanY);
    }
    const TFittedLine line { sxy / sxx, meanY - sxy / sxx * meanX };
    if (!std::isfinite(line.Gradient) || !std::isfinite(line.Intercept))
        return std::nullopt;
    return line;
}

} // namespace korvo
