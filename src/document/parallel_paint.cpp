#include "document/parallel_paint.h"

#include "document/every_core.h"

#include <QCoreApplication>
#include <QPainter>
#include <QThread>
#include <QThreadPool>

#include <algorithm>

namespace korvo {

namespace {

    // The painting thread paints pieces too, so the pool adds one thread fewer than there are cores. Its
    // threads never expire, so each keeps the fonts it matched (see TFontCache) for the next paint.
    class TPaintPool : public QThreadPool {
    public:
        TPaintPool()
        {
            setExpiryTimeout(-1);
            setMaxThreadCount(std::max(QThread::idealThreadCount() - 1, 1));
            qAddPostRoutine(EndPaintThreads);
        }

    private:
        // Each thread of the pool keeps font caches of its own, which go only when the thread ends; ending
        // the threads while the application still stands lets the caches go with it instead of outliving it.
        static void EndPaintThreads();
    };

    TPaintPool& PaintPool()
    {
        static TPaintPool pool;
        return pool;
    }

    void TPaintPool::EndPaintThreads() { PaintPool().waitForDone(); }

    // Narrower stripes would cost more in shapes drawn twice than they gain.
    constexpr int MinStripe = 64;

    struct TPiece {
        QRect Rect;
        TPaintErrors Errors;
    };

    // Where a shape's pixels within the area lie along its longer side, from the area's start.
    int CentreAlong(const QRect& area, bool wide, const QRect& reach)
    {
        const QRect within = reach.intersected(area);
        return wide ? within.center().x() - area.left() : within.center().y() - area.top();
    }

    // Stripes across the area's longer side, one for each thread: a shape crossing a stripe's edge is
    // drawn once for each stripe it meets, so fewer and longer stripes draw less twice. The stripes are
    // cut where they share the shapes evenly, since shapes, not pixels, are what costs.
    std::vector<TPiece> PiecesOf(const QRect& area, const std::vector<TPaintItem>& items, int threads)
    {
        const bool wide = area.width() >= area.height();
        const int length = wide ? area.width() : area.height();
        const int count = std::clamp(length / MinStripe, 1, threads);
        std::vector<int> centres;
        centres.reserve(items.size());
        for (const TPaintItem& item : items)
            centres.push_back(CentreAlong(area, wide, item.Reach));
        std::sort(centres.begin(), centres.end());
        std::vector<TPiece> pieces;
        int from = 0;
        for (int i = 1; i <= count; ++i) {
            const std::size_t share = centres.size() * static_cast<std::size_t>(i) / static_cast<std::size_t>(count);
            const int to = i == count ? length
                : centres.empty()     ? length * i / count
                                      : std::min(std::max(centres[share], from + 1), length - 1);
            if (to <= from)
                continue;
            const QRect stripe = wide ? QRect(area.left() + from, area.top(), to - from, area.height())
                                      : QRect(area.left(), area.top() + from, area.width(), to - from);
            pieces.push_back({ stripe, {} });
            from = to;
        }
        return pieces;
    }

    // Paints the shapes among `items` that meet the piece.
    void PaintItems(QPainter& painter, const QRect& area, const QRect& piece, const std::vector<TPaintItem>& items,
        const TPagePainter& page, TPaintErrors& errors)
    {
        std::vector<std::size_t> shapes;
        shapes.reserve(items.size());
        for (const TPaintItem& item : items) {
            if (item.Reach.intersects(piece))
                shapes.push_back(item.Index);
        }
        page.Paint(painter, area, piece, shapes, errors);
    }

} // namespace

void PaintPiece(
    QPainter& painter, const QRect& area, const QRect& piece, const TPagePainter& page, TPaintErrors& errors)
{
    PaintItems(painter, area, piece, page.Cull(piece), page, errors);
}

void PaintInPieces(QImage& band, const QRect& area, bool everyCore, const TPagePainter& page, TPaintErrors& errors)
{
    const std::vector<TPaintItem> items = page.Cull(area);
    std::vector<TPiece> pieces = PiecesOf(area, items, everyCore ? PaintPool().maxThreadCount() + 1 : 1);
    if (pieces.size() == 1) {
        QPainter painter(&band);
        // Clipped to its own bounds, Qt's raster engine fills the shapes with fewer instructions (a quarter
        // fewer for a page of 10 000 shapes) and the same pixels.
        painter.setClipRect(QRect(QPoint(0, 0), area.size()));
        PaintItems(painter, area, area, items, page, errors);
        return;
    }
    // The band detaches here, once, so every piece's image below is a window on the same pixels.
    uchar* const pixels = band.bits();
    RunOnEveryCore(PaintPool(), static_cast<int>(pieces.size()) - 1, pieces.size(), [&](std::size_t i) {
        TPiece& piece = pieces[i];
        QImage window(pixels, band.width(), band.height(), band.bytesPerLine(), band.format());
        QPainter painter(&window);
        painter.setClipRect(piece.Rect.translated(-area.topLeft()));
        PaintItems(painter, area, piece.Rect, items, page, piece.Errors);
    });
    for (const TPiece& piece : pieces)
        errors.Merge(piece.Errors);
}

} // namespace korvo
