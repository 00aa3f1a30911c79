#pragma once

#include "geometry/mm_types.h"

namespace korvo {

class TPolygon;

// A text's own axes on the page: Down goes from line to line (from the frame's first point to its
// second, as lines are painted), Across runs along a line, a quarter turn anticlockwise from Down.
struct TTextAxes {
    TMMPoint Origin { 0, 0 };
    double DownX = 0;
    double DownY = 1;

    // The axes of a text shape at its first point; straight down when its frame has no extent.
    static TTextAxes Of(const TPolygon& text);

    TMMPoint At(double across, double down) const;
    double Across(TMMPoint p) const;
    double Down(TMMPoint p) const;
};

// The distance between lines of a text of that size in points, in millimetres.
double TextLineHeight(int points);

} // namespace korvo
