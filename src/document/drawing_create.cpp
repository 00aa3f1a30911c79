#include "document/drawing.h"

#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/code_page.h"
#include "shapes/shape_kind_traits.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    // The polygon toolbar offers far fewer; this only keeps a wild caller from allocating without end.
    constexpr int MaxRegularPolygonSides = 1000;

    TUndoLabel BoxLabel(TTool tool)
    {
        switch (tool) {
        case TTool::Circle:
            return ulCreateCircle;
        case TTool::TubeBend:
            return ulCreateTube;
        case TTool::Sine:
            return ulCreateSine;
        default:
            return ulCreateRectangle;
        }
    }

    // The lines of a text as the platform's text measurement breaks them: at CR LF, CR or LF.
    QList<QByteArray> TextLines(const QByteArray& text)
    {
        QList<QByteArray> lines { QByteArray() };
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                lines.append(QByteArray());
            } else {
                lines.back().append(c);
            }
        }
        return lines;
    }

} // namespace

void TDrawing::SetDrawPoint(int x, int y, int index)
{
    // Points are placed one after another; an index further on would leave holes at the origin.
    if (index < 0 || static_cast<std::size_t>(index) > FDrawPoints.size())
        return;
    FDrawPoints.resize(static_cast<std::size_t>(index) + 1);
    FDrawPoints[static_cast<std::size_t>(index)] = DeviceToMM(x, y);
}

TPointArray TDrawing::GetDrawPoints() const
{
    TPointArray points;
    for (const TMMPoint& p : FDrawPoints)
        points.push_back(MMToPoint(p.X, p.Y));
    return points;
}

bool TDrawing::AddPolyShape(std::int32_t kind, const TBrush& brush, const TPen& pen)
{
    if (FDrawPoints.size() <= 1)
        return false;
    const TDrawingUpdate update(*this);
    SaveUndo(kind == skPolyline ? ulCreatePolyline : ulCreatePolygon);
    auto shape = std::make_shared<TPolygon>();
    shape->SetKind(kind);
    shape->FBrush = brush;
    shape->FPen = pen;
    shape->FPoints = FDrawPoints;
    Append(std::move(shape), true);
    return true;
}

void TDrawing::AddBoxShape(const TRect& rect, TTool tool, const TBrush& brush, const TPen& pen)
{
    const TRect r { std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom), std::max(rect.Left, rect.Right),
        std::max(rect.Top, rect.Bottom) };
    const std::optional<std::int32_t> kind = KindMadeBy(tool);
    // A box without extent would make a shape nobody can see or pick; a tool that draws no kind makes none.
    if (r.IsEmpty() || !kind)
        return;
    const TDrawingUpdate update(*this);
    SaveUndo(BoxLabel(tool));
    const TMMPoint topLeft = DeviceToMM(r.Left, r.Top);
    const TMMPoint bottomRight = DeviceToMM(r.Right, r.Bottom);
    const TMMRect box { topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y };
    auto shape = std::make_shared<TPolygon>();
    shape->FBrush = brush;
    shape->FPen = pen;
    shape->SetKind(*kind == skTube && r.Right - r.Left < r.Bottom - r.Top ? skTubeVertical : *kind);
    shape->MakeFromBox(box, FScale);
    shape->CalcGrips();
    PutInFront(std::move(shape));
}

void TDrawing::AddLine(std::uint8_t ending, int x1, int y1, int x2, int y2, const TPen& pen)
{
    if (x1 == x2 && y1 == y2)
        return;
    const TDrawingUpdate update(*this);
    SaveUndo(ulCreateLine);
    auto shape = std::make_shared<TPolygon>();
    shape->SetKind(skLine);
    shape->FPen = pen;
    shape->FLineEnd = ending;
    shape->FPoints = { DeviceToMM(x1, y1), DeviceToMM(x2, y2) };
    Append(std::move(shape), true);
}

void TDrawing::AddCurve(int x1, int y1, int x2, int y2, const TPen& pen)
{
    if (x1 == x2 && y1 == y2)
        return;
    const TDrawingUpdate update(*this);
    SaveUndo(ulCreateCurve);
    // The control points start at the thirds of the chord, in whole pixels.
    const int dx = (x2 - x1) / 3;
    const int dy = (y2 - y1) / 3;
    auto shape = std::make_shared<TPolygon>();
    shape->SetKind(skCurve);
    shape->FPen = pen;
    shape->FPoints
        = { DeviceToMM(x1, y1), DeviceToMM(x1 + dx, y1 + dy), DeviceToMM(x2 - dx, y2 - dy), DeviceToMM(x2, y2) };
    Append(std::move(shape), true);
}

