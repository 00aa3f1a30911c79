#include "shapes/polygon.h"

#include "geometry/union_bounds.h"

namespace korvo {

void TPolygon::UniteDevRect(const TRect& other, float scale)
{
    FDevRect = UnionBounds(FDevRect, other);
    const auto mm = [scale](std::int32_t pixels) { return static_cast<float>(pixels / static_cast<double>(scale)); };
    FBounds = { mm(FDevRect.Left), mm(FDevRect.Top), mm(FDevRect.Right), mm(FDevRect.Bottom) };
    CalcGrips();
}

void TPolygon::AddToGroup(TPolygon shape, float scale)
{
    const TRect added = shape.FDevRect;
    if (shape.IsGroup())
        MergeGroup(shape, scale);
    else
        FChildren.push_back(std::move(shape));
    UniteDevRect(added, scale);
}

void TPolygon::MergeGroup(TPolygon& other, float scale)
{
    for (TPolygon& child : other.FChildren) {
        FDevRect = UnionBounds(FDevRect, child.FDevRect);
        FChildren.push_back(std::move(child));
    }
    other.FChildren.clear();
    UniteDevRect(other.FDevRect, scale);
}

void TPolygon::SetGroupFill(TColour colour)
{
    for (TPolygon& child : FChildren)
        child.FBrush.SetFill(colour);
}

void TPolygon::RecalcChildBounds(bool all, float scale)
{
    for (TPolygon& child : FChildren) {
        if (all || child.FKind == skCircle || child.FKind == skText)
            child.CalcBounds(scale);
    }
}

template <class F> void TPolygon::ForSelfAndChildren(F change)
{
    change(*this);
    for (TPolygon& child : FChildren)
        child.ForSelfAndChildren(change);
}

void TPolygon::ApplyLineStyle(std::uint8_t style, std::int32_t width)
{
    ForSelfAndChildren([=](TPolygon& s) {
        s.FPen.Style = style;
        s.FPen.Width = width;
    });
}

void TPolygon::ApplyPenStyle(std::uint8_t style)
{
    ForSelfAndChildren([=](TPolygon& s) { s.FPen.Style = style; });
}

void TPolygon::ApplyLineColour(TColour colour)
{
    ForSelfAndChildren([=](TPolygon& s) {
        s.FPen.Style = psSolid;
        s.FPen.Colour = colour;
    });
}

} // namespace korvo
