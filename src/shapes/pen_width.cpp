#include "shapes/pen_width.h"

#include "geometry/rounding.h"
#include "shapes/colour_map.h"

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    // Below this, a width counts as halfway between two pens: 1 CSS pixel is 1.5 units, give or take
    // the last bit of the arithmetic that got there.
    constexpr double HalfwaySlack = 1e-9;

    // `share` of the colour over the ground.
    TColour Faded(TColour colour, TColour ground, double share)
    {
        const QColor c = ToQColor(colour);
        const QColor g = ToQColor(ground);
        const auto blend
            = [share](int from, int to) { return static_cast<int>(std::lround(to + (from - to) * share)); };
        return ColourFromRgb(qRgb(blend(c.red(), g.red()), blend(c.green(), g.green()), blend(c.blue(), g.blue())));
    }

} // namespace

void SetPenWidth(TPen& pen, double width, const TBrush& fill)
{
    if (width < 1)
        pen.Colour = Faded(pen.Colour, fill.Style == bsClear ? clWhite : fill.Colour, std::max(0.0, width));
    // Pens print at their true width but show heavier at the editor's 100 % (a unit is a pixel there,
    // about 1.4 times as wide), so a width halfway between two pens takes the thinner one.
    pen.Width = std::max(1, Round(width - HalfwaySlack));
}

} // namespace korvo
