#include "import/svg_gradient.h"

#include "import/svg_colour.h"
#include "import/svg_limits.h"
#include "import/svg_style.h"
#include "import/svg_tree.h"
#include "import/svg_units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace korvo {
namespace {

    // How far toward the circle a focus may lie, as a share of the radius: a focus on the circle itself
    // leaves the gradient's cone without a side.
    constexpr double FocusReach = 0.999;

    struct TStop {
        double Offset = 0;
        std::array<double, 4> Rgba {};
    };

    std::vector<TStop> OwnStops(const TSvgTree& tree, const TSvgNode& gradient, const TSvgStyleSheet& sheet)
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

    QColor StopColour(const TStop& stop, double opacity)
    {
        return QColor::fromRgbF(
            float(stop.Rgba[0]), float(stop.Rgba[1]), float(stop.Rgba[2]), float(stop.Rgba[3] * opacity));
    }

    // A gradient and those its href names in turn: each gives what the ones before it leave out.
    class TGradientChain {
    public:
        TGradientChain(const TSvgTree& tree, int gradient)
            : Tree(tree)
        {
            for (int step = 0; step < SvgLimits::MaxGradientChain && gradient >= 0; ++step) {
                const TSvgNode& node = tree.Nodes[static_cast<std::size_t>(gradient)];
                if (node.Name != u"linearGradient" && node.Name != u"radialGradient")
                    break;
                Nodes.push_back(&node);
                gradient = tree.Find(node.Attribute(u"href"));
            }
        }

        bool Radial() const { return !Nodes.empty() && Nodes.front()->Name == u"radialGradient"; }

        QString Attribute(QStringView name) const
        {
            for (const TSvgNode* node : Nodes) {
                if (node->Has(name))
                    return node->Attribute(name);
            }
            return {};
        }

        std::vector<TStop> Stops(const TSvgStyleSheet& sheet) const
        {
            for (const TSvgNode* node : Nodes) {
                std::vector<TStop> stops = OwnStops(Tree, *node, sheet);
                if (!stops.empty())
                    return stops;
            }
            return {};
        }

        // A length attribute, or its default when absent or not a length.
        double Length(QStringView name, double percentBase, QStringView otherwise) const
        {
            const QString value = Attribute(name);
            if (const auto length = ParseSvgLength(value, percentBase); length && std::isfinite(*length))
                return *length;
            return ParseSvgLength(otherwise, percentBase).value_or(0);
        }

    private:
        const TSvgTree& Tree;
        std::vector<const TSvgNode*> Nodes;
    };

    bool IsFinite(const QTransform& t)
    {
        return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) && std::isfinite(t.m22())
            && std::isfinite(t.dx()) && std::isfinite(t.dy());
    }

    // The gradient's geometry in its own units, whose percentages count against the base; empty when it
    // has none, and then the last stop paints everything, as SVG says.
    std::unique_ptr<QGradient> Geometry(const TGradientChain& chain, QSizeF base)
    {
        const double w = base.width();
        const double h = base.height();
        if (chain.Radial()) {
            const QPointF centre(chain.Length(u"cx", w, u"50%"), chain.Length(u"cy", h, u"50%"));
            const double radius = chain.Length(u"r", std::sqrt((w * w + h * h) / 2), u"50%");
            if (!(radius > 0))
                return nullptr;
            QPointF focus(chain.Length(u"fx", w, QString::number(centre.x())),
                chain.Length(u"fy", h, QString::number(centre.y())));
            // A focus outside the circle is moved onto it, as SVG 1.1 says.
            const QPointF off = focus - centre;
            const double distance = std::hypot(off.x(), off.y());
            if (distance > radius * FocusReach)
                focus = centre + off * (radius * FocusReach / distance);
            return std::make_unique<QRadialGradient>(centre, radius, focus);
        }
        const QPointF start(chain.Length(u"x1", w, u"0%"), chain.Length(u"y1", h, u"0%"));
        const QPointF end(chain.Length(u"x2", w, u"100%"), chain.Length(u"y2", h, u"0%"));
        if (start == end)
            return nullptr;
        return std::make_unique<QLinearGradient>(start, end);
    }

    QGradient::Spread Spread(const QString& method)
    {
        if (method == u"reflect")
            return QGradient::ReflectSpread;
        return method == u"repeat" ? QGradient::RepeatSpread : QGradient::PadSpread;
    }

} // namespace

std::optional<QBrush> GradientBrush(
    const TSvgTree& tree, int gradient, const TSvgStyleSheet& sheet, double opacity, const TSvgGradientPlace& place)
{
    const TGradientChain chain(tree, gradient);
    const std::vector<TStop> stops = chain.Stops(sheet);
    if (stops.empty())
        return std::nullopt;
    QTransform units;
    QSizeF base = place.Viewport;
    if (chain.Attribute(u"gradientUnits") != u"userSpaceOnUse") {
        const QRectF box = place.BoxUser;
        if (!(box.width() > 0 && box.height() > 0))
            return std::nullopt;
        units = QTransform(box.width(), 0, 0, box.height(), box.x(), box.y());
        base = QSizeF(1, 1);
    }
    const QTransform toPage = ParseSvgTransform(chain.Attribute(u"gradientTransform")) * units * place.ToPage;
    if (!toPage.isInvertible() || !IsFinite(toPage))
        return std::nullopt;
    const std::unique_ptr<QGradient> geometry = Geometry(chain, base);
    if (!geometry)
        return QBrush(StopColour(stops.back(), opacity));
    geometry->setSpread(Spread(chain.Attribute(u"spreadMethod").trimmed()));
    QGradientStops qtStops;
    for (const TStop& stop : stops)
        qtStops.append({ std::clamp(stop.Offset, 0.0, 1.0), StopColour(stop, opacity) });
    geometry->setStops(qtStops);
    QBrush brush(*geometry);
    brush.setTransform(toPage);
    return brush;
}

std::optional<QColor> GradientAverage(const TSvgTree& tree, int gradient, const TSvgStyleSheet& sheet)
{
    const std::vector<TStop> stops = TGradientChain(tree, gradient).Stops(sheet);
    if (stops.empty())
        return std::nullopt;
    return Average(stops);
}

} // namespace korvo
