#include "shapes/text_lines.h"

#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/code_page.h"
#include "shapes/colour_map.h"

#include <cmath>

namespace korvo {

namespace {

    void DrawLine(QPainter& painter, const TFontCache::TEntry& font, QPoint at, const QString& line, int escapement)
    {
        // Text is placed by the top of its cell, as the platform does; Qt places it by the baseline.
        if (escapement == 0) {
            painter.drawText(at.x(), at.y() + font.Ascent, line);
            return;
        }
        painter.save();
        painter.translate(at);
        painter.rotate(-escapement / 10.0);
        painter.drawText(0, font.Ascent, line);
        painter.restore();
    }

} // namespace

void DrawTextLines(QPainter& painter, TFontCache& fonts, const TShapeFont& font, QPoint p0, const QByteArray& text,
    float scale, QPoint p1, int logPixelsY)
{
    const int h = Trunc(static_cast<double>(logPixelsY) * font.Size() * scale / (72.0 * BaseScale));
    if (h <= 0 || text.isEmpty())
        return;
    // A frame without extent has no line direction; lines then advance straight down.
    const double dx = static_cast<double>(p1.x()) - p0.x();
    const double dy = static_cast<double>(p1.y()) - p0.y();
    const double d = std::hypot(dx, dy);
    const double cosA = d > 0 ? dx / d : 0.0;
    const double sinA = d > 0 ? dy / d : 1.0;
    const QPoint step(Round(h * cosA), Round(h * sinA));

    const TLogFont record = font.Record();
    const TFontCache::TEntry qfont = fonts.Get(record, h);
    painter.setFont(qfont.Font);
    painter.setPen(ToQColor(font.Colour));

    QPoint at = p0;
    QByteArray line;
    const auto paintLine = [&]() {
        if (!line.isEmpty())
            DrawLine(painter, qfont, at, DecodeText(line, record.CharSet), record.Escapement);
        line.clear();
    };
    for (const char c : text) {
        if (c == '\n')
            continue;
        if (c != '\r') {
            line.append(c);
            continue;
        }
        paintLine();
        at = QPoint(Saturate32(std::int64_t(at.x()) + step.x()), Saturate32(std::int64_t(at.y()) + step.y()));
    }
    paintLine();
}

} // namespace korvo
