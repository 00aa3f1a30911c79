#include "printing/print_job.h"

#include "print_test_support.h"
#include "support/pdf_pages.h"
#include "support/temp_files.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

// Ink is read at two pixels per millimetre, so edges land within this much.
constexpr double PixelsPerMM = 2;
constexpr double ToleranceMM = 0.75;

using PrintJob = TTempFolderTest;

TEST_F(PrintJob, PlacesTheDrawingOnTheSheetAtTrueSizeWhateverTheResolution)
{
    // A box on an A4 page and one only an A3 page (420 x 560 mm) has room for.
    const QRectF onA4(20, 30, 100, 50);
    const QRectF onA3(100, 300, 150, 100);
    const QPageSize::PageSizeId a4 = QPageSize::A4;
    const QPageSize::PageSizeId a3 = QPageSize::A3;
    const TPlacement asOnPage = TPlacement::AsOnPage;
    const TPlacement centred = TPlacement::Centred;
    const TPlacement fitted = TPlacement::Fitted;
    // The margin lines stand 15 mm inside the sheet: (15, 15)-(195, 282) on A4, (15, 15)-(282, 405) on A3.
    const struct {
        QRectF Box;
        QPageSize::PageSizeId Sheet;
        bool Landscape;
        TPlacement Placement;
        int PixelsPerInch;
        QRectF Ink;
    } cases[] = {
        { onA4, a4, false, asOnPage, 300, onA4 },
        { onA4, a4, false, asOnPage, 1200, onA4 },
        { onA4, a4, false, centred, 300, { 55, 123.5, 100, 50 } },
        { onA4, a4, false, fitted, 600, { 15, 103.5, 180, 90 } },
        { onA4, a4, true, centred, 300, { 98.5, 80, 100, 50 } },
        { onA4, a3, false, asOnPage, 300, onA4 },
        { onA3, a4, false, fitted, 300, { 15, 88.5, 180, 120 } },
        { onA3, a3, false, asOnPage, 300, onA3 },
        { onA3, a3, false, centred, 1200, { 73.5, 160, 150, 100 } },
        { onA3, a3, false, fitted, 300, { 15, 121, 267, 178 } },
    };
    int job = 0;
    for (const auto& c : cases) {
        const QString pdf = Path(QStringLiteral("job%1.pdf").arg(++job));
        SCOPED_TRACE(job);
        TDrawing drawing;
        AddBox(drawing, c.Box);
        const auto printer = PdfPrinter(pdf, c.Sheet, c.PixelsPerInch);
        PrintDrawing(*printer, drawing, { false, c.Landscape, c.Placement });
        EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Portrait) << "the printer's own orientation again";

        const std::optional<TPdfPages> pages = ReadPdfPages(pdf);
        ASSERT_TRUE(pages);
        EXPECT_EQ(pages->Count, 1);
        QSizeF sheet = QPageSize(c.Sheet).size(QPageSize::Point);
        if (c.Landscape)
            sheet.transpose();
        EXPECT_NEAR(pages->Size.width(), sheet.width(), 1);
        EXPECT_NEAR(pages->Size.height(), sheet.height(), 1);
        EXPECT_TRUE(InkNear(InkExtentMM(RasterisePdf(pdf, PixelsPerMM), PixelsPerMM), c.Ink, ToleranceMM));
    }
}

TEST_F(PrintJob, PrinterThatCannotPrintIsAnErrorAndPrintsNothing)
{
    TDrawing drawing;
    AddBox(drawing, { 20, 30, 100, 50 });
    const QString missingFolder = Path(QStringLiteral("no/such/folder.pdf"));
    const auto unwritable = PdfPrinter(missingFolder, QPageSize::A4, 300);
    try {
        PrintDrawing(*unwritable, drawing, {});
        ADD_FAILURE() << "printed";
    } catch (const EPrintError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Printing on \"%1\" could not start.").arg(missingFolder));
    }

    const QString pdf = Path(QStringLiteral("blind.pdf"));
    const auto blind = PdfPrinter(pdf, QPageSize::A4, 300);
    blind->setResolution(0);
    EXPECT_THROW(PrintDrawing(*blind, drawing, {}), EPrintError);
    EXPECT_FALSE(QFile::exists(pdf)) << "no blank sheet";
}

} // namespace
