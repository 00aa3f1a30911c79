#include "shapes/plot_group_parts.h"

#include <cmath>

namespace korvo {

namespace {

    constexpr std::int32_t AxisWidth = 2;
    constexpr std::int32_t TickWidth = 1;
    constexpr int NumberPoints = 8;
    constexpr int TitlePoints = 10;
    // Ticks reach this far to each side of their axis; numbers and titles keep this gap.
    constexpr double TickMM = 1.0;
    constexpr double GapMM = 0.8;
    // Relative to a square's value: what rounding leaves of a number that is really a whole line.
    constexpr double Tolerance = 1e-9;

    TMMPoint Offset(TMMPoint p, TMMPoint unit, double mm)
    {
        return { static_cast<float>(p.X + unit.X * mm), static_cast<float>(p.Y + unit.Y * mm) };
    }

    TMMPoint Opposite(TMMPoint unit) { return { -unit.X, -unit.Y }; }

    // Where an axis crosses the other range: at zero when zero is in it, else at its low end.
    double CrossingAt(double low, double high) { return low <= 0 && 0 <= high ? 0.0 : low; }

    bool NearlyEqual(double a, double b, double unit) { return std::abs(a - b) <= Tolerance * unit; }

    // The lines from the range's low end that carry numbers: every Nth, in step with zero when zero is on a
    // line, so that 0, 5, 10 are numbered rather than 1, 6, 11.
    std::vector<int> NumberedLines(double low, double high, double perSquare, int every)
    {
        std::vector<int> lines;
        if (every <= 0)
            return lines;
        const double zeroAt = -low / perSquare;
        const bool zeroOnLine = NearlyEqual(zeroAt, std::nearbyint(zeroAt), 1) && std::abs(zeroAt) < 1e9;
        const long long phase = zeroOnLine ? static_cast<long long>(std::nearbyint(zeroAt)) : 0;
        const int last = static_cast<int>(std::floor((high - low) / perSquare + Tolerance));
        for (int i = 0; i <= last; ++i) {
            if (((i - phase) % every + every) % every == 0)
                lines.push_back(i);
        }
        return lines;
    }

    // Enough decimals to tell the numbers of lines `step` apart from `low` exactly, at most six.
    int Decimals(double low, double step)
    {
        for (int d = 0; d < 6; ++d) {
            const double k = std::pow(10.0, d);
            if (NearlyEqual(low * k, std::nearbyint(low * k), k * step)
                && NearlyEqual(step * k, std::nearbyint(step * k), k * step))
                return d;
        }
        return 6;
    }

    // Short and the same in every locale: the numbers are part of the drawing, not of the user's settings.
    QString NumberText(double v, double step, int decimals)
    {
        return QString::number(NearlyEqual(v, 0, step) ? 0.0 : v, 'f', decimals);
    }

    struct TAxisNumber {
        double Value;
        QString Text;
    };

    // The numbered lines' values, each written with as many decimals as they all need.
    std::vector<TAxisNumber> AxisNumbers(double low, double high, double perSquare, int every)
    {
        std::vector<TAxisNumber> numbers;
        const double step = perSquare * every;
        const int decimals = Decimals(low, step);
        for (const int line : NumberedLines(low, high, perSquare, every)) {
            const double v = low + line * perSquare;
            numbers.push_back({ v, NumberText(v, step, decimals) });
        }
        return numbers;
    }

    class TAxesBuilder {
    public:
        TAxesBuilder(
            const TPlotFrame& frame, const TPlotAxes& axes, TColour textColour, float scale, std::vector<TPolygon>& out)
            : FFrame(frame)
            , FAxes(axes)
            , FTextColour(textColour)
            , FScale(scale)
            , FOut(out)
            , FX0(CrossingAt(frame.Window.XMin, frame.Window.XMax))
            , FY0(CrossingAt(frame.Window.YMin, frame.Window.YMax))
        {
        }

        bool Build()
        {
            const TPlotWindow& w = FFrame.Window;
            AddAxis(FFrame.ToPage(w.XMin, FY0), FFrame.ToPage(w.XMax, FY0));
            AddAxis(FFrame.ToPage(FX0, w.YMin), FFrame.ToPage(FX0, w.YMax));
            const double numbersHeight = AddXNumbers();
            const double numbersWidth = AddYNumbers();
            return AddXTitle(numbersHeight) && AddYTitle(numbersWidth);
        }

