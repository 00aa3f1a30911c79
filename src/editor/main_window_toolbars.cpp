#include "editor/main_window.h"

#include "editor/canvas/canvas_controller.h"
#include "editor/command_icons.h"
#include "geometry/units.h"

#include <QActionGroup>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

namespace korvo {

namespace {

    QToolBar* NewToolbar(QMainWindow* window, const QString& name, const QString& caption)
    {
        auto* toolbar = new QToolBar(caption, window);
        toolbar->setObjectName(name);
        toolbar->setIconSize(QSize(24, 24));
        return toolbar;
    }

    void AddLabel(QToolBar* toolbar, const QString& text)
    {
        auto* label = new QLabel(text, toolbar);
        label->setContentsMargins(4, 0, 4, 0);
        toolbar->addWidget(label);
    }

    // Number boxes take digits, "-" and "." only.
    QLineEdit* NumberEdit(QToolBar* toolbar, const QString& name, const QString& text, const QString& hint)
    {
        auto* edit = new QLineEdit(text, toolbar);
        edit->setObjectName(name);
        edit->setFixedWidth(56);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-.0-9]*")), edit));
        edit->setAccessibleName(hint);
        edit->setToolTip(hint);
        edit->setStatusTip(hint);
        return edit;
    }

    QSpinBox* Spin(QToolBar* toolbar, const QString& name, int low, int high, int value, const QString& hint)
    {
        auto* spin = new QSpinBox(toolbar);
        spin->setObjectName(name);
        spin->setRange(low, high);
        spin->setValue(value);
        spin->setToolTip(hint);
        spin->setStatusTip(hint);
        spin->setAccessibleName(hint);
        return spin;
    }

    bool ReadNumber(const QLineEdit* edit, double& value)
    {
        bool ok = false;
        value = edit->text().toDouble(&ok);
        return ok;
    }

} // namespace

void TMainDrawFrm::DescribeToolbarButtons(QToolBar* toolbar)
{
    for (QAction* action : toolbar->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action))) {
            button->setAccessibleName(action->text());
            button->setAccessibleDescription(action->toolTip());
        }
    }
}

