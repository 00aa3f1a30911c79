#pragma once

#include <QPainter>

namespace korvo {

// How a pen combines with what is already painted. Exclusive-or and not-exclusive-or let a rubber
// band or control line be erased by drawing it again; they need a raster target (a QImage).
enum class TPenMode { Copy, Xor, NotXor };

void SetPenMode(QPainter& painter, TPenMode mode);

} // namespace korvo
