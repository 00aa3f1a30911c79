#include "shapes/formula.h"

#include "shapes/code_page.h"
#include "shapes/formula_axes.h"
#include "shapes/formula_definition.h"

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    // Runs this much smaller than the largest are raised or lowered; 60 % is well inside.
    constexpr double ScriptSizeLimit = 0.8;
    // Texts grouped by hand may stand far apart; wider gaps between lines are read as this many
    // empty lines, so that no group can ask for more lines than it has runs and this.
    constexpr double MaxEmptyLines = 100;
    // Keeps line numbers finite for a group whose texts have no size.
    constexpr double MinLineHeight = 1e-3;

    struct TPlacedRun {
        const TPolygon* Shape = nullptr;
        QString Text;
        double Across = 0;
        double Width = 0;
        // The middle of the run's frame below the top of the first line.
        double Middle = 0;
        bool Script = false;
        // The line counted from the highest run on the line, and the same after closing wide gaps.
        double RawLine = 0;
        int Line = 0;
        TRunPlace Place = TRunPlace::Line;
    };

    bool IsSingleLineText(const TPolygon& shape)
    {
        return shape.FKind == skText && shape.PointCount() >= 4 && !shape.FText.contains('\r')
            && std::all_of(shape.FPoints.begin(), shape.FPoints.end(),
                [](TMMPoint p) { return std::isfinite(p.X) && std::isfinite(p.Y); });
    }

    int LargestSize(const TPolygon& group)
    {
        int size = 0;
        for (const TPolygon& child : group.FChildren)
            size = std::max(size, child.FFont.Size());
        return size;
    }

    // Each child where it stands on the axes, its line and place found from its size and height.
    class TGroupRuns {
    public:
        explicit TGroupRuns(const TPolygon& group)
            : FAxes(TTextAxes::Of(group.FChildren.front()))
            , FLineHeight(std::max(TextLineHeight(LargestSize(group)), MinLineHeight))
        {
            const int largest = LargestSize(group);
            for (const TPolygon& child : group.FChildren) {
                QString text = DecodeText(child.FText, child.FFont.Charset());
                text.remove(QLatin1Char('\n'));
                const double across = FAxes.Across(child.GetPoint(0));
                const double down = FAxes.Down(child.GetPoint(0));
                const double height = FAxes.Down(child.GetPoint(1)) - down;
                const bool script = child.FFont.Size() < largest * ScriptSizeLimit;
                FRuns.push_back(
                    { &child, text, across, FAxes.Across(child.GetPoint(3)) - across, down + height / 2, script });
            }
            PlaceOnLines();
        }

        TFormula Formula() const
        {
            TFormula formula;
            for (const TPlacedRun& run : FRuns) {
                if (run.Text.isEmpty())
                    continue;
                formula.Lines.resize(std::max(formula.Lines.size(), static_cast<std::size_t>(run.Line) + 1));
                TFormulaLine& line = formula.Lines[static_cast<std::size_t>(run.Line)];
                if (line.empty() || line.back().Place != run.Place)
                    line.push_back({ QString(), run.Place });
                line.back().Text.append(run.Text);
            }
            return formula;
        }

        // The first run on the line, framed around the whole formula from its top-left corner.
        TPolygon Template(int emptyLinesAbove) const
        {
            const auto onLine
                = std::find_if(FRuns.begin(), FRuns.end(), [](const TPlacedRun& run) { return !run.Script; });
            TPolygon shape;
            shape.Assign(*onLine->Shape);
            shape.FText.clear();
            double left = onLine->Across;
            double right = left;
            for (const TPlacedRun& run : FRuns) {
                left = std::min(left, run.Across);
                right = std::max(right, run.Across + run.Width);
            }
            const double top = FTop - emptyLinesAbove * FLineHeight;
            const double bottom = FTop + (FRuns.back().Line + 1) * FLineHeight;
            shape.FPoints
                = { FAxes.At(left, top), FAxes.At(left, bottom), FAxes.At(right, bottom), FAxes.At(right, top) };
            return shape;
        }

    private:
        // Lines are a line height apart from the top of the highest run on the line. A smaller run
        // belongs to the line its middle is in, raised or lowered from the middle of that line's runs;
        // a line of smaller runs only may stand above the first with runs on the line.
        void PlaceOnLines()
        {
            const auto highest
                = std::min_element(FRuns.begin(), FRuns.end(), [](const TPlacedRun& a, const TPlacedRun& b) {
                      return !a.Script && (b.Script || a.Middle < b.Middle);
                  });
            FTop = FAxes.Down(highest->Shape->GetPoint(0));
            const double lineMiddle = highest->Middle - FTop;
            for (TPlacedRun& run : FRuns) {
                const double below = run.Middle - FTop;
                run.RawLine = std::floor(below / FLineHeight);
                if (run.Script)
                    run.Place = below - run.RawLine * FLineHeight > lineMiddle ? TRunPlace::Sub : TRunPlace::Super;
            }
            std::stable_sort(FRuns.begin(), FRuns.end(), [](const TPlacedRun& a, const TPlacedRun& b) {
                return a.RawLine != b.RawLine ? a.RawLine < b.RawLine : a.Across < b.Across;
            });
            FTop += FRuns.front().RawLine * FLineHeight;
            double previous = FRuns.front().RawLine;
            int line = 0;
            for (TPlacedRun& run : FRuns) {
                line += static_cast<int>(std::min(run.RawLine - previous, MaxEmptyLines + 1));
                previous = run.RawLine;
                run.Line = line;
            }
        }

        const TTextAxes FAxes;
        const double FLineHeight;
        double FTop = 0;
        std::vector<TPlacedRun> FRuns;
    };

    void DropEmptyLines(TFormula& formula, bool leading)
    {
        auto& lines = formula.Lines;
        while (!lines.empty() && (leading ? lines.front() : lines.back()).empty())
            lines.erase(leading ? lines.begin() : lines.end() - 1);
    }

} // namespace

std::optional<TFormulaGroupInfo> ReadFormulaGroup(const TPolygon& group)
{
    if (!group.IsGroup() || group.FChildren.empty()
        || !std::all_of(group.FChildren.begin(), group.FChildren.end(), IsSingleLineText))
        return std::nullopt;
    const TGroupRuns runs(group);
    TFormulaGroupInfo info;
    info.Formula = runs.Formula();
    // The typed text counts only while it still gives these runs; lines it leaves empty at the top or
    // bottom have no shapes to show them.
    if (const std::optional<TTypedFormula> typed = ReadFormulaDefinition(group.FText)) {
        TFormula typedFormula = ParseFormula(*typed);
        DropEmptyLines(typedFormula, false);
        const std::size_t lineCount = typedFormula.Lines.size();
        DropEmptyLines(typedFormula, true);
        if (typedFormula == info.Formula) {
            info.Typed = *typed;
            info.Template = runs.Template(static_cast<int>(lineCount - typedFormula.Lines.size()));
            return info;
        }
    }
    info.Typed = WriteFormulaBack(info.Formula);
    info.Template = runs.Template(0);
    return info;
}

} // namespace korvo
