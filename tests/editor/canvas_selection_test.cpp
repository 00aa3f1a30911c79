#include "canvas_fixture.h"

#include "editor/view_navigator.h"

#include <QImage>

#include <functional>
#include <vector>

using namespace korvo;
using namespace korvo::test;

namespace {

class CanvasSelection : public CanvasTest {
protected:
    // A rectangle, a circle and a horizontal line, apart from one another, none selected.
    void ThreeShapes()
    {
        Drawing().AddBoxShape({ 100, 100, 200, 160 }, TTool::Rectangle, {}, {});
        Drawing().AddBoxShape({ 300, 100, 400, 200 }, TTool::Circle, {}, {});
        Drawing().AddLine(leNone, 100, 300, 250, 300, {});
        Drawing().Deselect();
        Drawing().ClearUndo();
    }

    std::vector<int> Selected()
    {
        std::vector<int> indexes;
        for (const TPolygon* shape : Drawing().Selection()) {
            for (int i = 0; i < Drawing().ShapeCount(); ++i) {
                if (Drawing().Shapes()[static_cast<std::size_t>(i)].get() == shape)
                    indexes.push_back(i);
            }
        }
        return indexes;
    }
};

TEST_F(CanvasSelection, ClicksPickShapesAndControlClicksToggleThem)
{
    ThreeShapes();
    const QPoint rectangle(150, 130), circle(350, 150), line(150, 302);
    struct Step {
        const char* name;
        std::function<void()> act;
        std::vector<int> selected;
    };
    const Step steps[] = {
        { "click", [&] { Click(rectangle); }, { 0 } },
        { "Ctrl adds", [&] { Click(circle, Qt::LeftButton, Qt::ControlModifier); }, { 0, 1 } },
        { "Ctrl removes", [&] { Click(rectangle, Qt::LeftButton, Qt::ControlModifier); }, { 1 } },
        { "Ctrl adds again, last", [&] { Click(rectangle, Qt::LeftButton, Qt::ControlModifier); }, { 1, 0 } },
        { "with two selected, a press on a third starts a selection rectangle",
            [&] {
                Press(line);
                EXPECT_TRUE(Selected().empty()) << "the press does not select the line";
                Release(line);
            },
            {} },
        { "a line is hit within 4 pixels", [&] { Click(line); }, { 2 } },
        { "empty paper deselects",
            [&] {
                Click({ 500, 400 });
            },
            {} },
        { "Ctrl drags nothing",
            [&] {
                Press(circle, Qt::LeftButton, Qt::ControlModifier);
                Move(circle + QPoint(30, 30), Qt::LeftButton, Qt::ControlModifier);
                Release(circle + QPoint(30, 30), Qt::LeftButton, Qt::ControlModifier);
            },
            { 1 } },
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(Selected(), step.selected) << step.name;
    }
    EXPECT_EQ(Shape(1).FBounds, Mm(TRect { 300, 100, 400, 200 })) << "nothing moved";
    EXPECT_FALSE(Drawing().CanUndo());
}

TEST_F(CanvasSelection, SelectionRectangleTakesEveryShapeItMeets)
{
    ThreeShapes();
    struct Case {
        QPoint from, to;
        std::vector<int> selected;
    };
    const Case cases[] = {
        { { 80, 80 }, { 150, 120 }, { 0 } },
        { { 410, 210 }, { 290, 90 }, { 1 } },
        { { 60, 60 }, { 420, 320 }, { 0, 1, 2 } },
        { { 205, 165 }, { 295, 95 }, {} },
        // A line is met only at its ends.
        { { 240, 290 }, { 260, 310 }, { 2 } },
        { { 150, 290 }, { 160, 310 }, {} },
    };
    for (const Case& c : cases) {
        Drawing().Deselect();
        Drag(c.from, c.to);
        EXPECT_EQ(Selected(), c.selected) << "from " << c.from.x() << ", " << c.from.y();
        EXPECT_TRUE(NoPreviewShown());
    }
}

TEST_F(CanvasSelection, DragMovesTheShapeKeepingItsCornerOnWholeMillimetres)
{
    struct Case {
        bool snap;
        TRect moved;
    };
    // From (150, 130) to (171, 139); snapped, the press counts from (152, 128) shifted by the corner's
    // distance from its own snapped place, (+1, -2), and the pointer ends at (172, 140).
    const Case cases[] = { { true, { 120, 116, 220, 176 } }, { false, { 122, 111, 222, 171 } } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.snap);
        Drawing().Clear();
        Drawing().AddBoxShape({ 101, 102, 201, 162 }, TTool::Rectangle, {}, {});
        Drawing().ClearUndo();
        SetSnap(c.snap);
        Press({ 150, 130 });
        Move({ 160, 135 });
        Move({ 171, 139 });
        Release({ 171, 139 });
        EXPECT_EQ(Shape(0).FBounds, Mm(c.moved));
        EXPECT_TRUE(OneUndoStep("Undo move selection")) << "the whole drag is one step";
    }
}

