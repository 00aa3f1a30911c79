#include "editor/canvas/node_drag.h"

#include "editor/canvas/previews.h"
#include "shapes/shape_kind_traits.h"

#include <algorithm>
#include <initializer_list>

namespace korvo {

namespace {

    int MinimumNodes(TNodeDrag family)
    {
        switch (family) {
        case TNodeDrag::Curve:
        case TNodeDrag::OpenPath:
        case TNodeDrag::ClosedPath:
            return 4;
        case TNodeDrag::Circle:
        case TNodeDrag::Bend:
            return 13;
        default:
            return 1;
        }
    }

    QPoint At(const TPointArray& points, int i) { return points[static_cast<std::size_t>(i)]; }

    // A polyline through the given nodes.
    void Handle(QPainter& painter, const TPointArray& points, std::initializer_list<int> nodes)
    {
        QPoint line[3];
        int n = 0;
        for (int node : nodes)
            line[n++] = At(points, node);
        painter.drawPolyline(line, n);
    }

    void Curve(QPainter& painter, const TPointArray& points, int first = 0, int count = -1)
    {
        DrawBezier(painter, points.data() + first, count < 0 ? static_cast<int>(points.size()) : count);
    }

    // The segments on either side of a corner; closed outlines wrap round, open ones stop at the ends.
    void Corner(QPainter& painter, const TPointArray& points, int node, bool closed)
    {
        const int last = static_cast<int>(points.size()) - 1;
        const int previous = node > 0 ? node - 1 : (closed ? last : 0);
        const int next = node < last ? node + 1 : (closed ? 0 : last);
        if (points.size() > 2)
            Handle(painter, points, { previous, node, next });
        else
            Handle(painter, points, { previous, node });
    }

    void PathNode(QPainter& painter, const TPointArray& points, int node)
    {
        const int last = static_cast<int>(points.size()) - 1;
        if (node == 0)
            Handle(painter, points, { 0, 1 });
        else if (node % 3 == 1)
            Handle(painter, points, { node, node - 1 });
        else if (node % 3 == 2)
            Handle(painter, points, { node, node + 1 });
        else if (node < last)
            Handle(painter, points, { node - 1, node, node + 1 });
        else
            Handle(painter, points, { node - 1, node });
        Curve(painter, points);
    }

    void CircleNode(QPainter& painter, const TPointArray& points, int node)
    {
        Curve(painter, points);
        if (node >= 2 && node <= 10) {
            const int first = 2 + 3 * ((node - 2) / 3);
            Handle(painter, points, { first, first + 1, first + 2 });
        } else {
            Handle(painter, points, { 1, 0, 11 });
        }
    }

    void BendNode(QPainter& painter, const TPointArray& points, int node)
    {
        const bool outer = node <= 3;
        Curve(painter, points, outer ? 0 : 6, 4);
        switch (node) {
        case 0:
        case 1:
            Handle(painter, points, { 0, 1 });
            break;
        case 2:
        case 3:
            Handle(painter, points, { 3, 2 });
            break;
        case 6:
        case 7:
            Handle(painter, points, { 6, 7 });
            break;
        default:
            Handle(painter, points, { 8, 9 });
            break;
        }
    }

} // namespace

bool CanDragNode(std::int32_t kind, const TPointArray& points, int node)
{
    const TNodeDrag family = KindTraits(kind).Drag;
    const int count = static_cast<int>(points.size());
    if (family == TNodeDrag::None || node < 0 || node >= count || count < MinimumNodes(family))
        return false;
    // The repeated corners of a tube bend follow their originals and are never dragged themselves.
    return family != TNodeDrag::Bend || !(node == 4 || node == 5 || node >= 10);
}

void DragNode(std::int32_t kind, TPointArray& points, int node, QPoint to)
{
    if (!CanDragNode(kind, points, node))
        return;
    points[static_cast<std::size_t>(node)] = to;
    const int last = static_cast<int>(points.size()) - 1;
    switch (KindTraits(kind).Drag) {
    case TNodeDrag::ClosedPath:
    case TNodeDrag::Circle:
        // Both ends of a closed outline always move together.
        if (node == 0)
            points.back() = to;
        else if (node == last)
            points.front() = to;
        break;
    case TNodeDrag::Bend:
        if (node <= 1)
            std::fill(points.begin() + 10, points.begin() + 13, points[0]);
        else if (node <= 3)
            std::fill(points.begin() + 4, points.begin() + 6, points[3]);
        break;
    default:
        break;
    }
}

void PaintNodePreview(QPainter& painter, std::int32_t kind, const TPointArray& points, int node)
{
    if (!CanDragNode(kind, points, node))
        return;
    const int last = static_cast<int>(points.size()) - 1;
    switch (KindTraits(kind).Drag) {
    case TNodeDrag::Polygon:
        Corner(painter, points, node, true);
        DrawBox(painter, At(points, node), 4);
        return;
    case TNodeDrag::Polyline:
        Corner(painter, points, node, false);
        break;
    case TNodeDrag::Line:
        Handle(painter, points, { node == 0 ? 1 : 0, node });
        break;
    case TNodeDrag::Curve:
        Curve(painter, points);
        if (node <= 1)
            Handle(painter, points, { 0, 1 });
        else
            Handle(painter, points, { 3, 2 });
        break;
    case TNodeDrag::OpenPath:
        PathNode(painter, points, node);
        break;
    case TNodeDrag::ClosedPath:
        if (node == 0 || node == last) {
            Handle(painter, points, { 1, 0, last - 1 });
            Curve(painter, points);
        } else {
            PathNode(painter, points, node);
        }
        break;
    case TNodeDrag::Circle:
        CircleNode(painter, points, node);
        break;
    case TNodeDrag::Bend:
        BendNode(painter, points, node);
        break;
    case TNodeDrag::None:
        return;
    }
    DrawBox(painter, At(points, node), 3);
}

} // namespace korvo
