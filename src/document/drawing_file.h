#pragma once

#include "shapes/polygon.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <vector>

namespace korvo {

using TShapePtr = std::shared_ptr<TPolygon>;
using TShapeList = std::vector<TShapePtr>;

class TByteWriter;

// The drawing file: the number of top-level shapes, then one shape record each, back to front.
void WriteDrawing(TByteWriter& stream, const TShapeList& shapes);
QByteArray EncodeDrawing(const TShapeList& shapes);
// Writes a drawing file through a temporary file and a rename; throws EFileError and leaves any
// existing file intact when it cannot be written.
void WriteDrawingFile(const QString& fileName, const TShapeList& shapes);

// Reads the shapes of a drawing file and brings their device bounds and handles up to date at the
// given scale. Throws EReadError for damaged data; nothing outside the returned list is touched.
TShapeList DecodeDrawing(QByteArrayView bytes, float scale);
// The same from a file; throws EFileError with a message for the user when it cannot be read or is
// no valid drawing.
TShapeList ReadDrawingFile(const QString& fileName, float scale);
// ReadDrawingFile, or a reader of the same kind that tests make fail.
using TShapesReader = TShapeList (*)(const QString& fileName, float scale);

} // namespace korvo
