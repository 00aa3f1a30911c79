#include "printing/print_job.h"

#include "document/drawing.h"
#include "printing/print_service.h"

#include <QPainter>
#include <QPrinter>

namespace korvo {

namespace {

    // Puts the printer's orientation back however the job ends.
    class TOrientationKeeper {
    public:
        explicit TOrientationKeeper(QPrinter& printer)
            : FPrinter(printer)
            , FOrientation(printer.pageLayout().orientation())
        {
        }
        ~TOrientationKeeper() { FPrinter.setPageOrientation(FOrientation); }
        TOrientationKeeper(const TOrientationKeeper&) = delete;
        TOrientationKeeper& operator=(const TOrientationKeeper&) = delete;

    private:
        QPrinter& FPrinter;
        QPageLayout::Orientation FOrientation;
    };

    QString PrinterName(const QPrinter& printer)
    {
        const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
        return toFile ? printer.outputFileName() : printer.printerName();
    }

} // namespace

EPrintError::EPrintError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

TPlacement StartingPlacement(const TPrinterSheet& sheet, bool landscape)
{
    return SheetHoldsPage(sheet, landscape) ? TPlacement::AsOnPage : TPlacement::Fitted;
}

TPlacement StartingPlacement(const QPrinter* printer, bool landscape)
{
    return StartingPlacement(ReadPrinterSheet(printer), landscape);
}

void RenderPage(QPainter& target, const TDrawing& drawing, const TPrintChoice& choice, const TRect& margin,
    int printerPixelsPerInch)
{
    if (choice.SelectedOnly)
        drawing.RenderSelection(target, margin, QString(), choice.Placement, printerPixelsPerInch);
    else
        drawing.RenderDrawing(target, margin, QString(), choice.Placement, printerPixelsPerInch);
}

void PrintDrawing(QPrinter& printer, const TDrawing& drawing, const TPrintChoice& choice)
{
    const TOrientationKeeper keeper(printer);
    printer.setPageOrientation(choice.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    TPageMetrics metrics;
    TPageLayout layout;
    if (!GetPageMetrics(&printer, metrics) || !GetPageLayout(&printer, layout, IsLandscape(printer)))
        throw EPrintError(
            EPrintError::tr("The printer \"%1\" reports no paper size or resolution.").arg(PrinterName(printer)));
    // The page's origin is the sheet's corner, as the preview shows it, not the printable area's.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        throw EPrintError(EPrintError::tr("Printing on \"%1\" could not start.").arg(PrinterName(printer)));
    RenderPage(painter, drawing, choice, layout.MarginRect, metrics.PixelsPerInchX);
    if (!painter.end())
        throw EPrintError(EPrintError::tr("Printing on \"%1\" could not be finished.").arg(PrinterName(printer)));
    if (printer.outputFormat() == QPrinter::NativeFormat) {
        const QString refusal = PrintServiceRefusal();
        if (!refusal.isEmpty())
            throw EPrintError(
                EPrintError::tr("The print service refused the job for \"%1\": %2").arg(PrinterName(printer), refusal));
    }
}

} // namespace korvo
