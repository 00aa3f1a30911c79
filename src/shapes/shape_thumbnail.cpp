#include "shapes/shape_thumbnail.h"

#include "geometry/rounding.h"
#include "geometry/units.h"

#include <algorithm>

namespace korvo {

namespace {

    // The shape's size in pixels at zoom x1.
    QSize NaturalSize(const TPolygon& shape)
    {
        const TMMRect& b = shape.FBounds;
        return { Round((static_cast<double>(b.Right) - b.Left) * BaseScale),
            Round((static_cast<double>(b.Bottom) - b.Top) * BaseScale) };
    }

    TRect FitIntoRow(TRect r, int w, int h)
    {
        const double aspect = h != 0 ? static_cast<double>(w) / h : 1.0;
        const int a = r.Bottom - r.Top;
        if (a >= h && a >= w) {
            // Small enough to show unscaled, centred in the row's height.
            r.Bottom = r.Top + h;
            r.Right = r.Left + w;
            return r.Offset(0, (a - h) / 2);
        }
        if (h >= w) {
            r.Right = r.Left + Round(a * aspect);
            return r;
        }
        r.Right = r.Left + a;
        const int fitted = Round(a / aspect);
        r = r.Offset(0, (r.Bottom - r.Top - fitted) / 2);
        r.Bottom = r.Top + fitted;
        return r;
    }

} // namespace

TRect DrawThumbnail(TShapePainter& shapes, QPainter& painter, const TPolygon& shape, const TRect& r)
{
    const QSize natural = NaturalSize(shape);
    const int w = natural.width();
    const int h = natural.height();
    const TRect used = FitIntoRow(r, w, h);
    // The zoom that fits the picture into `used`, taken along its longer side, so that its outline, a
    // line on its last pixel, stays inside.
    const auto fit
        = [](int available, int natural) { return std::max(available - 1, 0) / static_cast<double>(natural); };
    double zoom = 1.0;
    if (h >= w && h > 0)
        zoom = fit(used.Bottom - used.Top, h);
    else if (w > h)
        zoom = fit(used.Right - used.Left, w);
    painter.save();
    // The picture is painted as the editor paints it at that zoom, rather than shrinking a picture made
    // at zoom x1: pens keep their width in pixels, so the thin outlines of a small thumbnail stay
    // visible, and antialiasing keeps its slopes and curves smooth. The half-pixel shift puts
    // one-pixel lines on whole pixels instead of smearing them over two.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(used.Left + 0.5, used.Top + 0.5 + (h == 0 ? (used.Bottom - used.Top) / 2 : 0));
    shapes.Draw(shape, 0, 0, static_cast<float>(BaseScale * zoom));
    painter.restore();
    return used;
}

} // namespace korvo
