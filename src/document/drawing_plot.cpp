#include "document/drawing.h"

#include "shapes/plot_group.h"

namespace korvo {

namespace {

    // A graph made by MakePlotGroup, or bare graph paper read as a graph not yet drawn.
    std::optional<TPlotGroupInfo> PlotAt(const TShapeList& shapes, int index)
    {
        if (index < 0 || index >= static_cast<int>(shapes.size()))
            return std::nullopt;
        const TPolygon& shape = *shapes[static_cast<std::size_t>(index)];
        if (shape.FKind == skGraphPaper)
            return TPlotGroupInfo { DefaultPlot(shape), shape };
        return ReadPlotGroup(shape);
    }

} // namespace

bool TDrawing::CanPlot(int index) const { return PlotAt(FShapes, index).has_value(); }

std::optional<TPlotDefinition> TDrawing::PlotDefinition(int index) const
{
    std::optional<TPlotGroupInfo> plot = PlotAt(FShapes, index);
    return plot ? std::optional<TPlotDefinition>(std::move(plot->Definition)) : std::nullopt;
}

std::optional<TPolygon> TDrawing::PlotPaper(int index) const
{
    std::optional<TPlotGroupInfo> plot = PlotAt(FShapes, index);
    return plot ? std::optional<TPolygon>(std::move(plot->Paper)) : std::nullopt;
}

bool TDrawing::PlotGraph(int index, const TPlotDefinition& definition)
{
    const std::optional<TPolygon> paper = PlotPaper(index);
    if (!paper)
        return false;
    std::optional<TPlotGroup> graph = MakePlotGroup(definition, *paper, FScale);
    if (!graph)
        return false;
    const TDrawingUpdate update(*this);
    SaveUndo(ulPlotGraph);
    ReplaceShape(index, std::move(graph->Group));
    return true;
}

} // namespace korvo
