#include "canvas_fixture.h"

#include "dialogs/dialog_test_support.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <vector>

using namespace korvo;
using namespace korvo::test;

namespace {

// A node of a new shape where the tool must have put it, in page pixels of zoom x1.
struct Node {
    int index;
    QPoint px;
};

::testing::AssertionResult HasNodes(const TPolygon& shape, const std::vector<Node>& nodes)
{
    for (const Node& node : nodes) {
        if (node.index >= shape.PointCount())
            return ::testing::AssertionFailure() << "no node " << node.index;
        if (auto near = Near(shape.GetPoint(node.index), Mm(node.px)); !near)
            return near << " at node " << node.index;
    }
    return ::testing::AssertionSuccess();
}

using CanvasTools = CanvasTest;

TEST_F(CanvasTools, DraggingToolsMakeTheirKindFromTheSnappedDrag)
{
    struct Case {
        const char* name;
        TTool tool;
        bool snap;
        QPoint from, to;
        Qt::KeyboardModifiers modifiers;
        std::int32_t kind;
        int points;
        TRect box; // page pixels
        std::vector<Node> nodes;
        const char* undo;
    };
    const char* rectangle = "Undo create rectangle";
    const Case cases[] = {
        // Multiples of 4 pixels at x1; 10 / 4 = 2.5 and 50 / 4 = 12.5 round to the even 2 and 12.
        { "snapped", TTool::Rectangle, true, { 11, 9 }, { 61, 41 }, {}, skRectangle, 4, { 12, 8, 60, 40 },
            { { 0, { 12, 8 } }, { 1, { 12, 40 } }, { 2, { 60, 40 } }, { 3, { 60, 8 } } }, rectangle },
        { "snapped ties", TTool::Rectangle, true, { 10, 14 }, { 50, 50 }, {}, skRectangle, 4, { 8, 16, 48, 48 }, {},
            rectangle },
        { "unsnapped", TTool::Rectangle, false, { 11, 9 }, { 61, 41 }, {}, skRectangle, 4, { 11, 9, 61, 41 }, {},
            rectangle },
        { "square with Shift", TTool::Rectangle, true, { 100, 100 }, { 160, 120 }, Qt::ShiftModifier, skRectangle, 4,
            { 100, 100, 160, 160 }, {}, rectangle },
        { "square with Shift, up and left", TTool::Rectangle, true, { 100, 100 }, { 40, 120 }, Qt::ShiftModifier,
            skRectangle, 4, { 40, 40, 100, 100 }, { { 0, { 40, 40 } } }, rectangle },
        { "circle", TTool::Circle, true, { 100, 100 }, { 200, 180 }, {}, skCircle, 13, { 100, 100, 200, 180 },
            { { 0, { 100, 140 } }, { 3, { 150, 100 } }, { 6, { 200, 140 } }, { 9, { 150, 180 } },
                { 12, { 100, 140 } } },
            "Undo create circle" },
        { "sine", TTool::Sine, true, { 100, 100 }, { 200, 180 }, {}, skOpenCurveFilled, 10, { 100, 100, 200, 180 },
            { { 0, { 100, 140 } }, { 3, { 125, 100 } }, { 6, { 175, 180 } }, { 9, { 200, 140 } } },
            "Undo create sine" },
        // Only the boxes previewed as the shape itself square up.
        { "sine with Shift", TTool::Sine, true, { 100, 100 }, { 200, 180 }, Qt::ShiftModifier, skOpenCurveFilled, 10,
            { 100, 100, 200, 180 }, {}, "Undo create sine" },
        { "tube bend", TTool::TubeBend, true, { 100, 100 }, { 200, 200 }, {}, skTubeBend, 13, { 100, 100, 200, 200 },
            { { 0, { 100, 200 } }, { 3, { 200, 100 } }, { 6, { 200, 125 } }, { 9, { 125, 200 } },
                { 12, { 100, 200 } } },
            "Undo create tube" },
        { "tube wider than high", TTool::Tube, true, { 100, 100 }, { 200, 140 }, {}, skTube, 4, { 100, 100, 200, 140 },
            {}, rectangle },
        { "tube as wide as high", TTool::Tube, true, { 100, 100 }, { 140, 140 }, {}, skTube, 4, { 100, 100, 140, 140 },
            {}, rectangle },
        { "tube higher than wide", TTool::Tube, true, { 100, 100 }, { 140, 200 }, {}, skTubeVertical, 4,
            { 100, 100, 140, 200 }, {}, rectangle },
        { "graph paper", TTool::GraphPaper, true, { 100, 100 }, { 200, 180 }, {}, skGraphPaper, 4,
            { 100, 100, 200, 180 }, { { 1, { 100, 180 } }, { 3, { 200, 100 } } }, rectangle },
        { "line", TTool::Line, true, { 11, 9 }, { 50, 50 }, {}, skLine, 2, { 12, 8, 48, 48 },
            { { 0, { 12, 8 } }, { 1, { 48, 48 } } }, "Undo create line" },
        { "arrow", TTool::Arrow, false, { 100, 100 }, { 150, 80 }, {}, skLine, 2, { 100, 80, 150, 100 },
            { { 0, { 100, 100 } }, { 1, { 150, 80 } } }, "Undo create line" },
        // The controls sit a third of the chord from each end; 50 / 3 and -20 / 3 truncate to 16 and -6.
        { "curve", TTool::Curve, false, { 100, 100 }, { 150, 80 }, {}, skCurve, 4, { 100, 80, 150, 100 },
            { { 0, { 100, 100 } }, { 1, { 116, 94 } }, { 2, { 134, 86 } }, { 3, { 150, 80 } } }, "Undo create curve" },
        { "snapped curve", TTool::Curve, true, { 101, 101 }, { 150, 80 }, {}, skCurve, 4, { 100, 80, 152, 100 },
            { { 1, { 117, 94 } }, { 2, { 135, 86 } }, { 3, { 152, 80 } } }, "Undo create curve" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing().Clear();
        SetSnap(c.snap);
        UseTool(c.tool);
        Drag(c.from, c.to, c.modifiers);
        ASSERT_EQ(Drawing().ShapeCount(), 1);
        const TPolygon& shape = Shape(0);
        EXPECT_EQ(shape.FKind, c.kind);
        EXPECT_EQ(shape.FLineEnd, c.tool == TTool::Arrow ? leArrowMedium : leNone);
        EXPECT_EQ(shape.PointCount(), c.points);
        EXPECT_EQ(shape.FBounds, Mm(c.box));
        EXPECT_TRUE(HasNodes(shape, c.nodes));
        EXPECT_EQ(Drawing().Selection(), std::vector<TPolygon*> { Drawing().Shapes()[0].get() });
        // One sheet of graph paper is enough; every other tool stays for the next shape.
        const TTool next = c.tool == TTool::GraphPaper ? TTool::Selection : c.tool;
        EXPECT_EQ(Drawing().Tool(), next);
        EXPECT_TRUE(window->ToolAction(next)->isChecked());
        EXPECT_TRUE(NoPreviewShown());
        EXPECT_TRUE(OneUndoStep(c.undo));
    }
    EXPECT_EQ(Drawing().NodeMode(), TNodeMode::Nodes) << "the curve tool shows the new curve's nodes";
}

TEST_F(CanvasTools, DragsWithoutAreaOrLengthMakeNothing)
{
    struct Case {
        TTool tool;
        QPoint from, to;
    };
    const Case cases[] = {
        { TTool::Rectangle, { 100, 100 }, { 100, 160 } },
        // 101 snaps back to 100: no width left.
        { TTool::Circle, { 100, 100 }, { 101, 160 } },
        { TTool::GraphPaper, { 100, 100 }, { 180, 101 } },
        { TTool::Sine, { 100, 100 }, { 100, 100 } },
        { TTool::Line, { 100, 100 }, { 101, 99 } },
        { TTool::Arrow, { 100, 100 }, { 100, 100 } },
        { TTool::Curve, { 100, 100 }, { 99, 101 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.tool));
        UseTool(c.tool);
        Drag(c.from, c.to);
        EXPECT_EQ(Drawing().ShapeCount(), 0);
        EXPECT_FALSE(Drawing().CanUndo());
        EXPECT_EQ(Drawing().Tool(), c.tool) << "the tool stays for another try";
        EXPECT_TRUE(NoPreviewShown());
    }
}

TEST_F(CanvasTools, PolygonsTakeAPointPerPressAndEndWithTheRightButton)
{
    // A real double click is a press, a release, a double-click press and a release: two points.
    const auto doubleClick = [this](QPoint at) {
        Click(at);
        QTest::mouseDClick(pic, Qt::LeftButton, {}, at);
        Release(at);
    };
    struct Case {
        const char* name;
        TTool tool;
        std::function<void()> clicks;
        std::int32_t kind;
        std::vector<Node> nodes;
    };
    const Case cases[] = {
        { "two left clicks and a right click", TTool::Polygon,
            [&] {
                Click({ 101, 99 });
                Move({ 150, 150 }, Qt::NoButton);
                Click({ 200, 100 });
                Click({ 150, 201 }, Qt::RightButton);
            },
            skPolygon, { { 0, { 100, 100 } }, { 1, { 200, 100 } }, { 2, { 152, 200 } } } },
        { "the middle button places a point", TTool::Polyline,
            [&] {
                Click({ 100, 100 });
                Click({ 200, 100 }, Qt::MiddleButton);
                Click({ 200, 200 });
                Click({ 100, 200 }, Qt::RightButton);
            },
            skOpenPolygon, { { 0, { 100, 100 } }, { 1, { 200, 100 } }, { 2, { 200, 200 } }, { 3, { 100, 200 } } } },
        { "a double click", TTool::Polyline,
            [&] {
                Click({ 100, 100 });
                doubleClick({ 200, 100 });
                Click({ 100, 200 }, Qt::RightButton);
            },
            skOpenPolygon, { { 0, { 100, 100 } }, { 1, { 200, 100 } }, { 2, { 200, 100 } }, { 3, { 100, 200 } } } },
        // A shape under construction is finished or abandoned only by the mouse.
        { "another tool chosen meanwhile", TTool::Polygon,
            [&] {
                Click({ 100, 100 });
                UseTool(TTool::Rectangle);
                Click({ 200, 100 });
                Click({ 200, 200 }, Qt::RightButton);
            },
            skPolygon, { { 0, { 100, 100 } }, { 1, { 200, 100 } }, { 2, { 200, 200 } } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing().Clear();
        UseTool(c.tool);
        c.clicks();
        ASSERT_EQ(Drawing().ShapeCount(), 1);
        EXPECT_EQ(Shape(0).FKind, c.kind);
        EXPECT_EQ(Shape(0).PointCount(), static_cast<int>(c.nodes.size()));
        EXPECT_TRUE(HasNodes(Shape(0), c.nodes));
        EXPECT_EQ(Drawing().SelCount(), 1);
        EXPECT_TRUE(NoPreviewShown());
        EXPECT_TRUE(OneUndoStep("Undo create polygon"));
    }
}

TEST_F(CanvasTools, TextIsPlacedAtTheUnsnappedClickAndTheSelectionToolReturns)
{
    UseTool(TTool::Text);
    WhenShown([this](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    Click({ 123, 77 });
    EXPECT_EQ(Drawing().ShapeCount(), 0);
    EXPECT_EQ(Drawing().Tool(), TTool::Text) << "a cancelled text keeps the text tool";

    WhenShown([](QWidget& dialog) {
        QTest::keyClicks(Part<QPlainTextEdit>(dialog, "Memo"), QStringLiteral("Beaker"));
        QTest::mouseClick(Part<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    });
    Click({ 123, 77 });
    ASSERT_EQ(Drawing().ShapeCount(), 1);
    EXPECT_EQ(Shape(0).FKind, skText);
    EXPECT_EQ(Shape(0).FText, QByteArray("Beaker"));
    EXPECT_EQ(Shape(0).GetPoint(0), Mm(QPoint(123, 77)));
    EXPECT_EQ(Drawing().Tool(), TTool::Selection);
    EXPECT_TRUE(window->ToolAction(TTool::Selection)->isChecked());
    EXPECT_TRUE(OneUndoStep("Undo create text"));
}

TEST_F(CanvasTools, StatusBarShowsTheUnsnappedPointerInCentimetres)
{
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QPoint at;
        const char* text;
    };
    const Case cases[] = {
        { "zoom x1", [] {}, { 8, 8 }, "x = 0.20 y=0.20" },
        // Snapped, (11, 9) would read 0.30 and 0.20.
        { "between millimetres", [] {}, { 11, 9 }, "x = 0.28 y=0.23" },
        { "zoom x2 scrolled by 100 pixels",
            [this] {
                Wheel({ 100, 100 }, 120);
            },
            { 0, 0 }, "x = 1.25 y=1.25" },
    };
    UseTool(TTool::Rectangle);
    const QLabel* label = Widget<QLabel>("XYLabel");
    for (const Case& c : cases) {
        c.arrange();
        Move(c.at, Qt::NoButton);
        EXPECT_EQ(label->text(), QString::fromLatin1(c.text).replace(QLatin1Char('.'), QLocale().decimalPoint()))
            << c.name;
    }
}

TEST_F(CanvasTools, TitleAndHintFollowTheReleaseAtOnce)
{
    const QLabel* hint = Widget<QLabel>("HintLabel");
    UseTool(TTool::GraphPaper);
    QTest::mouseMove(pic, { 300, 300 });
    EXPECT_EQ(hint->text(), QStringLiteral("Click and drag to draw a grid."));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvo"));
    Drag({ 100, 100 }, { 200, 160 });
    QApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvo*"));
    EXPECT_EQ(hint->text(), QStringLiteral("Click to select a shape. Control click to multiselect,"))
        << "the graph paper tool has handed over to the selection tool under the pointer";
}

} // namespace
