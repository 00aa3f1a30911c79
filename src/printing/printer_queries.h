#pragma once

#include "printing/page_layout.h"

#include <QList>
#include <QPageSize>
#include <QStringList>

#include <memory>

class QPrinter;

namespace korvo {

// The printer of that name, or the system's default printer (else its first one) for an empty name,
// set up at its own resolution. Null when there is no such printer.
std::unique_ptr<QPrinter> OpenPrinter(const QString& name = {});
QStringList PrinterNames();

// What the printer reports, in its current orientation. False, with FallbackMetrics, when there is
// no printer or what it reports cannot be used.
bool GetPageMetrics(const QPrinter* printer, TPageMetrics& metrics);
bool IsLandscape(const QPrinter& printer);

// The printer's sheet as read at one moment, for the page arithmetic to be done on without asking the
// printer again.
struct TPrinterSheet {
    TPageMetrics Metrics;
    // The orientation the metrics are taken in; the fallback sheet stands upright.
    bool Landscape = false;
    // The result of GetPageMetrics.
    bool Usable = false;
};
TPrinterSheet ReadPrinterSheet(const QPrinter* printer);
// Whether the sheet, in the requested orientation, holds the editor's page.
bool SheetHoldsPage(const TPrinterSheet& sheet, bool landscape);

// The layout of the printer's own sheet; the result is that of GetPageMetrics.
bool GetPageLayout(const QPrinter* printer, TPageLayout& layout, bool landscape);

// Whether one of the paper sizes is A3.
bool OffersA3(const QList<QPageSize>& paperSizes);
// Whether the printer offers A3 paper. A printer that writes a file takes any size; no printer none.
bool PrinterSupportsA3(const QPrinter* printer);

} // namespace korvo
