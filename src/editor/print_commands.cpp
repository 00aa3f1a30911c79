#include "editor/print_commands.h"

#include "printing/print_preview.h"
#include "printing/print_prompts.h"
#include "printing/printer_queries.h"

#include <QFileInfo>
#include <QPrinter>
#include <QWidget>

namespace korvo {

namespace {

    constexpr int PreviewInset = 50;
    constexpr QSize PreviewSize(800, 600);

    QString JobTitle(const QString& fileName)
    {
        return fileName.isEmpty() ? TPrintCommands::tr("Untitled") : QFileInfo(fileName).fileName();
    }

} // namespace

TPrintCommands::TPrintCommands(const TDrawing& drawing, TPrintPrompts& prompts, QWidget* window)
    : FDrawing(drawing)
    , FPrompts(prompts)
    , FWindow(window)
{
}

TPrintCommands::~TPrintCommands() = default;

QPrinter* TPrintCommands::Printer()
{
    if (!FPrinter)
        FPrinter = OpenPrinter();
    return FPrinter.get();
}

void TPrintCommands::PrintAll(const QString& fileName)
{
    const int inset = PreviewInset;
    Preview(false, fileName, FWindow->geometry().adjusted(inset, inset, -inset, -inset));
}

void TPrintCommands::PrintSelected(const QString& fileName)
{
    QRect bounds(QPoint(), PreviewSize);
    bounds.moveCenter(FWindow->geometry().center());
    Preview(true, fileName, bounds);
}

void TPrintCommands::Preview(bool selectedOnly, const QString& fileName, const QRect& bounds)
{
    QPrinter* printer = Printer();
    if (printer)
        printer->setDocName(JobTitle(fileName));
    TPrintPreviewFrm preview(FWindow, selectedOnly, FDrawing, printer, FPrompts);
    preview.setGeometry(bounds);
    preview.exec();
}

void TPrintCommands::PrinterSetup()
{
    if (QPrinter* printer = Printer())
        FPrompts.PrinterSetupDialog(*printer);
    else
        FPrompts.ShowError(tr("No printer is available."));
}

} // namespace korvo
