#include "editor/main_window.h"

#include "dialogs/paint_panel.h"
#include "editor/drawing_surface_widget.h"
#include "editor/library_commands.h"
#include "editor/palette_panel.h"
#include "library/ui/lib_panel.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace korvo {

namespace {

    constexpr int RulerBand = 18;

    TPaintPanel* Ruler(const QString& name, QWidget* parent)
    {
        auto* ruler = new TPaintPanel(name, parent);
        ruler->setAccessibleName(name == QLatin1String("XRulePic")
                ? QCoreApplication::translate("korvo::TMainDrawFrm", "Horizontal ruler")
                : QCoreApplication::translate("korvo::TMainDrawFrm", "Vertical ruler"));
        ruler->SetOnPaint(
            [ruler](QPainter& painter, const QRect& area) { painter.fillRect(area, ruler->palette().button()); });
        return ruler;
    }

} // namespace

void TMainDrawFrm::BuildCentre()
{
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("PicWin"));
    auto* grid = new QGridLayout(centre);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto* corner = new QLabel(tr("cm"), centre);
    corner->setObjectName(QStringLiteral("Panel1"));
    corner->setAlignment(Qt::AlignCenter);
    corner->setFixedSize(RulerBand + 1, RulerBand);
    XRulePic = Ruler(QStringLiteral("XRulePic"), centre);
    XRulePic->setFixedHeight(RulerBand);
    YRulePic = Ruler(QStringLiteral("YRulePic"), centre);
    YRulePic->setFixedWidth(RulerBand);
    Pic->setParent(centre);
    XHsb = new QScrollBar(Qt::Horizontal, centre);
    XHsb->setObjectName(QStringLiteral("XHsb"));
    YHsb = new QScrollBar(Qt::Vertical, centre);
    YHsb->setObjectName(QStringLiteral("YHsb"));
    // Shown only when the page does not fit the view; their strips stay, so the surface keeps its size.
    for (QScrollBar* bar : { XHsb, YHsb }) {
        QSizePolicy policy = bar->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        bar->setSizePolicy(policy);
        bar->hide();
    }
    XHsb->setFixedHeight(RulerBand);
    YHsb->setFixedWidth(RulerBand);
    grid->addWidget(corner, 0, 0);
    grid->addWidget(XRulePic, 0, 1);
    grid->addWidget(YRulePic, 1, 0);
    grid->addWidget(Pic, 1, 1);
    grid->addWidget(YHsb, 1, 2);
    grid->addWidget(XHsb, 2, 1);
    grid->addWidget(new TPalettePanel(FDrawing, FPrompts, centre), 0, 3, 3, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    setCentralWidget(centre);
}

void TMainDrawFrm::BuildLibraryPanel()
{
    LibPanel = new QDockWidget(tr("Library"), this);
    LibPanel->setObjectName(QStringLiteral("LibPanel"));
    LibPanel->setFeatures(QDockWidget::DockWidgetClosable);
    LibPanel->setAllowedAreas(Qt::RightDockWidgetArea);
    FLibraryPanel = new TLibraryPanel(FLibrary, *this, LibPanel);
    auto* tools = new QToolBar(tr("Library tools"), FLibraryPanel->ToolPanel());
    tools->setObjectName(QStringLiteral("LibraryToolbar"));
    tools->setIconSize(QSize(20, 20));
    for (const TCommand id : { TCommand::LibraryPageOrder, TCommand::LibraryNewPage, TCommand::LibraryDeletePage,
             TCommand::LibraryMoveUp, TCommand::LibraryMoveDown, TCommand::LibraryDelete })
        FCommands.AddButton(*tools, id);
    auto* toolsLayout = new QVBoxLayout(FLibraryPanel->ToolPanel());
    toolsLayout->setContentsMargins(0, 0, 0, 0);
    toolsLayout->addWidget(tools);
    LibPanel->setWidget(FLibraryPanel);
    addDockWidget(Qt::RightDockWidgetArea, LibPanel);
    resizeDocks({ LibPanel }, { 308 }, Qt::Horizontal);
    // The panel's own show and close, not the window's minimising, set the check mark.
    connect(LibPanel->toggleViewAction(), &QAction::toggled, Action(TCommand::ShowLibrary), &QAction::setChecked);
    connect(LibPanel, &QDockWidget::visibilityChanged, &FWiring, [this] { RefreshCommandStates(); });
    connect(FLibraryPanel, &TLibraryPanel::ListChanged, &FWiring, [this] { RefreshCommandStates(); });
    FLibraryCommands = std::make_unique<TLibraryCommands>(FLibrary, *FLibraryPanel, FDrawing, FPrompts, *this);
    connect(FLibraryPanel->List(), &TLibListBox::LibraryFileDropped, &FWiring,
        [this](const QString& fileName) { FLibraryCommands->UseDroppedLibrary(fileName); });
}

void TMainDrawFrm::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    XYLabel = new QLabel(bar);
    XYLabel->setObjectName(QStringLiteral("XYLabel"));
    XYLabel->setMinimumWidth(150);
    XYLabel->setAccessibleName(tr("Pointer position"));
    HintLabel = new QLabel(bar);
    HintLabel->setObjectName(QStringLiteral("HintLabel"));
    HintLabel->setAccessibleName(tr("Hint"));
    // Hints of the recent files menu are file names, which stay plain text whatever they look like.
    HintLabel->setTextFormat(Qt::PlainText);
    auto* separator = new QFrame(bar);
    separator->setFrameShape(QFrame::VLine);
    bar->addWidget(XYLabel);
    bar->addWidget(separator);
    bar->addWidget(HintLabel, 1);
}

} // namespace korvo
