#include "import/svg_subpaths.h"

#include <algorithm>

namespace korvo {

namespace {

    // Keeps a subpath that goes somewhere, marking whether it came back to its start.
    void Finish(TSubpath& s, std::vector<TSubpath>& out)
    {
        const auto away
            = std::find_if(s.Points.begin(), s.Points.end(), [&s](QPointF p) { return p != s.Points.front(); });
        if (away != s.Points.end()) {
            s.Closed = s.SegmentCount() >= 2 && s.Points.back() == s.Points.front();
            out.push_back(std::move(s));
        }
        s = TSubpath();
    }

    double Cross(QPointF a, QPointF b) { return a.x() * b.y() - a.y() * b.x(); }

    // Whether the segments cross at a point inside both; touching and overlapping do not count.
    bool SegmentsCross(QPointF a, QPointF b, QPointF c, QPointF d)
    {
        return Cross(b - a, c - a) * Cross(b - a, d - a) < 0 && Cross(d - c, a - c) * Cross(d - c, b - c) < 0;
    }

} // namespace

void AddStraightSegment(std::vector<QPointF>& points, QPointF to)
{
    const QPointF from = points.back();
    points.push_back(from + (to - from) / 3);
    points.push_back(from + (to - from) * 2 / 3);
    points.push_back(to);
}

std::vector<QPointF> TSubpath::Anchors() const
{
    std::vector<QPointF> anchors;
    for (std::size_t i = 0; i < Points.size(); i += 3)
        anchors.push_back(Points[i]);
    return anchors;
}

double TSubpath::TurnArea() const
{
    const std::vector<QPointF> a = Anchors();
    double area = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const QPointF& p = a[i];
        const QPointF& q = a[(i + 1) % a.size()];
        area += p.x() * q.y() - q.x() * p.y();
    }
    return area;
}

QRectF TSubpath::Box() const
{
    const auto [left, right]
        = std::minmax_element(Points.begin(), Points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    const auto [top, bottom]
        = std::minmax_element(Points.begin(), Points.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    return QRectF(QPointF(left->x(), top->y()), QPointF(right->x(), bottom->y()));
}

bool TSubpath::CrossesItself() const
{
    // Comparing every pair grows with the square of the count, so long outlines are not compared.
    constexpr std::size_t MostEdges = 512;
    const std::vector<QPointF> a = Anchors();
    const std::size_t edges = a.size() - 1;
    if (Curved || edges > MostEdges)
        return false;
    for (std::size_t i = 0; i < edges; ++i) {
        for (std::size_t j = i + 2; j < edges; ++j) {
            if (SegmentsCross(a[i], a[i + 1], a[j], a[j + 1]))
                return true;
        }
    }
    return false;
}

std::vector<TSubpath> SplitSubpaths(const QPainterPath& path)
{
    std::vector<TSubpath> subpaths;
    TSubpath current;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            Finish(current, subpaths);
            current.Points.push_back(e);
        } else if (e.isLineTo()) {
            AddStraightSegment(current.Points, e);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            current.Points.push_back(e);
            current.Points.push_back(path.elementAt(i + 1));
            current.Points.push_back(path.elementAt(i + 2));
            current.Curved = true;
            i += 2;
        }
    }
    Finish(current, subpaths);
    return subpaths;
}

bool AnySubpathsMeet(const std::vector<TSubpath>& subpaths)
{
    // Comparing every pair grows with the square of the count; past this many, take it that they meet.
    constexpr std::size_t MostCompared = 256;
    if (subpaths.size() > MostCompared)
        return true;
    std::vector<QRectF> boxes;
    for (const TSubpath& s : subpaths)
        boxes.push_back(s.Box());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].intersects(boxes[j]))
                return true;
        }
    }
    return false;
}

} // namespace korvo
