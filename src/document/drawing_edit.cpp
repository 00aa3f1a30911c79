#include "document/drawing.h"

#include "document/shared_settings.h"

#include <algorithm>

namespace korvo {

namespace {

    // Graph paper keeps its major-line choice in its font colour.
    constexpr TColour EveryFifthLine = 0xFF0000;
    constexpr TColour EveryTenthLine = 255;

    // Deleting a node of a shape with just these many points deletes the whole shape instead.
    constexpr int MinPolygonPoints = 2;
    constexpr int MinCurvePoints = 4;

} // namespace

void TDrawing::SetText(const QByteArray& text, const TShapeFont& font, int index)
{
    if (!ValidIndex(index) || GetShapeKind(index) != skText)
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    const TRect frame = GetShapeRect(index);
    TPolygon& shape = Edit(index);
    shape.FText = text;
    shape.SetFont(font);
    shape.FFont.SetSize(font.Size() + 2);
    FitTextFrame(shape, frame.Left, frame.Top);
    Refresh(shape);
    Modified();
}

TPaperSettings TDrawing::GetPaperSettings(int index) const
{
    if (!ValidIndex(index))
        return {};
    const TShapeFont& font = FShapes[static_cast<std::size_t>(index)]->FFont;
    const int major = font.Colour == EveryTenthLine ? 2 : font.Colour == EveryFifthLine ? 1 : 0;
    return { font.Size(), major };
}

void TDrawing::SetPaperSettings(int index, const TPaperSettings& settings)
{
    if (!ValidIndex(index))
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    TShapeFont& font = Edit(index).FFont;
    font.SetSize(settings.SquareSize);
    font.Colour = settings.MajorLines == 1 ? EveryFifthLine : settings.MajorLines == 2 ? EveryTenthLine : clBlack;
    Modified();
}

int TDrawing::GetShapeKind(int index) const
{
    return ValidIndex(index) ? FShapes[static_cast<std::size_t>(index)]->FKind : -1;
}

void TDrawing::SetShapeKind(int index, std::int32_t kind)
{
    if (!ValidIndex(index))
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    Edit(index).SetKind(kind);
    Modified();
}

TPointArray TDrawing::GetShapePoints(int index) const
{
    if (!ValidIndex(index))
        return {};
    return FShapes[static_cast<std::size_t>(index)]->GetDevicePoints(FScrollX, FScrollY, FScale);
}

void TDrawing::SetShapePoints(int index, const TPointArray& points)
{
    // A group has no points of its own to replace.
    if (!ValidIndex(index) || points.empty() || FShapes[static_cast<std::size_t>(index)]->IsGroup())
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulEditNode);
    TPolygon& shape = Edit(index);
    shape.FPoints.clear();
    for (const QPoint& p : points)
        shape.FPoints.push_back(PointToMM(p));
    Refresh(shape);
}

int TDrawing::GetSelectedNode(int index) const
{
    return ValidIndex(index) ? FShapes[static_cast<std::size_t>(index)]->FSelNode : -1;
}

void TDrawing::SetSelectedNode(int index, int node)
{
    // The picked node is editing state, not part of the drawing, so no copy is needed.
    if (!ValidIndex(index))
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Selection);
    FShapes[static_cast<std::size_t>(index)]->FSelNode = node;
}

void TDrawing::InsertNodeWith(int index, int node, bool (TPolygon::*insert)(int))
{
    if (!ValidIndex(index))
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulAddNode);
    TPolygon& shape = Edit(index);
    if ((shape.*insert)(node))
        Refresh(shape);
}

void TDrawing::AddNode(int index, int node) { InsertNodeWith(index, node, &TPolygon::InsertNode); }

void TDrawing::AddCurveNode(int index, int node) { InsertNodeWith(index, node, &TPolygon::InsertCurveNode); }

void TDrawing::DeleteNodeOrShape(int index, int minimumPoints, bool (TPolygon::*remove)())
{
    if (!ValidIndex(index))
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes | TDrawingChange::Selection);
    SaveUndo(ulDeleteNode);
    // Only a shape down to its last segment goes whole; a group has no points and is not one.
    if (FShapes[static_cast<std::size_t>(index)]->PointCount() == minimumPoints) {
        const TPolygon* shape = FShapes[static_cast<std::size_t>(index)].get();
        FSelection.erase(std::remove(FSelection.begin(), FSelection.end(), shape), FSelection.end());
        Touch(TDrawingChange::Order);
        ReportShapes({ static_cast<std::size_t>(index), 1, 0 });
        FShapes.erase(FShapes.begin() + index);
        return;
    }
    TPolygon& shape = Edit(index);
    if ((shape.*remove)())
        Refresh(shape);
}

