#include "document/undo_step.h"

#include <array>

namespace korvo {

QString UndoLabel(int label)
{
    static const std::array<const char*, 36> Captions = {
        "Undo add object",
        "Undo create line",
        "Undo create arrow",
        "Undo create polygon",
        "Undo create polyline",
        "Undo create circle",
        "Undo create curve",
        "Undo create text",
        "Undo create tube",
        "Undo create sine",
        "Undo move selection",
        "Undo edit node",
        "Undo resize selection",
        "Undo delete node",
        "Undo group selection",
        "Undo ungroup selection",
        "Undo create rectangle",
        "Undo fill colour",
        "Undo line colour",
        "Undo line style",
        "Undo line ending style",
        "Undo rotation",
        "Undo reflection",
        "Undo paste",
        "Undo delete selection",
        "Undo move back one",
        "Undo move forward one",
        "Undo move to back",
        "Undo move to front",
        "Undo convert to curve",
        "Undo convert to curve",
        "Undo convert to polygon",
        "Undo remove labels",
        "Undo alignment",
        "Undo convert to polygon",
        "Undo convert to open polygon",
    };
    if (label < 0 || label >= static_cast<int>(Captions.size()))
        return QStringLiteral("Undo");
    return QString::fromLatin1(Captions[static_cast<std::size_t>(label)]);
}

} // namespace korvo