    private:
        void AddAxis(TMMPoint from, TMMPoint to)
        {
            TPolygon axis = LineShape(skLine, { from, to }, clBlack, psSolid, AxisWidth);
            axis.FLineEnd = FAxes.Arrows ? leArrowMedium : leNone;
            FOut.push_back(std::move(axis));
        }

        void AddTick(TMMPoint at, TMMPoint across)
        {
            FOut.push_back(LineShape(
                skLine, { Offset(at, across, -TickMM), Offset(at, across, TickMM) }, clBlack, psSolid, TickWidth));
        }

        // The numbers' height below the x axis.
        double AddXNumbers()
        {
            const TPlotWindow& w = FFrame.Window;
            const TMMPoint up = FFrame.UpUnit();
            double height = 0;
            for (const TAxisNumber& n : AxisNumbers(w.XMin, w.XMax, FFrame.XPerSquare, FAxes.NumbersEvery)) {
                const TMMPoint at = FFrame.ToPage(n.Value, FY0);
                if (!NearlyEqual(n.Value, FX0, FFrame.XPerSquare))
                    AddTick(at, up);
                const TTextPlace place { Offset(at, up, -(TickMM + GapMM)), Opposite(up), 0.5, 0 };
                height = std::max(height, AddNumber(n.Text, place).Height);
            }
            return height;
        }

        // The numbers' width left of the y axis.
        double AddYNumbers()
        {
            const TPlotWindow& w = FFrame.Window;
            const TMMPoint across = FFrame.AcrossUnit();
            double width = 0;
            for (const TAxisNumber& n : AxisNumbers(w.YMin, w.YMax, FFrame.YPerSquare, FAxes.NumbersEvery)) {
                const TMMPoint at = FFrame.ToPage(FX0, n.Value);
                // The origin's 0 is written once, under the x axis.
                const bool onXAxis = NearlyEqual(n.Value, FY0, FFrame.YPerSquare);
                if (onXAxis && FX0 == 0 && FY0 == 0)
                    continue;
                if (!onXAxis)
                    AddTick(at, across);
                const TTextPlace place { Offset(at, across, -(TickMM + GapMM)), Opposite(FFrame.UpUnit()), 1, 0.5 };
                width = std::max(width, AddNumber(n.Text, place).Width);
            }
            return width;
        }

        // Numbers are plain ASCII, which every character set stores.
        TTextBox AddNumber(const QString& text, const TTextPlace& place)
        {
            return PlaceText(text, NumberPoints, FTextColour, place, FScale, FOut).value_or(TTextBox());
        }

        // Centred under the x axis's numbers.
        bool AddXTitle(double numbersHeight)
        {
            const TPlotWindow& w = FFrame.Window;
            const TMMPoint up = FFrame.UpUnit();
            const TMMPoint middle = FFrame.ToPage((w.XMin + w.XMax) / 2, FY0);
            return AddTitle(
                FAxes.XTitle, { Offset(middle, up, -(TickMM + 2 * GapMM + numbersHeight)), Opposite(up), 0.5, 0 });
        }

        // Level above the y axis's top end, starting where its numbers start: a long title such as
        // "temperature / °C" then reads clear of the numbers and the squares instead of running into them.
        bool AddYTitle(double numbersWidth)
        {
            const TMMPoint up = FFrame.UpUnit();
            const TMMPoint top = FFrame.ToPage(FX0, FFrame.Window.YMax);
            const TMMPoint start = Offset(top, FFrame.AcrossUnit(), -(TickMM + GapMM + numbersWidth));
            return AddTitle(FAxes.YTitle, { Offset(start, up, TickMM + 2 * GapMM), Opposite(up), 0, 1 });
        }

        bool AddTitle(const QString& title, const TTextPlace& place)
        {
            return title.isEmpty() || PlaceText(title, TitlePoints, FTextColour, place, FScale, FOut).has_value();
        }

        const TPlotFrame& FFrame;
        const TPlotAxes& FAxes;
        const TColour FTextColour;
        const float FScale;
        std::vector<TPolygon>& FOut;
        // Where the axes cross, in values.
        const double FX0;
        const double FY0;
    };

} // namespace

bool AddAxes(
    const TPlotFrame& frame, const TPlotAxes& axes, TColour textColour, float scale, std::vector<TPolygon>& out)
{
    return TAxesBuilder(frame, axes, textColour, scale, out).Build();
}

} // namespace korvo