void TMainDrawFrm::BuildTopToolbar()
{
    QToolBar* bar = NewToolbar(this, QStringLiteral("TopToolbar"), QStringLiteral("Main toolbar"));
    TFileCommands& files = *FFileCommands;
    bar->addAction(AddAction(QStringLiteral("NewBtn"), QStringLiteral("new"),
        QStringLiteral("Create a new blank drawing"), QStringLiteral("new"), [&files] { files.New(); }));
    bar->addAction(AddAction(QStringLiteral("OpenBtn"), QStringLiteral("open"),
        QStringLiteral("Open an existing drawing"), QStringLiteral("open"), [&files] { files.Open(); }));
    bar->addAction(AddAction(QStringLiteral("SaveBtn"), QStringLiteral("save"),
        QStringLiteral("Save the current drawing"), QStringLiteral("save"), [&files] { files.Save(); }));
    bar->addAction(AddAction(QStringLiteral("PrintBtn"), QStringLiteral("print"), QStringLiteral("Print the drawing"),
        QStringLiteral("print")));
    bar->addSeparator();
    bar->addAction(AddAction(QStringLiteral("CopyBtn"), QStringLiteral("copy"),
        QStringLiteral("Copy selected items (Ctrl+C)"), QStringLiteral("copy"), [this] { Copy(); }));
    bar->addAction(AddAction(QStringLiteral("PasteBtn"), QStringLiteral("paste"), QStringLiteral("Paste (Ctrl+V)"),
        QStringLiteral("paste"), [this] { FDrawing.Paste(); }));
    bar->addAction(AddAction(QStringLiteral("CutBtn"), QStringLiteral("cut"),
        QStringLiteral("Cut selected items (Ctrl+X)"), QStringLiteral("cut"), [this] { Cut(); }));
    bar->addAction(AddAction(QStringLiteral("UndoBtn"), QStringLiteral("undo"),
        QStringLiteral("Undo last action (Ctrl+Z)"), QStringLiteral("undo"), [this] {
            FDrawing.Undo();
            FDrawing.Paint();
        }));
    bar->addSeparator();
    QAction* snap = AddAction(QStringLiteral("SnapBtn"), QStringLiteral("snap"), QStringLiteral("Snap to grid"),
        QStringLiteral("snap"), [this] { SetSnap(Action(QStringLiteral("SnapBtn"))->isChecked()); });
    QAction* grid = AddAction(QStringLiteral("GridBtn"), QStringLiteral("grid"), QStringLiteral("Show / hide the grid"),
        QStringLiteral("grid"), [this] { ToggleGrid(Action(QStringLiteral("GridBtn"))->isChecked()); });
    for (QAction* check : { snap, grid }) {
        check->setCheckable(true);
        check->setChecked(true);
        bar->addAction(check);
    }
    bar->addSeparator();
    struct TArrange {
        const char* Name;
        const char* Caption;
        const char* Hint;
        const char* Icon;
        void (TDrawing::*Operation)();
    };
    const TArrange arrange[] = {
        { "GroupBtn", "group", "Group selected shapes", "group", &TDrawing::GroupSelection },
        { "UnGroupBtn", "ungroup", "Ungroup selected shapes", "ungroup", &TDrawing::UngroupSelection },
        { "ToFrontBtn", "to front", "Move selected shapes to the front", "tofront", &TDrawing::BringToFront },
        { "ToBackBtn", "to back", "Move selected shapes to the back", "toback", &TDrawing::SendToBack },
        { "MoveBackBtn", "move back", "Move selected shapes back one layer", "moveback", &TDrawing::SendBackward },
        { "MoveUpBtn", "move forward", "Move selected shapes forward one layer", "moveforward",
            &TDrawing::BringForward },
    };
    for (const TArrange& a : arrange) {
        const auto operation = a.Operation;
        bar->addAction(
            AddAction(QLatin1String(a.Name), QLatin1String(a.Caption), QLatin1String(a.Hint), QLatin1String(a.Icon),
                [this, operation] { RunOnSelection([this, operation] { (FDrawing.*operation)(); }); }));
    }
    // Shift turns by a quarter, a plain click by ten degrees; positive is clockwise on the page.
    const auto rotate = [this](float direction) {
        const bool quarter = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
        RunOnSelection([this, direction, quarter] { FDrawing.RotateSelection(direction * (quarter ? 90.0f : 10.0f)); });
    };
    bar->addAction(AddAction(QStringLiteral("RotateBtn"), QStringLiteral("rotate"),
        QStringLiteral("Rotate selected shapes anti-clockwise"), QStringLiteral("rotateccw"),
        [rotate] { rotate(-1); }));
    bar->addAction(AddAction(QStringLiteral("RotateCWBtn"), {}, QStringLiteral("Rotate selected shapes clockwise"),
        QStringLiteral("rotatecw"), [rotate] { rotate(1); }));
    bar->addAction(AddAction(QStringLiteral("HMirrorBtn"), QStringLiteral("H mirror"),
        QStringLiteral("Mirror selected shapes horizontally"), QStringLiteral("hmirror"),
        [this] { RunOnSelection([this] { FDrawing.MirrorSelection(0); }); }));
    bar->addAction(AddAction(QStringLiteral("VMirrorBtn"), QStringLiteral("V Mirror"),
        QStringLiteral("Mirror selected shapes vertically"), QStringLiteral("vmirror"),
        [this] { RunOnSelection([this] { FDrawing.MirrorSelection(1); }); }));
    bar->addSeparator();
    ZoomCombo = new QComboBox(bar);
    ZoomCombo->setObjectName(QStringLiteral("ZoomCombo"));
    ZoomCombo->setAccessibleName(QStringLiteral("Zoom"));
    ZoomCombo->addItem(QStringLiteral("x0.5"));
    for (int zoom = 1; zoom <= 10; ++zoom)
        ZoomCombo->addItem(QStringLiteral("x%1").arg(zoom));
    ZoomCombo->setCurrentIndex(1);
    ZoomCombo->setMaxVisibleItems(11);
    ZoomCombo->setFixedWidth(60);
    bar->addWidget(ZoomCombo);
    bar->addAction(AddAction(QStringLiteral("LineStyleBtn"), QStringLiteral("Line styles"),
        QStringLiteral("Line styles"), QStringLiteral("linestyle")));
    bar->addAction(AddAction(QStringLiteral("LineEndBtn"), QStringLiteral("Line ending styles"),
        QStringLiteral("Line ending styles"), QStringLiteral("lineend")));
    bar->addSeparator();
    bar->addAction(
        AddAction(QStringLiteral("HelpBtn"), QStringLiteral("help"), QStringLiteral("Help"), QStringLiteral("help")));
    addToolBar(Qt::TopToolBarArea, bar);
    DescribeToolbarButtons(bar);
}

