#include "document/parallel_paint.h"

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

    struct TPiece {
        QRect Rect;
        TPaintErrors Errors;
    };

    std::vector<TPiece> PiecesOf(const QRect& area, int pieceSize)
    {
        std::vector<TPiece> pieces;
        for (int y = area.top(); y <= area.bottom(); y += pieceSize) {
            for (int x = area.left(); x <= area.right(); x += pieceSize)
                pieces.push_back({ QRect(x, y, pieceSize, pieceSize).intersected(area), {} });
        }
        return pieces;
    }

} // namespace

void PaintInPieces(
    QImage& band, const QRect& area, int pieceSize, bool everyCore, const TPiecePainter& paint, TPaintErrors& errors)
{
    if (!everyCore) {
        QPainter painter(&band);
        paint(painter, area, area, errors);
        return;
    }
    // The band detaches here, once, so every piece's image below is a window on the same pixels.
    uchar* const pixels = band.bits();
    std::vector<TPiece> pieces = PiecesOf(area, pieceSize);
    // Qt's pool hands work over through its own locks, which a thread checker cannot see into; this
    // mutex, taken before the pieces start, at each piece's start and end and after the last, makes the
    // hand-over visible to it.
    std::mutex handOver;
    const auto pass = [&handOver] { const std::lock_guard<std::mutex> lock(handOver); };
    pass();
    static TPaintPool pool;
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
