#include "printing/printer_queries.h"

#include "document/shared_settings.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace korvo {

std::unique_ptr<QPrinter> OpenPrinter(const QString& name)
{
    QPrinterInfo info = name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
    if (info.isNull() && name.isEmpty() && !QPrinterInfo::availablePrinters().isEmpty())
        info = QPrinterInfo::availablePrinters().first();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QStringList PrinterNames() { return QPrinterInfo::availablePrinterNames(); }

bool GetPageMetrics(const QPrinter* printer, TPageMetrics& metrics)
{
    metrics = FallbackMetrics();
    if (!printer)
        return false;
    // The printable area is the sheet less the printer's margins, whether or not the printer
    // currently paints on the whole sheet.
    const QPageLayout layout = printer->pageLayout();
    const int resolution = printer->resolution();
    const QRect sheet = layout.fullRectPixels(resolution);
    const QMargins margins = layout.marginsPixels(resolution);
    TPageMetrics reported;
    reported.OffsetX = margins.left();
    reported.OffsetY = margins.top();
    reported.PhysWidth = sheet.width();
    reported.PhysHeight = sheet.height();
    reported.PrintWidth = sheet.width() - margins.left() - margins.right();
    reported.PrintHeight = sheet.height() - margins.top() - margins.bottom();
    reported.PixelsPerInchX = printer->logicalDpiX();
    reported.PixelsPerInchY = printer->logicalDpiY();
    const std::optional<TPageMetrics> usable = UsableMetrics(reported);
    if (!usable)
        return false;
    metrics = *usable;
    return true;
}

bool IsLandscape(const QPrinter& printer) { return printer.pageLayout().orientation() == QPageLayout::Landscape; }

TPrinterSheet ReadPrinterSheet(const QPrinter* printer)
{
    TPrinterSheet sheet;
    sheet.Usable = GetPageMetrics(printer, sheet.Metrics);
    sheet.Landscape = sheet.Usable && IsLandscape(*printer);
    return sheet;
}

bool SheetHoldsPage(const TPrinterSheet& sheet, bool landscape)
{
    return SheetHoldsPage(sheet.Metrics, sheet.Landscape, landscape, QSize(PageWidthMM, PageHeightMM));
}

bool GetPageLayout(const QPrinter* printer, TPageLayout& layout, bool landscape)
{
    const TPrinterSheet sheet = ReadPrinterSheet(printer);
    layout = PageLayoutFor(sheet.Metrics, sheet.Landscape, landscape);
    return sheet.Usable;
}

bool OffersA3(const QList<QPageSize>& paperSizes)
{
    return std::any_of(
        paperSizes.begin(), paperSizes.end(), [](const QPageSize& size) { return size.id() == QPageSize::A3; });
}

bool PrinterSupportsA3(const QPrinter* printer)
{
    if (!printer)
        return false;
    if (printer->outputFormat() == QPrinter::PdfFormat)
        return true;
    return OffersA3(QPrinterInfo(*printer).supportedPageSizes());
}

} // namespace korvo
