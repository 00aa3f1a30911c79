#include "printing/page_layout.h"
#include "printing/printer_queries.h"

#include <gtest/gtest.h>

using namespace korvo;

namespace {

// A 600 pixels-per-inch printer whose printable area starts 100 pixels in, upright.
constexpr TPageMetrics Printer600 { 100, 100, 4961, 7016, 4760, 6814, 600, 600 };

TEST(PageLayout, PlacesTheMarginInsideThePrintableArea)
{
    // Unequal offsets and resolutions show that turning the sheet swaps every pair.
    constexpr TPageMetrics uneven { 100, 150, 4961, 7016, 4760, 6814, 300, 600 };
    const struct {
        const char* Name;
        TPageMetrics Metrics;
        bool PrinterLandscape, Landscape;
        TRect Paper, Margin;
    } cases[] = {
        // 5 mm is Trunc(118.11) = 118 pixels.
        { "own orientation", Printer600, false, false, { 0, 0, 4961, 7016 }, { 218, 218, 4742, 6796 } },
        { "turned", Printer600, false, true, { 0, 0, 7016, 4961 }, { 218, 218, 6796, 4742 } },
        { "upright from a landscape printer", { 100, 100, 7016, 4961, 6814, 4760, 600, 600 }, true, false,
            { 0, 0, 4961, 7016 }, { 218, 218, 4742, 6796 } },
        { "uneven", uneven, false, false, { 0, 0, 4961, 7016 }, { 159, 268, 4801, 6846 } },
        { "uneven turned", uneven, false, true, { 0, 0, 7016, 4961 }, { 268, 159, 6846, 4801 } },
    };
    for (const auto& c : cases) {
        const TPageLayout layout = PageLayoutFor(c.Metrics, c.PrinterLandscape, c.Landscape);
        EXPECT_EQ(layout.PaperRect, c.Paper) << c.Name;
        EXPECT_EQ(layout.MarginRect, c.Margin) << c.Name;
    }
}

TEST(PageLayout, RefusesMetricsWithoutResolutionOrPrintableArea)
{
    const auto with = [](auto change) {
        TPageMetrics m = Printer600;
        change(m);
        return m;
    };
    EXPECT_FALSE(UsableMetrics(with([](TPageMetrics& m) { m.PixelsPerInchX = 0; })));
    EXPECT_FALSE(UsableMetrics(with([](TPageMetrics& m) { m.PixelsPerInchY = -1; })));
    EXPECT_FALSE(UsableMetrics(with([](TPageMetrics& m) { m.PrintWidth = 0; })));
    EXPECT_FALSE(UsableMetrics(with([](TPageMetrics& m) { m.PrintHeight = 0; })));
    // A sheet reported as nothing is the printable area.
    const auto noSheet = UsableMetrics(with([](TPageMetrics& m) { m.PhysWidth = m.PhysHeight = 0; }));
    ASSERT_TRUE(noSheet);
    EXPECT_EQ(noSheet->PhysWidth, 4760);
    EXPECT_EQ(noSheet->PhysHeight, 6814);

    TPageMetrics fallback;
    EXPECT_FALSE(GetPageMetrics(nullptr, fallback)) << "no printer";
    EXPECT_EQ(fallback.PixelsPerInchX, 600);
    EXPECT_EQ(fallback.PhysWidth, 4961) << "A4";
    EXPECT_EQ(fallback.PhysHeight, 7016);
}

TEST(PageLayout, TellsWhetherTheSheetHoldsThePage)
{
    constexpr TPageMetrics a4At300 { 0, 0, 2480, 3508, 2480, 3508, 300, 300 };
    constexpr TPageMetrics a3 { 0, 0, 7016, 9921, 7016, 9921, 600, 600 };
    constexpr TPageMetrics a2 { 0, 0, 9921, 14031, 9921, 14031, 600, 600 };
    const QSize a4Page(210, 280);
    // The editor's A3 page doubles both sides of its A4 page: no A3 sheet holds it.
    const QSize a3Page(420, 560);
    EXPECT_TRUE(SheetHoldsPage(Printer600, false, false, a4Page));
    EXPECT_TRUE(SheetHoldsPage(a4At300, false, false, a4Page)) << "209.97 mm is the 210 mm sheet in whole pixels";
    EXPECT_FALSE(SheetHoldsPage(Printer600, false, true, a4Page)) << "280 mm down a landscape A4 sheet";
    EXPECT_TRUE(SheetHoldsPage(a3, false, true, a4Page));
    EXPECT_FALSE(SheetHoldsPage(a3, false, false, a3Page));
    EXPECT_FALSE(SheetHoldsPage(a3, false, true, a3Page));
    EXPECT_TRUE(SheetHoldsPage(a2, false, false, a3Page));
    EXPECT_TRUE(SheetHoldsPage(a2, true, true, a3Page)) << "as the printer holds it";
    EXPECT_FALSE(SheetHoldsPage(a2, false, true, a3Page));
}

TEST(PageLayout, FindsA3AmongThePaperSizes)
{
    EXPECT_FALSE(OffersA3({}));
    EXPECT_FALSE(OffersA3({ QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter), QPageSize(QPageSize::A5) }));
    EXPECT_TRUE(OffersA3({ QPageSize(QPageSize::A4), QPageSize(QPageSize::A3) }));
    EXPECT_FALSE(PrinterSupportsA3(nullptr));
}

} // namespace
