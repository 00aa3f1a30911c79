#pragma once

#include "document/drawing_file.h"
#include "library/poly_lib.h"

#include <QByteArray>

namespace korvo {

// JSON descriptions of loaded drawings and libraries, with every value exactly as the model holds it:
// floats print so that they read back as the same float32, texts decode from their code page.
QByteArray DumpDrawing(const TShapeList& shapes);
QByteArray DumpLibrary(const TPolyLib& library);

} // namespace korvo