void TMainDrawFrm::BuildToolPalette()
{
    QToolBar* bar = NewToolbar(this, QStringLiteral("TBXToolbar1"), QStringLiteral("Tools"));
    bar->setOrientation(Qt::Vertical);
    bar->setAllowedAreas(Qt::LeftToolBarArea);
    bar->setMovable(false);
    struct TTool {
        const char* Name;
        const char* Caption;
        const char* Hint;
        const char* Icon;
        int Tag;
    };
    const TTool tools[] = {
        { "SelectBtn", "Selection tool", "", "select", 0 },
        { "NodeBtn", "node", "Bezier slection tool", "node", 5 },
        { "SqBtn", "square", "Rectangle", "square", 2 },
        { "CircleBtn", "circle", "Circle", "circle", 3 },
        { "PolyBtn", "polygon", "Closed polygon", "polygon", 1 },
        { "PolylineBtn", "polyline", "Open polygon", "polyline", 6 },
        { "LineBtn", "line", "Straight line", "line", 7 },
        { "ArrowBtn", "Arrow", "Arrow", "arrow", 11 },
        { "CurveBtn", "curve", "Single curve", "curve", 8 },
        { "SineBtn", "sine", "Wave", "sine", 12 },
        { "StTubeBtn", "tube", "Straight tube", "tube", 17 },
        { "TextBtn", "text", "Text", "text", 9 },
        { "BendTubeBtn", "bend", "Tube bend", "bend", 13 },
        { "GraphBtn", "graph", "Graph paper", "graph", 16 },
        { "DropperBtn", "dropper", "Select a colour", "dropper", 19 },
    };
    auto* group = new QActionGroup(bar);
    for (const TTool& tool : tools) {
        const int tag = tool.Tag;
        // The dropper waits for the colour palette.
        const bool built = tag != 19;
        QAction* action = AddAction(QLatin1String(tool.Name), QLatin1String(tool.Caption), QLatin1String(tool.Hint),
            QLatin1String(tool.Icon), built ? THandler([this, tag] { FCanvas->SetDrawStyle(tag); }) : THandler());
        action->setData(tag);
        action->setCheckable(true);
        action->setActionGroup(group);
        bar->addAction(action);
    }
    Action(QStringLiteral("SelectBtn"))->setChecked(true);
    addToolBar(Qt::LeftToolBarArea, bar);
    DescribeToolbarButtons(bar);
}

