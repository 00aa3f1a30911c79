#include "editor/main_window.h"

#include "dialogs/paint_panel.h"
#include "editor/drawing_surface_widget.h"

#include <QComboBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace korvo {

namespace {

    constexpr int RulerBand = 18;
    constexpr int PaletteWidth = 38;

    // The colour strip at the right of the drawing: the palette box and the colour button below it.
    QWidget* PalettePanel(QWidget* parent)
    {
        auto* panel = new QWidget(parent);
        panel->setObjectName(QStringLiteral("PalettePanel"));
        panel->setFixedWidth(PaletteWidth);
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(2, 0, 2, 0);
        layout->setSpacing(2);
        auto* scroller = new QScrollArea(panel);
        scroller->setObjectName(QStringLiteral("PageScroller1"));
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto* box = new TPaintPanel(QStringLiteral("PalPic"));
        box->setFixedSize(34, 784);
        box->setAccessibleName(QStringLiteral("Colour palette"));
        box->SetOnPaint(
            [box](QPainter& painter, const QRect& area) { painter.fillRect(area, box->palette().window()); });
        box->setEnabled(false);
        scroller->setWidget(box);
        layout->addWidget(scroller, 1);
        auto* colour = new QPushButton(panel);
        colour->setObjectName(QStringLiteral("ColorBtn"));
        colour->setAccessibleName(QStringLiteral("Colour"));
        colour->setFixedSize(34, 25);
        colour->setEnabled(false);
        layout->addWidget(colour);
        return panel;
    }

    TPaintPanel* Ruler(const QString& name, QWidget* parent)
    {
        auto* ruler = new TPaintPanel(name, parent);
        ruler->setAccessibleName(
            name == QLatin1String("XRulePic") ? QStringLiteral("Horizontal ruler") : QStringLiteral("Vertical ruler"));
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
    auto* corner = new QLabel(QStringLiteral("cm"), centre);
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
    grid->addWidget(PalettePanel(centre), 0, 3, 3, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    setCentralWidget(centre);
}

void TMainDrawFrm::BuildLibraryPanel()
{
    LibPanel = new QDockWidget(QStringLiteral("Library"), this);
    LibPanel->setObjectName(QStringLiteral("LibPanel"));
    LibPanel->setFeatures(QDockWidget::DockWidgetClosable);
    LibPanel->setAllowedAreas(Qt::RightDockWidgetArea);
    auto* body = new QWidget(LibPanel);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    LibCombo = new QComboBox(body);
    LibCombo->setObjectName(QStringLiteral("LibCombo"));
    LibCombo->setAccessibleName(QStringLiteral("Library page"));
    connect(LibCombo, &QComboBox::activated, this, [this](int page) { ShowLibraryPage(page); });
    LibListBox = new QListWidget(body);
    LibListBox->setObjectName(QStringLiteral("LibListBox"));
    LibListBox->setAccessibleName(QStringLiteral("Library shapes"));
    LibTBPanel = new QWidget(body);
    LibTBPanel->setObjectName(QStringLiteral("LibTBPanel"));
    auto* tools = new QToolBar(QStringLiteral("Library tools"), LibTBPanel);
    tools->setObjectName(QStringLiteral("LibraryToolbar"));
    for (const TCommand id : { TCommand::LibraryPageOrder, TCommand::LibraryNewPage, TCommand::LibraryDeletePage,
             TCommand::LibraryMoveUp, TCommand::LibraryMoveDown, TCommand::LibraryDelete })
        FCommands.AddButton(*tools, id);
    auto* toolsLayout = new QVBoxLayout(LibTBPanel);
    toolsLayout->setContentsMargins(0, 0, 0, 0);
    toolsLayout->addWidget(tools);
    layout->addWidget(LibCombo);
    layout->addWidget(LibListBox, 1);
    layout->addWidget(LibTBPanel);
    LibPanel->setWidget(body);
    addDockWidget(Qt::RightDockWidgetArea, LibPanel);
    resizeDocks({ LibPanel }, { 308 }, Qt::Horizontal);
    connect(LibPanel, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!isMinimized() && isVisible())
            Action(TCommand::ShowLibrary)->setChecked(visible);
    });
}

void TMainDrawFrm::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    XYLabel = new QLabel(bar);
    XYLabel->setObjectName(QStringLiteral("XYLabel"));
    XYLabel->setMinimumWidth(150);
    XYLabel->setAccessibleName(QStringLiteral("Pointer position"));
    HintLabel = new QLabel(bar);
    HintLabel->setObjectName(QStringLiteral("HintLabel"));
    HintLabel->setAccessibleName(QStringLiteral("Hint"));
    auto* separator = new QFrame(bar);
    separator->setFrameShape(QFrame::VLine);
    bar->addWidget(XYLabel);
    bar->addWidget(separator);
    bar->addWidget(HintLabel, 1);
}

} // namespace korvo
