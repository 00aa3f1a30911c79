#include "tools/svg_candidates/shape_recording_device.h"

#include "geometry/units.h"
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
    switch (metric) {
    case PdmWidth:
        return FSize.width();
    case PdmHeight:
        return FSize.height();
    case PdmWidthMM:
        return qRound(FSize.width() * MMPerInch / RecordingPixelsPerInch);
    case PdmHeightMM:
        return qRound(FSize.height() * MMPerInch / RecordingPixelsPerInch);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return RecordingPixelsPerInch;
    case PdmDepth:
        return 24;
    case PdmNumColors:
        return 1 << 24;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace korvo
