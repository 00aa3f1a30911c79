#pragma once

#include "shapes/font_cache.h"
#include "shapes/shape_font.h"

#include <QByteArray>
#include <QPainter>
#include <QPoint>

namespace korvo {

// Paints text line by line from p0, each line one font height further in the direction p0 -> p1.
// A carriage return ends a line, line feeds are ignored. The font's size is in points at logPixelsY,
// grown or shrunk with scale relative to zoom x1; its escapement turns each line about its start.
void DrawTextLines(QPainter& painter, TFontCache& fonts, const TShapeFont& font, QPoint p0, const QByteArray& text,
    float scale, QPoint p1, int logPixelsY);

} // namespace korvo
