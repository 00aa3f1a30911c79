#include "tools/help/tutorial.h"

#include "document/drawing_file.h"
#include "geometry/units.h"
#include "shapes/code_page.h"
#include "shapes/file_io.h"

#include <QDir>

namespace korvo::tools {

namespace {

    constexpr TColour MarkRed = Rgb(220, 30, 30);
    constexpr TColour FrameGrey = Rgb(200, 200, 200);

    int Device(float mm) { return static_cast<int>(std::lround(mm * BaseScale)); }

    TRect DeviceBox(TMMRect r) { return { Device(r.Left), Device(r.Top), Device(r.Right), Device(r.Bottom) }; }

    TShapePtr Shared(TPolygon shape) { return std::make_shared<TPolygon>(std::move(shape)); }

} // namespace

TTutorial::TTutorial(const QString& folder, const char* name, TMMRect frame)
    : FFolder(folder)
    , FName(QString::fromUtf8(name))
    , FFrame(frame)
{
}

void TTutorial::Box(TTool tool, TMMRect box, TPen pen)
{
    Drawing().AddBoxShape(DeviceBox(box), tool, TBrush {}, pen);
    // The box tools select what they draw, as the other tools' operations do themselves.
    Select();
}

void TTutorial::Line(TMMPoint from, TMMPoint to, std::uint8_t ending, TPen pen)
{
    Drawing().AddLine(ending, Device(from.X), Device(from.Y), Device(to.X), Device(to.Y), pen);
}

void TTutorial::Polygon(std::int32_t kind, const TMMArray& corners, TPen pen)
{
    for (std::size_t i = 0; i < corners.size(); ++i)
        Drawing().SetDrawPoint(Device(corners[i].X), Device(corners[i].Y), static_cast<int>(i));
    Drawing().AddPolyShape(kind, TBrush {}, pen);
}

void TTutorial::Text(TMMPoint at, const char* text, int points, bool bold)
{
    TShapeFont font;
    font.SetFace("Liberation Sans");
    font.SetSize(points);
    font.SetBold(bold);
    Drawing().AddText(EncodeText(QString::fromUtf8(text), DefaultCharset).value(), font, Device(at.X), Device(at.Y));
}

int TTutorial::Index(int index) const
{
    return index < 0 ? static_cast<int>(FAssembly.Shapes().size()) + index : index;
}

void TTutorial::Select(int index)
{
    Drawing().ClearSelection();
    Drawing().ToggleSelected(Index(index));
}

TMMRect TTutorial::Bounds(int index) const
{
    return FAssembly.Shapes().at(static_cast<std::size_t>(Index(index)))->FBounds;
}

void TTutorial::Step(const TParts& marks)
{
    TShapeList picture { Shared(Rect(FFrame, Pen(FrameGrey), NoFillColour)) };
    picture.insert(picture.end(), FAssembly.Shapes().begin(), FAssembly.Shapes().end());
    for (const TPolygon& mark : marks)
        picture.push_back(Shared(mark));
    ++FSteps;
    WriteFileBytes(QDir(FFolder).filePath(QStringLiteral("%1-%2.kv").arg(FName).arg(FSteps)), EncodeDrawing(picture));
}

TPolygon DragMark(TMMPoint from, TMMPoint to) { return tools::Line(from, to, Pen(MarkRed, 1, psDot), leArrow); }

TParts ClickMarks(std::initializer_list<TMMPoint> points)
{
    TParts marks;
    int number = 0;
    for (const TMMPoint& at : points) {
        marks.push_back(Circle(at, 1.5f, Pen(MarkRed, 2), NoFillColour));
        const QByteArray digits = QByteArray::number(++number);
        // Above the ring, where a neighbouring ring or the line clicked along does not cover it.
        marks.push_back(Label({ at.X - 1.2f, at.Y - 7 }, digits.constData(), 11, MarkRed, true));
    }
    return marks;
}

TParts PointMark(TMMPoint at)
{
    // An arrow head pointing up and left at the point, with its shaft.
    return { tools::Line({ at.X + 8, at.Y + 8 }, at, Pen(MarkRed, 2), leArrow) };
}

} // namespace korvo::tools