void TDrawing::FitTextFrame(TPolygon& shape, int x, int y)
{
    // The text is measured with its font at the zoom's whole factor; below zoom x1 at the true scale.
    const int size = shape.FFont.Size();
    const int zoom = Round(static_cast<double>(FScale) / BaseScale);
    const int height = zoom >= 1 ? MulDiv(size * zoom, ScreenPixelsPerInch(), 72)
                                 : Round(size * static_cast<double>(ScreenPixelsPerInch()) * FScale / (72 * BaseScale));
    TLogFont record = shape.FFont.Record();
    const QFontMetrics metrics(FFonts.Get(record, std::max(height, 1)).Font);
    const QList<QByteArray> lines = TextLines(shape.FText);
    int width = 0;
    for (const QByteArray& line : lines)
        width = std::max(width, metrics.horizontalAdvance(DecodeText(line, record.CharSet)));
    const int right = x + width;
    const int bottom = y + static_cast<int>(lines.size()) * metrics.height();
    shape.FPoints = { DeviceToMM(x, y), DeviceToMM(x, bottom), DeviceToMM(right, bottom), DeviceToMM(right, y) };
}

TPolygon TDrawing::MakeTextShape(const QByteArray& text, const TShapeFont& font, int x, int y)
{
    TPolygon shape;
    shape.SetKind(skText);
    shape.FText = text;
    shape.SetFont(font);
    shape.FFont.SetSize(font.Size() + 2);
    FitTextFrame(shape, x, y);
    return shape;
}

void TDrawing::AddText(const QByteArray& text, const TShapeFont& font, int x, int y)
{
    // An empty text would be an invisible shape that nothing can pick.
    if (text.isEmpty())
        return;
    AppendText(MakeTextShape(text, font, x, y));
}

void TDrawing::AppendText(TPolygon shape)
{
    const TDrawingUpdate update(*this);
    SaveUndo(ulCreateText);
    Append(std::make_shared<TPolygon>(std::move(shape)), false);
    Touch(TDrawingChange::Selection);
    FSelection.push_back(FShapes.back().get());
}

void TDrawing::AddRegularPolygon(int sides, float cx, float cy, float radius)
{
    if (sides < 3 || sides > MaxRegularPolygonSides)
        return;
    const TDrawingUpdate update(*this);
    SaveUndo(ulAddObject);
    // Half a step back from the x axis, so a square stands on a side.
    const float step = 6.2831855f / static_cast<float>(sides);
    auto shape = std::make_shared<TPolygon>();
    shape->SetKind(skPolygon);
    for (int i = 0; i < sides; ++i) {
        const double angle = static_cast<double>(i) * step - step / 2.0;
        shape->FPoints.push_back(
            { static_cast<float>(cx + radius * std::cos(angle)), static_cast<float>(cy + radius * std::sin(angle)) });
    }
    Append(std::move(shape), true);
    Touch(TDrawingChange::View);
    FCentreX = cx;
    FCentreY = cy;
}

void TDrawing::AddLibraryShape(const TPolygon* shape, int x, int y)
{
    if (!shape)
        return;
    const TDrawingUpdate update(*this);
    SaveUndo(ulAddObject);
    auto copy = std::make_shared<TPolygon>();
    copy->Assign(*shape);
    // Library pictures sit at the origin, so the move puts their top-left corner at the drop point.
    const TMMPoint at = DeviceToMM(x, y);
    MoveShape(*copy, at.X, at.Y);
    Append(std::move(copy), true);
}

std::optional<TPolygon> TDrawing::LibraryShapeFor(int index) const
{
    if (!ValidIndex(index))
        return std::nullopt;
    const TPolygon* shape = FShapes[static_cast<std::size_t>(index)].get();
    std::vector<const TPolygon*> parts { shape };
    if (std::find(FSelection.begin(), FSelection.end(), shape) != FSelection.end())
        parts.assign(FSelection.begin(), FSelection.end());
    TPolygon picture;
    if (parts.size() == 1) {
        picture.Assign(*parts.front());
    } else {
        picture.SetKind(skGroup);
        for (const TPolygon* part : parts) {
            TPolygon copy;
            copy.Assign(*part);
            picture.AddToGroup(std::move(copy), FScale);
        }
    }
    const float left = picture.FBounds.Left;
    const float top = picture.FBounds.Top;
    if (picture.IsGroup())
        picture.MoveGroupBy(-left, -top, BaseScale);
    else
        picture.MoveBy(-left, -top, BaseScale);
    return picture;
}

} // namespace korvo
