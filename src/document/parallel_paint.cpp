#include "document/parallel_paint.h"

#include <QCoreApplication>
#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <mutex>
#include <vector>

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
        }
    };

    TPaintPool& PaintPool()
    {
        static TPaintPool pool;
        return pool;
    }

    // Each thread of the pool keeps font caches of its own, which go only when the thread ends; ending the
    // threads while the application still stands lets the caches go with it instead of outliving it.
    void EndPaintThreads() { PaintPool().waitForDone(); }

    // Narrower stripes would cost more in shapes drawn twice than they gain.
    constexpr int MinStripe = 64;

    struct TPiece {
        QRect Rect;
        TPaintErrors Errors;
    };

    // Stripes across the area's longer side, a few for each thread so that a slow stripe does not hold up
    // the rest. Few and long, since a shape crossing a stripe's edge is drawn once for each stripe it meets.
    std::vector<TPiece> PiecesOf(const QRect& area, int threads)
    {
        const bool wide = area.width() >= area.height();
        const int length = wide ? area.width() : area.height();
        const int count = std::clamp(length / MinStripe, 1, 2 * threads);
        std::vector<TPiece> pieces;
        for (int i = 0; i < count; ++i) {
            const int from = length * i / count;
            const int to = length * (i + 1) / count;
            const QRect stripe = wide ? QRect(area.left() + from, area.top(), to - from, area.height())
                                      : QRect(area.left(), area.top() + from, area.width(), to - from);
            pieces.push_back({ stripe, {} });
        }
        return pieces;
    }

} // namespace

void PaintInPieces(QImage& band, const QRect& area, bool everyCore, const TPiecePainter& paint, TPaintErrors& errors)
{
    if (!everyCore) {
        QPainter painter(&band);
        paint(painter, area, area, errors);
        return;
    }
    // The band detaches here, once, so every piece's image below is a window on the same pixels.
    uchar* const pixels = band.bits();
    static const bool threadsEndWithTheApplication = (qAddPostRoutine(EndPaintThreads), true);
    Q_UNUSED(threadsEndWithTheApplication);
    TPaintPool& pool = PaintPool();
    std::vector<TPiece> pieces = PiecesOf(area, pool.maxThreadCount() + 1);
    // Qt's pool hands work over through its own locks, which a thread checker cannot see into; this
    // mutex, taken before the pieces start, at each piece's start and end and after the last, makes the
    // hand-over visible to it.
    std::mutex handOver;
    const auto pass = [&handOver] { const std::lock_guard<std::mutex> lock(handOver); };
    pass();
    QtConcurrent::blockingMap(&pool, pieces, [&](TPiece& piece) {
        pass();
        QImage window(pixels, band.width(), band.height(), band.bytesPerLine(), band.format());
        {
            QPainter painter(&window);
            painter.setClipRect(piece.Rect.translated(-area.topLeft()));
            paint(painter, area, piece.Rect, piece.Errors);
        }
        pass();
    });
    pass();
    for (const TPiece& piece : pieces)
        errors.Merge(piece.Errors);
}

} // namespace korvo
