#pragma once

#include "shapes/paint_errors.h"

#include <QImage>
#include <QRect>

#include <cstddef>
#include <functional>
#include <vector>

class QPainter;

namespace korvo {

// A shape to paint, by its index in paint order, and the page pixels it may paint.
struct TPaintItem {
    std::size_t Index;
    QRect Reach;
};

// The shapes that may paint within an area of page pixels, in paint order: the page is culled once per
// paint, on the painting thread, and each piece takes those that meet it.
using TShapeCuller = std::function<std::vector<TPaintItem>(const QRect& area)>;

// Paints the page pixels of `piece`, with the shapes given by index, through a painter whose device
// covers `area` (page pixels), its origin at the area's top left, clipped to the piece. Called on several
// threads at once: it may only read what it shares with the other pieces.
using TPiecePainter = std::function<void(QPainter& painter, const QRect& area, const QRect& piece,
    const std::vector<std::size_t>& shapes, TPaintErrors& errors)>;

struct TPagePainter {
    TShapeCuller Cull;
    TPiecePainter Paint;
};

// Paints `piece` in one pass on this thread, as PaintInPieces paints each of its pieces.
void PaintPiece(
    QPainter& painter, const QRect& area, const QRect& piece, const TPagePainter& page, TPaintErrors& errors);

// Fills `band` (the page pixels of `area`) in stripes painted on every core, this thread's among them,
// or in one pass on this thread when `everyCore` is false. Each stripe paints the band's own pixels
// through a painter clipped to it, so lines cut by a stripe's edge step exactly as in one pass. The
// stripes' errors are merged in stripe order.
void PaintInPieces(QImage& band, const QRect& area, bool everyCore, const TPagePainter& page, TPaintErrors& errors);

} // namespace korvo
