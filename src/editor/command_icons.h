#pragma once

#include <QIcon>
#include <QString>

namespace korvo {

// The tool bars' pictures, drawn here rather than shipped as files: "new", "open", "save", "print",
// "copy", "paste", "cut", "undo", "snap", "grid", "group", "ungroup", "tofront", "toback", "moveback",
// "moveforward", "rotateccw", "rotatecw", "hmirror", "vmirror", "linestyle", "lineend", "help", and the
// tools "select", "node", "square", "circle", "polygon", "polyline", "line", "arrow", "curve", "sine",
// "tube", "text", "bend", "graph", "dropper". An unknown name gives an empty icon.
QIcon CommandIcon(const QString& name);

} // namespace korvo
