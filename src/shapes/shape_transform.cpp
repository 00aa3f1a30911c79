#include "shapes/polygon.h"

#include "geometry/rounding.h"
#include "shapes/shape_geometry.h"

#include <utility>

namespace korvo {

namespace {

    constexpr int TextFramePoints = 4;

    float PixelToMM(std::int32_t pixel, int offset, float scale)
    {
        return static_cast<float>((static_cast<double>(offset) + pixel) / scale);
    }

    // One axis of the bounds after a handle drag: when the low edge's device position is where the
    // drag rectangle starts, that edge stayed and the high edge follows the handle; otherwise the low
    // edge moved. The result may be reversed when a handle was dragged across the opposite edge.
    std::pair<float, float> DraggedEdges(
        float low, float high, std::int32_t newLow, std::int32_t newHigh, int offset, float scale)
    {
        const std::int64_t lowPixel = static_cast<std::int64_t>(Round(static_cast<double>(low) * scale)) - offset;
        if (lowPixel == newLow)
            return { low, PixelToMM(newHigh, offset, scale) };
        return { PixelToMM(newLow, offset, scale), high };
    }

    // Dragging an edge onto the opposite one would flatten the shape for good.
    bool Flattens(float oldLow, float oldHigh, float newLow, float newHigh)
    {
        return newHigh - newLow == 0 && oldHigh - oldLow != 0;
    }

} // namespace

void TPolygon::MapPoints(const TMatrix& m)
{
    for (TMMPoint& p : FPoints)
        p = TransformPoint(p, m);
}

// Text is never distorted: its first point follows the matrix and the frame keeps its old size.
void TPolygon::ScaleShape(const TMatrix& m)
{
    if (FKind != skText) {
        MapPoints(m);
        return;
    }
    if (PointCount() < TextFramePoints)
        return;
    const double w = static_cast<double>(FPoints[3].X) - FPoints[0].X;
    const double h = static_cast<double>(FPoints[1].Y) - FPoints[0].Y;
    const TMMPoint p0 = TransformPoint(FPoints[0], m);
    const auto right = static_cast<float>(p0.X + w);
    const auto bottom = static_cast<float>(p0.Y + h);
    FPoints[0] = p0;
    FPoints[1] = { p0.X, bottom };
    FPoints[2] = { right, bottom };
    FPoints[3] = { right, p0.Y };
}

bool TPolygon::MoveBy(float dx, float dy, float scale)
{
    const TMatrix shift = TranslationMatrix(dx, dy);
    if (!CanTransform(shift))
        return false;
    MapPoints(shift);
    CalcBounds(scale);
    CalcGrips();
    return true;
}

bool TPolygon::MoveGroupBy(float dx, float dy, float scale)
{
    const TMatrix shift = TranslationMatrix(dx, dy);
    if (!CanTransform(shift))
        return false;
    for (TPolygon& child : FChildren) {
        child.MapPoints(shift);
        if (child.FKind == skCircle || child.FKind == skText)
            child.CalcBounds(scale);
    }
    const TMMPoint topLeft = TransformPoint({ FBounds.Left, FBounds.Top }, shift);
    const TMMPoint bottomRight = TransformPoint({ FBounds.Right, FBounds.Bottom }, shift);
    SetBoundsDirectly({ topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y }, scale);
    CalcGrips();
    return true;
}

// Serves both the shape and the group version: a shape has no children and a group no points of its
// own, so each maps only what it has.
bool TPolygon::ResizeByHandle(const TRect& r, int offsetX, int offsetY, float scale)
{
    if (!IsUsableScale(scale) || !HasFiniteGeometry())
        return false;
    const TMMRect b = FBounds;
    auto [left, right] = DraggedEdges(b.Left, b.Right, r.Left, r.Right, offsetX, scale);
    auto [top, bottom] = DraggedEdges(b.Top, b.Bottom, r.Top, r.Bottom, offsetY, scale);
    if (Flattens(b.Left, b.Right, left, right) || Flattens(b.Top, b.Bottom, top, bottom))
        return false;
    const TMatrix m = ResizeMatrix(b, { left, top, right, bottom });
    MapPoints(m);
    for (TPolygon& child : FChildren) {
        child.ScaleShape(m);
        if (child.FKind == skText)
            child.CalcBounds(scale);
    }
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    SetBoundsDirectly({ left, top, right, bottom }, scale);
    CalcGrips();
    return true;
}

bool TPolygon::ResizeTo(const TRect& r, int offsetX, int offsetY, float scale)
{
    return ResizeByHandle(r, offsetX, offsetY, scale);
}

bool TPolygon::ResizeGroupTo(const TRect& r, int offsetX, int offsetY, float scale)
{
    return ResizeByHandle(r, offsetX, offsetY, scale);
}

bool TPolygon::ApplyScale(const TMatrix& m, float scale)
{
    if (!CanTransform(m))
        return false;
    ScaleShape(m);
    CalcBounds(scale);
    CalcGrips();
    return true;
}

bool TPolygon::ApplyGroupScale(const TMatrix& m, float scale)
{
    if (!CanTransform(m))
        return false;
    for (TPolygon& child : FChildren) {
        child.ScaleShape(m);
        child.CalcBounds(scale);
    }
    return true;
}

} // namespace korvo
