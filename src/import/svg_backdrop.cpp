#include "import/svg_backdrop.h"

#include "import/svg_colour.h"
#include "import/svg_limits.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <array>
#include <cmath>

namespace korvo {
namespace {

    // The picture's frame is laid down this many pixels across: fine enough for the colour beneath a
    // highlight of a few mm, small enough to lay a large picture down in a moment.
    constexpr double CanvasSide = 512;
    // One paint is averaged over at most this many pixels across its area.
    constexpr double PatchSide = 64;
    // The share of an area over bare paper above which it is taken to lie wholly over paper.
    constexpr double MostlyPaper = 0.5;
    // A gradient that covers less than this share of what lies beneath it, on average, is a soft shadow or
    // highlight: as one solid colour it would show as a blot with hard edges, so it is left out.
    constexpr double FaintCoverage = 0.15;

    // A colour brush's colour, a gradient's plain mean of its stops.
    QColor Average(const QBrush& brush)
    {
        const QGradient* gradient = brush.gradient();
        if (!gradient || gradient->stops().isEmpty())
            return brush.color();
        std::array<double, 4> sum {};
        for (const QGradientStop& stop : gradient->stops()) {
            const QColor& c = stop.second;
            sum = { sum[0] + c.redF(), sum[1] + c.greenF(), sum[2] + c.blueF(), sum[3] + c.alphaF() };
        }
        const double n = double(gradient->stops().size());
        return QColor::fromRgbF(float(sum[0] / n), float(sum[1] / n), float(sum[2] / n), float(sum[3] / n));
    }

    bool Opaque(const QBrush& brush) { return brush.style() == Qt::SolidPattern && brush.color().alpha() == 255; }

    // The mean of the picture's premultiplied pixels (red, green, blue, alpha), each counted by how much
    // of it the mask covers; empty when the mask covers nothing.
    std::optional<std::array<double, 4>> MaskedMean(const QImage& picture, const QImage& mask)
    {
        std::array<double, 4> sum {};
        double weight = 0;
        for (int y = 0; y < mask.height(); ++y) {
            const uchar* cover = mask.constScanLine(y);
            const auto* pixel = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = 0; x < mask.width(); ++x) {
                sum[0] += cover[x] * qRed(pixel[x]);
                sum[1] += cover[x] * qGreen(pixel[x]);
                sum[2] += cover[x] * qBlue(pixel[x]);
                sum[3] += cover[x] * qAlpha(pixel[x]);
                weight += cover[x];
            }
        }
        if (weight == 0)
            return std::nullopt;
        for (double& channel : sum)
            channel /= weight;
        return sum;
    }

} // namespace

TSvgBackdrop::TSvgBackdrop(const QRectF& frameMm, bool keepsFaint)
    : FrameMm(frameMm)
    , KeepsFaint(keepsFaint)
{
    if (frameMm.isEmpty())
        return;
    PixelsPerMm = CanvasSide / std::max(frameMm.width(), frameMm.height());
    const QSize size(std::max(1, int(std::ceil(frameMm.width() * PixelsPerMm))),
        std::max(1, int(std::ceil(frameMm.height() * PixelsPerMm))));
    Canvas = QImage(size, QImage::Format_ARGB32_Premultiplied);
    Canvas.fill(Qt::transparent);
}

TSvgPaint TSvgBackdrop::Settle(const TSvgLayer& layer, const QPainterPath& areaMm)
{
    TSvgPaint paint = layer.Paint;
    paint.Fill = Solid(layer.Fill, areaMm);
    if (layer.Stroke.style() != Qt::NoBrush) {
        QPainterPath strokeArea = areaMm;
        if (!Opaque(layer.Stroke)) {
            QPainterPathStroker stroker;
            stroker.setWidth(paint.StrokeWidthMm);
            strokeArea = stroker.createStroke(areaMm);
        }
        paint.Stroke = Solid(layer.Stroke, strokeArea);
    }
    if (Canvas.isNull() || Laid >= SvgLimits::MaxBackdropShapes)
        return paint;
    ++Laid;
    Waiting.push_back({ areaMm, paint.Fill.value_or(QColor()), paint.Stroke.value_or(QColor()), paint.StrokeWidthMm });
    return paint;
}

