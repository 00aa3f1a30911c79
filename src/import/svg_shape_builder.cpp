#include "import/svg_shape_builder.h"

#include "geometry/units.h"
#include "import/svg_subpaths.h"
#include "shapes/colour_map.h"
#include "shapes/pen_width.h"

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    // The width that keeps a stroke its true size on paper.
    constexpr double PenUnitsPerMm = PenUnitsPerInch / MMPerInch;
    // A dash pattern that inks at least this share of its length reads as a solid line.
    constexpr double SolidInkShare = 0.75;
    // The length of the short line that carries a start arrow on a path that also ends in one.
    constexpr double StartArrowLengthMm = 1;

    bool Paints(const std::optional<QColor>& colour) { return colour && colour->isValid() && colour->alpha() > 0; }

    std::uint8_t NearestLineStyle(const std::vector<double>& dashMm)
    {
        double ink = 0;
        double total = 0;
        for (std::size_t i = 0; i < dashMm.size() * 2; ++i) {
            // An odd count repeats, so the dashes and gaps swap roles the second time round.
            const double length = std::fabs(dashMm[i % dashMm.size()]);
            total += length;
            if (i % 2 == 0)
                ink += length;
        }
        return total <= 0 || ink >= SolidInkShare * total ? psSolid : psDot;
    }

    TBrush BrushFor(const TSvgPaint& paint)
    {
        TBrush brush;
        brush.SetFill(Paints(paint.Fill) ? ColourFromRgb(paint.Fill->rgb()) : NoFillColour);
        return brush;
    }

    TPen PenFor(const TSvgPaint& paint)
    {
        TPen pen;
        if (!Paints(paint.Stroke) || !(paint.StrokeWidthMm > 0)) {
            pen.Style = psClear;
            return pen;
        }
        pen.Colour = ColourFromRgb(paint.Stroke->rgb());
        pen.Style = NearestLineStyle(paint.DashMm);
        SetPenWidth(pen, paint.StrokeWidthMm * PenUnitsPerMm, BrushFor(paint));
        return pen;
    }

    TMMPoint ToMM(QPointF p) { return { static_cast<float>(p.x()), static_cast<float>(p.y()) }; }

    bool IsFinite(TMMPoint p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

    // The shape of a kind on the points, painted as given; nothing when a point does not fit in a float.
    void Append(std::int32_t kind, const std::vector<QPointF>& points, TPen pen, TBrush brush,
        std::vector<TPolygon>& out, std::uint8_t lineEnd = leNone)
    {
        TPolygon shape;
        shape.SetKind(kind);
        for (QPointF p : points) {
            const TMMPoint mm = ToMM(p);
            if (!IsFinite(mm))
                return;
            shape.FPoints.push_back(mm);
        }
        shape.FPen = pen;
        shape.FBrush = brush;
        shape.FLineEnd = lineEnd;
        shape.CalcBounds(1);
        out.push_back(std::move(shape));
    }

    std::vector<QPointF> Reversed(std::vector<QPointF> points)
    {
        std::reverse(points.begin(), points.end());
        return points;
    }

    // The kind and points that hold one subpath: corners for a straight one, Bézier points otherwise.
    std::int32_t KindFor(const TSubpath& s, bool filled, std::vector<QPointF>& points)
    {
        if (s.Curved) {
            points = s.Points;
            return s.Closed ? skClosedCurve : filled ? skOpenCurveFilled : skOpenCurve;
        }
        points = s.Anchors();
        if (points.size() == 2)
            return skLine;
        if (!s.Closed)
            return skOpenPolygon;
        // A polygon closes itself, so the repeated start goes.
        points.pop_back();
        return points.size() == 2 ? skLine : skPolygon;
    }

    // An arrow-like marker at the start turns the points round, as Korvo's endings sit at the last one.
    // With markers at both ends, a short line along the first segment carries the start's.
    void AppendSubpath(const TSubpath& s, const TSvgPaint& paint, TPen pen, TBrush brush, std::vector<TPolygon>& out)
    {
        std::vector<QPointF> points;
        const std::int32_t kind = KindFor(s, brush.Style != bsClear, points);
        const bool ends = !s.Closed && pen.Style != psClear;
        const bool start = ends && paint.MarkerStart;
        const bool end = ends && paint.MarkerEnd;
        if (start && !end) {
            Append(kind, Reversed(points), pen, brush, out, leArrow);
            return;
        }
        Append(kind, points, pen, brush, out, end ? leArrow : leNone);
        if (!start)
            return;
        // Along the first point apart from the start: a curve's first control point may sit on it.
        const QPointF from = points[0];
        const auto next = std::find_if(points.begin(), points.end(), [from](QPointF p) { return p != from; });
        const QPointF along = *next - from;
        const double length = std::hypot(along.x(), along.y());
        Append(skLine, { from + along * std::min(1.0, StartArrowLengthMm / length), from }, pen, brush, out, leArrow);
    }

    // One closed outline that passes through every subpath and back to the first one's start after each:
    // the paths in and out cancel, so filling it with the even-odd rule leaves the holes open.
    void AppendHoledFill(const std::vector<TSubpath>& subpaths, TBrush brush, std::vector<TPolygon>& out)
    {
        TPen none;
        none.Style = psClear;
        const QPointF home = subpaths.front().Points.front();
        const bool curved = std::any_of(subpaths.begin(), subpaths.end(), [](const TSubpath& s) { return s.Curved; });
        TSubpath all;
        all.Points.push_back(home);
        const auto straightTo = [&all, curved](QPointF to) {
            if (to == all.Points.back())
                return;
            if (curved)
                AddStraightSegment(all.Points, to);
            else
                all.Points.push_back(to);
        };
        for (const TSubpath& s : subpaths) {
            straightTo(s.Points.front());
            const std::vector<QPointF> points = curved ? s.Points : s.Anchors();
            all.Points.insert(all.Points.end(), points.begin() + 1, points.end());
            straightTo(s.Points.front());
            straightTo(home);
        }
        Append(curved ? skClosedCurve : skPolygon, all.Points, none, brush, out);
    }

    // Whether the subpaths must share one filled outline to keep their holes. Apart from each other they
    // fill alike under either rule; under the winding rule, subpaths that all turn the same way fill
    // their overlaps, as separate shapes do.
    bool NeedsHoles(const std::vector<TSubpath>& subpaths, const TSvgPaint& paint)
    {
        if (subpaths.size() < 2 || !AnySubpathsMeet(subpaths))
            return false;
        if (paint.Rule == Qt::OddEvenFill)
            return true;
        const bool clockwise = subpaths.front().TurnArea() > 0;
        return std::any_of(subpaths.begin(), subpaths.end(),
            [clockwise](const TSubpath& s) { return (s.TurnArea() > 0) != clockwise; });
    }

    // Only straight outlines are looked at: finding the area's outline turns curves into many short lines.
    bool CrossesUnderWinding(const std::vector<TSubpath>& subpaths, const TSvgPaint& paint)
    {
        return paint.Rule == Qt::WindingFill
            && std::none_of(subpaths.begin(), subpaths.end(), [](const TSubpath& s) { return s.Curved; })
            && std::any_of(subpaths.begin(), subpaths.end(), [](const TSubpath& s) { return s.CrossesItself(); });
    }

    // An outline that crosses itself fills its overlaps under the winding rule but not under the even-odd one
    // that shapes paint with: the fill then comes from the area's own outline, the stroke from the path.
    void AppendWindingFill(const QPainterPath& pathMm, const TSvgPaint& paint, std::vector<TPolygon>& out)
    {
        TSvgPaint fill = paint;
        fill.Stroke.reset();
        fill.Rule = Qt::OddEvenFill;
        QPainterPath winding = pathMm;
        winding.setFillRule(Qt::WindingFill);
        AppendPathShapes(winding.simplified(), fill, out);
        TSvgPaint stroke = paint;
        stroke.Fill.reset();
        AppendPathShapes(pathMm, stroke, out);
    }

} // namespace