void TDrawing::DeleteNode(int index) { DeleteNodeOrShape(index, MinPolygonPoints, &TPolygon::RemoveNode); }

void TDrawing::DeleteCurveNode(int index) { DeleteNodeOrShape(index, MinCurvePoints, &TPolygon::RemoveCurveNode); }

bool TDrawing::ConvertCircle(int index, int n, bool (TPolygon::*convert)(int))
{
    if (!ValidIndex(index))
        return false;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulCurveToPolygon);
    if (GetShapeKind(index) != skCircle)
        return false;
    TPolygon& shape = Edit(index);
    if (!(shape.*convert)(n))
        return false;
    Refresh(shape);
    return true;
}

bool TDrawing::ConvertToRegularPolygon(int index, int sides)
{
    return ConvertCircle(index, sides, &TPolygon::ToRegularPolygon);
}

bool TDrawing::ConvertToStar(int index, int points) { return ConvertCircle(index, points, &TPolygon::ToStar); }

void TDrawing::ConvertKind(int index, std::int32_t kind, TUndoLabel label)
{
    // A group given another kind would neither paint its children nor ungroup.
    if (!ValidIndex(index) || FShapes[static_cast<std::size_t>(index)]->IsGroup())
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(label);
    Edit(index).SetKind(kind);
}

void TDrawing::ConvertToPolygon(int index) { ConvertKind(index, skPolygon, ulConvertToPolygon); }

void TDrawing::ConvertToOpenPolygon(int index) { ConvertKind(index, skOpenPolygon, ulConvertToOpenPolygon); }

void TDrawing::OpenCurve(int index) { ConvertKind(index, skOpenCurve, ulConvertToOpenCurve); }

bool TDrawing::ConvertToCurve(int index, bool closed)
{
    if (!ValidIndex(index))
        return false;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(closed ? ulConvertToClosedCurve : ulConvertToOpenCurve);
    TPolygon& shape = Edit(index);
    if (shape.PolygonToCurve(closed))
        Refresh(shape);
    return true;
}

bool TDrawing::ConvertCurveToPolygon(int index, bool closed)
{
    if (!ValidIndex(index))
        return false;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulCurveToPolygon);
    TPolygon& shape = Edit(index);
    if (shape.CurveToPolygon(closed))
        Refresh(shape);
    return true;
}

void TDrawing::CloseCurve(int index)
{
    if (!ValidIndex(index) || FShapes[static_cast<std::size_t>(index)]->IsGroup())
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(ulConvertToClosedCurve);
    TPolygon& shape = Edit(index);
    if (!shape.InsertCurveNode(shape.PointCount() - 1))
        return;
    shape.FPoints.back() = shape.FPoints.front();
    Refresh(shape);
    shape.SetKind(skClosedCurve);
    shape.FSelNode = -1;
}

void TDrawing::RestyleSelection(TUndoLabel label, const std::function<void(TPolygon&)>& restyle)
{
    // Nothing selected is nothing changed: no undo step, and the drawing stays unmodified.
    if (FSelection.empty())
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Shapes);
    SaveUndo(label);
    EditSelection();
    for (TPolygon* shape : FSelection)
        restyle(*shape);
}

void TDrawing::SetFillColour(TColour colour)
{
    RestyleSelection(ulFillColour, [colour](TPolygon& shape) {
        if (shape.IsGroup())
            shape.SetGroupFill(colour);
        else if (shape.FKind == skText)
            shape.FFont.Colour = colour;
        else
            shape.FBrush.SetFill(colour);
    });
}

void TDrawing::SetLineColour(TColour colour)
{
    RestyleSelection(ulLineColour, [colour](TPolygon& shape) { shape.ApplyLineColour(colour); });
}

void TDrawing::SetLineStyle(std::uint8_t style, std::int32_t width)
{
    RestyleSelection(ulLineStyle, [style, width](TPolygon& shape) { shape.ApplyLineStyle(style, width); });
}

void TDrawing::SetPenStyle(std::uint8_t style)
{
    RestyleSelection(ulLineStyle, [style](TPolygon& shape) { shape.ApplyPenStyle(style); });
}

void TDrawing::SetLineEnding(std::uint8_t ending)
{
    RestyleSelection(ulLineEnding, [ending](TPolygon& shape) { shape.FLineEnd = ending; });
}

} // namespace korvo
