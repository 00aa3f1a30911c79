#include "document/drawing.h"

#include "document/shared_settings.h"
#include "geometry/rounding.h"
#include "geometry/union_bounds.h"
#include "shapes/shape_kind_traits.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

namespace korvo {

namespace {

    // Line-like shapes are hit within 4 pixels across their length, strictly between their ends.
    constexpr std::int64_t LineReach = 4;

    bool IsFlat(const TRect& r) { return r.Top == r.Bottom; }
    bool IsUpright(const TRect& r) { return r.Left == r.Right; }

    // The tests for line-like boxes; nothing when the box is neither flat nor upright.
    std::optional<bool> HitsLineLike(const TRect& r, std::int64_t px, std::int64_t py)
    {
        if (IsFlat(r))
            return std::llabs(r.Top - py) <= LineReach && r.Left < px && px < r.Right;
        if (IsUpright(r))
            return std::llabs(r.Left - px) <= LineReach && r.Top < py && py < r.Bottom;
        return std::nullopt;
    }

    bool BoxHolds(const TRect& r, std::int64_t px, std::int64_t py)
    {
        return px >= r.Left && px < r.Right && py >= r.Top && py < r.Bottom;
    }

    // Which handle a line-like shape offers for a hit on handle `grip`: the ends only.
    THandle LineHandle(const TRect& r, int grip)
    {
        if (IsFlat(r)) {
            if (grip == 0 || grip == 6 || grip == 7)
                return THandle::Left;
            return grip >= 2 && grip <= 4 ? THandle::Right : THandle::MoveOnly;
        }
        if (grip <= 2)
            return THandle::Top;
        return grip >= 4 && grip <= 6 ? THandle::Bottom : THandle::MoveOnly;
    }

} // namespace

int TDrawing::ShapeAt(int x, int y) const
{
    const std::int64_t px = static_cast<std::int64_t>(x) + FScrollX;
    const std::int64_t py = static_cast<std::int64_t>(y) + FScrollY;
    for (int i = ShapeCount() - 1; i >= 0; --i) {
        const TPolygon& shape = *FShapes[static_cast<std::size_t>(i)];
        const TRect& r = shape.FDevRect;
        bool hit;
        if (const auto line = HitsLineLike(r, px, py))
            hit = *line;
        else if (shape.ChildCount() > 0 || KindTraits(shape.FKind).Hit == THitFamily::Box)
            hit = BoxHolds(r, px, py);
        else
            // The device outline lies within a pixel of the box, so a point further out cannot hit it.
            hit = BoxHolds({ r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1 }, px, py)
                && shape.ContainsPoint(x, y, FScrollX, FScrollY, FScale);
        if (hit)
            return i;
    }
    return -1;
}

int TDrawing::SelectedAt(int x, int y) const
{
    const std::int64_t px = static_cast<std::int64_t>(x) + FScrollX;
    const std::int64_t py = static_cast<std::int64_t>(y) + FScrollY;
    for (int i = SelCount() - 1; i >= 0; --i) {
        const TRect& r = FSelection[static_cast<std::size_t>(i)]->FDevRect;
        if (HitsLineLike(r, px, py).value_or(BoxHolds(r, px, py)))
            return i;
    }
    return -1;
}

THandle TDrawing::HandleAt(int x, int y, int& index) const
{
    index = -1;
    for (auto it = FSelection.rbegin(); it != FSelection.rend(); ++it) {
        const TPolygon& shape = **it;
        // A selected text offers no handles, and hides those of shapes selected before it.
        if (shape.FKind == skText)
            return THandle::None;
        for (int grip = 0; grip < 8; ++grip) {
            if (!shape.GetGripRect(grip).Offset(-FScrollX, -FScrollY).Contains(x, y))
                continue;
            index = IndexOf(&shape);
            const TRect& r = shape.FDevRect;
            return IsFlat(r) || IsUpright(r) ? LineHandle(r, grip) : static_cast<THandle>(grip);
        }
    }
    return THandle::None;
}

int TDrawing::NodeAt(int x, int y, int& index) const
{
    const TMMPoint p = DeviceToMM(x, y);
    for (int i = ShapeCount() - 1; i >= 0; --i) {
        const int node = FShapes[static_cast<std::size_t>(i)]->FindNode(p, FScale);
        if (node != -1) {
            index = i;
            return node;
        }
    }
    index = ShapeAt(x, y);
    return -1;
}

TRect TDrawing::GetShapeRect(int index) const
{
    if (!ValidIndex(index))
        return {};
    return FShapes[static_cast<std::size_t>(index)]->FDevRect.Offset(-FScrollX, -FScrollY);
}

TRect TDrawing::GetSelectionBounds() const
{
    TRect bounds {};
    for (const TPolygon* shape : FSelection)
        bounds = UnionBounds(bounds, shape->FDevRect);
    return bounds;
}

TRect TDrawing::GetDrawingBounds() const
{
    TRect bounds {};
    for (const TShapePtr& shape : FShapes)
        bounds = UnionBounds(bounds, shape->FDevRect);
    return bounds;
}

bool TDrawing::GetSelectionExtent(TMMRect& extent) const
{
    if (FSelection.empty())
        return false;
    extent = FSelection.front()->FBounds;
    for (const TPolygon* shape : FSelection) {
        const TMMRect& b = shape->FBounds;
        extent = { std::min(extent.Left, b.Left), std::min(extent.Top, b.Top), std::max(extent.Right, b.Right),
            std::max(extent.Bottom, b.Bottom) };
    }
    return true;
}

int TDrawing::FirstSelectedGroup() const
{
    const auto it = std::find_if(FSelection.begin(), FSelection.end(), [](const TPolygon* s) { return s->IsGroup(); });
    return it == FSelection.end() ? -1 : static_cast<int>(it - FSelection.begin());
}

bool TDrawing::SelectionHasLines() const
{
    return std::any_of(
        FSelection.begin(), FSelection.end(), [](const TPolygon* s) { return KindTraits(s->FKind).IsLine; });
}

void TDrawing::ToggleSelected(int index)
{
    if (!ValidIndex(index))
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Selection);
    TPolygon* shape = FShapes[static_cast<std::size_t>(index)].get();
    const auto it = std::find(FSelection.begin(), FSelection.end(), shape);
    if (it == FSelection.end()) {
        shape->CalcGrips();
        FSelection.push_back(shape);
    } else {
        FSelection.erase(it);
    }
    Modified();
}

void TDrawing::SelectAll()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Selection);
    DropSelection();
    for (const TShapePtr& shape : FShapes) {
        shape->CalcGrips();
        FSelection.push_back(shape.get());
    }
    Modified();
}

void TDrawing::SelectInRect(int x1, int y1, int x2, int y2)
{
    const TDrawingUpdate update(*this);
    const TRect area
        = TRect { std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2) }.Offset(FScrollX, FScrollY);
    std::unordered_set<const TPolygon*> selected(FSelection.begin(), FSelection.end());
    for (const TShapePtr& slot : FShapes) {
        const TRect& r = slot->FDevRect;
        bool meets;
        if (IsFlat(r))
            meets = area.Contains(r.Left, r.Top) || area.Contains(r.Right, r.Top);
        else if (IsUpright(r))
            meets = area.Contains(r.Left, r.Top) || area.Contains(r.Left, r.Bottom);
        else
            meets = std::max(r.Left, area.Left) < std::min(r.Right, area.Right)
                && std::max(r.Top, area.Top) < std::min(r.Bottom, area.Bottom);
        if (meets && selected.insert(slot.get()).second) {
            Touch(TDrawingChange::Selection);
            FSelection.push_back(slot.get());
        }
    }
}

} // namespace korvo
