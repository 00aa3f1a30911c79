#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "document/parallel_paint.h"

#include <cstdint>
#include <map>
#include <utility>

namespace korvo {

// The page as painted at one scale (paper, background picture, grid and shapes, no selection marks),
// kept in square tiles of page pixels so that a scroll step paints only the strip it uncovers and
// scrolling back paints nothing; the tiles of the scale before are kept too, for a zoom back. A view
// with no tile kept is painted as the view itself, exactly as a paint from nothing would paint it, and
// cut into tiles laid from its top left; the tiles its edges cut through are kept for the part they hold.
class TViewTiles {
public:
    // Everything the tiles' pixels depend on apart from the shapes; when it differs, the tiles are put
    // aside for a step back.
    struct TKey {
        float Scale = 0;
        bool Grid = false;
        // Where the grid ends, in page pixels.
        int GridRight = 0;
        int GridBottom = 0;
        qint64 Background = 0;
        float BackgroundX = 0;
        float BackgroundY = 0;

        friend bool operator==(const TKey& a, const TKey& b)
        {
            return a.Scale == b.Scale && a.Grid == b.Grid && a.GridRight == b.GridRight && a.GridBottom == b.GridBottom
                && a.Background == b.Background && a.BackgroundX == b.BackgroundX && a.BackgroundY == b.BackgroundY;
        }
    };

    static constexpr int TileSize = 128;

    // Lets go of every tile, for shapes changed beyond what a rectangle bounds.
    void Drop();
    // Lets go of the tiles for the key that meet `area` (page pixels), for the part of the page that
    // changed, and of the tiles for any other key.
    void DropOver(const QRect& area, const TKey& key);
    // Paints `area` (page pixels), the part of the page that changed, anew into the tiles kept for the
    // key, as a paint of the whole view would paint it, in one pass on this thread; the rest of each tile
    // stays. Tiles beyond the view keep only what the change left as it was. Tiles for any other key go.
    void RepaintOver(
        const QRect& area, const QRect& view, const TKey& key, const TPagePainter& page, TPaintErrors& errors);
    // Copies the page pixels of `view` onto `target` at (0, 0), painting the tiles not kept over the
    // rectangle they span, a tile at a time on every core (or in one pass on this thread), as
    // PaintInPieces does. Tiles beyond the neighbours of the view are let go. The tiles for the key shown
    // before stay aside, so a step back to it (zooming in and out again) paints nothing.
    void Compose(QImage& target, const QRect& view, const TKey& key, bool everyCore, const TPagePainter& page,
        TPaintErrors& errors);

private:
    using TIndex = std::pair<int, int>;

    QRect TileRect(TIndex index) const;
    // The tiles meeting the page pixels of `area`, as the first and last index in each direction.
    std::pair<TIndex, TIndex> TilesOver(const QRect& area) const;
    void PaintMissing(const std::pair<TIndex, TIndex>& span, const QRect& view, bool everyCore,
        const TPagePainter& page, TPaintErrors& errors);
    void LetGoBeyond(const std::pair<TIndex, TIndex>& span);

    struct TTile {
        QImage Image;
        // The part of the tile that was painted, in page pixels.
        QRect Painted;
    };
    bool Holds(TIndex index, const QRect& view) const;

    // The tiles painted for one key, laid from an origin in page pixels.
    struct TLayer {
        TKey Key;
        QPoint Origin;
        std::map<TIndex, TTile> Tiles;
    };
    TLayer FNow;
    // The tiles of the key shown before, until the shapes change.
    TLayer FBefore;
};

} // namespace korvo
