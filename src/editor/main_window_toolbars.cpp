#include "editor/main_window.h"

#include "dialogs/user_numbers.h"
#include "editor/canvas/canvas_controller.h"
#include "editor/canvas/tool_table.h"
#include "editor/number_fields.h"

#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace korvo {

using C = TCommand;

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

    void Describe(QWidget* control, const QString& hint)
    {
        control->setAccessibleName(hint);
        control->setToolTip(hint);
        control->setStatusTip(hint);
    }

    // A refused number is explained where hints show, for a few seconds.
    TRefusalReport StatusReport(QMainWindow* window)
    {
        return [window](const QString& message) { window->statusBar()->showMessage(message, 5000); };
    }

    void Place(QToolBar* toolbar, QWidget* control, const QString& name, const QString& hint)
    {
        control->setObjectName(name);
        Describe(control, hint);
        toolbar->addWidget(control);
    }

    // A docked tool bar has no title bar to close it by; this button does what its close box would.
    void AddCloseButton(QToolBar& bar)
    {
        auto* close = new QAction(bar.style()->standardIcon(QStyle::SP_TitleBarCloseButton),
            QCoreApplication::translate("korvo::TMainDrawFrm", "Close %1").arg(bar.windowTitle()), &bar);
        close->setToolTip(close->text());
        close->setStatusTip(close->text());
        AddNamedButton(bar, close, bar.objectName() + QStringLiteral("Close"), QString());
        QObject::connect(close, &QAction::triggered, &bar, &QWidget::hide);
    }

} // namespace

void TMainDrawFrm::BuildTopToolbar()
{
    QToolBar* bar = NewToolbar(this, QStringLiteral("TopToolbar"), tr("Main toolbar"));
    const auto add = [this, bar](std::initializer_list<TCommand> ids) {
        for (const TCommand id : ids)
            FCommands.AddButton(*bar, id);
        bar->addSeparator();
    };
    add({ C::New, C::Open, C::Save, C::Print });
    add({ C::Copy, C::Paste, C::Cut, C::Undo, C::Redo });
    add({ C::SnapToGrid, C::Grid });
    add({ C::Group, C::Ungroup, C::ToFront, C::ToBack, C::MoveBack, C::MoveForward, C::RotateAnticlockwise,
        C::RotateClockwise, C::MirrorHorizontally, C::MirrorVertically });
    ZoomCombo = new QComboBox(bar);
    ZoomCombo->setObjectName(QStringLiteral("ZoomCombo"));
    ZoomCombo->setAccessibleName(tr("Zoom"));
    for (const double zoom : { 0.5, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 10.0 })
        ZoomCombo->addItem(QStringLiteral("x") + ShowNumber(zoom));
    ZoomCombo->setCurrentIndex(1);
    ZoomCombo->setMaxVisibleItems(11);
    ZoomCombo->setFixedWidth(60);
    bar->addWidget(ZoomCombo);
    add({ C::LineStyles, C::LineEndings });
    // They only open their menus.
    for (const TCommand id : { C::LineStyles, C::LineEndings })
        qobject_cast<QToolButton*>(bar->widgetForAction(Action(id)))->setPopupMode(QToolButton::InstantPopup);
    FCommands.AddButton(*bar, C::Help);
    addToolBar(Qt::TopToolBarArea, bar);
}

void TMainDrawFrm::BuildToolPalette()
{
    TBXToolbar1 = NewToolbar(this, QStringLiteral("TBXToolbar1"), tr("Tools"));
    TBXToolbar1->setOrientation(Qt::Vertical);
    TBXToolbar1->setAllowedAreas(Qt::LeftToolBarArea);
    TBXToolbar1->setMovable(false);
    auto* group = new QActionGroup(TBXToolbar1);
    for (const TToolInfo& tool : ToolTable()) {
        QAction* action = NewAction(group, tool.Text);
        action->setData(static_cast<int>(tool.Tool));
        action->setCheckable(true);
        const TTool id = tool.Tool;
        connect(action, &QAction::triggered, &FWiring, [this, id] { FCanvas->SetDrawStyle(id); });
        AddNamedButton(*TBXToolbar1, action, action->objectName(), ShownText(tool.Text.Caption));
    }
    ToolAction(TTool::Selection)->setChecked(true);
    addToolBar(Qt::LeftToolBarArea, TBXToolbar1);
}

QAction* TMainDrawFrm::ToolAction(TTool tool) const
{
    for (QAction* action : TBXToolbar1->actions()) {
        if (action->data().toInt() == static_cast<int>(tool))
            return action;
    }
    return nullptr;
}

