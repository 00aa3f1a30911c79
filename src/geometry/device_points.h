#pragma once

#include "geometry/device_types.h"
#include "geometry/mm_types.h"

namespace korvo {

// Fills `out` with each point as (Trunc(x * scale) - offsetX, Trunc(y * scale) - offsetY), reusing its
// storage. Returns false, with `out` empty, when a point does not fit in device coordinates.
bool ToDevicePoints(const TMMArray& points, int offsetX, int offsetY, float scale, TPointArray& out);

} // namespace korvo
