#pragma once

#include "document/drawing_file.h"

#include <QImage>
#include <QString>

namespace korvo {

class TErrorReporter;

// The whole page as the editor shows it at zoom x1 times `factor` (4 pixels per millimetre at 1),
// on white, every shape in list order; no grid and no selection marks. Pens keep their width on paper
// (at least a pixel), so lines keep their weight whatever the factor.
// Shapes that fail to paint are reported through the reporter, if one is given, after painting.
QImage RenderPageImage(const TShapeList& shapes, double factor, TErrorReporter* reporter = nullptr);
// The same for a page of the given size in millimetres rather than the editor's current page.
QImage RenderPageImage(const TShapeList& shapes, QSize pageMM, double factor, TErrorReporter* reporter = nullptr);

// A cropped picture keeps this much of the page around the shapes, or more where a thick pen reaches
// further.
constexpr float CropMarginMM = 2;
// The largest factor a page is rendered at: 32 pixels per millimetre.
constexpr double MaxExportFactor = 8.0;

// Both write through a temporary file and throw EFileError when the file cannot be written.
// A cropped picture holds only the part of the page the shapes and their pens cover, with the margin
// around them; without shapes it holds the whole page.
void ExportPagePng(const TShapeList& shapes, const QString& fileName, double factor, bool crop = false,
    TErrorReporter* reporter = nullptr);
// The picture file managers show for a drawing: the shapes cropped as above, at the factor that makes
// the longer side at most `longerSide` pixels, but never above MaxExportFactor; written as PNG.
void ExportPageThumbnail(const TShapeList& shapes, const QString& fileName, int longerSide);
// Vector graphics of the page size in millimetres: shapes as paths, texts as text.
void ExportPageSvg(const TShapeList& shapes, const QString& fileName, TErrorReporter* reporter = nullptr);
// The page as a printed picture, .emf or .pdf by the name's extension: the page size at the printer's
// resolution, on white, every shape in list order.
void ExportPagePicture(const TShapeList& shapes, const QString& fileName, TErrorReporter* reporter = nullptr);

} // namespace korvo
