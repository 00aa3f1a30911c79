// Thousands of random editing operations on one drawing, with the document's invariants checked
// after each: a fixed seed makes any failure repeatable.

#include "document/drawing.h"
#include "document/zoom.h"
#include "geometry/units.h"
#include "shapes/byte_stream.h"

#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

using namespace korvo;
using namespace korvo::test;

namespace {

constexpr int Operations = 10000;
constexpr float Tolerance = 0.01f;

class Soak : public TTempFolderTest {
protected:
    Soak() { drawing.SetScale(BaseScale); }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    int AnyShape() { return drawing.ShapeCount() == 0 ? -1 : Pick(0, drawing.ShapeCount() - 1); }
    QPoint AnyPoint() { return { Pick(0, 800), Pick(0, 1100) }; }

    void AddSomething()
    {
        const QPoint a = AnyPoint();
        const QPoint b = a + QPoint(Pick(-120, 120), Pick(-120, 120));
        switch (Pick(0, 4)) {
        case 0: {
            const TTool tools[]
                = { TTool::Rectangle, TTool::Circle, TTool::Sine, TTool::TubeBend, TTool::GraphPaper, TTool::Tube };
            drawing.AddBoxShape({ a.x(), a.y(), b.x(), b.y() }, tools[Pick(0, 5)], {}, {});
            break;
        }
        case 1:
            drawing.AddLine(static_cast<std::uint8_t>(Pick(0, 4)), a.x(), a.y(), b.x(), b.y(), {});
            break;
        case 2:
            drawing.AddCurve(a.x(), a.y(), b.x(), b.y(), {});
            break;
        case 3:
            for (int i = 0, n = Pick(1, 6); i < n; ++i)
                drawing.SetDrawPoint(Pick(0, 800), Pick(0, 1100), i);
            drawing.AddPolyShape(Pick(0, 1) ? skPolygon : skOpenPolygon, {}, {});
            break;
        default:
            drawing.AddRegularPolygon(Pick(3, 12), Pick(20, 180), Pick(20, 250), Pick(5, 60));
            break;
        }
    }

    void Select()
    {
        switch (Pick(0, 3)) {
        case 0:
            drawing.ToggleSelected(AnyShape());
            break;
        case 1:
            drawing.SelectAll();
            break;
        case 2:
            drawing.Deselect();
            break;
        default: {
            const QPoint a = AnyPoint();
            const QPoint b = AnyPoint();
            drawing.SelectInRect(a.x(), a.y(), b.x(), b.y());
        }
        }
    }

    void Edit()
    {
        const int index = AnyShape();
        switch (Pick(0, 9)) {
        case 0:
            drawing.SetMoveUndoPending(Pick(0, 1));
            drawing.MoveSelection(Pick(-40, 40), Pick(-40, 40));
            break;
        case 1: {
            const TRect r = drawing.GetShapeRect(index);
            drawing.ResizeShape(index, { r.Left, r.Top, r.Right + Pick(-30, 60), r.Bottom + Pick(-30, 60) });
            break;
        }
        case 2:
            drawing.ScaleSelection(Pick(1, 300));
            break;
        case 3:
            Pick(0, 1) ? drawing.RotateSelection(Pick(-180, 180)) : drawing.RotateSelectionAboutCentre(Pick(-90, 90));
            break;
        case 4:
            drawing.MirrorSelection(static_cast<TMirrorAxis>(Pick(0, 1)));
            break;
        case 5:
            drawing.AlignSelection(static_cast<TAlignment>(Pick(0, 8)));
            break;
        case 6:
            Pick(0, 1) ? drawing.GroupSelection() : drawing.UngroupSelection();
            break;
        case 7: {
            const std::function<void()> depth[]
                = { [this] { drawing.BringToFront(); }, [this] { drawing.SendToBack(); },
                      [this] { drawing.BringForward(); }, [this] { drawing.SendBackward(); } };
            depth[Pick(0, 3)]();
            break;
        }
        case 8:
            Convert(index);
            break;
        default:
            drawing.SetSelectedNode(index, Pick(-1, 12));
            Pick(0, 1) ? drawing.DeleteNode(index) : drawing.AddNode(index, Pick(0, 12));
            break;
        }
    }

