#include "tools/svg_candidates/shape_recording_device.h"

#include "document/recording_device_metric.h"
#include "tools/svg_candidates/shape_recording_engine.h"

namespace korvo {

TShapeRecordingDevice::TShapeRecordingDevice(QSize size)
    : FSize(size)
    , FEngine(std::make_unique<TShapeRecordingEngine>())
{
}

TShapeRecordingDevice::~TShapeRecordingDevice() = default;

QPaintEngine* TShapeRecordingDevice::paintEngine() const { return FEngine.get(); }

std::vector<TPolygon> TShapeRecordingDevice::TakeShapes() { return std::move(FEngine->FShapes); }

const TSvgLeftOut& TShapeRecordingDevice::LeftOut() const { return FEngine->FLeftOut; }

int TShapeRecordingDevice::metric(PaintDeviceMetric metric) const
{
    return RecordingDeviceMetric(metric, FSize, RecordingPixelsPerInch);
}

} // namespace korvo
