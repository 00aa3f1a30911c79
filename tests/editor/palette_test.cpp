#include "canvas_fixture.h"

#include "editor/palette_colours.h"

#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>

using namespace korvo;
using namespace korvo::test;

namespace {

// The look of a rectangle before anything is applied to it: filled red, outlined black.
const TBrush RedFill { clRed, bsSolid };
const TPen BlackLine {};

class Palette : public CanvasTest {
protected:
    // A red rectangle with a black outline, alone in the drawing and selected, with no history.
    void RedRectangle()
    {
        Drawing().Clear();
        Drawing().AddBoxShape({ 300, 100, 380, 160 }, TTool::Rectangle, RedFill, BlackLine);
        Drawing().ToggleSelected(0);
        Drawing().ClearUndo();
    }
};

TEST(PaletteColours, TableEdgesAndOutside)
{
    const std::pair<int, TColour> cases[] = {
        { 0, NoFillColour },
        { 1, 0x00000000 },
        { 48, 0x0080B090 },
        { 49, 0x0030C06F },
        { 97, 0x006F4F6F },
        { -1, clWhite },
        { 98, clWhite },
    };
    for (const auto& [index, colour] : cases)
        EXPECT_EQ(PaletteColour(index), colour) << index;
}

// Squares are drawn 2 pixels right of the box's edge and 16 apart, the columns meeting at x = 18.
TEST_F(Palette, ClicksPickTheSquareDrawnUnderThePointer)
{
    struct Case {
        QPoint at;
        Qt::MouseButton button;
        TBrush brush;
        TPen pen;
        const char* caption;
    };
    const auto colour = [](int index) { return PaletteColour(index); };
    const Case cases[] = {
        { { 15, 32 }, Qt::LeftButton, { colour(2), bsSolid }, BlackLine, "Undo fill colour" },
        { { 17, 47 }, Qt::LeftButton, { colour(2), bsSolid }, BlackLine, "Undo fill colour" },
        { { 18, 48 }, Qt::LeftButton, { colour(52), bsSolid }, BlackLine, "Undo fill colour" },
        { { 16, 48 }, Qt::RightButton, RedFill, { colour(3), psSolid, 1 }, "Undo line colour" },
        { { 18, 47 }, Qt::MiddleButton, RedFill, { colour(51), psSolid, 1 }, "Undo line colour" },
        { { 2, 15 }, Qt::LeftButton, { clRed, bsClear }, BlackLine, "Undo fill colour" },
        { { 17, 0 }, Qt::RightButton, RedFill, { clBlack, psClear, 1 }, "Undo line style" },
        { { 18, 783 }, Qt::LeftButton, { colour(97), bsSolid }, BlackLine, "Undo fill colour" },
        { { 18, 784 }, Qt::LeftButton, RedFill, BlackLine, nullptr },
        { { 1, 400 }, Qt::LeftButton, RedFill, BlackLine, nullptr },
    };
    QWidget* box = Widget<QWidget>("PalPic");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.at.x() << ", " << c.at.y() << " button " << c.button);
        RedRectangle();
        if (box->rect().contains(c.at)) {
            // Straight to the box: the window would hand a move below the scrolled view to another widget.
            QMouseEvent move(QEvent::MouseMove, c.at, box->mapToGlobal(c.at), Qt::NoButton, {}, {});
            QApplication::sendEvent(box, &move);
            // The dropper where a click picks a colour, the arrow where it picks nothing.
            EXPECT_EQ(box->cursor().shape(), c.caption ? Qt::BitmapCursor : Qt::ArrowCursor);
        }
        QTest::mouseClick(box, c.button, {}, c.at);
        EXPECT_EQ(Shape(0).FBrush, c.brush);
        EXPECT_EQ(Shape(0).FPen, c.pen);
        if (c.caption)
            EXPECT_TRUE(OneUndoStep(c.caption));
        else
            EXPECT_FALSE(Drawing().CanUndo());
    }
}

TEST_F(Palette, ColourButtonFillsWithTheChosenColourUnlessCancelled)
{
    RedRectangle();
    prompts.Colours = { QColor(0x12, 0x34, 0x56) };
    auto* button = Widget<QToolButton>("ColorBtn");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Shape(0).FBrush, (TBrush { 0x00563412, bsSolid }));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Shape(0).FBrush, (TBrush { 0x00563412, bsSolid })) << "cancelled";
    EXPECT_TRUE(OneUndoStep("Undo fill colour"));
}

// The page starts at the view's corner; at zoom x1 grid lines run every 40 pixels.
TEST_F(Palette, DropperTakesThePaintedPixelAndStays)
{
    RedRectangle();
    Drawing().AddBoxShape({ 100, 100, 180, 160 }, TTool::Rectangle, { 0x00003FEF, bsSolid }, {});
    UseTool(TTool::Dropper);
    Click({ 140, 130 });
    EXPECT_EQ(Shape(0).FBrush, (TBrush { 0x00003FEF, bsSolid })) << "the other rectangle's fill";
    Click({ 40, 20 }, Qt::RightButton);
    EXPECT_EQ(Shape(0).FPen, (TPen { 0x00C0C0C0, psSolid, 1 })) << "the grid's colour";
    Click({ 20, 20 });
    EXPECT_EQ(Shape(0).FBrush, (TBrush { clWhite, bsSolid })) << "the page";
    EXPECT_EQ(Drawing().Tool(), TTool::Dropper);
    EXPECT_EQ(Drawing().Selection(), std::vector<TPolygon*> { Drawing().Shapes().front().get() });
}

TEST_F(Palette, StyleMenusRestyleTheSelection)
{
    struct Case {
        const char* item;
        const char* caption;
        TPen pen;
        std::uint8_t ending;
        const char* undo;
    };
    const Case cases[] = {
        { "TBXItem26", "none", { clBlack, psClear, 1 }, leArrowMedium, "Undo line style" },
        { "TBXItem25", "dotted", { clBlack, psDot, 1 }, leArrowMedium, "Undo line style" },
        { "TBXItem24", "1", { clBlack, psSolid, 1 }, leArrowMedium, "Undo line style" },
        { "TBXItem23", "2", { clBlack, psSolid, 2 }, leArrowMedium, "Undo line style" },
        { "TBXItem22", "3", { clBlack, psSolid, 3 }, leArrowMedium, "Undo line style" },
        { "TBXItem21", "4", { clBlack, psSolid, 4 }, leArrowMedium, "Undo line style" },
        { "TBXItem27", "5", { clBlack, psSolid, 5 }, leArrowMedium, "Undo line style" },
        { "TBXItem32", "none", BlackLine, leNone, "Undo line ending style" },
        { "TBXItem31", "arrow", BlackLine, leArrow, "Undo line ending style" },
        { "TBXItem30", "arrow", BlackLine, leArrowMedium, "Undo line ending style" },
        { "TBXItem29", "arrow", BlackLine, leArrowSmall, "Undo line ending style" },
        { "TBXItem28", "circle", BlackLine, leCircle, "Undo line ending style" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Drawing().Clear();
        Drawing().AddLine(leArrowMedium, 100, 100, 200, 150, BlackLine);
        Drawing().ClearUndo();
        QAction* item = window->findChild<QAction*>(QLatin1String(c.item));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QLatin1String(c.caption));
        EXPECT_FALSE(item->icon().isNull());
        item->trigger();
        EXPECT_EQ(Shape(0).FPen, c.pen);
        EXPECT_EQ(Shape(0).FLineEnd, c.ending);
        EXPECT_TRUE(OneUndoStep(c.undo));
    }
}

} // namespace
