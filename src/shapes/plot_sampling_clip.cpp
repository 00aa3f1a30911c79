#include "shapes/plot_sampling.h"

#include "geometry/clip_line.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace korvo {

namespace {

    bool IsFinite(const TDataPoint& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

    bool Inside(const TDataPoint& p, const TPlotWindow& window)
    {
        return p.X >= window.XMin && p.X <= window.XMax && p.Y >= window.YMin && p.Y <= window.YMax;
    }

    class TPieceCollector {
    public:
        void Start(const TDataPoint& p)
        {
            Finish();
            FCurrent.push_back(p);
        }

        void Add(const TDataPoint& p) { FCurrent.push_back(p); }

        bool Open() const { return !FCurrent.empty(); }

        void Finish()
        {
            if (!FCurrent.empty())
                FPieces.push_back(std::move(FCurrent));
            FCurrent.clear();
        }

        std::vector<TPlotPiece> Take()
        {
            Finish();
            return std::move(FPieces);
        }

    private:
        TPlotPiece FCurrent;
        std::vector<TPlotPiece> FPieces;
    };

} // namespace

bool IsUsableWindow(const TPlotWindow& window)
{
    const double values[] = { window.XMin, window.XMax, window.YMin, window.YMax, window.MMPerX, window.MMPerY };
    return std::all_of(std::begin(values), std::end(values), [](double v) { return std::isfinite(v); })
        && window.XMin < window.XMax && window.YMin < window.YMax && window.MMPerX > 0 && window.MMPerY > 0;
}

std::vector<TPlotPiece> ClipToWindow(const std::vector<TDataPoint>& points, const TPlotWindow& window)
{
    TPieceCollector pieces;
    if (!IsUsableWindow(window))
        return {};
    const QRectF keep(QPointF(window.XMin, window.YMin), QPointF(window.XMax, window.YMax));
    if (points.size() == 1 && Inside(points.front(), window))
        pieces.Start(points.front());
    for (size_t i = 1; i < points.size(); ++i) {
        const TDataPoint& from = points[i - 1];
        const TDataPoint& to = points[i];
        QPointF a(from.X, from.Y);
        QPointF b(to.X, to.Y);
        if (!IsFinite(from) || !IsFinite(to) || !ClipLine(a, b, keep)) {
            pieces.Finish();
            continue;
        }
        // Points inside are kept exactly as given; only the cut ends are computed.
        const bool fromInside = Inside(from, window);
        const bool toInside = Inside(to, window);
        if (!fromInside || !pieces.Open())
            pieces.Start(fromInside ? from : TDataPoint { a.x(), a.y() });
        pieces.Add(toInside ? to : TDataPoint { b.x(), b.y() });
        if (!toInside)
            pieces.Finish();
    }
    return pieces.Take();
}

} // namespace korvo
