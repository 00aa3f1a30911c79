#include "document/view_tiles.h"

#include <QPainter>

namespace korvo {

namespace {

    int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

} // namespace

QRect TViewTiles::TileRect(TIndex index) const
{
    return { FNow.Origin.x() + index.first * TileSize, FNow.Origin.y() + index.second * TileSize, TileSize, TileSize };
}

std::pair<TViewTiles::TIndex, TViewTiles::TIndex> TViewTiles::TilesOver(const QRect& area) const
{
    return { { FloorDiv(area.left() - FNow.Origin.x(), TileSize), FloorDiv(area.top() - FNow.Origin.y(), TileSize) },
        { FloorDiv(area.right() - FNow.Origin.x(), TileSize), FloorDiv(area.bottom() - FNow.Origin.y(), TileSize) } };
}

void TViewTiles::Compose(
    QImage& target, const QRect& view, const TKey& key, bool everyCore, const TPagePainter& page, TPaintErrors& errors)
{
    if (view.isEmpty())
        return;
    if (!(key == FNow.Key)) {
        std::swap(FNow, FBefore);
        if (!(key == FNow.Key))
            FNow = { key, view.topLeft(), {} };
    }
    if (FNow.Tiles.empty())
        FNow.Origin = view.topLeft();
    const auto span = TilesOver(view);
    LetGoBeyond(span);
    PaintMissing(span, view, everyCore, page, errors);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int j = span.first.second; j <= span.second.second; ++j) {
        for (int i = span.first.first; i <= span.second.first; ++i) {
            const QRect tile = TileRect({ i, j });
            const QRect part = tile.intersected(view);
            painter.drawImage(part.topLeft() - view.topLeft(), FNow.Tiles.at({ i, j }).Image,
                QRect(part.topLeft() - tile.topLeft(), part.size()));
        }
    }
}

void TViewTiles::Drop()
{
    FNow.Tiles.clear();
    FBefore.Tiles.clear();
}

void TViewTiles::DropOver(const QRect& area, const TKey& key)
{
    FBefore.Tiles.clear();
    if (!(key == FNow.Key))
        FNow.Tiles.clear();
    for (auto it = FNow.Tiles.begin(); it != FNow.Tiles.end();)
        it = TileRect(it->first).intersects(area) ? FNow.Tiles.erase(it) : std::next(it);
}

void TViewTiles::RepaintOver(
    const QRect& area, const QRect& view, const TKey& key, const TPagePainter& page, TPaintErrors& errors)
{
    FBefore.Tiles.clear();
    if (!(key == FNow.Key)) {
        FNow.Tiles.clear();
        return;
    }
    // Outside the view a tile keeps only its part within the view, which is painted again below; the
    // rest is painted when it is next shown.
    for (auto it = FNow.Tiles.begin(); it != FNow.Tiles.end();) {
        TTile& tile = it->second;
        const QRect changed = tile.Painted.intersected(area);
        if (!changed.isEmpty() && !view.contains(changed))
            tile.Painted &= view;
        it = tile.Painted.isEmpty() ? FNow.Tiles.erase(it) : std::next(it);
    }
    QRect piece;
    for (const auto& [index, tile] : FNow.Tiles)
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
    for (auto& [index, tile] : FNow.Tiles) {
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
    const auto it = FNow.Tiles.find(index);
    return it != FNow.Tiles.end() && it->second.Painted.contains(TileRect(index).intersected(view));
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
            FNow.Tiles[{ i, j }] = { band.copy(tile.translated(-missing.topLeft())), tile.intersected(missing) };
        }
    }
}

void TViewTiles::LetGoBeyond(const std::pair<TIndex, TIndex>& span)
{
    // The view's neighbours stay, so a step back after a scroll paints nothing; memory stays near a
    // view's worth for each of the two keys kept, at any zoom.
    for (auto it = FNow.Tiles.begin(); it != FNow.Tiles.end();) {
        const TIndex at = it->first;
        const bool near = at.first >= span.first.first - 1 && at.first <= span.second.first + 1
            && at.second >= span.first.second - 1 && at.second <= span.second.second + 1;
        it = near ? std::next(it) : FNow.Tiles.erase(it);
    }
}

} // namespace korvo
