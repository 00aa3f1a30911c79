#pragma once

#include "document/drawing_modes.h"
#include "geometry/device_types.h"
#include "printing/printer_queries.h"

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

class QPainter;
class QPrinter;

namespace korvo {

class TDrawing;

// A printer that cannot print or a job the print service refuses. The message is for the user.
class EPrintError : public std::runtime_error {
    Q_DECLARE_TR_FUNCTIONS(EPrintError)

public:
    explicit EPrintError(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

// What to print and how, as the print preview's buttons say.
struct TPrintChoice {
    bool SelectedOnly = false;
    bool Landscape = false;
    TPlacement Placement = TPlacement::AsOnPage;
};

// "Default", unless the printer's sheet cannot hold the page in that orientation: then "Fit to page",
// so that the drawing is never cut without the user choosing it.
TPlacement StartingPlacement(const TPrinterSheet& sheet, bool landscape);
TPlacement StartingPlacement(const QPrinter* printer, bool landscape);

// The shapes onto a canvas whose pixels are those of a printer of that resolution, in the margin
// rectangle, with no caption. The print preview and the print job paint the page the same way.
void RenderPage(QPainter& target, const TDrawing& drawing, const TPrintChoice& choice, const TRect& margin,
    int printerPixelsPerInch);

// Prints the drawing on one sheet of the printer's own paper, in the chosen orientation, and leaves
// the printer in the orientation it had. Throws EPrintError.
void PrintDrawing(QPrinter& printer, const TDrawing& drawing, const TPrintChoice& choice);

} // namespace korvo
