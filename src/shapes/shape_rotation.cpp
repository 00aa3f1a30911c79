#include "shapes/polygon.h"

#include "geometry/rounding.h"
#include "shapes/shape_geometry.h"

#include <cmath>

namespace korvo {

namespace {

    constexpr std::int64_t FullTurnTenths = 3600;

    // C++ remainder keeps the sign of the dividend, which is what the stored escapement expects:
    // turning by -370 degrees from 0 gives +100, not -3500.
    std::int32_t TurnedTenths(std::int32_t tenths, std::int64_t clockwiseTenths)
    {
        return static_cast<std::int32_t>((tenths - clockwiseTenths) % FullTurnTenths);
    }

    // Page angles turn clockwise, font angles counter-clockwise. The font is rebuilt from its record
    // so that it keeps every other stored value, as a font made from a record does.
    void TurnFont(TShapeFont& font, float angle)
    {
        const std::int64_t t = Round(static_cast<double>(angle) * 10);
        TLogFont record = font.Record();
        record.Escapement = TurnedTenths(record.Escapement, t);
        record.Orientation = TurnedTenths(record.Orientation, t);
        const TColour colour = font.Colour;
        font.SetFromRecord(record);
        font.Colour = colour;
    }

    float Centre(float low, float high) { return static_cast<float>((static_cast<double>(low) + high) / 2); }

} // namespace

bool TPolygon::Rotate(float angle)
{
    return RotateAbout(angle, Centre(FBounds.Left, FBounds.Right), Centre(FBounds.Top, FBounds.Bottom));
}

bool TPolygon::RotateAbout(float angle, float cx, float cy) { return Transform(RotationMatrix(angle, cx, cy), angle); }

bool TPolygon::Transform(const TMatrix& m, float angle)
{
    if (!std::isfinite(angle) || !CanTransform(m))
        return false;
    MapPoints(m);
    if (FKind == skText)
        TurnFont(FFont, angle);
    return true;
}

bool TPolygon::RotateGroup(float angle, float scale)
{
    return RotateGroupAbout(angle, Centre(FBounds.Left, FBounds.Right), Centre(FBounds.Top, FBounds.Bottom), scale);
}

bool TPolygon::RotateGroupAbout(float angle, float cx, float cy, float scale)
{
    const TMatrix m = RotationMatrix(angle, cx, cy);
    if (!std::isfinite(angle) || !CanTransform(m))
        return false;
    for (TPolygon& child : FChildren) {
        child.Transform(m, angle);
        if (child.FKind == skCircle || child.FKind == skText)
            child.CalcBounds(scale);
    }
    return true;
}

void TPolygon::CalcGroupBounds(float scale)
{
    // A group's box is the one a single shape holding all its children's points would get; with no
    // points at all the group keeps its bounds, as such a shape would.
    TPolygon all;
    for (const TPolygon& child : FChildren)
        all.FPoints.insert(all.FPoints.end(), child.FPoints.begin(), child.FPoints.end());
    all.FBounds = FBounds;
    all.CalcBounds(scale);
    FBounds = all.FBounds;
    FDevRect = all.FDevRect;
}

} // namespace korvo
