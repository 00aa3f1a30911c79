#include "printing/print_preview.h"

#include "dialogs/paint_panel.h"
#include "document/shared_settings.h"
#include "geometry/rounding.h"
#include "printing/print_prompts.h"
#include "printing/printer_queries.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace korvo {

namespace {

    bool IsA3Page() { return PageWidthMM == 420; }

    // The hourglass while a job is handed to the printer, gone however the job ends.
    class TWaitCursor {
    public:
        TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
        TWaitCursor(const TWaitCursor&) = delete;
        TWaitCursor& operator=(const TWaitCursor&) = delete;
    };

} // namespace

TPrintPreviewFrm::TPrintPreviewFrm(
    QWidget* owner, bool selectedOnly, const TDrawing& drawing, QPrinter* printer, TPrintPrompts& prompts)
    : QDialog(owner)
    , FDrawing(drawing)
    , FSelectedOnly(selectedOnly)
    , FPrinter(printer)
    , FPrompts(prompts)
{
    setObjectName(QStringLiteral("PrintPreviewFrm"));
    setWindowTitle(QStringLiteral("Print preview"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolbar();
    Scrollbox = new QScrollArea(this);
    Scrollbox->setObjectName(QStringLiteral("Scrollbox"));
    Scrollbox->setFrameShape(QFrame::NoFrame);
    Scrollbox->installEventFilter(this);
    PB = new TPaintPanel(QStringLiteral("PB"));
    PB->SetOnPaint([this](QPainter& painter, const QRect&) { PBPaint(painter); });
    Scrollbox->setWidget(PB);
    layout->addWidget(Scrollbox, 1);
    ReadPrinter();
    (StartingPlacement(FPrinter, false) == TPlacement::Fitted ? PageBtn : DefBtn)->setChecked(true);
}

void TPrintPreviewFrm::BuildToolbar()
{
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout()->addWidget(toolbar);
    CloseBtn = AddButton("CloseBtn", QStringLiteral("Close"), QStringLiteral("Close the print preview"));
    PrintBtn = AddButton("PrintBtn", QStringLiteral("Print"), QStringLiteral("Print"));
    toolbar->addActions({ CloseBtn, PrintBtn });
    toolbar->addSeparator();
    PortraitBtn = AddButton("PortraitBtn", QStringLiteral("Portrait"), QString());
    LandscapeBtn = AddButton("LandscapeBtn", QStringLiteral("Landscape"), QString());
    toolbar->addActions({ PortraitBtn, LandscapeBtn });
    toolbar->addSeparator();
    DefBtn = AddButton("DefBtn", QStringLiteral("Default"), QStringLiteral("Default position"));
    CenterBtn = AddButton("CenterBtn", QStringLiteral("Centre"), QStringLiteral("Centre pict on page"));
    PageBtn = AddButton("PageBtn", QStringLiteral("Fit to page"), QStringLiteral("Fit picture to page"));
    toolbar->addActions({ DefBtn, CenterBtn, PageBtn });
    A3Label = new QLabel(toolbar);
    A3Label->setObjectName(QStringLiteral("A3Label"));
    A3Label->setContentsMargins(8, 0, 8, 0);
    toolbar->addWidget(A3Label);

    auto* orientations = new QActionGroup(this);
    for (QAction* button : { PortraitBtn, LandscapeBtn }) {
        button->setCheckable(true);
        orientations->addAction(button);
    }
    PortraitBtn->setChecked(true);
    auto* placements = new QActionGroup(this);
    for (QAction* button : { DefBtn, CenterBtn, PageBtn }) {
        button->setCheckable(true);
        placements->addAction(button);
    }
    connect(CloseBtn, &QAction::triggered, this, &QDialog::accept);
    connect(PrintBtn, &QAction::triggered, this, [this] { PrintBtnClick(); });
    connect(orientations, &QActionGroup::triggered, this, [this] { ReadPrinter(); });
    connect(placements, &QActionGroup::triggered, this, [this] { PB->update(); });
}

QAction* TPrintPreviewFrm::AddButton(const char* name, const QString& caption, const QString& hint)
{
    auto* button = new QAction(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint.isEmpty() ? caption : hint);
    return button;
}

void TPrintPreviewFrm::ReadPrinter()
{
    TPageMetrics metrics;
    FPrinterUsable = GetPageMetrics(FPrinter, metrics);
    FA3Ok = !IsA3Page() || PrinterSupportsA3(FPrinter);
    PrintBtn->setEnabled(FPrinterUsable);
    if (!FPrinterUsable)
        A3Label->setText(QStringLiteral("No printer is available"));
    else if (!FA3Ok)
        A3Label->setText(QStringLiteral("The current printer cannot print to A3 paper"));
    else if (!SheetHoldsPage(FPrinter, Landscape()))
        A3Label->setText(QStringLiteral("The page is larger than the printer's paper"));
    else
        A3Label->clear();
    ScrollboxResize();
}

bool TPrintPreviewFrm::Landscape() const { return LandscapeBtn->isChecked(); }

TPrintChoice TPrintPreviewFrm::Choice() const
{
    const TPlacement placement = CenterBtn->isChecked() ? TPlacement::Centred
        : PageBtn->isChecked()                          ? TPlacement::Fitted
                                                        : TPlacement::AsOnPage;
    return { FSelectedOnly, Landscape(), placement };
}

bool TPrintPreviewFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Scrollbox && event->type() == QEvent::Resize)
        ScrollboxResize();
    return QDialog::eventFilter(watched, event);
}

