#include "canvas_fixture.h"

#include "dialogs/dialog_test_support.h"
#include "shapes/formula.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <set>

using namespace korvo;
using namespace korvo::test;

namespace {

using C = TCommand;

// The shape and node menus, opened with the right button as the user opens them. Every shape is
// drawn in the box (100, 100)-(200, 160) of the surface.
class ShapeMenu : public CanvasTest {
protected:
    // Adds a shape of the kind and returns its index.
    int AddShape(std::int32_t kind)
    {
        TDrawing& d = Drawing();
        switch (kind) {
        case skText: {
            TShapeFont font;
            font.SetSize(12);
            d.AddText("Beaker", font, 100, 100);
            break;
        }
        case skGroup:
            d.AddBoxShape({ 100, 100, 140, 160 }, TTool::Rectangle, {}, {});
            d.AddBoxShape({ 160, 100, 200, 160 }, TTool::Rectangle, {}, {});
            d.SelectAll();
            d.GroupSelection();
            break;
        case skLine:
            d.AddLine(leNone, 100, 100, 200, 160, {});
            break;
        case skCurve:
            d.AddCurve(100, 100, 200, 160, {});
            break;
        case skPolygon:
        case skPolyline:
        case skOpenPolygon:
            d.SetDrawPoint(100, 100, 0);
            d.SetDrawPoint(200, 100, 1);
            d.SetDrawPoint(150, 160, 2);
            d.AddPolyShape(kind, {}, {});
            break;
        case skOpenCurve:
        case skClosedCurveAlt:
        case skClosedCurve:
            // A circle is a closed Bezier path of four segments already.
            d.AddBoxShape({ 100, 100, 200, 160 }, TTool::Circle, {}, {});
            d.SetShapeKind(d.ShapeCount() - 1, kind);
            break;
        default:
            d.AddBoxShape({ 100, 100, 200, kind == skTubeVertical ? 300 : 160 }, BoxTool(kind), {}, {});
            break;
        }
        EXPECT_EQ(Shape(d.ShapeCount() - 1).FKind, kind);
        return d.ShapeCount() - 1;
    }

    static TTool BoxTool(std::int32_t kind)
    {
        switch (kind) {
        case skCircle:
            return TTool::Circle;
        case skTubeBend:
            return TTool::TubeBend;
        case skGraphPaper:
            return TTool::GraphPaper;
        case skTube:
        case skTubeVertical:
            return TTool::Tube;
        case skOpenCurveFilled:
            return TTool::Sine;
        default:
            return TTool::Rectangle;
        }
    }

    QPoint CentreOf(int index)
    {
        const TRect r = Drawing().GetShapeRect(index);
        return { (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 };
    }

    // Acts on the menu the next step opens, once it shows; the menu is closed afterwards whatever the
    // action did.
    void OnMenu(std::function<void(QMenu&)> act)
    {
        QTimer::singleShot(0, [act] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr) << "no menu opened";
            act(*menu);
            if (menu->isVisible())
                menu->close();
        });
    }

    void Choose(QMenu& menu, TCommand id)
    {
        ASSERT_TRUE(menu.actions().contains(Action(id)));
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(Action(id)).center());
    }

    // Right-clicks at the point and chooses the item; a dialog the item opens meets `inDialog`.
    void RightClickAndChoose(QPoint at, TCommand id, std::function<void(QWidget&)> inDialog = {})
    {
        OnMenu([this, id, inDialog](QMenu& menu) {
            if (inDialog)
                WhenShown(inDialog);
            Choose(menu, id);
        });
        Click(at, Qt::RightButton);
    }

    // The items of a menu that are enabled when it opens on the shape.
    std::set<TCommand> EnabledWhenOpened(int hot, const std::vector<TCommand>& items, bool nodeMenu)
    {
        std::set<TCommand> enabled;
        OnMenu([this, &items, &enabled](QMenu&) {
            for (const TCommand id : items) {
                if (Action(id)->isEnabled())
                    enabled.insert(id);
            }
        });
        window->Canvas().SetHotShape(hot);
        if (nodeMenu)
            window->Canvas().ShowNodeMenu({ 400, 400 });
        else
            window->Canvas().ShowShapeMenu({ 400, 400 });
        return enabled;
    }
};