void TMainDrawFrm::BuildTransformToolbars()
{
    // They share the main tool bar's row, each placed beside it when shown.
    const std::pair<QToolBar*, TCommand> bars[]
        = { { BuildScaleToolbar(), C::ScaleToolbar }, { BuildRotateToolbar(), C::RotateToolbar },
              { BuildAlignToolbar(), C::AlignToolbar }, { BuildPolygonToolbar(), C::PolygonToolbar } };
    for (const auto& [bar, command] : bars) {
        // The bar's own show and close, by its button or by the menu, set the check mark.
        connect(bar->toggleViewAction(), &QAction::toggled, Action(command), &QAction::setChecked);
        bar->setAllowedAreas(Qt::TopToolBarArea);
        AddCloseButton(*bar);
        addToolBar(Qt::TopToolBarArea, bar);
        bar->hide();
    }
}

QToolBar* TMainDrawFrm::BuildRotateToolbar()
{
    RotateToolbar = NewToolbar(this, QStringLiteral("RotateToolbar"), tr("Rotation toolbar"));
    AddLabel(RotateToolbar, tr("Rotation angle"));
    AngleEdit = new TNumberEdit(QStringLiteral("60"), std::nullopt, tr("The rotation angle must be a number"),
        StatusReport(this), RotateToolbar);
    AngleEdit->setFixedWidth(56);
    Place(RotateToolbar, AngleEdit, QStringLiteral("AngleEdit"), tr("Rotation angle"));
    FCommands.AddButton(*RotateToolbar, C::ApplyRotation);
    FCommands.AddButton(*RotateToolbar, C::ApplyRotationToCopy);
    // Closing the tool bar by its own button hides the rotation centre with it.
    connect(RotateToolbar, &QToolBar::visibilityChanged, &FWiring, [this](bool visible) {
        if (!visible)
            FDrawing.SetShowCentre(false);
    });
    return RotateToolbar;
}

QToolBar* TMainDrawFrm::BuildScaleToolbar()
{
    ScaleToolbar = NewToolbar(this, QStringLiteral("ScaleToolbar"), tr("Scale toolbar"));
    AddLabel(ScaleToolbar, tr("Scale (%)"));
    // The arrows reach 1 to 500 %; a typed scale is held to 10 to 200 %.
    ScaleUpDn = new TTypedRangeSpinBox(1, 500, 100, { 10, 200 }, tr("The scale must be a whole number from 10 to 200"),
        StatusReport(this), ScaleToolbar);
    Place(ScaleToolbar, ScaleUpDn, QStringLiteral("ScaleUpDn"), tr("Set the scale factor in %"));
    FCommands.AddButton(*ScaleToolbar, C::ApplyScale);
    FCommands.AddButton(*ScaleToolbar, C::ApplyScaleToCopy);
    return ScaleToolbar;
}

QToolBar* TMainDrawFrm::BuildAlignToolbar()
{
    AlignToolbar = NewToolbar(this, QStringLiteral("AlignToolbar"), tr("Aligment toolbar"));
    for (const TCommand id : { C::AlignCentres, C::AlignCentresVertically, C::AlignCentresHorizontally, C::AlignLeft,
             C::AlignRight, C::AlignTop, C::AlignBottom })
        FCommands.AddButton(*AlignToolbar, id);
    return AlignToolbar;
}

QToolBar* TMainDrawFrm::BuildPolygonToolbar()
{
    PolygonToolbar = NewToolbar(this, QStringLiteral("PolygonToolbar"), tr("Polygon toolbar"));
    FCommands.AddButton(*PolygonToolbar, C::CreatePolygon);
    qobject_cast<QToolButton*>(PolygonToolbar->widgetForAction(Action(C::CreatePolygon)))
        ->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    PolySides = new QSpinBox(PolygonToolbar);
    PolySides->setRange(6, 16);
    PolySides->setValue(6);
    Place(PolygonToolbar, PolySides, QStringLiteral("PolySides"), tr("Set the number of sides"));
    // Sides are chosen with the arrows only.
    PolySides->findChild<QLineEdit*>()->setReadOnly(true);
    PolySides->setFixedWidth(40);
    AddLabel(PolygonToolbar, tr("sides"));
    PolygonToolbar->addSeparator();
    AddLabel(PolygonToolbar, tr("Radius (mm)"));
    PolyRadius = new TNumberEdit(QStringLiteral("50"), TNumberRange { 10, 200 },
        tr("The radius must be a number from 10 to 200"), StatusReport(this), PolygonToolbar);
    PolyRadius->setFixedWidth(56);
    Place(PolygonToolbar, PolyRadius, QStringLiteral("PolyRadius"), tr("Radius (mm)"));
    return PolygonToolbar;
}

} // namespace korvo