    void Convert(int index)
    {
        switch (Pick(0, 5)) {
        case 0:
            drawing.ConvertToCurve(index, Pick(0, 1));
            break;
        case 1:
            drawing.ConvertCurveToPolygon(index, Pick(0, 1));
            break;
        case 2:
            drawing.ConvertToRegularPolygon(index, Pick(5, 6));
            break;
        case 3:
            drawing.ConvertToStar(index, 12);
            break;
        case 4:
            drawing.SetSelectedNode(index, Pick(0, 9));
            drawing.DeleteCurveNode(index);
            break;
        default:
            drawing.SetFillColour(static_cast<TColour>(Pick(0, 0xFFFFFF)));
            break;
        }
    }

    void SaveAndLoad()
    {
        const QString name = Path(QStringLiteral("soak.kv"));
        drawing.SaveFile(name);
        drawing.LoadFile(name);
    }

    static void KeepBounds(const TPolygon& from, TPolygon& to)
    {
        to.FBounds = from.FBounds;
        for (int i = 0; i < from.ChildCount() && i < to.ChildCount(); ++i)
            KeepBounds(from.FChildren[static_cast<std::size_t>(i)], to.FChildren[static_cast<std::size_t>(i)]);
    }

    // Every shape with points keeps its box on them.
    void CheckBounds(const TPolygon& shape, int step) const
    {
        if (shape.FPoints.empty())
            return;
        TPolygon fresh = shape;
        fresh.CalcBounds(drawing.Scale());
        const TMMRect& b = shape.FBounds;
        const TMMRect& f = fresh.FBounds;
        for (const auto& [stored, actual] : { std::pair { b.Left, f.Left }, std::pair { b.Top, f.Top },
                 std::pair { b.Right, f.Right }, std::pair { b.Bottom, f.Bottom } })
            EXPECT_NEAR(stored, actual, Tolerance) << "step " << step << " kind " << shape.FKind;
    }

    void CheckInvariants(int step)
    {
        std::set<const TPolygon*> shapes;
        for (const TShapePtr& shape : drawing.Shapes())
            shapes.insert(shape.get());
        std::set<const TPolygon*> selected;
        for (const TPolygon* shape : drawing.Selection()) {
            ASSERT_TRUE(shapes.count(shape)) << "step " << step << ": selection holds a shape not in the drawing";
            ASSERT_TRUE(selected.insert(shape).second) << "step " << step << ": a shape selected twice";
        }
        for (const TShapePtr& shape : drawing.Shapes()) {
            CheckBounds(*shape, step);
            for (const TPolygon& child : shape->FChildren)
                CheckBounds(child, step);
        }
        // Whatever the drawing holds reads back as the same shapes. The reader recomputes the boxes
        // of shapes with points, which a resize sets to the frame it was given, so those are set back
        // before comparing the files.
        const QByteArray bytes = EncodeDrawing(drawing.Shapes());
        TShapeList read = DecodeDrawing(bytes, drawing.Scale());
        for (std::size_t i = 0; i < read.size(); ++i)
            KeepBounds(*drawing.Shapes()[i], *read[i]);
        const QByteArray again = EncodeDrawing(read);
        qsizetype first = 0;
        while (first < bytes.size() && first < again.size() && bytes[first] == again[first])
            ++first;
        ASSERT_EQ(first, bytes.size()) << "step " << step << ": the file read back differs from byte " << first;
    }

    std::mt19937 random { 20261209 };
    TDrawing drawing;
};

TEST_F(Soak, RandomEditsKeepTheDrawingSound)
{
    for (int step = 0; step < Operations; ++step) {
        const int what = Pick(0, 99);
        if (what < 20)
            AddSomething();
        else if (what < 35)
            Select();
        else if (what < 85)
            Edit();
        else if (what < 92)
            drawing.Undo();
        else if (what < 94)
            drawing.DeleteSelection();
        else if (what < 97)
            drawing.SetScale(ZoomToScale(Pick(0, 10)));
        else
            SaveAndLoad();
        CheckInvariants(step);
        if (HasFatalFailure())
            return;
    }
}

} // namespace