TEST_F(ShapeMenu, ShapeMenuEnablesWhatDoesSomethingForTheKindUnderThePointer)
{
    struct Case {
        std::int32_t kind; // -1 for none under the pointer
        std::set<TCommand> enabled;
    };
    const C polygon = C::ConvertToPolygon, polyline = C::ConvertToPolyline, open = C::ConvertToOpenCurve,
            closed = C::ConvertToClosedCurve, library = C::AddToLibrary;
    const Case cases[] = {
        { -1, {} },
        { skPolygon, { polyline, open, closed, library } },
        { skRectangle, { polyline, open, closed, library } },
        { skCircle, { open, C::ConvertToPentagon, C::ConvertToHexagon, C::ConvertToStar, library } },
        { skPolyline, { polygon, open, closed, library } },
        { skLine, { open, library } },
        { skCurve, { polyline, library } },
        { skText, { C::EditText, library } },
        { skGroup, { library } },
        { skTubeBend, { library } },
        { skOpenCurve, { polygon, polyline, closed, library } },
        { skClosedCurveAlt, { polygon, polyline, open, library } },
        { skGraphPaper, { C::EditGraphPaper, C::PlotGraph, library } },
        { skTube, { library } },
        { skTubeVertical, { library } },
        { skClosedCurve, { polygon, open, library } },
        { skOpenCurveFilled, { polyline, closed, library } },
        { skOpenPolygon, { polygon, open, closed, library } },
    };
    const std::vector<TCommand> items { polygon, polyline, open, closed, C::ConvertToPentagon, C::ConvertToHexagon,
        C::ConvertToStar, C::EditText, C::EditGraphPaper, C::PlotGraph, library };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Drawing().Clear();
        const int hot = c.kind == -1 ? -1 : AddShape(c.kind);
        EXPECT_EQ(EnabledWhenOpened(hot, items, false), c.enabled);
    }
}

// The menu converts the shape under the pointer, selected or not, and leaves the selection alone.
TEST_F(ShapeMenu, EachConversionChangesTheShapeUnderThePointerAsOneUndoStep)
{
    struct Case {
        const char* name;
        std::function<int()> make;
        TCommand item;
        std::int32_t kind;
        int points;
        const char* undo;
        TTool tool;
    };
    const auto shape = [this](std::int32_t kind) { return [this, kind] { return AddShape(kind); }; };
    const char* toPolygon = "Undo convert to polygon";
    const char* toCurve = "Undo convert to curve";
    const Case cases[] = {
        { "rectangle to polyline", shape(skRectangle), C::ConvertToPolyline, skOpenPolygon, 4,
            "Undo convert to open polygon", TTool::Selection },
        { "polyline to polygon", shape(skPolyline), C::ConvertToPolygon, skPolygon, 3, toPolygon, TTool::Selection },
        { "open curve to polygon keeps the anchors", shape(skOpenCurve), C::ConvertToPolygon, skPolygon, 5, toPolygon,
            TTool::Selection },
        { "curve to polyline", shape(skCurve), C::ConvertToPolyline, skOpenPolygon, 2, toPolygon, TTool::Selection },
        { "rectangle to open curve", shape(skRectangle), C::ConvertToOpenCurve, skOpenCurveFilled, 10, toCurve,
            TTool::Node },
        { "circle to open curve keeps its points", shape(skCircle), C::ConvertToOpenCurve, skOpenCurve, 13, toCurve,
            TTool::Node },
        { "rectangle to closed curve", shape(skRectangle), C::ConvertToClosedCurve, skClosedCurve, 13, toCurve,
            TTool::Node },
        { "open curve closed", shape(skOpenCurve), C::ConvertToClosedCurve, skClosedCurve, 16, toCurve, TTool::Node },
        { "pentagon", shape(skCircle), C::ConvertToPentagon, skPolygon, 5, toPolygon, TTool::Selection },
        { "hexagon", shape(skCircle), C::ConvertToHexagon, skPolygon, 6, toPolygon, TTool::Selection },
        { "star", shape(skCircle), C::ConvertToStar, skPolygon, 12, toPolygon, TTool::Selection },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing().Clear();
        UseTool(TTool::Selection);
        const int hot = c.make();
        const std::int32_t kindBefore = Shape(hot).FKind;
        Drawing().AddBoxShape({ 300, 300, 360, 340 }, TTool::Rectangle, {}, {});
        Drawing().Deselect();
        Drawing().ToggleSelected(1);
        Drawing().ClearUndo();
        prompts.Errors.clear();
        RightClickAndChoose(CentreOf(hot), c.item);
        EXPECT_EQ(Shape(hot).FKind, c.kind);
        EXPECT_EQ(Shape(hot).PointCount(), c.points);
        EXPECT_EQ(Shape(1).FKind, skRectangle);
        ASSERT_EQ(Drawing().SelCount(), 1);
        EXPECT_EQ(Drawing().Selection()[0], &Shape(1));
        EXPECT_EQ(Drawing().Tool(), c.tool);
        EXPECT_TRUE(window->ToolAction(c.tool)->isChecked());
        EXPECT_TRUE(OneUndoStep(c.undo));
        EXPECT_EQ(Shape(hot).FKind, kindBefore);
        EXPECT_TRUE(prompts.Errors.isEmpty());
    }
}

