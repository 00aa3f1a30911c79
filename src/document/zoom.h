#pragma once

namespace korvo {

// The zoom list "x0.5", "x1", "x2" ... "x10" as pixels per millimetre: 2, 4, 8, 12 ... 40.
float ZoomToScale(int zoomIndex);

// The zoom list entry for a scale: 0 below zoom x1, else the nearest whole zoom (ties to even), at most 10.
int ScaleToZoom(float scale);

} // namespace korvo
