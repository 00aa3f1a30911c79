#pragma once

#include "shapes/plot_table.h"

#include <optional>
#include <vector>

namespace korvo {

struct TFittedLine {
    double Gradient = 0;
    double Intercept = 0;
};

// The straight line by least squares; nothing with fewer than two distinct x values.
std::optional<TFittedLine> FitStraightLine(const std::vector<TDataPoint>& points);

} // namespace korvo