TEST_F(ShapeMenu, ACircleThatCannotBecomeAPolygonIsReported)
{
    // A circle whose nodes were all dragged onto one point has no ellipse to put corners on.
    Drawing().AddBoxShape({ 100, 100, 200, 160 }, TTool::Circle, {}, {});
    Drawing().SetShapePoints(0, TPointArray(13, QPoint(150, 130)));
    prompts.Errors.clear();
    OnMenu([this](QMenu& menu) { Choose(menu, C::ConvertToHexagon); });
    window->Canvas().SetHotShape(0);
    window->Canvas().ShowShapeMenu({ 400, 400 });
    EXPECT_EQ(prompts.Errors, QStringList { QStringLiteral("Can't convert") });
    EXPECT_EQ(Shape(0).FKind, skCircle);
}

TEST_F(ShapeMenu, EditTextShowsTheShapesTextAndAppliesOrCancels)
{
    struct Case {
        const char* name;
        const char* typed;
        bool apply;
        QByteArray text;
    };
    const Case cases[] = {
        { "cancelled", "Flask", false, "Beaker" },
        { "applied", "Flask", true, "Flask" },
    };
    const int hot = AddShape(skText);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString shown;
        QString size;
        RightClickAndChoose(CentreOf(hot), C::EditText, [&](QWidget& dialog) {
            auto* memo = Part<QPlainTextEdit>(dialog, "Memo");
            shown = memo->toPlainText();
            size = Part<QLineEdit>(dialog, "SizeEdit")->text();
            memo->selectAll();
            QTest::keyClicks(memo, QLatin1String(c.typed));
            if (c.apply)
                QTest::mouseClick(Part<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        EXPECT_EQ(shown, QStringLiteral("Beaker"));
        EXPECT_EQ(size, QStringLiteral("12")) << "the dialog shows 2 points less than the shape keeps";
        EXPECT_EQ(Shape(hot).FText, c.text);
        EXPECT_EQ(Shape(hot).FFont.Size(), 14);
    }
}

TEST_F(ShapeMenu, EditGraphPaperShowsItsSettingsAndAppliesOrCancels)
{
    struct Case {
        const char* name;
        const char* apply;
        int squareSize, majorLines;
    };
    const Case cases[] = {
        { "cancelled", "SpeedButton2", 5, 2 },
        { "applied", "SpeedButton1", 1, 1 },
    };
    const int hot = AddShape(skGraphPaper);
    Drawing().SetPaperSettings(hot, { 5, 2 });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList shown;
        RightClickAndChoose(CentreOf(hot), C::EditGraphPaper, [&](QWidget& dialog) {
            const QList<QRadioButton*> items = dialog.findChildren<QRadioButton*>();
            for (QRadioButton* item : items) {
                if (item->isChecked())
                    shown.append(item->text());
            }
            for (QRadioButton* item : items) {
                if (item->text() == QLatin1String("1 mm squares") || item->text() == QLatin1String("every  5"))
                    QTest::mouseClick(item, Qt::LeftButton);
            }
            QTest::mouseClick(Part<QPushButton>(dialog, c.apply), Qt::LeftButton);
        });
        EXPECT_EQ(shown, (QStringList { QStringLiteral("5 mm squares"), QStringLiteral("every 10") }));
        const TPaperSettings now = Drawing().GetPaperSettings(hot);
        EXPECT_EQ(std::pair(now.SquareSize, now.MajorLines), std::pair(c.squareSize, c.majorLines));
    }
}

TEST_F(ShapeMenu, PlotGraphReplacesThePaperByTheGraphWhichOpensAgainAsEntered)
{
    const int paper = AddShape(skGraphPaper);
    Drawing().ClearUndo();
    RightClickAndChoose(CentreOf(paper), C::PlotGraph, [](QWidget& dialog) {
        Part<QLineEdit>(dialog, "ExpressionEdit")->setText(QStringLiteral("x^2"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Shape(paper).FKind, skGraphPaper) << "cancelled";
    EXPECT_FALSE(Drawing().CanUndo()) << "cancelled";

    RightClickAndChoose(CentreOf(paper), C::PlotGraph, [](QWidget& dialog) {
        Part<QLineEdit>(dialog, "ExpressionEdit")->setText(QStringLiteral("x^2"));
        QTest::mouseClick(Part<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    });
    ASSERT_EQ(Drawing().ShapeCount(), 1);
    EXPECT_EQ(Shape(0).FKind, skGroup);
    EXPECT_EQ(EnabledWhenOpened(0, { C::EditGraphPaper, C::PlotGraph }, false), std::set { C::PlotGraph });
    QString shown;
    RightClickAndChoose(CentreOf(0), C::PlotGraph, [&shown](QWidget& dialog) {
        shown = Part<QLineEdit>(dialog, "ExpressionEdit")->text();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(shown, QStringLiteral("x^2"));
    EXPECT_TRUE(OneUndoStep("Undo plot graph"));
    EXPECT_EQ(Shape(0).FKind, skGraphPaper);
}

TEST_F(ShapeMenu, NodeMenuEnablesByKindAndPickedNode)
{
    struct Case {
        const char* name;
        std::int32_t kind;
        int node;
        std::set<TCommand> enabled;
    };
    const std::set<TCommand> both { C::DeleteNode, C::AddNode };
    const Case cases[] = {
        { "polygon corner", skPolygon, 0, both },
        { "polygon, no node picked", skPolygon, -1, {} },
        { "line end: deleting it would delete the line", skLine, 1, { C::AddNode } },
        { "closed curve anchor", skClosedCurve, 3, both },
        { "closed curve control point", skClosedCurve, 4, {} },
        { "sine wave anchor", skOpenCurveFilled, 3, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing().Clear();
        const int hot = AddShape(c.kind);
        Drawing().SetSelectedNode(hot, c.node);
        EXPECT_EQ(EnabledWhenOpened(hot, { C::DeleteNode, C::AddNode }, true), c.enabled);
    }
}

TEST_F(ShapeMenu, NodesAreAddedAndDeletedNextToThePickedNode)
{
    struct Case {
        const char* name;
        std::int32_t kind;
        int node;
        TCommand item;
        int points; // 0: the shape is gone
        std::int32_t kindAfter;
        int nodeAfter;
        const char* undo;
    };
    const char* added = "Undo add node";
    const char* deleted = "Undo delete node";
    const Case cases[] = {
        { "after the last corner of a rectangle", skRectangle, 3, C::AddNode, 5, skPolygon, 4, added },
        { "a corner of a rectangle", skRectangle, 0, C::DeleteNode, 3, skPolygon, -1, deleted },
        { "after an anchor of a closed curve", skClosedCurve, 3, C::AddNode, 16, skClosedCurve, 6, added },
        { "an anchor of a closed curve", skClosedCurve, 3, C::DeleteNode, 10, skClosedCurve, -1, deleted },
        { "after the end of a line, which becomes a polyline", skLine, 1, C::AddNode, 3, skPolyline, 2, added },
    };
    UseTool(TTool::Node);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing().Clear();
        const int hot = AddShape(c.kind);
        Drawing().SetSelectedNode(hot, c.node);
        Drawing().ClearUndo();
        window->Canvas().SetHotShape(hot);
        RightClickAndChoose({ 400, 400 }, c.item);
        ASSERT_EQ(Drawing().ShapeCount(), 1);
        EXPECT_EQ(Shape(hot).PointCount(), c.points);
        EXPECT_EQ(Shape(hot).FKind, c.kindAfter);
        EXPECT_EQ(Drawing().GetSelectedNode(hot), c.nodeAfter);
        EXPECT_TRUE(OneUndoStep(c.undo));
    }
}

TEST_F(ShapeMenu, DeletingTheLastSegmentDeletesTheShapeAndTheMenuForgetsIt)
{
    UseTool(TTool::Node);
    Drawing().SetDrawPoint(100, 100, 0);
    Drawing().SetDrawPoint(200, 160, 1);
    Drawing().AddPolyShape(skPolyline, {}, {});
    Drawing().SetSelectedNode(0, 1);
    window->Canvas().SetHotShape(0);
    RightClickAndChoose({ 400, 400 }, C::DeleteNode);
    EXPECT_EQ(Drawing().ShapeCount(), 0);
    EXPECT_EQ(window->Canvas().HotShape(), -1);
}

} // namespace

// The shape menus act on the hot shape by its index; once shapes leave the drawing or change places,
// that index would name another shape, or none.
TEST_F(ShapeMenu, TheHotShapeIsLetGoWhenShapesLeaveOrChangePlaces)
{
    struct Case {
        const char* name;
        std::function<void(TMainDrawFrm&)> change;
        int hotAfter;
    };
    const QString sample = QStringLiteral(KORVO_SAMPLES_DIR "/graph-paper.kv");
    const Case cases[] = {
        { "move", [](TMainDrawFrm& w) { w.Drawing().MoveSelection(5, 0); }, 1 },
        { "delete", [](TMainDrawFrm& w) { w.Drawing().DeleteSelection(); }, -1 },
        { "undo", [](TMainDrawFrm& w) { w.Drawing().Undo(); }, -1 },
        { "redo",
            [](TMainDrawFrm& w) {
                w.Drawing().Undo();
                w.Canvas().SetHotShape(1);
                w.Drawing().Redo();
            },
            -1 },
        { "to front", [](TMainDrawFrm& w) { w.Drawing().BringToFront(); }, -1 },
        { "open", [&](TMainDrawFrm& w) { w.FileCommands().OpenAtStart(sample); }, -1 },
        { "new", [](TMainDrawFrm& w) { w.Action(TCommand::New)->trigger(); }, -1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing().Clear();
        for (int x : { 100, 200 })
            Drawing().AddBoxShape({ x, 100, x + 50, 150 }, TTool::Rectangle, {}, {});
        Drawing().MoveSelection(1, 0);
        DocState = dsSaved;
        window->Canvas().SetHotShape(1);
        c.change(*window);
        EXPECT_EQ(window->Canvas().HotShape(), c.hotAfter);
        EXPECT_EQ(window->Action(TCommand::AddToLibrary)->isEnabled(), c.hotAfter >= 0) << "the commands follow";
    }
}

TEST_F(ShapeMenu, AFormulaIsOneGroupOfTextsThatEditTextReopensAsTypedAndUndoRestores)
{
    const auto texts = [this] {
        QStringList runs;
        for (const TPolygon& child : Shape(0).FChildren)
            runs.append(child.FKind == skText ? QString::fromLatin1(child.FText) : QStringLiteral("not a text"));
        return runs;
    };
    UseTool(TTool::Text);
    WhenShown([](QWidget& dialog) {
        auto* memo = Part<QPlainTextEdit>(dialog, "Memo");
        QTest::keyClicks(memo, QStringLiteral("Fe"));
        QTest::keyClick(memo, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClicks(memo, QStringLiteral("3+ + SO4"));
        QTest::mouseClick(Part<QCheckBox>(dialog, "ChemistryBox"), Qt::LeftButton);
        QTest::mouseClick(Part<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    });
    Click({ 100, 100 });
    ASSERT_EQ(Drawing().ShapeCount(), 1);
    ASSERT_TRUE(Shape(0).IsGroup());
    EXPECT_EQ(texts(), (QStringList { "Fe", "3+", " + SO", "4" })) << "the key's markup wins, the switch adds the 4";
    EXPECT_EQ(Drawing().GetUndoCaption(), QStringLiteral("Undo create text"));

    QString shown;
    bool chemistry = false;
    RightClickAndChoose(CentreOf(0), C::EditText, [&](QWidget& dialog) {
        auto* memo = Part<QPlainTextEdit>(dialog, "Memo");
        auto* box = Part<QCheckBox>(dialog, "ChemistryBox");
        shown = memo->toPlainText();
        chemistry = box->isChecked();
        memo->selectAll();
        QTest::keyClicks(memo, QStringLiteral("H_2O"));
        box->setChecked(false);
        QTest::mouseClick(Part<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    });
    const TFormula typed { { { { "Fe", TRunPlace::Line }, { "3+", TRunPlace::Super }, { " + SO", TRunPlace::Line },
        { "4", TRunPlace::Sub } } } };
    EXPECT_EQ(ParseFormula(shown, chemistry), typed) << "reopened as " << qPrintable(shown);
    EXPECT_EQ(texts(), (QStringList { "H", "2", "O" }));
    EXPECT_EQ(Drawing().GetUndoCaption(), QStringLiteral("Undo edit text"));
    Drawing().Undo();
    EXPECT_EQ(texts(), (QStringList { "Fe", "3+", " + SO", "4" }));
    EXPECT_EQ(Drawing().GetUndoCaption(), QStringLiteral("Undo create text")) << "the edit is one step";
}
