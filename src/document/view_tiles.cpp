#include "document/view_tiles.h"

#include <QPainter>

namespace korvo {

namespace {

    int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

} // namespace

QRect TViewTiles::TileRect(TIndex index) const
{
    return { FOrigin.x() + index.first * TileSize, FOrigin.y() + index.second * TileSize, TileSize, TileSize };
}

std::pair<TViewTiles::TIndex, TViewTiles::TIndex> TViewTiles::TilesOver(const QRect& area) const
{
    return { { FloorDiv(area.left() - FOrigin.x(), TileSize), FloorDiv(area.top() - FOrigin.y(), TileSize) },
        { FloorDiv(area.right() - FOrigin.x(), TileSize), FloorDiv(area.bottom() - FOrigin.y(), TileSize) } };
}

void TViewTiles::Compose(
    QImage& target, const QRect& view, const TKey& key, bool everyCore, const TPagePainter& page, TPaintErrors& errors)
{
    if (view.isEmpty())
        return;
    if (!(key == FKey) || FTiles.empty()) {
        FTiles.clear();
        FKey = key;
        FOrigin = view.topLeft();
    }
    const auto span = TilesOver(view);
    LetGoBeyond(span);
    PaintMissing(span, view, everyCore, page, errors);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int j = span.first.second; j <= span.second.second; ++j) {
        for (int i = span.first.first; i <= span.second.first; ++i) {
            const QRect tile = TileRect({ i, j });
            const QRect part = tile.intersected(view);
            painter.drawImage(part.topLeft() - view.topLeft(), FTiles.at({ i, j }).Image,
                QRect(part.topLeft() - tile.topLeft(), part.size()));
        }
    }
}

void TViewTiles::DropOver(const QRect& area)
{
    for (auto it = FTiles.begin(); it != FTiles.end();)
        it = TileRect(it->first).intersects(area) ? FTiles.erase(it) : std::next(it);
}

void TViewTiles::RepaintOver(
    const QRect& area, const QRect& view, const TKey& key, const TPagePainter& page, TPaintErrors& errors)
{
    if (!(key == FKey)) {
        FTiles.clear();
        return;
    }
    // Outside the view a tile keeps only its part within the view, which is painted again below; the
    // rest is painted when it is next shown.
    for (auto it = FTiles.begin(); it != FTiles.end();) {
        TTile& tile = it->second;
        const QRect changed = tile.Painted.intersected(area);
        if (!changed.isEmpty() && !view.contains(changed))
            tile.Painted &= view;
        it = tile.Painted.isEmpty() ? FTiles.erase(it) : std::next(it);
    }
    QRect piece;
    for (const auto& [index, tile] : FTiles)
        piece |= tile.Painted.intersected(area);
    if (piece.isEmpty())
        return;
    // Only the changed pixels are painted, but onto the whole view: a dashed line cut by the edge of
    // what is painted starts its dashes there, so cut by the view's edges alone it shows as the view
    // painted anew shows it.
    QImage whole(view.size(), QImage::Format_RGB32);
    {
        QPainter painter(&whole);
        painter.setClipRect(piece.translated(-view.topLeft()));
        PaintPiece(painter, view, piece, page, errors);
    }
    for (auto& [index, tile] : FTiles) {
        const QRect part = tile.Painted.intersected(piece);
        if (part.isEmpty())
            continue;
        QPainter painter(&tile.Image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(part.topLeft() - TileRect(index).topLeft(), whole, part.translated(-view.topLeft()));
    }
}

bool TViewTiles::Holds(TIndex index, const QRect& view) const
{
    const auto it = FTiles.find(index);
    return it != FTiles.end() && it->second.Painted.contains(TileRect(index).intersected(view));
}

void TViewTiles::PaintMissing(const std::pair<TIndex, TIndex>& span, const QRect& view, bool everyCore,
    const TPagePainter& page, TPaintErrors& errors)
{
    // The missing tiles are painted over the rectangle they span, so a line crossing several tiles
    // steps as one line.
    QRect missing;
    bool allMissing = true;
    for (int j = span.first.second; j <= span.second.second; ++j) {
        for (int i = span.first.first; i <= span.second.first; ++i) {
            if (!Holds({ i, j }, view))
                missing |= TileRect({ i, j });
            else
                allMissing = false;
        }
    }
    if (missing.isEmpty())
        return;
    // Thin lines are stepped from where the painted area cuts them, so the view painted as itself
    // shows exactly what a paint from nothing shows.
    if (allMissing)
        missing = view;
    QImage band(missing.size(), QImage::Format_RGB32);
    PaintInPieces(band, missing, everyCore, page, errors);
    const auto cover = TilesOver(missing);
    for (int j = cover.first.second; j <= cover.second.second; ++j) {
        for (int i = cover.first.first; i <= cover.second.first; ++i) {
            if (Holds({ i, j }, view))
                continue;
            const QRect tile = TileRect({ i, j });
            FTiles[{ i, j }] = { band.copy(tile.translated(-missing.topLeft())), tile.intersected(missing) };
        }
    }
}

void TViewTiles::LetGoBeyond(const std::pair<TIndex, TIndex>& span)
{
    // The view's neighbours stay, so a step back after a scroll paints nothing; memory stays near a
    // view's worth at any zoom.
    for (auto it = FTiles.begin(); it != FTiles.end();) {
        const TIndex at = it->first;
        const bool near = at.first >= span.first.first - 1 && at.first <= span.second.first + 1
            && at.second >= span.first.second - 1 && at.second <= span.second.second + 1;
        it = near ? std::next(it) : FTiles.erase(it);
    }
}

} // namespace korvo
