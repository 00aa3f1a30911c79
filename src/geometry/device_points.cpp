#include "geometry/device_points.h"

#include "geometry/rounding.h"

#include <optional>

namespace korvo {

namespace {

    std::optional<int> DeviceCoordinate(float v, float scale, int offset)
    {
        const double scaled = static_cast<double>(v) * scale;
        if (!FitsInt32(scaled))
            return std::nullopt;
        const std::int64_t d = static_cast<std::int64_t>(Trunc(scaled)) - offset;
        if (d != Saturate32(d))
            return std::nullopt;
        return static_cast<int>(d);
    }

} // namespace

bool ToDevicePoints(const TMMArray& points, int offsetX, int offsetY, float scale, TPointArray& out)
{
    out.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto x = DeviceCoordinate(points[i].X, scale, offsetX);
        const auto y = DeviceCoordinate(points[i].Y, scale, offsetY);
        if (!x || !y) {
            out.clear();
            return false;
        }
        out[i] = QPoint(*x, *y);
    }
    return true;
}

} // namespace korvo
