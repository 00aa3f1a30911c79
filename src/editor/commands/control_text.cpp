#include "editor/commands/control_text.h"

#include "editor/command_icons.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolBar>
#include <QToolButton>

namespace korvo {

QString ShownText(const char* tableText)
{
    return *tableText ? QCoreApplication::translate("korvo::TControlText", tableText) : QString();
}

QAction* NewAction(QObject* parent, const TControlText& text)
{
    auto* action = new QAction(parent);
    action->setObjectName(QLatin1String(text.Name));
    const QString hint = ShownText(text.Hint);
    action->setText(*text.Caption ? ShownText(text.Caption) : hint);
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
