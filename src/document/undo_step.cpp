#include "document/undo_step.h"

#include <QCoreApplication>

#include <array>

namespace korvo {

namespace {

    // What the step of each label did; nothing for numbers no operation records.
    QString Action(int label)
    {
        static const std::array<const char*, 40> Actions = {
            QT_TRANSLATE_NOOP("korvo::UndoStep", "add object"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create line"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create arrow"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create polygon"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create polyline"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create circle"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create curve"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create text"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create tube"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create sine"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "move selection"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "edit node"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "resize selection"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "delete node"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "group selection"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "ungroup selection"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "create rectangle"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "fill colour"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "line colour"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "line style"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "line ending style"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "rotation"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "reflection"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "paste"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "delete selection"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "move back one"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "move forward one"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "move to back"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "move to front"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "convert to curve"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "convert to curve"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "convert to polygon"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "remove labels"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "alignment"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "convert to polygon"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "convert to open polygon"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "add node"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "import picture"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "edit text"),
            QT_TRANSLATE_NOOP("korvo::UndoStep", "plot graph"),
        };
        if (label < 0 || label >= static_cast<int>(Actions.size()))
            return {};
        return QCoreApplication::translate("korvo::UndoStep", Actions[static_cast<std::size_t>(label)]);
    }

} // namespace

QString UndoLabel(int label)
{
    const QString action = Action(label);
    return action.isEmpty() ? QCoreApplication::translate("korvo::UndoStep", "Undo")
                            : QCoreApplication::translate("korvo::UndoStep", "Undo %1").arg(action);
}

QString RedoLabel(int label)
{
    const QString action = Action(label);
    return action.isEmpty() ? QCoreApplication::translate("korvo::UndoStep", "Redo")
                            : QCoreApplication::translate("korvo::UndoStep", "Redo %1").arg(action);
}

} // namespace korvo