TEST_F(CanvasSelection, HandlesResizeTheShapeAndLinesOnlyByTheirEnds)
{
    struct Case {
        const char* name;
        bool line;
        TRect shape;
        QPoint press, to;
        Qt::KeyboardModifiers modifiers;
        bool snap;
        TRect result;
        const char* undo;
    };
    const TRect box { 100, 100, 200, 160 };
    const Case cases[] = {
        { "bottom-right corner", false, box, { 204, 164 }, { 243, 181 }, {}, true, { 100, 100, 244, 180 },
            "Undo resize selection" },
        { "right edge keeps the height", false, box, { 204, 130 }, { 250, 200 }, {}, true, { 100, 100, 248, 160 },
            "Undo resize selection" },
        { "top edge", false, box, { 150, 96 }, { 170, 60 }, {}, true, { 100, 60, 200, 160 }, "Undo resize selection" },
        { "top-left corner", false, box, { 96, 96 }, { 80, 70 }, {}, true, { 80, 72, 200, 160 },
            "Undo resize selection" },
        // Width 148 at the ratio 100 : 60 is 88.8 high, rounded to 89.
        { "Shift keeps the proportions", false, box, { 204, 164 }, { 250, 170 }, Qt::ShiftModifier, true,
            { 100, 100, 248, 189 }, "Undo resize selection" },
        { "Shift at the top-left corner", false, box, { 96, 96 }, { 40, 80 }, Qt::ShiftModifier, false,
            { 40, 64, 200, 160 }, "Undo resize selection" },
        { "Shift past the opposite corner follows the pointer", false, box, { 204, 164 }, { 60, 170 },
            Qt::ShiftModifier, true, { 60, 100, 100, 168 }, "Undo resize selection" },
        { "horizontal line, right end", true, { 100, 100, 200, 100 }, { 204, 100 }, { 240, 120 }, {}, true,
            { 100, 100, 240, 100 }, "Undo resize selection" },
        { "horizontal line, left end", true, { 100, 100, 200, 100 }, { 96, 100 }, { 60, 88 }, {}, true,
            { 60, 100, 200, 100 }, "Undo resize selection" },
        { "horizontal line, middle handle moves it", true, { 100, 100, 200, 100 }, { 150, 96 }, { 170, 104 }, {}, false,
            { 120, 108, 220, 108 }, "Undo move selection" },
        { "vertical line, bottom end", true, { 300, 100, 300, 200 }, { 300, 204 }, { 320, 240 }, {}, true,
            { 300, 100, 300, 240 }, "Undo resize selection" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing().Clear();
        if (c.line) {
            Drawing().AddLine(leNone, c.shape.Left, c.shape.Top, c.shape.Right, c.shape.Bottom, {});
        } else {
            Drawing().AddBoxShape(c.shape, TTool::Rectangle, {}, {});
            Drawing().ToggleSelected(0);
        }
        Drawing().ClearUndo();
        SetSnap(c.snap);
        Press(c.press, Qt::LeftButton, c.modifiers);
        Move(c.to, Qt::LeftButton, c.modifiers);
        Release(c.to, Qt::LeftButton, c.modifiers);
        EXPECT_EQ(Shape(0).FBounds, Mm(c.result));
        EXPECT_TRUE(NoPreviewShown());
        EXPECT_TRUE(OneUndoStep(c.undo));
    }
}

TEST_F(CanvasSelection, KeysMoveTheSelectionByPixelsOfTheViewOrTheBackgroundByMillimetres)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString pictureFile = Path(QStringLiteral("background.bmp"));
    ASSERT_TRUE(picture.save(pictureFile));
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        int zoom;
        bool background;
        int presses;
        TMMPoint shapeMoved, backgroundMoved;
    };
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const Case cases[] = {
        { "Left", Qt::Key_Left, {}, 1, false, 1, { -0.25f, 0 }, {} },
        { "Shift+Right", Qt::Key_Right, Qt::ShiftModifier, 1, false, 1, { 1.25f, 0 }, {} },
        { "Shift+Down at x10", Qt::Key_Down, Qt::ShiftModifier, 10, false, 1, { 0, 0.125f }, {} },
        { "keypad 4", Qt::Key_4, keypad, 1, false, 1, { -1.25f, 0 }, {} },
        { "keypad 2 at x10", Qt::Key_2, keypad, 10, false, 1, { 0, 0.125f }, {} },
        { "keypad 8 twice", Qt::Key_8, keypad, 1, false, 2, { 0, -2.5f }, {} },
        { "Ctrl+Right moves the picture", Qt::Key_Right, Qt::ControlModifier, 1, true, 1, {}, { 5, 0 } },
        { "Ctrl+keypad 8 moves the picture", Qt::Key_8, keypad | Qt::ControlModifier, 2, true, 1, {}, { 0, -0.1f } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing().Clear();
        Drawing().ClearBackground();
        Drawing().SetBackgroundPosition(0, 0);
        window->Navigator().ZoomAt({ 0, 0 }, 1);
        Drawing().AddBoxShape({ 4, 4, 40, 40 }, TTool::Rectangle, {}, {});
        if (c.background)
            Drawing().LoadBackground(pictureFile);
        window->Navigator().ZoomAt({ 0, 0 }, c.zoom);
        const float scale = Drawing().Scale();
        Click(QPoint(5, 5) * scale);
        Drawing().ClearUndo();
        for (int i = 0; i < c.presses; ++i)
            QTest::keyClick(pic, static_cast<Qt::Key>(c.key), c.modifiers);
        EXPECT_TRUE(Near({ Shape(0).FBounds.Left, Shape(0).FBounds.Top }, { 1 + c.shapeMoved.X, 1 + c.shapeMoved.Y }));
        EXPECT_TRUE(Near(Drawing().BackgroundPosition(), c.backgroundMoved));
        // The click left a move pending; only a move of the selection takes it, whatever the presses.
        if (c.background) {
            EXPECT_FALSE(Drawing().CanUndo());
        } else {
            EXPECT_TRUE(OneUndoStep("Undo move selection"));
        }
    }
}

} // namespace
