// Prints through a print service of the test's own, the way a teacher's drawing reaches paper:
// `korvo --print` and the print preview's Print hand the drawing to a private print service whose
// PDF printer writes the sheet as a printer would print it, and the sheet is measured.
// The service's printer runs as root and writes into root's PDF folder, as CI runs.

#include "document/shared_settings.h"
#include "printing/print_preview.h"
#include "printing/print_prompts.h"
#include "printing/printer_queries.h"

#include "print_test_support.h"
#include "private_print_service.h"
#include "support/pdf_pages.h"
#include "support/temp_files.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <pwd.h>

using namespace korvo;
using namespace korvo::test;

namespace {

const QString Korvo = QStringLiteral(KORVO_EXE);
const QString PdfQueue = QStringLiteral("KorvoTestPdf");
const QString A4OnlyQueue = QStringLiteral("KorvoTestA4");
const QString RefusingQueue = QStringLiteral("KorvoTestRefusing");
const QString CupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

class TAcceptingPrompts : public TPrintPrompts {
public:
    bool PrintDialog(QPrinter&) override { return true; }
    void PrinterSetupDialog(QPrinter&) override { }
    void ShowError(const QString& message) override { Errors.append(message); }
    QStringList Errors;
};

class PrintService : public TTempFolderTest {
protected:
    static void SetUpTestSuite()
    {
        if (geteuid() != 0)
            Missing = QStringLiteral("the PDF printer writes only for root");
        else if (!QFileInfo::exists(QStringLiteral("/usr/sbin/cupsd")) || !QFileInfo::exists(CupsPdfPpd))
            Missing = QStringLiteral("the print service or its PDF printer is not installed");
        if (!Missing.isEmpty())
            return;
        service = new TPrivatePrintService;
        Problem = service->Start();
        // Every client of this process and of the programs it starts asks the private service.
        qputenv("CUPS_SERVER", service->Socket().toUtf8());
        if (Problem.isEmpty()
            && !(service->AddQueue(PdfQueue, CupsPdfPpd, true)
                && service->AddQueue(A4OnlyQueue, service->WithoutA3(CupsPdfPpd), true)
                && service->AddQueue(RefusingQueue, CupsPdfPpd, false)))
            Problem = QStringLiteral("lpadmin cannot add the queues");
    }
    static void TearDownTestSuite()
    {
        delete service;
        service = nullptr;
    }

    void SetUp() override
    {
        if (!Missing.isEmpty())
            GTEST_SKIP() << qPrintable(Missing);
        TTempFolderTest::SetUp();
        ASSERT_EQ(Problem, QString());
        // Each job is named after a token of its own, which names the PDF the printer writes.
        static int jobs = 0;
        Token = QStringLiteral("korvotest%1x%2").arg(getpid()).arg(++jobs);
    }
    void TearDown() override
    {
        PageWidthMM = 210;
        PageHeightMM = 280;
        for (const QFileInfo& pdf : Printed())
            QFile::remove(pdf.filePath());
    }

    // The queue's printer, its jobs named after the test's token.
    std::unique_ptr<QPrinter> Queue(const QString& name) const
    {
        std::unique_ptr<QPrinter> printer = OpenPrinter(name);
        if (printer)
            printer->setDocName(Token);
        return printer;
    }

    // What the PDF printer wrote for this test's job, once it has finished writing.
    QFileInfoList Printed() const
    {
        const passwd* user = getpwuid(geteuid());
        const QDir folder(QString::fromLocal8Bit(user ? user->pw_dir : "/root") + QStringLiteral("/PDF"));
        return folder.entryInfoList({ Token + QStringLiteral("*.pdf") }, QDir::Files);
    }
    QString WaitForPdf() const
    {
        QFileInfoList found;
        const bool written = WaitFor(
            [&] {
                found = Printed();
                return !found.isEmpty() && found.first().size() > 0;
            },
            60000);
        // The printer writes the file whole only once its job is over.
        WaitFor([] { return RunTool(QStringLiteral("lpstat"), { QStringLiteral("-o") }).isEmpty(); }, 30000);
        return written ? found.first().filePath() : QString();
    }

    // A 100 mm line across the page, 50 mm from its left edge and 100 mm down.
    static void AddTrueSizeLine(TDrawing& drawing)
    {
        drawing.SetScale(BaseScale);
        drawing.AddLine(leNone, 50 * 4, 100 * 4, 150 * 4, 100 * 4, TPen {});
    }

    // The sheet is A4 with a single page, and its ink is where `ink` says, to half a millimetre.
    static void ExpectOnA4(const QString& pdf, const QRectF& ink, double toleranceMM)
    {
        ASSERT_FALSE(pdf.isEmpty()) << "nothing printed";
        const std::optional<TPdfPages> pages = ReadPdfPages(pdf);
        ASSERT_TRUE(pages);
        EXPECT_EQ(pages->Count, 1);
        EXPECT_NEAR(pages->Size.width(), 595, 1);
        EXPECT_NEAR(pages->Size.height(), 842, 1);
        constexpr double PixelsPerMM = 10;
        const QRectF printed = InkExtentMM(RasterisePdf(pdf, PixelsPerMM), PixelsPerMM);
        EXPECT_NEAR(printed.left(), ink.left(), toleranceMM);
        EXPECT_NEAR(printed.right(), ink.right(), toleranceMM);
        EXPECT_NEAR(printed.center().y(), ink.center().y(), toleranceMM);
    }

