#pragma once

#include "import/svg_paint.h"

#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <vector>

namespace korvo {

// What the picture shows so far, kept as a coarse bitmap of its frame, so that a translucent or graded
// paint can become the one solid colour that stands closest for it: the average of what its area shows
// once painted over what lies beneath. A highlight then lightens the colour under it instead of covering
// it in white. Where nothing lies beneath, or the frame is unknown, that is white paper.
class TSvgBackdrop {
public:
    // The picture's frame in mm; an empty frame leaves every paint over white. Faint gradients are left out
    // unless kept.
    TSvgBackdrop(const QRectF& frameMm, bool keepsFaint);

    // The layer's paint with its fill and stroke made solid over what lies under the area they cover (a
    // path in mm); the layer is then laid down for the paints that follow.
    TSvgPaint Settle(const TSvgLayer& layer, const QPainterPath& areaMm);

    // The faint gradients left out so far.
    int FaintLeftOut() const { return Faint; }

private:
    struct TLaid {
        QPainterPath AreaMm;
        QColor Fill; // invalid when not filled
        QColor Stroke; // invalid when not stroked
        double StrokeWidthMm = 0;
    };

    std::optional<QColor> Solid(const QBrush& brush, const QPainterPath& areaMm);
    struct TPatch {
        QSize Size;
        QTransform ToPatch; // mm to the patch's pixels
    };

    TPatch PatchFor(const QRectF& boxMm) const;
    static double Coverage(const QBrush& brush, const TPatch& place, const QImage& mask);
    QImage Beneath(const TPatch& place, const QImage& mask);
    void CatchUp();

    QRectF FrameMm;
    double PixelsPerMm = 0;
    // Paints are laid down on the bitmap only once a translucent one needs it: opaque pictures never draw.
    std::vector<TLaid> Waiting;
    int Laid = 0;
    int Mixed = 0;
    bool KeepsFaint = false;
    int Faint = 0;
    QImage Canvas;
};

} // namespace korvo
