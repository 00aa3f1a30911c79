#pragma once

#include "import/svg_import.h"

namespace korvo {

// The other way to read a picture: Qt's own SVG renderer draws it into a device that records shapes.
// Same contract as ReadSvg, without its limits on hostile files; for measuring only.
TSvgImport ReadSvgWithQtRenderer(const QByteArray& bytes);

} // namespace korvo
