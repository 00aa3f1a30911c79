#pragma once

#include "import/svg_import.h"
#include "import/svg_shape_builder.h"

#include <QPaintEngine>
#include <QPen>
#include <QTransform>

#include <vector>

namespace korvo {

// The recording device's resolution: one pixel is one SVG user unit at true size.
constexpr int RecordingPixelsPerInch = 96;

// Hands every drawing call, mapped through the painter's transform into millimetres, with the pen,
// brush and opacity reduced to solid colours, to the SVG shape builder.
class TShapeRecordingEngine : public QPaintEngine {
public:
    TShapeRecordingEngine();

    bool begin(QPaintDevice* device) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;
    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawEllipse(const QRectF& rect) override;
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override;
    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override;
    void drawImage(
        const QRectF& target, const QImage& image, const QRectF& source, Qt::ImageConversionFlags flags) override;
    Type type() const override { return User; }

    std::vector<TPolygon> FShapes;
    TSvgLeftOut FLeftOut;

private:
    TSvgPaint Paint(Qt::FillRule rule) const;
    // The painter's transform followed by pixels to millimetres.
    QTransform ToMm() const;
    // Rectangles and ellipses keep their kind while the transform only scales and moves them.
    void DrawBox(std::int32_t kind, const QRectF& box, const QPainterPath& asPath);

    QPen FPen;
    QBrush FBrush;
    QTransform FTransform;
    qreal FOpacity = 1;
};

} // namespace korvo
