#include "document/zoom.h"

#include "geometry/rounding.h"
#include "geometry/units.h"

#include <algorithm>

namespace korvo {

float ZoomToScale(int zoomIndex) { return zoomIndex == 0 ? BaseScale * 0.5f : zoomIndex * BaseScale; }

int ScaleToZoom(float scale)
{
    if (!(scale >= BaseScale))
        return 0;
    return std::min(Round(static_cast<double>(scale) / BaseScale), 10);
}

} // namespace korvo
