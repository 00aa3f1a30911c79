#include "document/recording_device_metric.h"

#include "geometry/units.h"

namespace korvo {

int RecordingDeviceMetric(QPaintDevice::PaintDeviceMetric metric, QSize size, int pixelsPerInch)
{
    switch (metric) {
    case QPaintDevice::PdmWidth:
        return size.width();
    case QPaintDevice::PdmHeight:
        return size.height();
    case QPaintDevice::PdmWidthMM:
        return qRound(size.width() * MMPerInch / pixelsPerInch);
    case QPaintDevice::PdmHeightMM:
        return qRound(size.height() * MMPerInch / pixelsPerInch);
    case QPaintDevice::PdmDpiX:
    case QPaintDevice::PdmDpiY:
    case QPaintDevice::PdmPhysicalDpiX:
    case QPaintDevice::PdmPhysicalDpiY:
        return pixelsPerInch;
    case QPaintDevice::PdmDepth:
        return 24;
    case QPaintDevice::PdmNumColors:
        return 1 << 24;
    case QPaintDevice::PdmDevicePixelRatio:
        return 1;
    case QPaintDevice::PdmDevicePixelRatioScaled:
        return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

} // namespace korvo
