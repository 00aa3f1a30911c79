#include "document/drawing.h"

#include "document/shared_settings.h"
#include "geometry/matrix.h"
#include "geometry/rounding.h"

#include <algorithm>
#include <unordered_map>

namespace korvo {

namespace {

    TRect ScaledRect(const TMMRect& r, float scale)
    {
        return { Round(static_cast<double>(r.Left) * scale), Round(static_cast<double>(r.Top) * scale),
            Round(static_cast<double>(r.Right) * scale), Round(static_cast<double>(r.Bottom) * scale) };
    }

    // How far box b moves to line it up with box a.
    TMMPoint AlignOffset(TAlignment alignment, const TMMRect& a, const TMMRect& b)
    {
        const auto half = [](double sum) { return static_cast<float>(sum / 2); };
        const float centreX = half(static_cast<double>(a.Left) + a.Right - b.Left - b.Right);
        const float centreY = half(static_cast<double>(a.Top) + a.Bottom - b.Top - b.Bottom);
        switch (alignment) {
        case TAlignment::Centres:
            return { centreX, centreY };
        case TAlignment::CentresOnVertical:
            return { centreX, 0 };
        case TAlignment::CentresOnHorizontal:
            return { 0, centreY };
        case TAlignment::Left:
            return { a.Left - b.Left, 0 };
        case TAlignment::Right:
            return { a.Right - b.Right, 0 };
        case TAlignment::Top:
            return { 0, a.Top - b.Top };
        case TAlignment::Bottom:
            return { 0, a.Bottom - b.Bottom };
        }
        return { 0, 0 };
    }

} // namespace

void TDrawing::RefreshChildren(TPolygon& shape) const
{
    // A group's transforms leave most children's own boxes behind; kept stale, they would be saved
    // as such and give wrong boxes to groups built from them later.
    if (shape.IsGroup())
        shape.CalcChildBounds(FScale);
}

void TDrawing::Refresh(TPolygon& shape) const
{
    shape.CalcBounds(FScale);
    shape.CalcGrips();
    RefreshChildren(shape);
}

void TDrawing::MoveShape(TPolygon& shape, float dx, float dy)
{
    if (shape.IsGroup())
        shape.MoveGroupBy(dx, dy, FScale);
    else
        shape.MoveBy(dx, dy, FScale);
    Refresh(shape);
}

void TDrawing::MoveSelection(int dx, int dy)
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    const auto mmX = static_cast<float>(dx / static_cast<double>(FScale));
    const auto mmY = static_cast<float>(dy / static_cast<double>(FScale));
    if (FMoveUndoPending) {
        SaveUndo(ulMoveSelection);
        FMoveUndoPending = false;
    }
    EditSelection();
    for (TPolygon* shape : FSelection)
        MoveShape(*shape, mmX, mmY);
    Modified();
}

void TDrawing::ResizeShape(int index, const TRect& rect)
{
    if (!ValidIndex(index))
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulResizeSelection);
    TPolygon& shape = Edit(index);
    if (shape.IsGroup())
        shape.ResizeGroupTo(rect, FScrollX, FScrollY, FScale);
    else
        shape.ResizeTo(rect, FScrollX, FScrollY, FScale);
    RefreshChildren(shape);
}

void TDrawing::PrepareTransform(TApplyTo target)
{
    if (target == TApplyTo::Copy)
        DuplicateSelection();
    else
        EditSelection();
}

void TDrawing::ScaleSelection(int percent, TApplyTo target)
{
    const TDrawingUpdate update(*this);
    TMMRect extent;
    if (!GetSelectionExtent(extent))
        return;
    const auto f = static_cast<float>(percent * 0.01);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulResizeSelection);
    const auto cx = static_cast<float>((static_cast<double>(extent.Left) + extent.Right) * 0.5);
    const auto cy = static_cast<float>((static_cast<double>(extent.Top) + extent.Bottom) * 0.5);
    const TMatrix m = ScaleMatrix(f, f, cx, cy);
    PrepareTransform(target);
    for (TPolygon* shape : FSelection) {
        if (!shape->IsGroup()) {
            shape->ApplyScale(m, FScale);
            continue;
        }
        if (!shape->ApplyGroupScale(m, FScale))
            continue;
        // The group's box scales about the same centre as its children.
        const TMMPoint topLeft = TransformPoint({ shape->FBounds.Left, shape->FBounds.Top }, m);
        const TMMPoint bottomRight = TransformPoint({ shape->FBounds.Right, shape->FBounds.Bottom }, m);
        shape->FBounds = { std::min(topLeft.X, bottomRight.X), std::min(topLeft.Y, bottomRight.Y),
            std::max(topLeft.X, bottomRight.X), std::max(topLeft.Y, bottomRight.Y) };
        shape->FDevRect = ScaledRect(shape->FBounds, FScale);
        shape->CalcGrips();
        RefreshChildren(*shape);
    }
}

