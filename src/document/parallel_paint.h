#pragma once

#include "shapes/paint_errors.h"

#include <QImage>
#include <QRect>

#include <functional>

class QPainter;

namespace korvo {

// Paints the page pixels of `piece` through a painter whose device covers `area` (page pixels), its
// origin at the area's top left, clipped to the piece. Called on several threads at once: it may only
// read what it shares with the other pieces.
using TPiecePainter
    = std::function<void(QPainter& painter, const QRect& area, const QRect& piece, TPaintErrors& errors)>;

// Fills `band` (the page pixels of `area`) in stripes painted on every core, or in one pass on this
// thread when `everyCore` is false. Each stripe paints the band's own pixels through a painter clipped
// to it, so lines cut by a stripe's edge step exactly as in one pass. The stripes' errors are merged in
// stripe order.
void PaintInPieces(QImage& band, const QRect& area, bool everyCore, const TPiecePainter& paint, TPaintErrors& errors);

} // namespace korvo
