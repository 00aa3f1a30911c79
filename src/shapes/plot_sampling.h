#pragma once

#include "shapes/plot_table.h"

#include <functional>
#include <vector>

namespace korvo {

// The axes' rectangle in values and how many millimetres one unit takes on the paper in each direction.
struct TPlotWindow {
    double XMin = 0;
    double XMax = 1;
    double YMin = 0;
    double YMax = 1;
    double MMPerX = 1;
    double MMPerY = 1;
};

// Finite ranges that are neither empty nor reversed, and finite positive scales; nothing is sampled
// or clipped in another window.
bool IsUsableWindow(const TPlotWindow& window);

// Runs of points that a line joins, in values.
using TPlotPiece = std::vector<TDataPoint>;

// Samples y = f(x) across the window so that straight segments between the points stay within
// toleranceMM of the true curve on the paper, clipped to the window (ends on its edges interpolated).
// A run is broken, not joined, where f has no value or jumps across an asymptote (tan x, 1/x).
std::vector<TPlotPiece> SampleFunction(
    const std::function<double(double)>& f, const TPlotWindow& window, double toleranceMM = 0.1);

// Cuts a polyline through the points to the window; pieces in order, a point outside starts a new piece.
std::vector<TPlotPiece> ClipToWindow(const std::vector<TDataPoint>& points, const TPlotWindow& window);

} // namespace korvo
