#pragma once

#include <QIcon>
#include <QString>

namespace korvo {

// The tool bars' pictures, compiled into the program: "new", "open", "save", "print", "copy", "paste", "cut",
// "undo", "redo", "snap", "grid", "group", "ungroup", "tofront", "toback", "moveback", "moveforward",
// "rotateccw", "rotatecw", "hmirror", "vmirror", "linestyle", "lineend", "help", "colour", and the tools
// "select", "node", "square", "circle", "polygon", "polyline", "line", "arrow", "curve", "sine", "tube",
// "text", "bend", "graph", "dropper". The everyday file and edit commands and help take the desktop
// theme's picture where it has one. An unknown name gives an empty icon.
QIcon CommandIcon(const QString& name);

} // namespace korvo
