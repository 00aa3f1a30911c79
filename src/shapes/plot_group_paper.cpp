#include "shapes/plot_group_paper.h"

#include "shapes/polygon.h"

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    // Beyond this a paper from a damaged file would make a graph of millions of ticks and numbers.
    constexpr double MaxLines = 20000;

    struct TFamilyStep {
        double X;
        double Y;
        int Lines;
    };

    // As the painter spaces one family: the edge rounded to whole millimetres holds the whole squares.
    std::optional<TFamilyStep> StepAlong(TMMPoint from, TMMPoint to, int square)
    {
        const double dx = static_cast<double>(to.X) - from.X;
        const double dy = static_cast<double>(to.Y) - from.Y;
        const double rounded = std::nearbyint(std::hypot(dx, dy));
        if (!std::isfinite(rounded) || rounded <= 0)
            return std::nullopt;
        const double lines = std::trunc(rounded / square);
        if (lines < 1 || lines > MaxLines)
            return std::nullopt;
        return TFamilyStep { square * dx / rounded, square * dy / rounded, static_cast<int>(lines) };
    }

} // namespace

std::optional<TPaperGrid> TPaperGrid::Of(const TPolygon& paper)
{
    const int square = paper.FFont.Size();
    if (paper.FKind != skGraphPaper || paper.PointCount() < 4 || square <= 0)
        return std::nullopt;
    const TMMPoint p0 = paper.GetPoint(0);
    const std::optional<TFamilyStep> down = StepAlong(p0, paper.GetPoint(1), square);
    const std::optional<TFamilyStep> across = StepAlong(p0, paper.GetPoint(3), square);
    if (!down || !across)
        return std::nullopt;
    TPaperGrid grid;
    grid.OriginX = p0.X + down->Lines * down->X;
    grid.OriginY = p0.Y + down->Lines * down->Y;
    grid.AcrossX = across->X;
    grid.AcrossY = across->Y;
    grid.UpX = -down->X;
    grid.UpY = -down->Y;
    grid.SquaresAcross = across->Lines;
    grid.SquaresUp = down->Lines;
    return grid;
}

TMMPoint TPaperGrid::At(double across, double up) const
{
    return { static_cast<float>(OriginX + across * AcrossX + up * UpX),
        static_cast<float>(OriginY + across * AcrossY + up * UpY) };
}

double TPaperGrid::AcrossMM() const { return std::hypot(AcrossX, AcrossY); }

double TPaperGrid::UpMM() const { return std::hypot(UpX, UpY); }

std::optional<TPlotFrame> TPlotFrame::Of(const TPlotAxes& axes, const TPolygon& paper)
{
    const std::optional<TPaperGrid> grid = TPaperGrid::Of(paper);
    const auto finite = [](double v) { return std::isfinite(v); };
    if (!grid || !finite(axes.XMin) || !finite(axes.XMax) || !finite(axes.YMin) || !finite(axes.YMax)
        || !finite(axes.XPerSquare) || !finite(axes.YPerSquare) || axes.XPerSquare <= 0 || axes.YPerSquare <= 0)
        return std::nullopt;
    TPlotFrame frame;
    frame.Grid = *grid;
    frame.XPerSquare = axes.XPerSquare;
    frame.YPerSquare = axes.YPerSquare;
    // Ranges wider than the paper end at its last line rather than off the sheet.
    frame.Window = { axes.XMin, std::min(axes.XMax, axes.XMin + grid->SquaresAcross * axes.XPerSquare), axes.YMin,
        std::min(axes.YMax, axes.YMin + grid->SquaresUp * axes.YPerSquare), grid->AcrossMM() / axes.XPerSquare,
        grid->UpMM() / axes.YPerSquare };
    const TPlotWindow& w = frame.Window;
    if (!(w.XMin < w.XMax) || !(w.YMin < w.YMax) || !finite(w.XMax - w.XMin) || !finite(w.YMax - w.YMin)
        || !finite(w.MMPerX) || !finite(w.MMPerY) || w.MMPerX <= 0 || w.MMPerY <= 0)
        return std::nullopt;
    return frame;
}

TMMPoint TPlotFrame::ToPage(double x, double y) const
{
    return Grid.At((x - Window.XMin) / XPerSquare, (y - Window.YMin) / YPerSquare);
}

bool TPlotFrame::Contains(const TDataPoint& p) const
{
    return p.X >= Window.XMin && p.X <= Window.XMax && p.Y >= Window.YMin && p.Y <= Window.YMax;
}

TMMPoint TPlotFrame::AcrossUnit() const
{
    const double length = Grid.AcrossMM();
    return { static_cast<float>(Grid.AcrossX / length), static_cast<float>(Grid.AcrossY / length) };
}

TMMPoint TPlotFrame::UpUnit() const
{
    const double length = Grid.UpMM();
    return { static_cast<float>(Grid.UpX / length), static_cast<float>(Grid.UpY / length) };
}

} // namespace korvo
