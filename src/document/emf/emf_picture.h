#pragma once

#include "document/emf/emf_recorder.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QTransform>

#include <memory>

namespace korvo {

class TEmfPaintEngine;

// A paint device that records an enhanced metafile: whatever a QPainter draws on it becomes EMF
// records, so the shape painter serves metafiles unchanged. The device is `size` pixels at
// `pixelsPerInch`, the resolution of the reference device.
class TEmfPicture : public QPaintDevice {
public:
    TEmfPicture(QSize size, int pixelsPerInch);
    ~TEmfPicture() override;

    QPaintEngine* paintEngine() const override;
    // The metafile's bytes; call once the painter has ended.
    QByteArray Bytes();

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize FSize;
    int FPixelsPerInch;
    std::unique_ptr<TEmfPaintEngine> FEngine;
};

// Turns QPainter calls into EMF records, mapping coordinates through the painter's transform.
class TEmfPaintEngine : public QPaintEngine {
public:
    TEmfPaintEngine(QSize size, int pixelsPerInch);

    bool begin(QPaintDevice* device) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;
    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override;
    // Pictures inside shapes are not part of the drawing; nothing is recorded for them.
    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override;
    Type type() const override { return User; }

    TEmfRecorder& Recorder() { return FRecorder; }

private:
    void ApplyPenAndBrush();
    // Records a stroke-only path of one open figure of only lines or only curves; false otherwise.
    bool DrawOpenStroke(const QPainterPath& path);
    QPoint Map(const QPointF& p) const;

    TEmfRecorder FRecorder;
    int FPixelsPerInch;
    QPen FPen;
    QBrush FBrush;
    QTransform FTransform;
    bool FPenDirty = true;
    bool FBrushDirty = true;
};

} // namespace korvo