    static TPrivatePrintService* service;
    // Why the tests cannot run here, or what went wrong starting the service they run on.
    static QString Missing;
    static QString Problem;
    QString Token;
};

TPrivatePrintService* PrintService::service = nullptr;
QString PrintService::Missing;
QString PrintService::Problem;

struct TRun {
    int ExitCode = -1;
    QString Err;
};

TRun RunKorvo(const QStringList& arguments)
{
    QProcess korvo;
    korvo.start(Korvo, arguments);
    TRun run;
    if (!korvo.waitForFinished(60000)) {
        korvo.kill();
        korvo.waitForFinished();
        return run;
    }
    run.ExitCode = korvo.exitStatus() == QProcess::NormalExit ? korvo.exitCode() : -1;
    run.Err = QString::fromUtf8(korvo.readAllStandardError());
    return run;
}

// Keeps in step with the 100 mm line: its round ends add the pen's 0.18 mm.
const QRectF TrueSizeLine(50, 100, 100, 0);
constexpr double TrueSizeTolerance = 0.5;

TEST_F(PrintService, CommandLinePrintsTheLineAtTrueSize)
{
    TDrawing drawing;
    AddTrueSizeLine(drawing);
    const QString file = Path(Token + QStringLiteral(".kv"));
    drawing.SaveFile(file);

    const TRun printed = RunKorvo({ QStringLiteral("--print"), file, QStringLiteral("--printer"), PdfQueue });
    EXPECT_EQ(printed.ExitCode, 0) << qPrintable(printed.Err);
    ExpectOnA4(WaitForPdf(), TrueSizeLine, TrueSizeTolerance);

    const TRun unknown
        = RunKorvo({ QStringLiteral("--print"), file, QStringLiteral("--printer"), QStringLiteral("Nope") });
    EXPECT_EQ(unknown.ExitCode, 2);
    EXPECT_TRUE(unknown.Err.contains(PdfQueue)) << qPrintable(unknown.Err);

    const TRun refused = RunKorvo({ QStringLiteral("--print"), file, QStringLiteral("--printer"), RefusingQueue });
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_TRUE(refused.Err.contains(QStringLiteral("not accepting jobs"))) << qPrintable(refused.Err);
}

TEST_F(PrintService, PreviewPrintsTheLineAtTrueSize)
{
    TDrawing drawing;
    AddTrueSizeLine(drawing);
    const std::unique_ptr<QPrinter> printer = Queue(PdfQueue);
    ASSERT_TRUE(printer);
    EXPECT_TRUE(PrinterSupportsA3(printer.get()));
    TAcceptingPrompts prompts;
    TPrintPreviewFrm preview(nullptr, false, drawing, printer.get(), prompts);
    preview.findChild<QAction*>(QStringLiteral("PrintBtn"))->trigger();
    EXPECT_EQ(prompts.Errors, QStringList());
    ExpectOnA4(WaitForPdf(), TrueSizeLine, TrueSizeTolerance);
}

TEST_F(PrintService, A3PageOnAPrinterWithoutA3IsFittedToItsSheetNotCut)
{
    PageWidthMM = 420;
    PageHeightMM = 560;
    TDrawing drawing;
    AddBox(drawing, QRectF(10, 490, 400, 20));
    const std::unique_ptr<QPrinter> printer = Queue(A4OnlyQueue);
    ASSERT_TRUE(printer);
    EXPECT_FALSE(PrinterSupportsA3(printer.get()));
    // The bar spans the printer's own sheet from margin line to margin line, in the preview and on paper.
    TPageLayout sheet;
    TPageMetrics metrics;
    ASSERT_TRUE(GetPageLayout(printer.get(), sheet, false) && GetPageMetrics(printer.get(), metrics));
    const double mmPerPixel = 25.4 / metrics.PixelsPerInchX;
    const TRect& margin = sheet.MarginRect;
    const QRectF bar(margin.Left * mmPerPixel, (margin.Top + margin.Bottom) / 2 * mmPerPixel,
        (margin.Right - margin.Left) * mmPerPixel, 0);
    TAcceptingPrompts prompts;
    TPrintPreviewFrm preview(nullptr, false, drawing, printer.get(), prompts);
    preview.resize(800, 600);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    EXPECT_EQ(preview.findChild<QLabel*>(QStringLiteral("A3Label"))->text(),
        QStringLiteral("The current printer cannot print to A3 paper"));
    EXPECT_TRUE(preview.findChild<QAction*>(QStringLiteral("PageBtn"))->isChecked());
    QWidget& page = *preview.findChild<QWidget*>(QStringLiteral("PB"));
    const double shownPixelsPerMM = page.width() / (sheet.PaperRect.Right * mmPerPixel);
    const QRectF previewed = InkExtentMM(page.grab().toImage(), shownPixelsPerMM);
    EXPECT_NEAR(previewed.left(), bar.left(), 1);
    EXPECT_NEAR(previewed.right(), bar.right(), 1);
    preview.findChild<QAction*>(QStringLiteral("PrintBtn"))->trigger();
    EXPECT_EQ(prompts.Errors, QStringList());
    ExpectOnA4(WaitForPdf(), bar, 1);
}

} // namespace

// ctest's code for a run that could not test anything (SKIP_RETURN_CODE): reported as skipped, not passed.
constexpr int SkippedExitCode = 77;

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    const testing::UnitTest& run = *testing::UnitTest::GetInstance();
    if (result == 0 && run.successful_test_count() == 0 && run.skipped_test_count() > 0)
        return SkippedExitCode;
    return result;
}
