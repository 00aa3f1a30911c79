#include "dialogs/paint_panel.h"
#include "printing/print_preview.h"

#include "canvas_fixture.h"
#include "dialogs/dialog_test_support.h"
#include "printing/print_test_support.h"
#include "support/pdf_pages.h"

using namespace korvo;
using namespace korvo::test;

namespace {

// A pixel of the preview is about half a millimetre of the sheet.
constexpr double PreviewToleranceMM = 1;

class PrintCommands : public CanvasTest {
protected:
    void SetUp() override
    {
        // A print service that is not there: the preview shows its A4 sheet at 600 pixels per inch.
        qputenv("CUPS_SERVER", Path(QStringLiteral("no-service.sock")).toUtf8());
        CanvasTest::SetUp();
        // What the start-up reported (a test folder holds no shape library) is not printing's.
        prompts.Errors.clear();
        AddBox(Drawing(), Upper);
        AddBox(Drawing(), Lower);
        Drawing().ClearSelection();
        Drawing().ToggleSelected(1);
    }

    // Where the preview shows ink, in millimetres of its A4 sheet; the geometry it opened with.
    void Preview(TCommand command, QRectF& ink, QRect& bounds)
    {
        WhenShown([&](QWidget& preview) {
            bounds = preview.geometry();
            TPaintPanel& page = *Part<TPaintPanel>(preview, "PB");
            const double pixelsPerMM = page.width() / 210.0;
            ink = InkExtentMM(page.grab().toImage(), pixelsPerMM);
            Part<QAction>(preview, "CloseBtn")->trigger();
        });
        Action(command)->trigger();
    }

    const QRectF Upper { 20, 30, 100, 50 };
    const QRectF Lower { 20, 150, 100, 50 };
};

TEST_F(PrintCommands, PrintPreviewsTheDrawingAndPrintSelectedOnlyTheSelection)
{
    QRectF ink;
    QRect bounds;
    Preview(TCommand::Print, ink, bounds);
    EXPECT_TRUE(InkNear(ink, Upper.united(Lower), PreviewToleranceMM));
    EXPECT_EQ(bounds, window->geometry().adjusted(50, 50, -50, -50));

    Preview(TCommand::PrintSelected, ink, bounds);
    EXPECT_TRUE(InkNear(ink, Lower, PreviewToleranceMM));
    EXPECT_EQ(bounds.center(), window->geometry().center());
}

TEST_F(PrintCommands, PrinterSetupSaysThereIsNoPrinter)
{
    Action(TCommand::PrinterSetup)->trigger();
    EXPECT_EQ(prompts.PrinterSetups, 0);
    EXPECT_EQ(prompts.Errors, QStringList { QStringLiteral("No printer is available.") });
}

} // namespace