void TMainDrawFrm::BuildTransformToolbars()
{
    addToolBarBreak(Qt::TopToolBarArea);
    RotateToolbar = NewToolbar(this, QStringLiteral("RotateToolbar"), QStringLiteral("Rotation toolbar"));
    AddLabel(RotateToolbar, QStringLiteral("Rotation angle"));
    QLineEdit* angle = NumberEdit(
        RotateToolbar, QStringLiteral("AngleEdit"), QStringLiteral("60"), QStringLiteral("Rotation angle"));
    RotateToolbar->addWidget(angle);
    const auto rotate = [this, angle](bool copy) {
        double degrees;
        if (!ReadNumber(angle, degrees))
            return;
        RunOnSelection([this, degrees, copy] {
            if (copy)
                CopyInPlace();
            FDrawing.RotateSelectionAboutCentre(static_cast<float>(degrees));
        });
    };
    RotateToolbar->addAction(AddAction(QStringLiteral("ApplyRotBtn"), QStringLiteral("Apply"),
        QStringLiteral("Rotate the selected shape"), {}, [rotate] { rotate(false); }));
    RotateToolbar->addAction(AddAction(QStringLiteral("ApplyToCopyBtn"), QStringLiteral("Apply to copy"),
        QStringLiteral("Rotate a copy of the selected shape"), {}, [rotate] { rotate(true); }));
    // Closing the tool bar by its own button hides the rotation centre with it.
    connect(RotateToolbar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (!visible && FDrawing.ShowCentre()) {
            FDrawing.SetShowCentre(false);
            FDrawing.Paint();
        }
    });

    QToolBar* scale = NewToolbar(this, QStringLiteral("ScaleToolbar"), QStringLiteral("Scale toolbar"));
    AddLabel(scale, QStringLiteral("Scale (%)"));
    QSpinBox* percent
        = Spin(scale, QStringLiteral("ScaleUpDn"), 1, 500, 100, QStringLiteral("Set the scale factor in %"));
    scale->addWidget(percent);
    const auto rescale = [this, percent](bool copy) {
        RunOnSelection([this, percent, copy] {
            if (copy)
                CopyInPlace();
            FDrawing.ScaleSelection(percent->value());
        });
    };
    scale->addAction(AddAction(QStringLiteral("ApplyScaleBtn"), QStringLiteral("Apply"),
        QStringLiteral("Scale the selected shapes"), {}, [rescale] { rescale(false); }));
    scale->addAction(AddAction(QStringLiteral("ApplyScaleCopyBtn"), QStringLiteral("Apply to copy"),
        QStringLiteral("Copy and scale the selected shapes"), {}, [rescale] { rescale(true); }));

    QToolBar* align = NewToolbar(this, QStringLiteral("AlignToolbar"), QStringLiteral("Aligment toolbar"));
    const std::pair<const char*, const char*> modes[] = {
        { "C", "Align centres of selected shapes" },
        { "VC", "Align centres of selected shapes vertically" },
        { "HC", "Align centres of selected shapes horizontally" },
        { "L", "Align left edges of selected shapes" },
        { "R", "Align right edges of selected shapes" },
        { "T", "Align top edges of selected shapes" },
        { "B", "Align bottom edges of selected shapes" },
    };
    const char* names[] = { "Center1", "VCenter1", "HCenter1", "Left1", "Right1", "Top1", "Bottom1" };
    for (int tag = 1; tag <= 7; ++tag) {
        const auto& [caption, hint] = modes[tag - 1];
        align->addAction(AddAction(QLatin1String(names[tag - 1]), QLatin1String(caption), QLatin1String(hint), {},
            [this, tag] { RunOnSelection([this, tag] { FDrawing.AlignSelection(tag); }); }));
    }

    QToolBar* polygon = NewToolbar(this, QStringLiteral("PolygonToolbar"), QStringLiteral("Polygon toolbar"));
    QSpinBox* sides = Spin(polygon, QStringLiteral("PolySides"), 6, 16, 6, QStringLiteral("Set the number of sides"));
    // Sides are chosen with the arrows only.
    sides->findChild<QLineEdit*>()->setReadOnly(true);
    sides->setFixedWidth(40);
    QLineEdit* radius
        = NumberEdit(polygon, QStringLiteral("PolyRadius"), QStringLiteral("50"), QStringLiteral("Radius (mm)"));
    // New polygons stand in the middle of the page's upper part, where the rotation centre starts.
    QAction* create = AddAction(QStringLiteral("CreatePolyBtn"), QStringLiteral("Create a polygon with "),
        QStringLiteral("Draw a polygon"), QStringLiteral("polygon"), [this, sides, radius] {
            double mm;
            if (ReadNumber(radius, mm))
                RunOnSelection([this, sides, mm] {
                    FDrawing.AddRegularPolygon(sides->value(), 100, 100, static_cast<float>(mm));
                });
        });
    polygon->addAction(create);
    qobject_cast<QToolButton*>(polygon->widgetForAction(create))->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    polygon->addWidget(sides);
    AddLabel(polygon, QStringLiteral("sides"));
    polygon->addSeparator();
    AddLabel(polygon, QStringLiteral("Radius (mm)"));
    polygon->addWidget(radius);

    for (QToolBar* bar : { scale, RotateToolbar, align, polygon }) {
        bar->setAllowedAreas(Qt::TopToolBarArea);
        addToolBar(Qt::TopToolBarArea, bar);
        bar->hide();
        DescribeToolbarButtons(bar);
    }
}

} // namespace korvo
