#include "import/svg_gradient.h"

#include "import/svg_colour.h"
#include "import/svg_limits.h"
#include "import/svg_style.h"
#include "import/svg_tree.h"
#include "import/svg_units.h"

#include <algorithm>
#include <array>

namespace korvo {
namespace {

    struct TStop {
        double Offset = 0;
        std::array<double, 4> Rgba {};
    };

    std::vector<TStop> Stops(const TSvgTree& tree, const TSvgNode& gradient, const TSvgStyleSheet& sheet)
    {
        std::vector<TStop> stops;
        for (const int child : gradient.Children) {
            const TSvgNode& node = tree.Nodes[static_cast<std::size_t>(child)];
            if (node.Name != u"stop")
                continue;
            const TSvgStyle style = CascadeSvgStyle(node, TSvgStyle(), sheet);
            const QColor colour = ParseSvgColour(style.StopColour, style.Colour).value_or(QColor(Qt::black));
            TStop stop;
            const double previous = stops.empty() ? 0.0 : stops.back().Offset;
            // Offsets never go back, as SVG says.
            stop.Offset = std::max(previous, ParseSvgOpacity(node.Attribute(u"offset")).value_or(0));
            stop.Rgba = { colour.redF(), colour.greenF(), colour.blueF(), colour.alphaF() * style.StopOpacity };
            stops.push_back(stop);
        }
        return stops;
    }

    QColor Average(const std::vector<TStop>& stops)
    {
        std::array<double, 4> sum {};
        auto add = [&sum](const std::array<double, 4>& a, const std::array<double, 4>& b, double weight) {
            for (std::size_t i = 0; i < sum.size(); ++i)
                sum[i] += (a[i] + b[i]) / 2 * weight;
        };
        add(stops.front().Rgba, stops.front().Rgba, stops.front().Offset);
        for (std::size_t i = 1; i < stops.size(); ++i)
            add(stops[i - 1].Rgba, stops[i].Rgba, stops[i].Offset - stops[i - 1].Offset);
        add(stops.back().Rgba, stops.back().Rgba, 1 - stops.back().Offset);
        return QColor::fromRgbF(float(sum[0]), float(sum[1]), float(sum[2]), float(sum[3]));
    }

} // namespace

std::optional<QColor> GradientAverage(const TSvgTree& tree, int gradient, const TSvgStyleSheet& sheet)
{
    for (int step = 0; step < SvgLimits::MaxGradientChain && gradient >= 0; ++step) {
        const TSvgNode& node = tree.Nodes[static_cast<std::size_t>(gradient)];
        if (node.Name != u"linearGradient" && node.Name != u"radialGradient")
            return std::nullopt;
        const std::vector<TStop> stops = Stops(tree, node, sheet);
        if (!stops.empty())
            return Average(stops);
        gradient = tree.Find(node.Attribute(u"href"));
    }
    return std::nullopt;
}

} // namespace korvo