void AppendPathShapes(const QPainterPath& pathMm, const TSvgPaint& paint, std::vector<TPolygon>& out)
{
    const std::vector<TSubpath> subpaths = SplitSubpaths(pathMm);
    const TPen pen = PenFor(paint);
    TBrush brush = BrushFor(paint);
    if (subpaths.empty() || (pen.Style == psClear && brush.Style == bsClear))
        return;
    if (brush.Style != bsClear && CrossesUnderWinding(subpaths, paint)) {
        AppendWindingFill(pathMm, paint, out);
        return;
    }
    if (brush.Style != bsClear && NeedsHoles(subpaths, paint)) {
        AppendHoledFill(subpaths, brush, out);
        if (pen.Style == psClear)
            return;
        brush.SetFill(NoFillColour);
    }
    for (const TSubpath& s : subpaths)
        AppendSubpath(s, paint, pen, brush, out);
}

void AppendBoxShape(std::int32_t kind, const QRectF& boxMm, const TSvgPaint& paint, std::vector<TPolygon>& out)
{
    const QRectF box = boxMm.normalized();
    const TMMPoint topLeft = ToMM(box.topLeft());
    const TMMPoint bottomRight = ToMM(box.bottomRight());
    const TPen pen = PenFor(paint);
    const TBrush brush = BrushFor(paint);
    if (box.isEmpty() || !IsFinite(topLeft) || !IsFinite(bottomRight)
        || (pen.Style == psClear && brush.Style == bsClear))
        return;
    TPolygon shape;
    shape.SetKind(kind);
    shape.FPen = pen;
    shape.FBrush = brush;
    shape.SetFromRect({ topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y }, 1);
    out.push_back(std::move(shape));
}

} // namespace korvo