void TDrawing::RotateSelectionBy(float angle, std::optional<TMMPoint> centre, TApplyTo target)
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulRotation);
    PrepareTransform(target);
    for (TPolygon* shape : FSelection) {
        if (shape->IsGroup()) {
            const bool turned = centre ? shape->RotateGroupAbout(angle, centre->X, centre->Y, FScale)
                                       : shape->RotateGroup(angle, FScale);
            if (turned)
                shape->CalcGroupBounds(FScale);
            RefreshChildren(*shape);
        } else if (centre ? shape->RotateAbout(angle, centre->X, centre->Y) : shape->Rotate(angle)) {
            shape->CalcBounds(FScale);
        }
        shape->CalcGrips();
    }
}

void TDrawing::RotateSelection(float angle) { RotateSelectionBy(angle, std::nullopt, TApplyTo::Selection); }

void TDrawing::RotateSelectionAboutCentre(float angle, TApplyTo target)
{
    RotateSelectionBy(angle, TMMPoint { FCentreX, FCentreY }, target);
}

void TDrawing::MirrorSelection(TMirrorAxis axis)
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulReflection);
    EditSelection();
    for (TPolygon* shape : FSelection) {
        shape->Mirror(axis == TMirrorAxis::Vertical, FScale);
        RefreshChildren(*shape);
    }
}

void TDrawing::AlignSelection(TAlignment alignment)
{
    const TDrawingUpdate update(*this);
    if (FSelection.empty())
        return;
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulAlignment);
    FMoveUndoPending = false;
    EditSelection();
    const TMMRect reference = FSelection.front()->FBounds;
    for (std::size_t i = 1; i < FSelection.size(); ++i) {
        const TMMPoint offset = AlignOffset(alignment, reference, FSelection[i]->FBounds);
        MoveShape(*FSelection[i], offset.X, offset.Y);
    }
}

void TDrawing::GroupSelection()
{
    const TDrawingUpdate update(*this);
    if (FSelection.size() < 2)
        return;
    Touch(TDrawingChange::Shapes | TDrawingChange::Selection);
    SaveUndo(ulGroupSelection);
    auto group = std::make_shared<TPolygon>();
    group->SetKind(skGroup);
    for (TShapePtr& shape : TakeSelection()) {
        // A shape an undo step still holds is copied; one only the drawing held is moved in whole.
        TPolygon child = shape.use_count() > 1 ? TPolygon(*shape) : std::move(*shape);
        // Leaving the selection ends node editing, as ClearSelection ends it for the others.
        child.FSelNode = -1;
        group->AddToGroup(std::move(child), FScale);
    }
    FSelection.push_back(group.get());
    PutInFront(std::move(group));
}

void TDrawing::UngroupSelection()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes | TDrawingChange::Selection);
    SaveUndo(ulUngroupSelection);
    for (TShapePtr& shape : TakeSelection()) {
        if (!shape->IsGroup()) {
            FSelection.push_back(shape.get());
            PutInFront(std::move(shape));
            continue;
        }
        const bool shared = shape.use_count() > 1;
        for (TPolygon& child : shape->FChildren) {
            auto freed = std::make_shared<TPolygon>(shared ? TPolygon(child) : std::move(child));
            Refresh(*freed);
            FSelection.push_back(freed.get());
            PutInFront(std::move(freed));
        }
    }
}

void TDrawing::BringToFront()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulMoveToFront);
    for (TShapePtr& shape : TakeSelection()) {
        FSelection.push_back(shape.get());
        PutInFront(std::move(shape));
    }
}

void TDrawing::SendToBack()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulMoveToBack);
    TShapeList taken = TakeSelection();
    for (const TShapePtr& shape : taken)
        FSelection.push_back(shape.get());
    // Each one goes to the very back in turn, so the last selected ends backmost.
    ReportShapes({ 0, 0, taken.size() });
    FShapes.insert(FShapes.begin(), std::make_move_iterator(taken.rbegin()), std::make_move_iterator(taken.rend()));
}

void TDrawing::StepSelection(int step)
{
    Touch(TDrawingChange::Order);
    std::unordered_map<const TPolygon*, std::size_t> position;
    for (std::size_t i = 0; i < FShapes.size(); ++i)
        position.emplace(FShapes[i].get(), i);
    for (const TPolygon* shape : FSelection) {
        const std::size_t i = position[shape];
        const std::size_t j = i + static_cast<std::size_t>(step);
        if (j >= FShapes.size())
            continue;
        ReportShapes(TShapeSplice::InPlace(std::min(i, j), 2));
        std::swap(FShapes[i], FShapes[j]);
        position[FShapes[i].get()] = i;
        position[FShapes[j].get()] = j;
    }
}

void TDrawing::BringForward()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulMoveForwardOne);
    StepSelection(1);
}

void TDrawing::SendBackward()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulMoveBackOne);
    StepSelection(-1);
}

void TDrawing::DeleteSelection()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes | TDrawingChange::Selection);
    SaveUndo(ulDeleteSelection);
    TakeSelection();
}

} // namespace korvo
