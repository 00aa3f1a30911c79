#pragma once

#include "geometry/device_types.h"

#include <QSize>

#include <optional>

namespace korvo {

// What a printer reports of its sheet, in its own device pixels and its current orientation.
struct TPageMetrics {
    // From the sheet's left and top edges to the printable area.
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    // The whole sheet.
    std::int32_t PhysWidth = 0;
    std::int32_t PhysHeight = 0;
    // The printable area.
    std::int32_t PrintWidth = 0;
    std::int32_t PrintHeight = 0;
    std::int32_t PixelsPerInchX = 0;
    std::int32_t PixelsPerInchY = 0;
};

// The sheet, with its top-left corner at (0, 0), and the area the drawing is placed in, in printer
// device pixels.
struct TPageLayout {
    TRect PaperRect;
    TRect MarginRect;
};

// Metrics the page arithmetic can work with: a printer that reports no sheet of its own has it taken
// as its printable area. Nothing when the resolution or the printable area is not positive, which
// would leave the arithmetic dividing by zero or placing the drawing on nothing.
std::optional<TPageMetrics> UsableMetrics(const TPageMetrics& reported);

// The sheet shown when there is no printer to ask: A4 at 600 pixels per inch, printable to its edges.
TPageMetrics FallbackMetrics();

// The layout in the requested orientation, from metrics taken in the printer's own orientation.
TPageLayout PageLayoutFor(const TPageMetrics& metrics, bool printerLandscape, bool landscape);

// Whether the printer's own sheet, in the requested orientation, holds a page of that many
// millimetres. Sheets within a millimetre of the page count: their sizes come rounded to pixels.
bool SheetHoldsPage(const TPageMetrics& metrics, bool printerLandscape, bool landscape, QSize pageMM);

} // namespace korvo
