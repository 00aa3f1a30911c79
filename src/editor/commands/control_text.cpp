#include "editor/commands/control_text.h"

#include "editor/command_icons.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

namespace korvo {

QAction* NewAction(QObject* parent, const TControlText& text)
{
    auto* action = new QAction(parent);
    action->setObjectName(QLatin1String(text.Name));
    const QString hint = QLatin1String(text.Hint);
    action->setText(*text.Caption ? QLatin1String(text.Caption) : hint);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    if (*text.Icon)
        action->setIcon(CommandIcon(QLatin1String(text.Icon)));
    return action;
}

void AddNamedButton(QToolBar& toolbar, QAction* action, const QString& name, const QString& caption)
{
    toolbar.addAction(action);
    auto* button = qobject_cast<QToolButton*>(toolbar.widgetForAction(action));
    if (!button)
        return;
    button->setObjectName(name);
    button->setAccessibleName(caption.isEmpty() ? action->toolTip() : caption);
    button->setAccessibleDescription(action->toolTip());
}

} // namespace korvo
