#include "shapes/formula_axes.h"
#include "shapes/plot_group_parts.h"

#include <algorithm>
#include <limits>

namespace korvo {

namespace {

    TPolygon TextTemplate(int points, TColour colour, TMMPoint topLeft, TMMPoint down)
    {
        TPolygon text;
        text.SetKind(skText);
        text.FFont.SetFace("Arial");
        text.FFont.SetSize(points);
        text.FFont.Colour = colour;
        text.FPoints = { topLeft, { topLeft.X + down.X, topLeft.Y + down.Y } };
        return text;
    }

    struct TExtent {
        double Low = std::numeric_limits<double>::infinity();
        double High = -std::numeric_limits<double>::infinity();

        void Add(double v)
        {
            Low = std::min(Low, v);
            High = std::max(High, v);
        }
        double Size() const { return High - Low; }
    };

} // namespace

TPolygon LineShape(std::int32_t kind, TMMArray points, TColour colour, std::uint8_t style, std::int32_t width)
{
    TPolygon shape;
    shape.SetKind(kind);
    shape.FPoints = std::move(points);
    shape.FPen = { colour, style, width };
    shape.FBrush.Style = bsClear;
    return shape;
}

std::optional<TTextBox> PlaceText(
    const QString& text, int points, TColour colour, const TTextPlace& place, float scale, std::vector<TPolygon>& out)
{
    const TPolygon layoutTemplate = TextTemplate(points, colour, place.Anchor, place.Down);
    std::optional<TPolygon> formula = MakeFormulaGroup({ text, false }, layoutTemplate, scale);
    if (!formula)
        return std::nullopt;
    // Laid out from the anchor first, then moved so the chosen point of its box sits there.
    const TTextAxes axes = TTextAxes::Of(layoutTemplate);
    TExtent across;
    TExtent down;
    for (const TPolygon& run : formula->FChildren) {
        for (const TMMPoint& p : run.FPoints) {
            across.Add(axes.Across(p));
            down.Add(axes.Down(p));
        }
    }
    const TMMPoint target
        = axes.At(across.Low + place.AcrossPart * across.Size(), down.Low + place.DownPart * down.Size());
    const double dx = static_cast<double>(place.Anchor.X) - target.X;
    const double dy = static_cast<double>(place.Anchor.Y) - target.Y;
    for (TPolygon& run : formula->FChildren) {
        for (TMMPoint& p : run.FPoints)
            p = { static_cast<float>(p.X + dx), static_cast<float>(p.Y + dy) };
        out.push_back(std::move(run));
    }
    return TTextBox { across.Size(), down.Size() };
}

} // namespace korvo
