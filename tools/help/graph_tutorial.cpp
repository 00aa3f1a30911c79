// The tutorial in which the teacher plots the readings of an experiment on graph paper.

#include "shapes/plot_definition.h"
#include "tools/help/tutorial.h"
#include "tools/help/tutorials.h"

#include <stdexcept>

namespace korvo::tools {

namespace {

    // The readings of the help page, header row and all, as the teacher pastes them.
    const char* const CoolingReadings = "time/min\ttemperature/°C\n"
                                        "0\t80.0\n1\t69.5\n2\t60.9\n3\t53.8\n4\t48.1\n5\t43.3\n"
                                        "6\t39.4\n7\t36.3\n8\t33.7\n9\t31.6\n10\t29.9\n";

    // What the teacher enters in "Plot graph": one centimetre, a major line on 2 mm paper with every 5th
    // line major, is one minute across and ten degrees up.
    TPlotDefinition CoolingCurve(const TPlotDefinition& shown)
    {
        TPlotDefinition plot = shown;
        plot.Axes.XMin = 0;
        plot.Axes.XMax = 10;
        plot.Axes.YMin = 0;
        plot.Axes.YMax = 90;
        plot.Axes.XPerSquare = 1.0 / 5;
        plot.Axes.YPerSquare = 10.0 / 5;
        plot.Axes.XTitle = QStringLiteral("time / min");
        plot.Axes.YTitle = QStringLiteral("temperature / °C");
        TPlotCurve& readings = plot.Curves.at(0);
        readings.IsFunction = false;
        readings.Table = QString::fromUtf8(CoolingReadings);
        readings.Marker = TPlotMarker::Cross;
        // The palette's red, which stands out from the black squares.
        readings.Colour = Rgb(0xEF, 0x3F, 0x3F);
        readings.Line = TPlotLine::None;
        return plot;
    }

    void Plot(TTutorial& t, const TPlotDefinition& plot)
    {
        if (!t.Drawing().PlotGraph(t.Drawing().ShapeCount() - 1, plot))
            throw std::runtime_error("the cooling curve could not be plotted");
    }

} // namespace

void GraphTutorial(const QString& folder)
{
    TTutorial t(folder, "graph", { 5, 8, 130, 122 });
    t.Box(TTool::GraphPaper, { 25, 15, 125, 105 });
    t.Step({ DragMark({ 25, 15 }, { 125, 105 }) });
    const int paper = t.Drawing().ShapeCount() - 1;
    t.Drawing().SetPaperSettings(paper, { 2, 1 });
    t.Step(PointMark({ 75, 60 }));
    TPlotDefinition plot = CoolingCurve(t.Drawing().PlotDefinition(paper).value());
    Plot(t, plot);
    t.Step();
    plot.Curves.at(0).Line = TPlotLine::Smooth;
    Plot(t, plot);
    t.Step(PointMark({ 75, 60 }));
}

} // namespace korvo::tools
