#pragma once

#include "document/drawing_file.h"

#include <QString>

#include <functional>

namespace korvo {

// Hands over the shapes of a drawing file, waiting for them if need be; throws EFileError as reading
// the file would.
using TShapesPromise = std::function<TShapeList()>;

// Takes the resolution of the primary screen, whose pixels a text's size is read and painted in.
void TakeScreenResolution();

// Starts reading the drawing file on a thread of its own at the scale every window starts at, so that
// the editor is built meanwhile. The screen's resolution must be taken first. Empty when the name is
// no existing file, which the window ignores.
TShapesPromise ReadAhead(const QString& fileName);

} // namespace korvo
