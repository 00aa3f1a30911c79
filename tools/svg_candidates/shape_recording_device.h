#pragma once

#include "import/svg_import.h"

#include <QPaintDevice>
#include <QPaintEngine>

#include <memory>
#include <vector>

namespace korvo {

class TShapeRecordingEngine;

// A paint device that turns whatever a QPainter draws on it into Korvo shapes in millimetres: the
// device is `size` pixels at RecordingPixelsPerInch. Clipping is not followed and bitmaps are only
// counted.
class TShapeRecordingDevice : public QPaintDevice {
public:
    explicit TShapeRecordingDevice(QSize size);
    ~TShapeRecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    std::vector<TPolygon> TakeShapes();
    const TSvgLeftOut& LeftOut() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize FSize;
    std::unique_ptr<TShapeRecordingEngine> FEngine;
};

} // namespace korvo
