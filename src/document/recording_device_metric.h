#pragma once

#include <QPaintDevice>
#include <QSize>

namespace korvo {

// The metrics of a paint device that records drawing calls instead of pixels: `size` pixels at
// `pixelsPerInch`, 24-bit colour, one device pixel per logical pixel.
int RecordingDeviceMetric(QPaintDevice::PaintDeviceMetric metric, QSize size, int pixelsPerInch);

} // namespace korvo
