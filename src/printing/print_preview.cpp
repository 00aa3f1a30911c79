#include "printing/print_preview.h"

#include "dialogs/paint_panel.h"
#include "document/shared_settings.h"
#include "geometry/rounding.h"
#include "printing/print_prompts.h"

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
    setWindowTitle(tr("Print preview"));
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
    (StartingPlacement(FSheet, false) == TPlacement::Fitted ? PageBtn : DefBtn)->setChecked(true);
}

void TPrintPreviewFrm::BuildToolbar()
{
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout()->addWidget(toolbar);
    CloseBtn = AddButton("CloseBtn", tr("Close"), tr("Close the print preview"));
    PrintBtn = AddButton("PrintBtn", tr("Print"), QString());
    toolbar->addActions({ CloseBtn, PrintBtn });
    toolbar->addSeparator();
    PortraitBtn = AddButton("PortraitBtn", tr("Portrait"), QString());
    LandscapeBtn = AddButton("LandscapeBtn", tr("Landscape"), QString());
    toolbar->addActions({ PortraitBtn, LandscapeBtn });
    toolbar->addSeparator();
    DefBtn = AddButton("DefBtn", tr("Default"), tr("Default position"));
    CenterBtn = AddButton("CenterBtn", tr("Centre"), tr("Centre pict on page"));
    PageBtn = AddButton("PageBtn", tr("Fit to page"), tr("Fit picture to page"));
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
    connect(orientations, &QActionGroup::triggered, this, [this] { LayOutPage(); });
    connect(placements, &QActionGroup::triggered, this, [this] { ForgetRenderedPage(); });
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
    FSheet = ReadPrinterSheet(FPrinter);
    FA3Ok = !IsA3Page() || PrinterSupportsA3(FPrinter);
    PrintBtn->setEnabled(FSheet.Usable);
    LayOutPage();
}

void TPrintPreviewFrm::LayOutPage()
{
    // Always the sheet the print goes onto, also for an A3 page on a printer without A3 paper.
    FLayout = PageLayoutFor(FSheet.Metrics, FSheet.Landscape, Landscape());
    if (!FSheet.Usable)
        A3Label->setText(tr("No printer is available"));
    else if (!FA3Ok)
        A3Label->setText(tr("The current printer cannot print to A3 paper"));
    else if (!SheetHoldsPage(FSheet, Landscape()))
        A3Label->setText(tr("The page is larger than the printer's paper"));
    else
        A3Label->clear();
    ForgetRenderedPage();
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
    const TPageMetrics& metrics = FSheet.Metrics;
    const double ppi = logicalDpiY();
    // The room below the page leaves space for a scroll bar when the page is wider than the window.
    const double avail = Scrollbox->height() - 20;
    const double w = FLayout.PaperRect.Right;
    const double h = FLayout.PaperRect.Bottom;
    const double g = (avail / ppi) / (h / metrics.PixelsPerInchY);
    PB->resize(std::max(Trunc(g * ppi * w / metrics.PixelsPerInchX), 1),
        std::max(Trunc(h * ppi * g / metrics.PixelsPerInchY), 1));
}

void TPrintPreviewFrm::PBPaint(QPainter& painter)
{
    const QSize pixels = PB->size() * PB->devicePixelRatioF();
    if (FRenderedPage.size() != pixels)
        FRenderedPage = RenderedPage();
    painter.drawImage(0, 0, FRenderedPage);
}

QImage TPrintPreviewFrm::RenderedPage() const
{
    QImage page(PB->size() * PB->devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    page.setDevicePixelRatio(PB->devicePixelRatioF());
    page.fill(Qt::white);
    const int w = FLayout.PaperRect.Right;
    const int h = FLayout.PaperRect.Bottom;
    QPainter painter(&page);
    painter.scale(PB->width() / static_cast<double>(w), PB->height() / static_cast<double>(h));
    painter.setPen(QPen(QColor(128, 128, 128), 0));
    painter.drawRect(0, 0, w, h);
    painter.setPen(QPen(Qt::blue, 0, Qt::DotLine));
    const TRect& margin = FLayout.MarginRect;
    painter.drawLine(margin.Left, 0, margin.Left, h);
    painter.drawLine(margin.Right, 0, margin.Right, h);
    painter.drawLine(0, margin.Top, w, margin.Top);
    painter.drawLine(0, margin.Bottom, w, margin.Bottom);
    RenderPage(painter, FDrawing, Choice(), margin, FSheet.Metrics.PixelsPerInchX);
    return page;
}

void TPrintPreviewFrm::ForgetRenderedPage()
{
    FRenderedPage = QImage();
    PB->update();
}

void TPrintPreviewFrm::PrintBtnClick()
{
    if (!FSheet.Usable || !FPrompts.PrintDialog(*FPrinter))
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
