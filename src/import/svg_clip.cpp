#include "import/svg_clip.h"

#include "import/svg_tree.h"
#include "import/svg_units.h"

#include <QPolygonF>

namespace korvo {
namespace {

    // Liang–Barsky: the part of the segment a-b inside the rectangle, if any.
    bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r)
    {
        double t0 = 0;
        double t1 = 1;
        const double dx = b.x() - a.x();
        const double dy = b.y() - a.y();
        const double p[4] = { -dx, dx, -dy, dy };
        const double q[4] = { a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y() };
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0)
                    return false;
                continue;
            }
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
        if (t0 > t1)
            return false;
        const QPointF start = a;
        a = start + t0 * QPointF(dx, dy);
        b = start + t1 * QPointF(dx, dy);
        return true;
    }

    QPainterPath CutLines(const QPainterPath& path, const QRectF& clip)
    {
        QPainterPath out;
        for (const QPolygonF& line : path.toSubpathPolygons()) {
            bool drawing = false;
            for (int i = 1; i < line.size(); ++i) {
                QPointF a = line[i - 1];
                QPointF b = line[i];
                if (!ClipSegment(a, b, clip)) {
                    drawing = false;
                    continue;
                }
                if (!drawing || a != line[i - 1])
                    out.moveTo(a);
                out.lineTo(b);
                drawing = b == line[i];
            }
        }
        return out;
    }

} // namespace

std::optional<QRectF> ClipRectangle(const TSvgTree& tree, QStringView reference, const QTransform& toPage)
{
    const int index = tree.Find(reference);
    if (index < 0)
        return std::nullopt;
    const TSvgNode& clip = tree.Nodes[static_cast<std::size_t>(index)];
    if (clip.Name != u"clipPath" || clip.Children.size() != 1
        || clip.Attribute(u"clipPathUnits") == u"objectBoundingBox")
        return std::nullopt;
    const TSvgNode& rect = tree.Nodes[static_cast<std::size_t>(clip.Children.front())];
    if (rect.Name != u"rect")
        return std::nullopt;
    const QTransform total
        = ParseSvgTransform(rect.Attribute(u"transform")) * ParseSvgTransform(clip.Attribute(u"transform")) * toPage;
    if (!KeepsBoxes(total))
        return std::nullopt;
    const auto length = [&rect](QStringView name) { return ParseSvgLength(rect.Attribute(name)).value_or(0); };
    return total.mapRect(QRectF(length(u"x"), length(u"y"), length(u"width"), length(u"height")));
}

QPainterPath ClipToRectangle(const QPainterPath& path, const QRectF& clip, bool filled)
{
    // Compared by hand: QRectF's own tests treat a flat box (a level line) as empty.
    const QRectF box = path.boundingRect();
    if (box.left() >= clip.left() && box.right() <= clip.right() && box.top() >= clip.top()
        && box.bottom() <= clip.bottom())
        return path;
    if (box.left() > clip.right() || box.right() < clip.left() || box.top() > clip.bottom()
        || box.bottom() < clip.top())
        return {};
    if (filled) {
        QPainterPath window;
        window.addRect(clip);
        QPainterPath inside = path.intersected(window);
        inside.setFillRule(path.fillRule());
        // A filled path without area (a line) has nothing to intersect; its stroke is cut instead.
        if (!inside.isEmpty())
            return inside;
    }
    return CutLines(path, clip);
}

} // namespace korvo
