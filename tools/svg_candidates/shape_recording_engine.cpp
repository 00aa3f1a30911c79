#include "tools/svg_candidates/shape_recording_engine.h"

#include "geometry/units.h"
#include "shapes/shape_kinds.h"

#include <QGradient>
#include <QTextItem>

#include <cmath>

namespace korvo {

namespace {

    constexpr double MmPerPixel = MMPerInch / RecordingPixelsPerInch;

    // A gradient's colour averaged over its length, stops joined by straight ramps.
    QColor AverageColour(const QGradientStops& stops)
    {
        if (stops.isEmpty())
            return Qt::black;
        double sum[4] = { 0, 0, 0, 0 };
        auto add = [&sum](const QColor& c, double weight) {
            const double channels[4] = { c.redF(), c.greenF(), c.blueF(), c.alphaF() };
            for (int i = 0; i < 4; ++i)
                sum[i] += channels[i] * weight;
        };
        add(stops.first().second, stops.first().first);
        for (int i = 1; i < stops.size(); ++i) {
            const double length = stops[i].first - stops[i - 1].first;
            add(stops[i - 1].second, length / 2);
            add(stops[i].second, length / 2);
        }
        add(stops.last().second, 1 - stops.last().first);
        return QColor::fromRgbF(float(sum[0]), float(sum[1]), float(sum[2]), float(sum[3]));
    }

    // The solid colour that looks nearest on white paper: transparency mixed with white.
    std::optional<QColor> SolidColour(const QBrush& brush, qreal opacity)
    {
        if (brush.style() == Qt::NoBrush)
            return std::nullopt;
        const QColor colour = brush.gradient() ? AverageColour(brush.gradient()->stops()) : brush.color();
        const double alpha = colour.alphaF() * opacity;
        if (alpha <= 0)
            return std::nullopt;
        auto mixed = [alpha](double channel) { return float(channel * alpha + (1 - alpha)); };
        return QColor::fromRgbF(mixed(colour.redF()), mixed(colour.greenF()), mixed(colour.blueF()));
    }

    double Scale(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

} // namespace

TShapeRecordingEngine::TShapeRecordingEngine()
    : QPaintEngine(AllFeatures)
{
}

bool TShapeRecordingEngine::begin(QPaintDevice*) { return true; }

bool TShapeRecordingEngine::end() { return true; }

void TShapeRecordingEngine::updateState(const QPaintEngineState& state)
{
    if (state.state() & DirtyPen)
        FPen = state.pen();
    if (state.state() & DirtyBrush)
        FBrush = state.brush();
    if (state.state() & DirtyTransform)
        FTransform = state.transform();
    if (state.state() & DirtyOpacity)
        FOpacity = state.opacity();
}

QTransform TShapeRecordingEngine::ToMm() const { return FTransform * QTransform::fromScale(MmPerPixel, MmPerPixel); }

TSvgPaint TShapeRecordingEngine::Paint(Qt::FillRule rule) const
{
    TSvgPaint paint;
    paint.Rule = rule;
    paint.Fill = SolidColour(FBrush, FOpacity);
    if (FPen.style() == Qt::NoPen)
        return paint;
    paint.Stroke = SolidColour(FPen.brush(), FOpacity);
    // A cosmetic pen keeps its width in device pixels whatever the transform; width 0 is one pixel.
    const double widthPixels = std::max(FPen.widthF(), 1.0) * (FPen.isCosmetic() ? 1.0 : Scale(FTransform));
    paint.StrokeWidthMm = widthPixels * MmPerPixel;
    if (FPen.style() != Qt::SolidLine) {
        for (const qreal dash : FPen.dashPattern())
            paint.DashMm.push_back(dash * paint.StrokeWidthMm);
    }
    return paint;
}

void TShapeRecordingEngine::drawPath(const QPainterPath& path)
{
    AppendPathShapes(ToMm().map(path), Paint(path.fillRule()), FShapes);
}

void TShapeRecordingEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
    if (mode != PolylineMode)
        path.closeSubpath();
    path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    TSvgPaint paint = Paint(path.fillRule());
    if (mode == PolylineMode)
        paint.Fill.reset();
    AppendPathShapes(ToMm().map(path), paint, FShapes);
}

void TShapeRecordingEngine::DrawBox(std::int32_t kind, const QRectF& box, const QPainterPath& asPath)
{
    const QTransform toMm = ToMm();
    if (toMm.type() <= QTransform::TxScale && toMm.m11() > 0 && toMm.m22() > 0)
        AppendBoxShape(kind, toMm.mapRect(box), Paint(Qt::WindingFill), FShapes);
    else
        AppendPathShapes(toMm.map(asPath), Paint(Qt::WindingFill), FShapes);
}

void TShapeRecordingEngine::drawRects(const QRectF* rects, int count)
{
    for (int i = 0; i < count; ++i) {
        QPainterPath path;
        path.addRect(rects[i]);
        DrawBox(skRectangle, rects[i], path);
    }
}

void TShapeRecordingEngine::drawEllipse(const QRectF& rect)
{
    QPainterPath path;
    path.addEllipse(rect);
    DrawBox(skCircle, rect, path);
}

void TShapeRecordingEngine::drawTextItem(const QPointF& p, const QTextItem& textItem)
{
    const QFont font = textItem.font();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * RecordingPixelsPerInch / 72.0;
    TSvgText text;
    text.Text = textItem.text();
    text.Family = font.family();
    text.SizeMm = pixels * Scale(FTransform) * MmPerPixel;
    text.Weight = font.weight();
    text.Italic = font.italic();
    text.Colour = SolidColour(FPen.brush(), FOpacity).value_or(QColor(Qt::black));
    text.BaselineMm = ToMm().map(p);
    text.RotationDegrees = std::atan2(FTransform.m12(), FTransform.m11()) * 180.0 / Pi;
    AppendTextShape(text, FShapes);
}

void TShapeRecordingEngine::drawPixmap(const QRectF&, const QPixmap&, const QRectF&) { ++FLeftOut.Bitmaps; }

void TShapeRecordingEngine::drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags)
{
    ++FLeftOut.Bitmaps;
}

} // namespace korvo
