#include "shapes/plot_fit.h"
#include "shapes/plot_group_parts.h"
#include "shapes/plot_table.h"

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    constexpr std::int32_t CurveWidth = 2;
    constexpr std::int32_t MarkerWidth = 1;
    // Half a marker's size: 2 mm across reads on paper without hiding the squares.
    constexpr double MarkerMM = 1.0;
    // How far a function's straight pieces may stray from the true curve at zoom x1.
    constexpr double ToleranceMM = 0.1;
    constexpr int FitLabelPoints = 9;
    constexpr double FitLabelGapMM = 1.5;

    TDataPoint Clamped(TDataPoint p, const TPlotWindow& w)
    {
        return { std::clamp(p.X, w.XMin, w.XMax), std::clamp(p.Y, w.YMin, w.YMax) };
    }

    // A smooth curve through the points: Bezier segments whose tangents follow the neighbouring points.
    // Control points held inside the window keep each segment, and so the curve, inside it.
    std::vector<TDataPoint> SmoothThrough(const TPlotPiece& piece, const TPlotWindow& w)
    {
        const auto at = [&piece](std::ptrdiff_t i) {
            return piece[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(i, 0, std::ptrdiff_t(piece.size()) - 1))];
        };
        std::vector<TDataPoint> bezier { piece.front() };
        for (std::ptrdiff_t i = 0; i + 1 < static_cast<std::ptrdiff_t>(piece.size()); ++i) {
            const TDataPoint a = at(i);
            const TDataPoint b = at(i + 1);
            const TDataPoint before = at(i - 1);
            const TDataPoint after = at(i + 2);
            bezier.push_back(Clamped({ a.X + (b.X - before.X) / 6, a.Y + (b.Y - before.Y) / 6 }, w));
            bezier.push_back(Clamped({ b.X - (after.X - a.X) / 6, b.Y - (after.Y - a.Y) / 6 }, w));
            bezier.push_back(b);
        }
        return bezier;
    }

    TMMArray OnPage(const TPlotFrame& frame, const std::vector<TDataPoint>& points)
    {
        TMMArray page;
        page.reserve(points.size());
        for (const TDataPoint& p : points)
            page.push_back(frame.ToPage(p));
        return page;
    }

    class TCurveBuilder {
    public:
        TCurveBuilder(const TPlotFrame& frame, const TPlotCurve& curve, float scale, std::vector<TPolygon>& out)
            : FFrame(frame)
            , FCurve(curve)
            , FScale(scale)
            , FOut(out)
        {
        }

        bool AddFunction()
        {
            const auto parsed = TPlotExpression::Parse(FCurve.Expression, FCurve.Angles, QLatin1Char(','));
            const TPlotExpression* f = std::get_if<TPlotExpression>(&parsed);
            if (!f)
                return false;
            if (FCurve.Line == TPlotLine::None)
                return true;
            for (const TPlotPiece& piece : SampleFunction(*f, FFrame.Window, ToleranceMM))
                AddLine(piece, FCurve.Line == TPlotLine::Smooth);
            return true;
        }

        // Markers go over the line, so they are added after it.
        void AddMeasured(TPlotOmissions& omissions)
        {
            const std::vector<TDataPoint> points = ReadPastedTable(FCurve.Table).Points;
            if (FCurve.Line == TPlotLine::BestFit)
                AddFitLine(points);
            else if (FCurve.Line != TPlotLine::None) {
                for (const TPlotPiece& piece : ClipToWindow(points, FFrame.Window))
                    AddLine(piece, FCurve.Line == TPlotLine::Smooth);
            }
            for (const TDataPoint& p : points) {
                if (FFrame.Contains(p))
                    AddMarker(FFrame.ToPage(p));
                else
                    ++omissions.PointsOutside;
            }
        }

    private:
        void AddLine(const TPlotPiece& piece, bool smooth)
        {
            if (piece.size() < 2)
                return;
            if (smooth)
                FOut.push_back(LineShape(skOpenCurveFilled, OnPage(FFrame, SmoothThrough(piece, FFrame.Window)),
                    FCurve.Colour, FCurve.PenStyle, CurveWidth));
            else
                FOut.push_back(
                    LineShape(skOpenPolygon, OnPage(FFrame, piece), FCurve.Colour, FCurve.PenStyle, CurveWidth));
        }

        // Across the whole window, as far as the window holds it.
        void AddFitLine(const std::vector<TDataPoint>& points)
        {
            const std::optional<TFittedLine> fit = FitStraightLine(points);
            if (!fit)
                return;
            const TPlotWindow& w = FFrame.Window;
            const auto y = [&fit](double x) { return fit->Gradient * x + fit->Intercept; };
            const std::vector<TPlotPiece> pieces = ClipToWindow({ { w.XMin, y(w.XMin) }, { w.XMax, y(w.XMax) } }, w);
            for (const TPlotPiece& piece : pieces)
                AddLine(piece, false);
            if (FCurve.ShowFitOnGraph && !pieces.empty() && pieces.back().size() >= 2)
                AddFitLabel(*fit, pieces.back());
        }

        // Just right of the line, on the side the line leaves free: below a rising line, above a falling one.
        // Where the line runs to the right edge it goes left of the line instead, on the other free side, and
        // what still does not fit is moved back inside the axes' rectangle.
        void AddFitLabel(const TFittedLine& fit, const TPlotPiece& line)
        {
            const TDataPoint a = line.front();
            const TDataPoint b = line.back();
            const TMMPoint on = FFrame.ToPage(a.X + 0.7 * (b.X - a.X), a.Y + 0.7 * (b.Y - a.Y));
            const bool below = fit.Gradient >= 0;
            std::vector<TPolygon> label = FitLabel(fit, on, true, below);
            TMMPoint shift = IntoWindow(label);
            if (shift.X != 0 || shift.Y != 0) {
                label = FitLabel(fit, on, false, !below);
                shift = IntoWindow(label);
            }
            for (TPolygon& run : label) {
                for (TMMPoint& p : run.FPoints)
                    p = { p.X + shift.X, p.Y + shift.Y };
                FOut.push_back(std::move(run));
            }
        }

        std::vector<TPolygon> FitLabel(const TFittedLine& fit, TMMPoint on, bool right, bool below) const
        {
            const TMMPoint across = FFrame.AcrossUnit();
            const TMMPoint up = FFrame.UpUnit();
            const double gap = right ? FitLabelGapMM : -FitLabelGapMM;
            const TTextPlace place { { static_cast<float>(on.X + across.X * gap),
                                         static_cast<float>(on.Y + across.Y * gap) },
                { -up.X, -up.Y }, right ? 0.0 : 1.0, below ? 0.0 : 1.0 };
            std::vector<TPolygon> label;
            // The label is ASCII, which every character set stores.
            PlaceText(FitLineText(fit), FitLabelPoints, FCurve.Colour, place, FScale, label);
            return label;
        }

        // How far to move the shapes for them to lie inside the axes' rectangle; the low edges win when they
        // are too large for it.
        TMMPoint IntoWindow(const std::vector<TPolygon>& shapes) const
        {
            const TPlotWindow& w = FFrame.Window;
            const TMMPoint origin = FFrame.ToPage(w.XMin, w.YMin);
            const TMMPoint corner = FFrame.ToPage(w.XMax, w.YMax);
            const TMMPoint across = FFrame.AcrossUnit();
            const TMMPoint up = FFrame.UpUnit();
            const auto along = [&origin](TMMPoint p, TMMPoint unit) {
                return double(p.X - origin.X) * unit.X + double(p.Y - origin.Y) * unit.Y;
            };
            const auto inside = [&](TMMPoint unit) {
                double low = INFINITY;
                double high = -INFINITY;
                for (const TPolygon& shape : shapes) {
                    for (const TMMPoint& p : shape.FPoints) {
                        low = std::min(low, along(p, unit));
                        high = std::max(high, along(p, unit));
                    }
                }
                return shapes.empty() ? 0.0 : std::max(std::min(0.0, along(corner, unit) - high), -low);
            };
            const double right = inside(across);
            const double upwards = inside(up);
            return { static_cast<float>(across.X * right + up.X * upwards),
                static_cast<float>(across.Y * right + up.Y * upwards) };
        }

        void AddMarker(TMMPoint centre)
        {
            const TMMPoint a = FFrame.AcrossUnit();
            const TMMPoint u = FFrame.UpUnit();
            const auto at = [&](double across, double up) {
                return TMMPoint { static_cast<float>(centre.X + a.X * across + u.X * up),
                    static_cast<float>(centre.Y + a.Y * across + u.Y * up) };
            };
            const auto stroke = [&](TMMPoint from, TMMPoint to) {
                FOut.push_back(LineShape(skLine, { from, to }, FCurve.Colour, psSolid, MarkerWidth));
            };
            const double d = MarkerMM * 0.7071067811865476;
            switch (FCurve.Marker) {
            case TPlotMarker::Cross:
                stroke(at(-d, -d), at(d, d));
                stroke(at(-d, d), at(d, -d));
                break;
            case TPlotMarker::Plus:
                stroke(at(-MarkerMM, 0), at(MarkerMM, 0));
                stroke(at(0, -MarkerMM), at(0, MarkerMM));
                break;
            case TPlotMarker::Circle:
            case TPlotMarker::Disc:
                AddRound(centre, FCurve.Marker == TPlotMarker::Disc);
                break;
            case TPlotMarker::Square:
                FOut.push_back(LineShape(
                    skPolygon, { at(-d, d), at(-d, -d), at(d, -d), at(d, d) }, FCurve.Colour, psSolid, MarkerWidth));
                break;
            case TPlotMarker::None:
                break;
            }
        }

        void AddRound(TMMPoint centre, bool filled)
        {
            const auto mm = [](double v) { return static_cast<float>(v); };
            TPolygon round = LineShape(skCircle, {}, FCurve.Colour, psSolid, MarkerWidth);
            round.SetFromRect(
                { mm(centre.X - MarkerMM), mm(centre.Y - MarkerMM), mm(centre.X + MarkerMM), mm(centre.Y + MarkerMM) },
                FScale);
            if (filled)
                round.FBrush.SetFill(FCurve.Colour);
            FOut.push_back(std::move(round));
        }

        const TPlotFrame& FFrame;
        const TPlotCurve& FCurve;
        const float FScale;
        std::vector<TPolygon>& FOut;
    };

} // namespace

bool AddCurve(const TPlotFrame& frame, const TPlotCurve& curve, float scale, std::vector<TPolygon>& out,
    TPlotOmissions& omissions)
{
    TCurveBuilder builder(frame, curve, scale, out);
    if (curve.IsFunction)
        return builder.AddFunction();
    builder.AddMeasured(omissions);
    return true;
}

} // namespace korvo
