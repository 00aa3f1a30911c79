#pragma once

#include "printing/print_job.h"
#include "printing/printer_queries.h"

#include <QDialog>
#include <QImage>

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;

namespace korvo {

class TDrawing;
class TPaintPanel;
class TPrintPrompts;

// "Print preview": the drawing, or only its selected shapes, on the printer's sheet as they will print,
// with the orientation and placement to print them in. Without a printer that can be asked for its
// sheet it shows an A4 sheet, says so, and cannot print.
//
// The printer is asked for its sheet when the preview opens and after the print dialog, the only place
// it can change; the page is rendered once for each size, orientation and placement. The drawing does
// not change while the preview, a modal window, is open.
class TPrintPreviewFrm : public QDialog {
    Q_OBJECT

public:
    TPrintPreviewFrm(
        QWidget* owner, bool selectedOnly, const TDrawing& drawing, QPrinter* printer, TPrintPrompts& prompts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolbar();
    QAction* AddButton(const char* name, const QString& caption, const QString& hint);
    // Asks the printer again: it may have changed in the print dialog.
    void ReadPrinter();
    // Lays out the sheet in the chosen orientation.
    void LayOutPage();
    bool Landscape() const;
    TPrintChoice Choice() const;
    // Sizes the page to the scroll box's height, in the sheet's proportions.
    void ScrollboxResize();
    void PBPaint(QPainter& painter);
    // The page as PBPaint shows it, at the page's size in device pixels.
    QImage RenderedPage() const;
    void ForgetRenderedPage();
    void PrintBtnClick();

    const TDrawing& FDrawing;
    const bool FSelectedOnly;
    QPrinter* FPrinter;
    TPrintPrompts& FPrompts;
    // False only for an A3 page on a printer without A3 paper.
    bool FA3Ok = true;
    TPrinterSheet FSheet;
    TPageLayout FLayout;
    QImage FRenderedPage;

    QAction* CloseBtn = nullptr;
    QAction* PrintBtn = nullptr;
    QAction* PortraitBtn = nullptr;
    QAction* LandscapeBtn = nullptr;
    QAction* DefBtn = nullptr;
    QAction* CenterBtn = nullptr;
    QAction* PageBtn = nullptr;
    QLabel* A3Label = nullptr;
    QScrollArea* Scrollbox = nullptr;
    TPaintPanel* PB = nullptr;
};

} // namespace korvo
