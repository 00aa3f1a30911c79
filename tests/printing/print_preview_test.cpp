#include "printing/print_preview.h"

#include "dialogs/paint_panel.h"
#include "document/shared_settings.h"
#include "printing/print_prompts.h"

#include "print_test_support.h"
#include "support/pdf_pages.h"
#include "support/temp_files.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

using namespace korvo;
using namespace korvo::test;

namespace {

class TScriptedPrintPrompts : public TPrintPrompts {
public:
    std::deque<bool> Answers;
    int PrintDialogs = 0;
    QStringList Errors;

    bool PrintDialog(QPrinter&) override
    {
        ++PrintDialogs;
        const bool answer = !Answers.empty() && Answers.front();
        if (!Answers.empty())
            Answers.pop_front();
        return answer;
    }
    void PrinterSetupDialog(QPrinter&) override { }
    void ShowError(const QString& message) override { Errors.append(message); }
};

class PrintPreview : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        AddBox(drawing, Box);
    }
    void TearDown() override
    {
        PageWidthMM = 210;
        PageHeightMM = 280;
    }

    std::unique_ptr<TPrintPreviewFrm> Open(QPrinter* printer)
    {
        auto preview = std::make_unique<TPrintPreviewFrm>(nullptr, false, drawing, printer, prompts);
        preview->resize(800, 600);
        preview->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
        return preview;
    }
    template <class T> static T* Part(const QWidget& preview, const char* name)
    {
        return preview.findChild<T*>(QLatin1String(name));
    }
    static QString Notice(const QWidget& preview) { return Part<QLabel>(preview, "A3Label")->text(); }
    static QSize PageShown(const QWidget& preview) { return Part<TPaintPanel>(preview, "PB")->size(); }

    const QRectF Box { 20, 30, 100, 50 };
    TDrawing drawing;
    TScriptedPrintPrompts prompts;
};

TEST_F(PrintPreview, ShowsTheDrawingAtTheSameSizeWhateverThePrintersResolution)
{
    for (const int pixelsPerInch : { 300, 1200 }) {
        SCOPED_TRACE(pixelsPerInch);
        const auto printer = PdfPrinter(Path(QStringLiteral("unused.pdf")), QPageSize::A4, pixelsPerInch);
        const auto preview = Open(printer.get());
        TPaintPanel& page = *Part<TPaintPanel>(*preview, "PB");
        EXPECT_EQ(page.height(), preview->findChild<QWidget*>(QStringLiteral("Scrollbox"))->height() - 20);
        const double pixelsPerMM = page.width() / 210.0;
        EXPECT_TRUE(InkNear(InkExtentMM(page.grab().toImage(), pixelsPerMM), Box, 1 / pixelsPerMM));
    }
}

TEST_F(PrintPreview, WithoutAPrinterShowsAnA4SheetAndCannotPrint)
{
    const auto blind = PdfPrinter(Path(QStringLiteral("blind.pdf")), QPageSize::A4, 300);
    blind->setResolution(0);
    for (QPrinter* printer : { static_cast<QPrinter*>(nullptr), blind.get() }) {
        const auto preview = Open(printer);
        EXPECT_EQ(Notice(*preview), QStringLiteral("No printer is available"));
        EXPECT_FALSE(Part<QAction>(*preview, "PrintBtn")->isEnabled());
        const QSize page = PageShown(*preview);
        EXPECT_NEAR(page.width() / double(page.height()), 210 / 297.0, 0.01);
    }
}

TEST_F(PrintPreview, SheetSmallerThanThePageIsFittedUnlessTheUserChoosesOtherwise)
{
    const auto printer = PdfPrinter(Path(QStringLiteral("a4.pdf")), QPageSize::A4, 300);
    {
        const auto preview = Open(printer.get());
        EXPECT_EQ(Notice(*preview), QString());
        EXPECT_TRUE(Part<QAction>(*preview, "DefBtn")->isChecked());
        Part<QAction>(*preview, "LandscapeBtn")->trigger();
        EXPECT_EQ(Notice(*preview), QStringLiteral("The page is larger than the printer's paper"));
        EXPECT_GT(PageShown(*preview).width(), PageShown(*preview).height());
    }
    PageWidthMM = 420;
    PageHeightMM = 560;
    const auto preview = Open(printer.get());
    EXPECT_EQ(Notice(*preview), QStringLiteral("The page is larger than the printer's paper"));
    EXPECT_TRUE(Part<QAction>(*preview, "PageBtn")->isChecked());
}

// The preview is modal, so neither the drawing nor the printer changes behind its back; here they do,
// to show when the printer is asked and the page rendered again.
TEST_F(PrintPreview, AsksThePrinterAfterThePrintDialogAndRendersThePageForEachLayout)
{
    const auto printer = PdfPrinter(Path(QStringLiteral("sheet.pdf")), QPageSize::A4, 300);
    const auto preview = Open(printer.get());
    TPaintPanel& page = *Part<TPaintPanel>(*preview, "PB");
    const auto inkShown = [&page] { return InkExtentMM(page.grab().toImage(), page.width() / 210.0); };
    const auto sheetShown = [&page] { return page.width() / double(page.height()); };
    const QRectF before = inkShown();

    AddBox(drawing, { 150, 200, 20, 20 });
    EXPECT_EQ(inkShown(), before) << "the page is kept";
    Part<QAction>(*preview, "LandscapeBtn")->trigger();
    Part<QAction>(*preview, "PortraitBtn")->trigger();
    EXPECT_NE(inkShown(), before) << "laid out again";

    printer->setPageSize(QPageSize(QPageSize::Letter));
    preview->resize(900, 700);
    EXPECT_NEAR(sheetShown(), 210 / 297.0, 0.01) << "the printer was read once";
    prompts.Answers = { true };
    Part<QAction>(*preview, "PrintBtn")->trigger();
    EXPECT_NEAR(sheetShown(), 8.5 / 11, 0.01) << "the print dialog may change the printer";
}

TEST_F(PrintPreview, PrintsOnlyWhenTheDialogIsAcceptedAndShowsWhatWentWrong)
{
    const QString pdf = Path(QStringLiteral("printed.pdf"));
    const auto printer = PdfPrinter(pdf, QPageSize::A4, 300);
    const auto preview = Open(printer.get());
    QAction* print = Part<QAction>(*preview, "PrintBtn");
    print->trigger();
    EXPECT_EQ(prompts.PrintDialogs, 1);
    EXPECT_FALSE(QFile::exists(pdf)) << "cancelled";

    prompts.Answers = { true };
    print->trigger();
    const std::optional<TPdfPages> pages = ReadPdfPages(pdf);
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->Count, 1);

    const QString missingFolder = Path(QStringLiteral("no/such/folder.pdf"));
    printer->setOutputFileName(missingFolder);
    prompts.Answers = { true };
    print->trigger();
    EXPECT_EQ(prompts.Errors, QStringList { QStringLiteral("Printing on \"%1\" could not start.").arg(missingFolder) });
    EXPECT_TRUE(preview->isVisible());
}

} // namespace
