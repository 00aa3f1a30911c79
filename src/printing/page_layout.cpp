#include "printing/page_layout.h"

#include "geometry/rounding.h"
#include "geometry/units.h"

namespace korvo {

namespace {

    // The drawing keeps this far inside the printable area.
    constexpr double MarginMM = 5;
    constexpr double SheetToleranceMM = 1;

    // The metrics as seen in the other orientation: every pair swaps.
    TPageMetrics Turned(const TPageMetrics& m)
    {
        return { m.OffsetY, m.OffsetX, m.PhysHeight, m.PhysWidth, m.PrintHeight, m.PrintWidth, m.PixelsPerInchY,
            m.PixelsPerInchX };
    }

    TPageLayout RealSheet(const TPageMetrics& m)
    {
        const std::int32_t marginX = Trunc(m.PixelsPerInchX * MarginMM / MMPerInch);
        const std::int32_t marginY = Trunc(m.PixelsPerInchY * MarginMM / MMPerInch);
        return { { 0, 0, m.PhysWidth, m.PhysHeight },
            { m.OffsetX + marginX, m.OffsetY + marginY, m.OffsetX + m.PrintWidth - marginX,
                m.OffsetY + m.PrintHeight - marginY } };
    }

} // namespace

std::optional<TPageMetrics> UsableMetrics(const TPageMetrics& reported)
{
    TPageMetrics m = reported;
    if (m.PixelsPerInchX <= 0 || m.PixelsPerInchY <= 0 || m.PrintWidth <= 0 || m.PrintHeight <= 0)
        return std::nullopt;
    if (m.PhysWidth <= 0)
        m.PhysWidth = m.PrintWidth;
    if (m.PhysHeight <= 0)
        m.PhysHeight = m.PrintHeight;
    return m;
}

TPageMetrics FallbackMetrics()
{
    constexpr std::int32_t PixelsPerInch = 600;
    const std::int32_t w = Round(PixelsPerInch * 210 / MMPerInch);
    const std::int32_t h = Round(PixelsPerInch * 297 / MMPerInch);
    return { 0, 0, w, h, w, h, PixelsPerInch, PixelsPerInch };
}

TPageLayout PageLayoutFor(const TPageMetrics& metrics, bool printerLandscape, bool landscape)
{
    return RealSheet(printerLandscape == landscape ? metrics : Turned(metrics));
}

bool SheetHoldsPage(const TPageMetrics& metrics, bool printerLandscape, bool landscape, QSize pageMM)
{
    const TPageMetrics m = printerLandscape == landscape ? metrics : Turned(metrics);
    const double widthMM = m.PhysWidth * MMPerInch / m.PixelsPerInchX;
    const double heightMM = m.PhysHeight * MMPerInch / m.PixelsPerInchY;
    return pageMM.width() <= widthMM + SheetToleranceMM && pageMM.height() <= heightMM + SheetToleranceMM;
}

} // namespace korvo
