#include "import/svg_outline.h"

#include "import/svg_path_data.h"
#include "import/svg_tree.h"
#include "import/svg_units.h"
#include "shapes/shape_kinds.h"

#include <cmath>

namespace korvo {
namespace {

    double Length(const TSvgNode& node, QStringView name, double percentBase)
    {
        return ParseSvgLength(node.Attribute(name), percentBase).value_or(0);
    }

    bool Spend(qint64& budget, qint64 points)
    {
        budget -= points;
        return budget >= 0;
    }

    bool Rect(const TSvgNode& node, QSizeF viewport, TSvgOutline& out, qint64& budget)
    {
        const QRectF box(Length(node, u"x", viewport.width()), Length(node, u"y", viewport.height()),
            Length(node, u"width", viewport.width()), Length(node, u"height", viewport.height()));
        if (box.width() <= 0 || box.height() <= 0)
            return true;
        // A missing radius takes the other's value, as SVG says.
        double rx = ParseSvgLength(node.Attribute(u"rx"), viewport.width()).value_or(-1);
        double ry = ParseSvgLength(node.Attribute(u"ry"), viewport.height()).value_or(-1);
        rx = rx < 0 ? ry : rx;
        ry = ry < 0 ? rx : ry;
        rx = std::min(std::max(rx, 0.0), box.width() / 2);
        ry = std::min(std::max(ry, 0.0), box.height() / 2);
        if (rx > 0 && ry > 0) {
            out.Path.addRoundedRect(box, rx, ry);
            return Spend(budget, 17);
        }
        out.Path.addRect(box);
        out.BoxKind = skRectangle;
        out.Box = box;
        return Spend(budget, 5);
    }

    bool Ellipse(const QPointF& centre, double rx, double ry, TSvgOutline& out, qint64& budget)
    {
        if (!(rx > 0 && ry > 0))
            return true;
        out.Box = QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
        out.Path.addEllipse(out.Box);
        out.BoxKind = skCircle;
        return Spend(budget, 13);
    }

    bool Points(const TSvgNode& node, bool closed, TSvgOutline& out, qint64& budget)
    {
        const std::vector<double> numbers = ParseSvgNumbers(node.Attribute(u"points"));
        const std::size_t count = numbers.size() / 2;
        if (count < 2 || !Spend(budget, static_cast<qint64>(count)))
            return budget >= 0;
        out.Path.moveTo(numbers[0], numbers[1]);
        for (std::size_t i = 1; i < count; ++i)
            out.Path.lineTo(numbers[2 * i], numbers[2 * i + 1]);
        if (closed)
            out.Path.closeSubpath();
        return true;
    }

} // namespace

bool SvgOutline(const TSvgNode& node, QSizeF viewport, TSvgOutline& out, qint64& pointBudget)
{
    const QString& name = node.Name;
    const double diagonal = std::hypot(viewport.width(), viewport.height()) / std::sqrt(2.0);
    if (name == u"path")
        return ParseSvgPathData(node.Attribute(u"d"), out.Path, pointBudget);
    if (name == u"rect")
        return Rect(node, viewport, out, pointBudget);
    if (name == u"circle") {
        const double r = Length(node, u"r", diagonal);
        return Ellipse(
            { Length(node, u"cx", viewport.width()), Length(node, u"cy", viewport.height()) }, r, r, out, pointBudget);
    }
    if (name == u"ellipse")
        return Ellipse({ Length(node, u"cx", viewport.width()), Length(node, u"cy", viewport.height()) },
            Length(node, u"rx", viewport.width()), Length(node, u"ry", viewport.height()), out, pointBudget);
    if (name == u"line") {
        out.Path.moveTo(Length(node, u"x1", viewport.width()), Length(node, u"y1", viewport.height()));
        out.Path.lineTo(Length(node, u"x2", viewport.width()), Length(node, u"y2", viewport.height()));
        return Spend(pointBudget, 2);
    }
    if (name == u"polyline" || name == u"polygon")
        return Points(node, name == u"polygon", out, pointBudget);
    return true;
}

} // namespace korvo
