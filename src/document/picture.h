#pragma once

#include "document/drawing_file.h"
#include "geometry/device_types.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;

namespace korvo {

class TErrorReporter;
class TFontCache;

// The resolution of the reference printer that pictures leaving the program (clipboard, exported
// selection, exported page) are recorded for: 600 pixels per inch, so that the same shapes give the
// same file on every machine. Printing uses the real printer's resolution instead.
int PrinterPixelsPerInch();
void SetPrinterPixelsPerInch(int pixelsPerInch);

// Pixels per millimetre of pictures: at the page scale a picture has true size on a printer of that
// resolution; at the export scale it has the reference printer's share of the view at zoom x1.
float PageScale(int printerPixelsPerInch);
float ExportScale();

// Where a picture of shapes lies: origin and size in pixels at `Scale` pixels per millimetre.
struct TPictureGeometry {
    QPoint Origin;
    QSize Size;
    float Scale = 0;

    bool IsEmpty() const { return Size.width() <= 0 || Size.height() <= 0; }
};

// The picture of shapes whose page pixels at `drawingScale` fill `bounds`, recorded at scale k.
TPictureGeometry PictureGeometry(const TRect& bounds, float drawingScale, float k);

// Shapes to be painted as on a printer of `PixelsPerInch`: each shape's point p lands at
// p × Scale − Origin. `CanvasSize` may exceed the picture's own size to leave a margin.
struct TPicture {
    std::vector<const TPolygon*> Shapes;
    TPictureGeometry Geometry;
    QSize CanvasSize;
    int PixelsPerInch = 600;
    bool OnWhite = false;
    // Hears once of the shapes that failed to paint, if given.
    TErrorReporter* Reporter = nullptr;
};

// Paints the shapes with the picture's origin at the painter's origin.
void PaintPicture(QPainter& painter, const TPicture& picture, TFontCache& fonts);

// The largest rectangle of the content's proportions that fits the area, centred in it.
TRect FitRect(const TRect& content, const TRect& area);

// The picture as a file in the format its extension names (.emf, .svg, .pdf or .png), true to size.
// Written through a temporary file; throws EFileError, also for an extension it does not know.
void ExportPicture(const QString& fileName, const TPicture& picture);

// Whether pictures can be written in the format of this file name extension, in any case.
bool IsPictureFormat(const QString& extension);

// The same picture as the bytes of a file of that format ("emf", "svg", "pdf" or "png").
QByteArray PictureBytes(const QString& format, const TPicture& picture);

} // namespace korvo
