#pragma once

#include "shapes/plot_definition.h"
#include "shapes/plot_fit.h"
#include "shapes/polygon.h"

#include <optional>

namespace korvo {

// Counts of what a graph could not show, for the dialog's note.
struct TPlotOmissions {
    // Measured points outside the axes' ranges.
    int PointsOutside = 0;
};

struct TPlotGroup {
    TPolygon Group;
    TPlotOmissions Omissions;
};

// The graph drawn on the paper as one ordinary group: the paper first, then axes, ticks, numbers,
// titles (formula runs as text shapes, since groups do not nest), curves and markers, clipped to the
// axes' rectangle. Values map onto the paper along its own edges, so a turned sheet gets a turned graph.
// The group's own text keeps WritePlotDefinition's text. Nothing when the definition cannot be drawn on
// this paper (an expression that does not read, an empty or reversed range).
std::optional<TPlotGroup> MakePlotGroup(const TPlotDefinition& definition, const TPolygon& paper, float scale);

struct TPlotGroupInfo {
    TPlotDefinition Definition;
    // The graph paper inside the group, as moved, scaled or turned since: a new plot is drawn on it.
    TPolygon Paper;
};

// A group made by MakePlotGroup, read back; nothing for any other shape.
std::optional<TPlotGroupInfo> ReadPlotGroup(const TPolygon& group);

// A best-fit line as the graph writes it beside the line: "y = 2.00x + 0.50", the same in every locale.
QString FitLineText(const TFittedLine& line);

} // namespace korvo
