#include "document/drawing.h"

#include "document/shared_settings.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace korvo {

namespace {
    // A step is dropped as soon as the history reaches this many, so at most nine are kept.
    constexpr std::size_t UndoLimit = 10;
}

TDrawing::TDrawing(TErrorReporter* reporter)
    : FReporter(reporter)
{
}

void TDrawing::EndUpdate()
{
    if (--FUpdateDepth > 0 || !FPending)
        return;
    const TDrawingChanges changes = FPending;
    FPending = {};
    emit Changed(changes);
}

void TDrawing::Touch(TDrawingChanges changes)
{
    FPending |= changes;
    if (changes & TDrawingChange::Shapes)
        FShapesChanged = true;
    // A step undone holds the whole drawing as it was before the undo: redone after another change,
    // it would silently throw that change away.
    if (changes & TDrawingChange::Shapes && !FRedoList.empty()) {
        FRedoList.clear();
        FPending |= TDrawingChange::History;
    }
}

void TDrawing::ReportShapes(const TShapeSplice& splice)
{
    if (splice.Removed == 0 && splice.Added == 0)
        return;
    Touch(TDrawingChange::Shapes);
    FPainted.Splice(splice);
    if (!FUndoList.empty())
        FUndoList.back().FChanged = Then(FUndoList.back().FChanged, splice);
}

void TDrawing::SetDocState(TDocState state)
{
    const TDrawingUpdate update(*this);
    if (DocState != state)
        Touch(TDrawingChange::DocState);
    DocState = state;
}

void TDrawing::Modified()
{
    const TDocState before = DocState;
    MarkModified();
    if (DocState != before)
        Touch(TDrawingChange::DocState);
}

int TDrawing::IndexOf(const TPolygon* shape) const
{
    const auto it
        = std::find_if(FShapes.begin(), FShapes.end(), [shape](const TShapePtr& s) { return s.get() == shape; });
    return it == FShapes.end() ? -1 : static_cast<int>(it - FShapes.begin());
}

void TDrawing::Clear()
{
    const TDrawingUpdate update(*this);
    ClearSelection();
    ClearShapes();
    ClearUndo();
}

void TDrawing::ClearShapes()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes | TDrawingChange::Selection | TDrawingChange::Order);
    ReportShapes({ 0, FShapes.size(), 0 });
    FSelection.clear();
    FShapes.clear();
}

void TDrawing::DropSelection()
{
    if (!FSelection.empty())
        Touch(TDrawingChange::Selection);
    for (TPolygon* shape : FSelection)
        shape->FSelNode = -1;
    FSelection.clear();
}

void TDrawing::ClearSelection()
{
    const TDrawingUpdate update(*this);
    DropSelection();
}

void TDrawing::ClearUndo()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::History);
    FUndoList.clear();
    FRedoList.clear();
}

void TDrawing::SetScale(float scale)
{
    const TDrawingUpdate update(*this);
    if (scale != FScale)
        Touch(TDrawingChange::View);
    FScale = scale;
    RefreshShapes();
}

void TDrawing::RefreshShapes()
{
    // Device bounds are caches, so they may be refreshed on shapes an undo step shares.
    for (const TShapePtr& shape : FShapes)
        Refresh(*shape);
}

TUndoObject TDrawing::Snapshot(int label) const
{
    TUndoObject step;
    step.FLabel = label;
    step.FShapes = FShapes;
    const std::unordered_set<const TPolygon*> selected(FSelection.begin(), FSelection.end());
    for (std::size_t i = 0; i < FShapes.size() && !selected.empty(); ++i) {
        if (selected.count(FShapes[i].get()))
            step.FSelected.push_back(i);
    }
    return step;
}

void TDrawing::SaveUndo(TUndoLabel label)
{
    FUndoList.push_back(Snapshot(label));
    if (FUndoList.size() >= UndoLimit)
        FUndoList.erase(FUndoList.begin());
    Touch(TDrawingChange::History);
    Modified();
}

QString TDrawing::GetUndoCaption() const { return FUndoList.empty() ? tr("Undo") : UndoLabel(FUndoList.back().FLabel); }

QString TDrawing::GetRedoCaption() const { return FRedoList.empty() ? tr("Redo") : RedoLabel(FRedoList.back().FLabel); }

void TDrawing::Undo() { StepThrough(FUndoList, FRedoList); }

void TDrawing::Redo() { StepThrough(FRedoList, FUndoList); }

