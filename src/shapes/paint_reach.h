#pragma once

#include "geometry/device_types.h"
#include "shapes/polygon.h"

#include <optional>

namespace korvo {

// The unscrolled device pixels a shape may paint at the given scale: its points with room for the pen
// and line endings, or for text the band its lines run along. Nothing (no limit) when
// the shape's points do not fit in device coordinates; such a shape is left to the painter to clip.
// Generous by design: painting only a part of the page may skip a shape only when it is certain the
// shape leaves that part untouched.
std::optional<TRect> PaintReach(const TPolygon& shape, float scale, int logPixelsY);

} // namespace korvo