void TPrintPreviewFrm::ScrollboxResize()
{
    TPageLayout layout;
    TPageMetrics metrics;
    GetPageLayout(FPrinter, layout, Landscape(), !FA3Ok);
    GetPageMetrics(FPrinter, metrics);
    const double ppi = logicalDpiY();
    // The room below the page leaves space for a scroll bar when the page is wider than the window.
    const double avail = Scrollbox->height() - 20;
    const double w = layout.PaperRect.Right;
    const double h = layout.PaperRect.Bottom;
    const double g = (avail / ppi) / (h / metrics.PixelsPerInchY);
    PB->resize(std::max(Trunc(g * ppi * w / metrics.PixelsPerInchX), 1),
        std::max(Trunc(h * ppi * g / metrics.PixelsPerInchY), 1));
    PB->update();
}

void TPrintPreviewFrm::PBPaint(QPainter& painter)
{
    TPageLayout layout;
    TPageMetrics metrics;
    GetPageLayout(FPrinter, layout, Landscape(), !FA3Ok);
    GetPageMetrics(FPrinter, metrics);
    const int w = layout.PaperRect.Right;
    const int h = layout.PaperRect.Bottom;
    painter.save();
    painter.scale(PB->width() / static_cast<double>(w), PB->height() / static_cast<double>(h));
    painter.setPen(QPen(QColor(128, 128, 128), 0));
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, w, h);
    painter.setPen(QPen(Qt::blue, 0, Qt::DotLine));
    const TRect& margin = layout.MarginRect;
    painter.drawLine(margin.Left, 0, margin.Left, h);
    painter.drawLine(margin.Right, 0, margin.Right, h);
    painter.drawLine(0, margin.Top, w, margin.Top);
    painter.drawLine(0, margin.Bottom, w, margin.Bottom);
    RenderPage(painter, FDrawing, Choice(), margin, metrics.PixelsPerInchX);
    painter.restore();
}

void TPrintPreviewFrm::PrintBtnClick()
{
    if (!FPrinterUsable || !FPrompts.PrintDialog(*FPrinter))
        return;
    QString error;
    {
        const TWaitCursor wait;
        try {
            PrintDrawing(*FPrinter, FDrawing, Choice());
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
        }
    }
    if (!error.isEmpty())
        FPrompts.ShowError(error);
    ReadPrinter();
}

} // namespace korvo