// The mean of what the area shows with the brush painted over what lies beneath, worked out on a patch of
// at most PatchSide pixels across the area's box.
std::optional<QColor> TSvgBackdrop::Solid(const QBrush& brush, const QPainterPath& areaMm)
{
    if (brush.style() == Qt::NoBrush)
        return std::nullopt;
    if (Opaque(brush))
        return brush.color();
    if (++Mixed > SvgLimits::MaxMixedPaints)
        return OverWhite(Average(brush), 1);
    const TPatch place = PatchFor(areaMm.boundingRect());
    const QSize size = place.Size;
    const QTransform toPatch = place.ToPatch;
    QImage mask(size, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(toPatch);
        painter.fillPath(areaMm, Qt::black);
    }
    if (!KeepsFaint && brush.gradient() && Coverage(brush, place, mask) < FaintCoverage) {
        ++Faint;
        return std::nullopt;
    }
    // The brush covers the whole patch: the mask alone says how much each pixel counts, so the area's
    // edge is not counted twice.
    QImage patch = Beneath(place, mask);
    {
        QPainter painter(&patch);
        painter.setTransform(toPatch);
        painter.fillRect(toPatch.inverted().mapRect(QRectF(patch.rect())), brush);
    }
    // An area without breadth shows nothing of its own; the middle of its patch stands for it.
    const auto mean = MaskedMean(patch, mask);
    if (!mean)
        return patch.pixelColor(size.width() / 2, size.height() / 2);
    return QColor(int(std::lround((*mean)[0])), int(std::lround((*mean)[1])), int(std::lround((*mean)[2])));
}

// What lies under the box, drawn on a patch of the given size. An area that lies mostly over bare paper
// is taken to lie wholly over it: a wisp of white over the paper's edge of a shape stays white, where
// the average would tint it with the shape and show it against the paper.
// How much the brush covers of what lies beneath the area, on average.
double TSvgBackdrop::Coverage(const QBrush& brush, const TPatch& place, const QImage& mask)
{
    QImage alone(place.Size, QImage::Format_ARGB32_Premultiplied);
    alone.fill(Qt::transparent);
    {
        QPainter painter(&alone);
        painter.setTransform(place.ToPatch);
        painter.fillRect(place.ToPatch.inverted().mapRect(QRectF(alone.rect())), brush);
    }
    const auto mean = MaskedMean(alone, mask);
    return mean ? (*mean)[3] / 255 : 0;
}

// The patch over a box in mm: at the canvas's own pixels when they are few enough, so that each pixel of the
// patch is one of the canvas, otherwise at most PatchSide pixels across.
TSvgBackdrop::TPatch TSvgBackdrop::PatchFor(const QRectF& boxMm) const
{
    TPatch patch;
    const double longest = std::max({ boxMm.width(), boxMm.height(), 1e-9 });
    if (!Canvas.isNull() && longest * PixelsPerMm <= PatchSide) {
        const QRect pixels = QTransform::fromScale(PixelsPerMm, PixelsPerMm)
                                 .mapRect(boxMm.translated(-FrameMm.topLeft()))
                                 .toAlignedRect();
        patch.Size = pixels.size().expandedTo({ 1, 1 });
        patch.ToPatch = QTransform::fromTranslate(-FrameMm.x(), -FrameMm.y())
            * QTransform::fromScale(PixelsPerMm, PixelsPerMm) * QTransform::fromTranslate(-pixels.x(), -pixels.y());
        return patch;
    }
    const double scale = PatchSide / longest;
    patch.Size = QSize(std::clamp(int(std::ceil(boxMm.width() * scale)), 1, int(PatchSide)),
        std::clamp(int(std::ceil(boxMm.height() * scale)), 1, int(PatchSide)));
    patch.ToPatch = QTransform::fromTranslate(-boxMm.x(), -boxMm.y()) * QTransform::fromScale(scale, scale);
    return patch;
}

QImage TSvgBackdrop::Beneath(const TPatch& place, const QImage& mask)
{
    QImage patch(place.Size, QImage::Format_ARGB32_Premultiplied);
    patch.fill(Qt::transparent);
    if (!Canvas.isNull()) {
        CatchUp();
        // The canvas's pixels are the frame's mm at PixelsPerMm: the patch's transform, less that, places it.
        QPainter painter(&patch);
        painter.setTransform(QTransform::fromScale(1 / PixelsPerMm, 1 / PixelsPerMm)
            * QTransform::fromTranslate(FrameMm.x(), FrameMm.y()) * place.ToPatch);
        painter.drawImage(0, 0, Canvas);
    }
    const auto mean = MaskedMean(patch, mask);
    if (!mean || (*mean)[3] < 255 * MostlyPaper) {
        patch.fill(Qt::white);
        return patch;
    }
    QPainter painter(&patch);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    painter.fillRect(patch.rect(), Qt::white);
    return patch;
}

void TSvgBackdrop::CatchUp()
{
    if (Waiting.empty())
        return;
    QPainter painter(&Canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(PixelsPerMm, PixelsPerMm);
    painter.translate(-FrameMm.topLeft());
    for (const TLaid& laid : Waiting) {
        painter.setBrush(laid.Fill.isValid() ? QBrush(laid.Fill) : QBrush(Qt::NoBrush));
        painter.setPen(laid.Stroke.isValid() ? QPen(laid.Stroke, laid.StrokeWidthMm) : QPen(Qt::NoPen));
        painter.drawPath(laid.AreaMm);
    }
    Waiting.clear();
}

} // namespace korvo
