#pragma once

#include <QCoreApplication>
#include <QString>

#include <memory>

class QPrinter;
class QRect;
class QWidget;

namespace korvo {

class TDrawing;
class TPrintPrompts;

// "Print...", "Print selected" and "Printer setup": the print preview over the main window, and the
// one printer of the run, which keeps what the user set up for it. A printer installed while the
// program runs is found at the next command.
class TPrintCommands {
    Q_DECLARE_TR_FUNCTIONS(TPrintCommands)

public:
    TPrintCommands(const TDrawing& drawing, TPrintPrompts& prompts, QWidget* window);
    ~TPrintCommands();

    // The preview of the whole drawing, 50 pixels inside the window on every side. The job is named
    // after the drawing's file.
    void PrintAll(const QString& fileName);
    // The preview of the selected shapes at its own size, centred on the window.
    void PrintSelected(const QString& fileName);
    void PrinterSetup();

private:
    QPrinter* Printer();
    void Preview(bool selectedOnly, const QString& fileName, const QRect& bounds);

    const TDrawing& FDrawing;
    TPrintPrompts& FPrompts;
    QWidget* FWindow;
    std::unique_ptr<QPrinter> FPrinter;
};

} // namespace korvo
