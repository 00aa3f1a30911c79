#include "canvas_fixture.h"

#include "support/default_locale.h"

#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

using namespace korvo;
using namespace korvo::test;

namespace {

using C = TCommand;

class TransformCommands : public CanvasTest {
protected:
    // A rectangle and a group of two selected, with no history.
    void Scene()
    {
        Drawing().Clear();
        Drawing().AddBoxShape({ 40, 40, 120, 80 }, TTool::Rectangle, {}, {});
        Drawing().AddBoxShape({ 200, 40, 240, 120 }, TTool::Rectangle, {}, {});
        Drawing().SelectAll();
        Drawing().GroupSelection();
        Drawing().AddBoxShape({ 300, 200, 340, 300 }, TTool::Rectangle, {}, {});
        Drawing().ToggleSelected(1);
        Drawing().ClearUndo();
    }

    void Show(TCommand toolbar)
    {
        if (!Action(toolbar)->isChecked())
            Action(toolbar)->trigger();
    }

    QString StatusMessage() const { return window->statusBar()->currentMessage(); }

    struct TTyped {
        const char* box;
        const char* typed;
        const char* shown;
        const char* refusal;
    };

    // In order: a refused value leaves the one taken before it.
    void ExpectTyped(std::initializer_list<TTyped> cases)
    {
        for (const TCommand toolbar : { C::ScaleToolbar, C::PolygonToolbar, C::RotateToolbar })
            Show(toolbar);
        for (const TTyped& c : cases) {
            SCOPED_TRACE(testing::Message() << c.box << " " << c.typed);
            window->statusBar()->clearMessage();
            QWidget* box = Widget<QWidget>(c.box);
            if (auto* spin = qobject_cast<QAbstractSpinBox*>(box))
                spin->clear();
            else
                static_cast<QLineEdit*>(box)->clear();
            QTest::keyClicks(box, QLatin1String(c.typed));
            QTest::keyClick(box, Qt::Key_Enter);
            EXPECT_EQ(box->property("text").toString(), QLatin1String(c.shown));
            EXPECT_EQ(StatusMessage(), c.refusal ? QLatin1String(c.refusal) : QString());
        }
    }
};

TEST_F(TransformCommands, EachIsOneUndoStepOfItsOwn)
{
    const std::pair<TCommand, const char*> cases[] = {
        { C::Group, "Undo group selection" },
        { C::Ungroup, "Undo ungroup selection" },
        { C::ToFront, "Undo move to front" },
        { C::ToBack, "Undo move to back" },
        { C::MoveBack, "Undo move back one" },
        { C::MoveForward, "Undo move forward one" },
        { C::RotateAnticlockwise, "Undo rotation" },
        { C::RotateClockwise, "Undo rotation" },
        { C::MirrorHorizontally, "Undo reflection" },
        { C::MirrorVertically, "Undo reflection" },
        { C::ApplyRotation, "Undo rotation" },
        { C::ApplyRotationToCopy, "Undo rotation" },
        { C::ApplyScale, "Undo resize selection" },
        { C::ApplyScaleToCopy, "Undo resize selection" },
        { C::AlignCentres, "Undo alignment" },
        { C::CreatePolygon, "Undo add object" },
    };
    for (const auto& [command, caption] : cases) {
        SCOPED_TRACE(qPrintable(Action(command)->objectName()));
        Scene();
        const QByteArray before = EncodeDrawing(Drawing().Shapes());
        Action(command)->trigger();
        EXPECT_TRUE(OneUndoStep(caption));
        EXPECT_EQ(EncodeDrawing(Drawing().Shapes()), before) << "one Undo takes it all back, copies too";
    }
}

TEST_F(TransformCommands, AlignmentButtonsLineTheRectangleUpWithTheGroup)
{
    // At 4 pixels a millimetre the group, selected first, spans (10, 10)-(60, 30) mm with its centre at
    // (35, 20); the rectangle (75, 50)-(85, 75) mm, 10 wide and 25 high, is the one that moves.
    const std::pair<TCommand, TMMRect> cases[] = {
        { C::AlignCentres, { 30, 7.5f, 40, 32.5f } },
        { C::AlignCentresVertically, { 30, 50, 40, 75 } },
        { C::AlignCentresHorizontally, { 75, 7.5f, 85, 32.5f } },
        { C::AlignLeft, { 10, 50, 20, 75 } },
        { C::AlignRight, { 50, 50, 60, 75 } },
        { C::AlignTop, { 75, 10, 85, 35 } },
        { C::AlignBottom, { 75, 5, 85, 30 } },
    };
    for (const auto& [command, moved] : cases) {
        SCOPED_TRACE(qPrintable(Action(command)->objectName()));
        Scene();
        ASSERT_EQ(Shape(0).FBounds, (TMMRect { 10, 10, 60, 30 }));
        ASSERT_EQ(Shape(1).FBounds, (TMMRect { 75, 50, 85, 75 }));
        Action(command)->trigger();
        EXPECT_EQ(Shape(0).FBounds, (TMMRect { 10, 10, 60, 30 })) << "the first selected stays";
        EXPECT_EQ(Shape(1).FBounds, moved);
    }
}

TEST_F(TransformCommands, ShiftClickTurnsAQuarterAndAPlainClickTenDegrees)
{
    Drawing().AddBoxShape({ 100, 100, 180, 140 }, TTool::Rectangle, {}, {}); // 20 x 10 mm
    Drawing().ToggleSelected(0);
    auto* clockwise = Widget<QToolButton>("RotateCWBtn");
    QTest::mouseClick(clockwise, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_NEAR(Shape(0).FBounds.Right - Shape(0).FBounds.Left, 10, 1e-3);
    EXPECT_NEAR(Shape(0).FBounds.Bottom - Shape(0).FBounds.Top, 20, 1e-3);
    Drawing().Undo();
    QTest::mouseClick(clockwise, Qt::LeftButton);
    // 20 cos 10 + 10 sin 10
    EXPECT_NEAR(Shape(0).FBounds.Right - Shape(0).FBounds.Left, 21.4326, 1e-3);
}

TEST_F(TransformCommands, ApplyToCopyLeavesWhatWasCopied)
{
    for (const TCommand command : { C::ApplyRotationToCopy, C::ApplyScaleToCopy }) {
        SCOPED_TRACE(qPrintable(Action(command)->objectName()));
        Scene();
        Drawing().Deselect();
        Drawing().ToggleSelected(0);
        Action(C::Copy)->trigger();
        Drawing().Deselect();
        Drawing().ToggleSelected(1);
        Action(command)->trigger();
        ASSERT_EQ(Drawing().ShapeCount(), 3);
        Action(C::Paste)->trigger();
        const TMMRect pasted = Drawing().Shapes().back()->FBounds;
        EXPECT_FLOAT_EQ(pasted.Left, Shape(0).FBounds.Left + 2) << "a copy of the group, 2 mm along";
        EXPECT_FLOAT_EQ(pasted.Top, Shape(0).FBounds.Top + 2);
    }
}

const char* const ScaleRefusal = "The scale must be a whole number from 10 to 200";
const char* const RadiusRefusal = "The radius must be a number from 10 to 200";

TEST_F(TransformCommands, TypedValuesAreTakenOnlyWithinTheirRange)
{
    const char* angle = "The rotation angle must be a number";
    ExpectTyped({
        { "ScaleUpDn", "250", "100", ScaleRefusal },
        { "ScaleUpDn", "5", "100", ScaleRefusal },
        { "ScaleUpDn", "200", "200", nullptr },
        { "ScaleUpDn", "10", "10", nullptr },
        { "PolyRadius", "9.5", "50", RadiusRefusal },
        { "PolyRadius", "200.5", "50", RadiusRefusal },
        { "PolyRadius", "1.2.3", "50", RadiusRefusal },
        { "PolyRadius", "12.5", "12.5", nullptr },
        { "AngleEdit", "--", "60", angle },
        { "AngleEdit", "4a5 b", "45", nullptr },
        { "AngleEdit", "-7.5", "-7.5", nullptr },
    });
}

TEST_F(TransformCommands, TypedValuesTakeADecimalCommaOrPointInGerman)
{
    const TDefaultLocale german { QLocale(QLocale::German) };
    ExpectTyped({
        { "ScaleUpDn", "12,5", "12", nullptr },
        { "ScaleUpDn", "150.9", "150", nullptr },
        { "ScaleUpDn", "9,9", "150", ScaleRefusal },
        { "PolyRadius", "12,5", "12,5", nullptr },
        { "PolyRadius", "20.5", "20.5", nullptr },
        { "PolyRadius", "1.234,5", "20.5", RadiusRefusal },
        { "AngleEdit", "-7,5", "-7,5", nullptr },
    });
}

TEST_F(TransformCommands, RefusedValuesAreNotAppliedButArrowsReachTheWholeRange)
{
    Scene();
    Show(C::ScaleToolbar);
    auto* spin = Widget<QSpinBox>("ScaleUpDn");
    spin->clear();
    QTest::keyClicks(spin, QStringLiteral("300"));
    Action(C::ApplyScale)->trigger();
    EXPECT_FALSE(Drawing().CanUndo()) << "typed, not committed, and refused";
    EXPECT_EQ(spin->value(), 100);
    EXPECT_EQ(StatusMessage(), QLatin1String(ScaleRefusal));

    const TMMRect before = Shape(1).FBounds;
    spin->stepBy(200);
    Action(C::ApplyScale)->trigger();
    EXPECT_NEAR(Shape(1).FBounds.Right - Shape(1).FBounds.Left, 3 * (before.Right - before.Left), 1e-3);
}

TEST_F(TransformCommands, PolygonToolbarDrawsItsSidesAndRadius)
{
    Show(C::PolygonToolbar);
    Widget<QSpinBox>("PolySides")->stepBy(2);
    Widget<QLineEdit>("PolyRadius")->setText(QStringLiteral("20"));
    Action(C::CreatePolygon)->trigger();
    EXPECT_EQ(Shape(0).PointCount(), 8);
    EXPECT_NEAR(Shape(0).FBounds.Bottom - Shape(0).FBounds.Top, 2 * 20 * std::cos(M_PI / 8), 1e-3);
}

TEST_F(TransformCommands, MenuChecksFollowToolbarsClosedByTheirOwnButton)
{
    auto* menu = Widget<QMenu>("Tools");
    const std::pair<TCommand, const char*> bars[]
        = { { C::RotateToolbar, "RotateToolbar" }, { C::ScaleToolbar, "ScaleToolbar" },
              { C::AlignToolbar, "AlignToolbar" }, { C::PolygonToolbar, "PolygonToolbar" } };
    for (const auto& [command, name] : bars) {
        SCOPED_TRACE(name);
        Show(command);
        ASSERT_TRUE(Widget<QToolBar>(name)->isVisible());
        QTest::mouseClick(Widget<QToolButton>((std::string(name) + "Close").c_str()), Qt::LeftButton);
        EXPECT_FALSE(Widget<QToolBar>(name)->isVisible());
        emit menu->aboutToShow();
        EXPECT_FALSE(Action(command)->isChecked());
    }
    EXPECT_FALSE(Drawing().ShowCentre()) << "the centre goes with its tool bar";
}

} // namespace