void TDrawing::StepThrough(std::vector<TUndoObject>& from, std::vector<TUndoObject>& to)
{
    if (from.empty())
        return;
    const TDrawingUpdate update(*this);
    // Noted directly rather than through Touch: this change of the shapes moves through the history
    // and must keep the steps still to be redone.
    FPending |= TDrawingChange::Shapes | TDrawingChange::Order | TDrawingChange::Selection | TDrawingChange::History;
    FShapesChanged = true;
    TUndoObject step = std::move(from.back());
    from.pop_back();
    // Steps only move between the two lists, and recording a new one empties the steps to redo, so
    // together they never hold more than the undo history's bound.
    TUndoObject back = Snapshot(step.FLabel);
    // The shapes the step's edits changed are the ones that change back; the way back is the step's
    // edits undone.
    if (step.FChanged) {
        back.FChanged = step.FChanged->Inverse();
        FPainted.Splice(*back.FChanged);
    }
    to.push_back(std::move(back));
    DropSelection();
    FShapes = std::move(step.FShapes);
    // The node selection belongs to the editing session, not to the step.
    for (const TShapePtr& shape : FShapes)
        shape->FSelNode = -1;
    for (std::size_t index : step.FSelected)
        FSelection.push_back(FShapes[index].get());
    RefreshShapes();
    // What is on screen now differs from the saved file, whatever state the document was in.
    Modified();
}

TPolygon& TDrawing::Edit(int index)
{
    ReportShapes(TShapeSplice::InPlace(static_cast<std::size_t>(index)));
    TShapePtr& slot = FShapes[static_cast<std::size_t>(index)];
    if (slot.use_count() > 1) {
        auto copy = std::make_shared<TPolygon>(*slot);
        std::replace(FSelection.begin(), FSelection.end(), slot.get(), copy.get());
        slot = std::move(copy);
    }
    return *slot;
}

void TDrawing::EditSelection()
{
    std::unordered_map<const TPolygon*, std::size_t> position;
    for (std::size_t i = 0; i < FSelection.size(); ++i)
        position.emplace(FSelection[i], i);
    // Reported as runs of neighbours in the list, a whole selection as one.
    std::size_t run = 0;
    for (std::size_t i = 0; i < FShapes.size(); ++i) {
        TShapePtr& slot = FShapes[i];
        const auto it = position.find(slot.get());
        if (it == position.end()) {
            ReportShapes(TShapeSplice::InPlace(run, i - run));
            run = i + 1;
            continue;
        }
        if (slot.use_count() == 1)
            continue;
        auto copy = std::make_shared<TPolygon>(*slot);
        FSelection[it->second] = copy.get();
        slot = std::move(copy);
    }
    ReportShapes(TShapeSplice::InPlace(run, FShapes.size() - run));
}

TShapeList TDrawing::TakeSelection()
{
    Touch(TDrawingChange::Shapes | TDrawingChange::Order);
    std::unordered_map<const TPolygon*, std::size_t> position;
    for (std::size_t i = 0; i < FSelection.size(); ++i)
        position.emplace(FSelection[i], i);
    TShapeList taken(FSelection.size());
    TShapeList kept;
    kept.reserve(FShapes.size() - FSelection.size());
    // Runs of neighbours taken out, reported from the back so each one's indices still hold.
    std::vector<TShapeSplice> runs;
    for (std::size_t i = 0; i < FShapes.size(); ++i) {
        const auto it = position.find(FShapes[i].get());
        if (it == position.end()) {
            kept.push_back(std::move(FShapes[i]));
        } else {
            taken[it->second] = std::move(FShapes[i]);
            if (runs.empty() || runs.back().At + runs.back().Removed != i)
                runs.push_back({ i, 0, 0 });
            ++runs.back().Removed;
        }
    }
    std::for_each(runs.rbegin(), runs.rend(), [this](const TShapeSplice& run) { ReportShapes(run); });
    FShapes = std::move(kept);
    FSelection.clear();
    return taken;
}

void TDrawing::PutInFront(TShapePtr shape)
{
    ReportShapes({ FShapes.size(), 0, 1 });
    FShapes.push_back(std::move(shape));
}

void TDrawing::Append(TShapePtr shape, bool select)
{
    Refresh(*shape);
    PutInFront(std::move(shape));
    if (select)
        SelectAlone(FShapes.back().get());
}

void TDrawing::SelectAlone(TPolygon* shape)
{
    DropSelection();
    Touch(TDrawingChange::Selection);
    FSelection.push_back(shape);
}

void TDrawing::SaveFile(const QString& fileName)
{
    WriteDrawingFile(fileName, FShapes);
    SetDocState(dsSaved);
}

void TDrawing::LoadFile(const QString& fileName) { LoadShapes(ReadDrawingFile(fileName, FScale)); }

void TDrawing::LoadShapes(TShapeList shapes)
{
    const TDrawingUpdate update(*this);
    Clear();
    ReportShapes({ 0, 0, shapes.size() });
    FShapes.swap(shapes);
    SetDocState(dsSaved);
}

} // namespace korvo
