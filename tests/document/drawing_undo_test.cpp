#include "drawing_fixture.h"

#include <climits>
#include <functional>
#include <tuple>

using namespace korvo;
using namespace korvo::test;

namespace {

using TIds = std::vector<std::uint32_t>;

enum : std::uint32_t { Rect = 1, Line, Circle, Wave, Pair };

// Where the scene puts its rectangle, open curve and circle.
constexpr int RectAt = 0;
constexpr int WaveAt = 2;
constexpr int CircleAt = 4;

// A rectangle, a line, a two-segment open curve and a group from a file, then a circle drawn on
// top; the circle and then the rectangle are selected, and the history is empty.
class DrawingUndo : public TDrawingTest {
protected:
    void LoadScene()
    {
        Load({ BoxShape(Rect, 10, 10, 30, 20), PathShape(Line, skLine, { { 40, 10 }, { 60, 10 } }),
            PathShape(Wave, skOpenCurveFilled,
                { { 70, 10 }, { 72, 5 }, { 78, 5 }, { 80, 10 }, { 82, 15 }, { 88, 15 }, { 90, 10 } }),
            GroupShape(Pair, { BoxShape(Pair + 1, 10, 40, 20, 50), BoxShape(Pair + 2, 30, 40, 40, 50) }) });
        drawing.AddBoxShape({ 160, 40, 240, 100 }, TTool::Circle, {}, { Circle });
        drawing.ClearUndo();
        Select({ Circle, Rect });
    }
};

using TEdit = std::function<void(TDrawing&)>;

TEdit Box(TTool tool)
{
    return [tool](TDrawing& d) { d.AddBoxShape({ 0, 0, 40, 40 }, tool, {}, {}); };
}

TEdit Poly(std::int32_t kind)
{
    return [kind](TDrawing& d) {
        d.SetDrawPoint(0, 0, 0);
        d.SetDrawPoint(40, 0, 1);
        d.SetDrawPoint(40, 40, 2);
        d.AddPolyShape(kind, {}, {});
    };
}

// Picks the node first, as the canvas does before deleting it.
TEdit DeleteNode(int index, int node, bool curve)
{
    return [=](TDrawing& d) {
        d.SetSelectedNode(index, node);
        curve ? d.DeleteCurveNode(index) : d.DeleteNode(index);
    };
}

TEdit AddNode(int index, int node, bool curve)
{
    return [=](TDrawing& d) { curve ? d.AddCurveNode(index, node) : d.AddNode(index, node); };
}

TEST_F(DrawingUndo, EveryEditIsUndoneAndRedoneWithItsOwnCaptions)
{
    TPolygon picture;
    picture.SetKind(skRectangle);
    picture.SetFromRect({ 0, 0, 10, 5 }, BaseScale);
    const std::pair<const char*, TEdit> cases[] = {
        { "Undo add object", [&](TDrawing& d) { d.AddLibraryShape(&picture, 40, 40); } },
        { "Undo add object", [](TDrawing& d) { d.AddRegularPolygon(5, 100, 100, 20); } },
        { "Undo create line", [](TDrawing& d) { d.AddLine(leNone, 0, 0, 40, 40, {}); } },
        { "Undo create line", [](TDrawing& d) { d.AddLine(leArrowMedium, 0, 0, 40, 40, {}); } },
        { "Undo create polygon", Poly(skPolygon) },
        { "Undo create polygon", Poly(skOpenPolygon) },
        { "Undo create polyline", Poly(skPolyline) },
        { "Undo create circle", Box(TTool::Circle) },
        { "Undo create tube", Box(TTool::TubeBend) },
        { "Undo create sine", Box(TTool::Sine) },
        { "Undo create rectangle", Box(TTool::Rectangle) },
        { "Undo create rectangle", Box(TTool::GraphPaper) },
        { "Undo create rectangle", Box(TTool::Tube) },
        { "Undo create curve", [](TDrawing& d) { d.AddCurve(0, 0, 40, 40, {}); } },
        { "Undo create text", [](TDrawing& d) { d.AddText("abc", {}, 0, 0); } },
        { "Undo move selection",
            [](TDrawing& d) {
                d.SetMoveUndoPending(true);
                d.MoveSelection(4, 4);
            } },
        { "Undo edit node",
            [](TDrawing& d) {
                d.SetShapePoints(RectAt, { { 0, 0 }, { 8, 8 }, { 0, 8 } });
            } },
        { "Undo resize selection",
            [](TDrawing& d) {
                d.ResizeShape(RectAt, { 40, 40, 200, 80 });
            } },
        { "Undo resize selection", [](TDrawing& d) { d.ScaleSelection(150); } },
        { "Undo delete node", DeleteNode(RectAt, 1, false) },
        { "Undo delete node", DeleteNode(WaveAt, 3, true) },
        { "Undo add node", AddNode(RectAt, 1, false) },
        { "Undo add node", AddNode(WaveAt, 3, true) },
        { "Undo group selection", [](TDrawing& d) { d.GroupSelection(); } },
        { "Undo ungroup selection", [](TDrawing& d) { d.UngroupSelection(); } },
        { "Undo fill colour", [](TDrawing& d) { d.SetFillColour(clRed); } },
        { "Undo line colour", [](TDrawing& d) { d.SetLineColour(clBlue); } },
        { "Undo line style", [](TDrawing& d) { d.SetLineStyle(psDot, 2); } },
        { "Undo line style", [](TDrawing& d) { d.SetPenStyle(psClear); } },
        { "Undo line ending style", [](TDrawing& d) { d.SetLineEnding(leArrow); } },
        { "Undo rotation", [](TDrawing& d) { d.RotateSelection(10); } },
        { "Undo rotation", [](TDrawing& d) { d.RotateSelectionAboutCentre(-10); } },
        { "Undo reflection", [](TDrawing& d) { d.MirrorSelection(TMirrorAxis::Horizontal); } },
        { "Undo delete selection", [](TDrawing& d) { d.DeleteSelection(); } },
        { "Undo move back one", [](TDrawing& d) { d.SendBackward(); } },
        { "Undo move forward one", [](TDrawing& d) { d.BringForward(); } },
        { "Undo move to back", [](TDrawing& d) { d.SendToBack(); } },
        { "Undo move to front", [](TDrawing& d) { d.BringToFront(); } },
        { "Undo convert to curve", [](TDrawing& d) { d.ConvertToCurve(RectAt, true); } },
        { "Undo convert to curve", [](TDrawing& d) { d.ConvertToCurve(RectAt, false); } },
        { "Undo convert to polygon", [](TDrawing& d) { d.ConvertToRegularPolygon(CircleAt, 5); } },
        { "Undo convert to polygon", [](TDrawing& d) { d.ConvertToStar(CircleAt, 12); } },
        { "Undo convert to polygon", [](TDrawing& d) { d.ConvertCurveToPolygon(WaveAt, true); } },
        { "Undo alignment", [](TDrawing& d) { d.AlignSelection(TAlignment::Left); } },
        { "Undo convert to polygon", [](TDrawing& d) { d.ConvertToPolygon(RectAt); } },
        { "Undo convert to open polygon", [](TDrawing& d) { d.ConvertToOpenPolygon(RectAt); } },
    };
    for (const auto& [caption, edit] : cases) {
        LoadScene();
        const QByteArray before = Snapshot();
        edit(drawing);
        SCOPED_TRACE(caption);
        const QByteArray after = Snapshot();
        TIds selectedAfter = SelectedIds();
        std::sort(selectedAfter.begin(), selectedAfter.end(),
            [this](std::uint32_t a, std::uint32_t b) { return IndexOf(a) < IndexOf(b); });
        EXPECT_NE(after, before);
        EXPECT_EQ(drawing.GetUndoCaption(), QString::fromLatin1(caption));
        EXPECT_FALSE(drawing.CanRedo());
        DocState = dsSaved;
        drawing.Undo();
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(SelectedIds(), (TIds { Rect, Circle })) << "selected shapes come back in depth order";
        EXPECT_EQ(DocState, dsChanged) << "what is shown no longer matches the file";
        EXPECT_FALSE(drawing.CanUndo());
        EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo"));
        EXPECT_EQ(drawing.GetRedoCaption(), QStringLiteral("Redo") + QString::fromLatin1(caption).mid(4));

        DocState = dsSaved;
        drawing.Redo();
        EXPECT_EQ(Snapshot(), after);
        EXPECT_EQ(SelectedIds(), selectedAfter);
        EXPECT_EQ(DocState, dsChanged);
        EXPECT_EQ(drawing.GetUndoCaption(), QString::fromLatin1(caption));
        EXPECT_EQ(drawing.GetRedoCaption(), QStringLiteral("Redo"));
        drawing.Undo();
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(SelectedIds(), (TIds { Rect, Circle }));
    }
}

TEST_F(DrawingUndo, TheHistoryKeepsNineSteps)
{
    Load({ BoxShape(Rect, 10, 10, 20, 20) });
    Select({ Rect });
    for (int i = 0; i < 10; ++i) {
        drawing.SetMoveUndoPending(true);
        drawing.MoveSelection(4, 0);
    }
    for (int i = 0; i < 9; ++i)
        drawing.Undo();
    ExpectBox(Shape(Rect).FBounds, 11, 10, 21, 20);
    EXPECT_FALSE(drawing.CanUndo());
    drawing.Undo();
    ExpectBox(Shape(Rect).FBounds, 11, 10, 21, 20);
    EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo"));

    for (int i = 0; i < 10; ++i)
        drawing.Redo();
    ExpectBox(Shape(Rect).FBounds, 20, 10, 30, 20);
    EXPECT_FALSE(drawing.CanRedo()) << "nine undone, nine redone";
    // Redoing keeps the history at nine steps.
    for (int i = 0; i < 10; ++i)
        drawing.Undo();
    ExpectBox(Shape(Rect).FBounds, 11, 10, 21, 20);
}

// Redo brings back the drawing as it was before the undo, so it must end as soon as the shapes change
// otherwise, whether or not that change records an undo step.
TEST_F(DrawingUndo, StepsUndoneAreKeptUntilTheShapesChange)
{
    const std::tuple<const char*, TEdit, bool> cases[] = {
        { "select", [](TDrawing& d) { d.ToggleSelected(0); }, true },
        { "zoom and scroll",
            [](TDrawing& d) {
                d.SetScale(8);
                d.SetScroll(40, 40);
            },
            true },
        { "copy", [](TDrawing& d) { d.CopySelection(); }, true },
        { "save", [this](TDrawing& d) { d.SaveFile(Path(QStringLiteral("saved.kv"))); }, true },
        { "a new edit", [](TDrawing& d) { d.AddLine(leNone, 0, 0, 40, 40, {}); }, false },
        { "a kind changed", [](TDrawing& d) { d.SetShapeKind(RectAt, skPolygon); }, false },
        { "a node added", [](TDrawing& d) { d.AddNode(RectAt, 1); }, false },
        { "paste", [](TDrawing& d) { d.Paste(); }, false },
    };
    for (const auto& [name, change, kept] : cases) {
        SCOPED_TRACE(name);
        LoadScene();
        drawing.CopySelection();
        drawing.DeleteSelection();
        const QByteArray deleted = Snapshot();
        drawing.Undo();
        change(drawing);
        EXPECT_EQ(drawing.CanRedo(), kept);
        drawing.Redo();
        EXPECT_EQ(Snapshot() == deleted, kept);
    }
}

TEST_F(DrawingUndo, UndoAfterZoomingGivesBoxesForTheNewZoom)
{
    Load({ BoxShape(Rect, 10, 10, 30, 20), GroupShape(Pair, { BoxShape(Pair + 1, 30, 30, 40, 40) }) });
    Select({ Rect, Pair });
    drawing.SetMoveUndoPending(true);
    drawing.MoveSelection(4, 4);
    drawing.SetScale(8);
    drawing.Undo();
    EXPECT_EQ(Shape(Rect).FDevRect, (TRect { 80, 80, 240, 160 }));
    EXPECT_EQ(Shape(Rect).GetGripRect(4), (TRect { 240, 160, 248, 168 }));
    EXPECT_EQ(Shape(Pair).FDevRect, (TRect { 240, 240, 320, 320 }));
    EXPECT_EQ(Shape(Pair).FChildren[0].FDevRect, (TRect { 240, 240, 320, 320 }));
    int index = -1;
    EXPECT_EQ(drawing.HandleAt(244, 164, index), THandle::BottomRight);
}

TEST_F(DrawingUndo, UndoAfterSavingMarksTheDrawingChanged)
{
    LoadScene();
    drawing.DeleteSelection();
    drawing.SaveFile(Path(QStringLiteral("saved.kv")));
    EXPECT_EQ(DocState, dsSaved);
    EXPECT_TRUE(drawing.CanUndo()) << "saving keeps the history";
    drawing.Undo();
    EXPECT_EQ(DocState, dsChanged);

    drawing.AddLine(leNone, 0, 0, 4, 4, {});
    DocState = dsUntitled;
    drawing.Undo();
    EXPECT_EQ(DocState, dsUntitledChanged);

    drawing.AddLine(leNone, 0, 0, 4, 4, {});
    drawing.AddLine(leNone, 0, 0, 4, 4, {});
    drawing.Undo();
    drawing.LoadFile(Path(QStringLiteral("saved.kv")));
    EXPECT_FALSE(drawing.CanUndo()) << "loading empties the history";
    EXPECT_FALSE(drawing.CanRedo());
}

TEST_F(DrawingUndo, TheSelectionOnlyEverHoldsShapesOfTheDrawing)
{
    const TEdit steps[] = {
        [](TDrawing& d) { d.DeleteSelection(); },
        [](TDrawing& d) { d.Undo(); },
        [](TDrawing& d) { d.UngroupSelection(); },
        [](TDrawing& d) { d.Undo(); },
        [](TDrawing& d) { d.GroupSelection(); },
        [](TDrawing& d) { d.UngroupSelection(); },
        [this](TDrawing& d) { d.DeleteNode(IndexOf(Line)); }, // a selected line of two points goes
        [](TDrawing& d) { d.Undo(); },
        [](TDrawing& d) { d.SelectAll(); },
        [](TDrawing& d) { d.DeleteCurveNode(d.ShapeCount() - 1); },
        [](TDrawing& d) { d.Undo(); },
    };
    LoadScene();
    Select({ Line, Pair, Rect });
    for (const auto& step : steps) {
        step(drawing);
        ExpectSoundSelection();
    }
    EXPECT_EQ(SelectedIds(), Ids());

    drawing.LoadFile(Path(QStringLiteral("scene.kv")));
    EXPECT_EQ(drawing.SelCount(), 0) << "a loaded drawing starts unselected";
}

TEST_F(DrawingUndo, EditsOfAShapeThatIsNotThereChangeNothing)
{
    LoadScene();
    drawing.DeleteSelection();
    const int gone = drawing.ShapeCount() + 1;
    drawing.ClearUndo();
    DocState = dsSaved;
    const QByteArray before = Snapshot();
    const TPointArray points { { 0, 0 }, { 40, 40 } };
    for (const int index : { -1, gone, drawing.ShapeCount(), 1000000, INT_MIN }) {
        SCOPED_TRACE(index);
        drawing.ToggleSelected(index);
        drawing.ResizeShape(index, { 0, 0, 40, 40 });
        drawing.SetText("x", {}, index);
        drawing.SetPaperSettings(index, { 5, 2 });
        drawing.SetShapeKind(index, skPolygon);
        drawing.SetShapePoints(index, points);
        drawing.SetSelectedNode(index, 0);
        drawing.AddNode(index, 0);
        drawing.AddCurveNode(index, 0);
        drawing.DeleteNode(index);
        drawing.DeleteCurveNode(index);
        EXPECT_FALSE(drawing.ConvertToRegularPolygon(index, 5));
        EXPECT_FALSE(drawing.ConvertToStar(index, 12));
        drawing.ConvertToPolygon(index);
        drawing.ConvertToOpenPolygon(index);
        EXPECT_FALSE(drawing.ConvertToCurve(index, true));
        EXPECT_FALSE(drawing.ConvertCurveToPolygon(index, true));
        drawing.CloseCurve(index);
        drawing.OpenCurve(index);
        EXPECT_EQ(drawing.GetShapeKind(index), -1);
        EXPECT_EQ(drawing.GetSelectedNode(index), -1);
        EXPECT_EQ(drawing.GetShapeRect(index), TRect {});
        EXPECT_TRUE(drawing.GetShapePoints(index).empty());
        EXPECT_FALSE(drawing.GetText(index).has_value());
        const TPaperSettings paper = drawing.GetPaperSettings(index);
        EXPECT_EQ(std::pair(paper.SquareSize, paper.MajorLines), std::pair(10, 0));
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(drawing.SelCount(), 0);
    EXPECT_FALSE(drawing.CanUndo());
    EXPECT_EQ(DocState, dsSaved);
}

TEST_F(DrawingUndo, AnEmptySelectionIsLeftAsItIs)
{
    LoadScene();
    drawing.Deselect();
    DocState = dsSaved;
    const QByteArray before = Snapshot();
    drawing.ScaleSelection(200);
    drawing.AlignSelection(TAlignment::Centres);
    drawing.GroupSelection();
    drawing.SetFillColour(clRed);
    drawing.SetLineColour(clRed);
    drawing.SetLineStyle(psDot, 3);
    drawing.SetPenStyle(psClear);
    drawing.SetLineEnding(leArrow);
    EXPECT_FALSE(drawing.CanUndo()) << "these return at once";
    EXPECT_EQ(DocState, dsSaved) << "the title must not claim changes";
    drawing.SetMoveUndoPending(true);
    drawing.MoveSelection(8, 8);
    drawing.RotateSelection(90);
    drawing.RotateSelectionAboutCentre(90);
    drawing.MirrorSelection(TMirrorAxis::Vertical);
    drawing.UngroupSelection();
    drawing.BringToFront();
    drawing.SendToBack();
    drawing.BringForward();
    drawing.SendBackward();
    drawing.DeleteSelection();
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(drawing.SelCount(), 0);
}

} // namespace
