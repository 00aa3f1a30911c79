#pragma once

#include "geometry/device_types.h"

namespace korvo {

// The platform's rectangle union: an empty rectangle contributes nothing, two empty ones give all zeros.
TRect UnionRect(const TRect& a, const TRect& b);

// The union used for group and selection bounds. A flat B is first widened by one pixel (height
// before width) so that a horizontal or vertical line still counts, while a single point does not.
TRect UnionBounds(const TRect& a, TRect b);

} // namespace korvo
