#include "shapes/shape_thumbnail.h"

#include "geometry/rounding.h"
#include "geometry/units.h"

namespace korvo {

namespace {

    TRect FitIntoRow(TRect r, int w, int h)
    {
        const double aspect = h != 0 ? static_cast<double>(w) / h : 1.0;
        const int a = r.Bottom - r.Top;
        if (a >= h && a >= w) {
            // Small enough to show unscaled, centred in the row's height.
            r.Bottom = r.Top + h;
            r.Right = r.Left + Round(h * aspect);
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

TRect DrawThumbnail(TShapePainter& shapes, QPainter& painter, const TPolygon& shape, TRect r)
{
    const TMMRect& b = shape.FBounds;
    const int w = Round((static_cast<double>(b.Right) - b.Left) * BaseScale);
    const int h = Round((static_cast<double>(b.Bottom) - b.Top) * BaseScale);
    r = FitIntoRow(r, w, h);
    if (w <= 0 || h <= 0 || r.IsEmpty())
        return r;
    // The shape is painted at zoom x1 into a w x h picture, which is then stretched into r.
    painter.save();
    painter.setClipRect(r.ToQRect());
    painter.translate(r.Left, r.Top);
    painter.scale(static_cast<double>(r.Right - r.Left) / w, static_cast<double>(r.Bottom - r.Top) / h);
    painter.setClipRect(QRect(0, 0, w, h), Qt::IntersectClip);
    shapes.Draw(shape, 0, 0, BaseScale);
    painter.restore();
    return r;
}

} // namespace korvo
