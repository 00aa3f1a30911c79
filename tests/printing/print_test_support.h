#pragma once

// Drawings and printers for the printing tests: black boxes at known millimetres, and printers that
// write PDF files of a chosen sheet and resolution.

#include "document/drawing.h"
#include "geometry/units.h"

#include <QPrinter>
#include <QRectF>

#include <memory>

namespace korvo::test {

// A black box without outline over the millimetres of `box`.
inline void AddBox(TDrawing& drawing, const QRectF& box)
{
    drawing.SetScale(BaseScale);
    TBrush brush;
    brush.SetFill(clBlack);
    TPen pen;
    pen.Style = psClear;
    const QRectF pixels(box.topLeft() * BaseScale, box.size() * BaseScale);
    drawing.AddBoxShape(
        { qRound(pixels.left()), qRound(pixels.top()), qRound(pixels.right()), qRound(pixels.bottom()) },
        TTool::Rectangle, brush, pen);
}

// A printer that writes a PDF: 10 mm of every side out of its reach, so the margin lines stand 15 mm in.
inline std::unique_ptr<QPrinter> PdfPrinter(const QString& fileName, QPageSize::PageSizeId paper, int pixelsPerInch)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    printer->setResolution(pixelsPerInch);
    printer->setPageSize(QPageSize(paper));
    printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    return printer;
}

} // namespace korvo::test
