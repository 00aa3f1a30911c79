#pragma once

#include "geometry/mm_types.h"
#include "shapes/plot_definition.h"
#include "shapes/plot_sampling.h"

#include <optional>

namespace korvo {

class TPolygon;

// The squares of a graph paper where its painter draws them: lines one square apart from the top-left
// corner p0 along p0 -> p3 and p0 -> p1. A graph counts squares from the lowest line at the left edge,
// which is the bottom-left corner p1 when the paper's height is a whole number of squares.
struct TPaperGrid {
    double OriginX = 0;
    double OriginY = 0;
    // One square to the right and one square up, in millimetres on the page.
    double AcrossX = 1;
    double AcrossY = 0;
    double UpX = 0;
    double UpY = -1;
    int SquaresAcross = 0;
    int SquaresUp = 0;

    // Nothing for paper without at least one whole square each way, or with more lines than a graph
    // could sensibly number.
    static std::optional<TPaperGrid> Of(const TPolygon& paper);

    // The point `across` squares right of and `up` squares above the origin.
    TMMPoint At(double across, double up) const;
    // The length of one square along each edge, in millimetres.
    double AcrossMM() const;
    double UpMM() const;
};

// Where values land on the paper: the axes' ranges, cut to the squares the paper has, with (XMin, YMin)
// at the grid's origin and one square worth XPerSquare across and YPerSquare up.
struct TPlotFrame {
    TPaperGrid Grid;
    TPlotWindow Window;
    double XPerSquare = 1;
    double YPerSquare = 1;

    // Nothing for ranges that are empty, reversed or not finite, or for paper without squares.
    static std::optional<TPlotFrame> Of(const TPlotAxes& axes, const TPolygon& paper);

    TMMPoint ToPage(double x, double y) const;
    TMMPoint ToPage(const TDataPoint& p) const { return ToPage(p.X, p.Y); }
    bool Contains(const TDataPoint& p) const;
    // Unit vectors on the page, one square's direction to the right and up.
    TMMPoint AcrossUnit() const;
    TMMPoint UpUnit() const;
};

} // namespace korvo
