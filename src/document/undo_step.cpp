#include "document/undo_step.h"

#include <array>

namespace korvo {

namespace {

    // "Undo " or "Redo " + the action; the verb alone for numbers no operation records.
    QString Caption(const char* verb, int label)
    {
        static const std::array<const char*, 40> Actions = {
            "add object",
            "create line",
            "create arrow",
            "create polygon",
            "create polyline",
            "create circle",
            "create curve",
            "create text",
            "create tube",
            "create sine",
            "move selection",
            "edit node",
            "resize selection",
            "delete node",
            "group selection",
            "ungroup selection",
            "create rectangle",
            "fill colour",
            "line colour",
            "line style",
            "line ending style",
            "rotation",
            "reflection",
            "paste",
            "delete selection",
            "move back one",
            "move forward one",
            "move to back",
            "move to front",
            "convert to curve",
            "convert to curve",
            "convert to polygon",
            "remove labels",
            "alignment",
            "convert to polygon",
            "convert to open polygon",
            "add node",
            "import picture",
            "edit text",
            "plot graph",
        };
        if (label < 0 || label >= static_cast<int>(Actions.size()))
            return QLatin1String(verb);
        return QLatin1String(verb) + QLatin1Char(' ') + QLatin1String(Actions[static_cast<std::size_t>(label)]);
    }

} // namespace

QString UndoLabel(int label) { return Caption("Undo", label); }

QString RedoLabel(int label) { return Caption("Redo", label); }

} // namespace korvo
