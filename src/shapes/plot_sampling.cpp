#include "shapes/plot_sampling.h"

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    // The first pass steps this far on the paper; finer detail is found by splitting.
    constexpr double FirstStepMM = 0.5;
    constexpr int MinFirstSteps = 16;
    constexpr int MaxFirstSteps = 4096;
    // Far below what a pen draws. A curve that still does not meet its chord at this width jumps
    // there (an asymptote), and its run is broken instead of joined.
    constexpr double MinStepMM = 1e-3;
    // Finer gains nothing on paper, and would leave even a smooth curve unmet by its chords at the
    // narrowest split, and so broken.
    constexpr double MinToleranceMM = 0.01;
    // Each stretch is checked, and split, at the golden section instead of the middle: from regularly
    // spaced samples a fast wave such as sin(1000x) would otherwise look like a slow one, with every
    // middle on its chord.
    constexpr double CheckAt = 0.3819660112501051;
    // The checked point is one of the stretch's; its furthest from the chord may lie elsewhere.
    constexpr double CheckedShareOfTolerance = 0.5;
    // A wildly oscillating function is drawn coarser rather than freezing the dialog.
    constexpr int MaxEvaluations = 100000;

    bool IsFinite(const TDataPoint& p) { return std::isfinite(p.Y); }

    class TSampler {
    public:
        TSampler(const std::function<double(double)>& f, const TPlotWindow& window, double toleranceMM)
            : FFunction(f)
            , FWindow(window)
            , FCheckMM(toleranceMM * CheckedShareOfTolerance)
        {
        }

        std::vector<TPlotPiece> Sample()
        {
            const double widthMM = (FWindow.XMax - FWindow.XMin) * FWindow.MMPerX;
            const int steps = std::clamp(int(std::ceil(widthMM / FirstStepMM)), MinFirstSteps, MaxFirstSteps);
            TDataPoint from = At(FWindow.XMin);
            Emit(from);
            for (int i = 1; i <= steps; ++i) {
                const TDataPoint to
                    = At(i == steps ? FWindow.XMax : FWindow.XMin + (FWindow.XMax - FWindow.XMin) * i / steps);
                Refine(from, to);
                from = to;
            }
            EndRun();
            std::vector<TPlotPiece> pieces;
            for (const TPlotPiece& run : FRuns)
                for (TPlotPiece& piece : ClipToWindow(run, FWindow))
                    pieces.push_back(std::move(piece));
            return pieces;
        }

    private:
        TDataPoint At(double x)
        {
            ++FEvaluations;
            return { x, FFunction(x) };
        }

        // A point without a value ends the run; the next one with a value starts another.
        void Emit(const TDataPoint& p)
        {
            if (IsFinite(p))
                FRun.push_back(p);
            else
                EndRun();
        }

        // A lone point draws no line.
        void EndRun()
        {
            if (FRun.size() > 1)
                FRuns.push_back(std::move(FRun));
            FRun.clear();
        }

        // Emits the points after `from` up to `to`.
        void Refine(const TDataPoint& from, const TDataPoint& to)
        {
            const TDataPoint checked = At(from.X + (to.X - from.X) * CheckAt);
            if (!NeedsSplit(from, checked, to) || FEvaluations >= MaxEvaluations) {
                Emit(to);
                return;
            }
            const bool narrowest
                = (to.X - from.X) * FWindow.MMPerX < MinStepMM || checked.X <= from.X || checked.X >= to.X;
            if (narrowest) {
                EndRun();
                Emit(to);
                return;
            }
            Refine(from, checked);
            Refine(checked, to);
        }

        bool NeedsSplit(const TDataPoint& from, const TDataPoint& checked, const TDataPoint& to) const
        {
            const int withValue = IsFinite(from) + IsFinite(checked) + IsFinite(to);
            if (withValue == 0)
                return false;
            // Splitting finds where the function starts or stops having a value.
            if (withValue < 3)
                return true;
            if (OnOneSideOutside(from, checked, to))
                return false;
            return OffChordMM(from, checked, to) > FCheckMM;
        }

        // Nothing of such a stretch is drawn, unless it turns back into the window between the samples.
        bool OnOneSideOutside(const TDataPoint& from, const TDataPoint& checked, const TDataPoint& to) const
        {
            const auto above = [this](const TDataPoint& p) { return p.Y > FWindow.YMax; };
            const auto below = [this](const TDataPoint& p) { return p.Y < FWindow.YMin; };
            return (above(from) && above(checked) && above(to)) || (below(from) && below(checked) && below(to));
        }

        // How far the curve's checked point lies from the chord on the paper. Measured to the segment, not the
        // line, so that a curve running far past the chord's end near an asymptote counts as far.
        double OffChordMM(const TDataPoint& from, const TDataPoint& checked, const TDataPoint& to) const
        {
            const double dx = (to.X - from.X) * FWindow.MMPerX;
            const double dy = (to.Y - from.Y) * FWindow.MMPerY;
            const double px = (checked.X - from.X) * FWindow.MMPerX;
            const double py = (checked.Y - from.Y) * FWindow.MMPerY;
            const double length2 = dx * dx + dy * dy;
            const double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0.0;
            return std::hypot(px - t * dx, py - t * dy);
        }

        const std::function<double(double)>& FFunction;
        const TPlotWindow FWindow;
        const double FCheckMM;
        int FEvaluations = 0;
        TPlotPiece FRun;
        std::vector<TPlotPiece> FRuns;
    };

} // namespace

std::vector<TPlotPiece> SampleFunction(
    const std::function<double(double)>& f, const TPlotWindow& window, double toleranceMM)
{
    if (!IsUsableWindow(window) || !(toleranceMM > 0))
        return {};
    return TSampler(f, window, std::max(toleranceMM, MinToleranceMM)).Sample();
}

} // namespace korvo
