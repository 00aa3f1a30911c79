#include "editor/commands/command_set.h"

#include "document/drawing.h"
#include "editor/command_icons.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

namespace korvo {

namespace {

    QAction* MakeAction(QWidget& window, const TCommandInfo& info)
    {
        auto* action = new QAction(&window);
        action->setObjectName(QLatin1String(info.Name));
        const QString hint = QLatin1String(info.Hint);
        action->setText(*info.Caption ? QLatin1String(info.Caption) : hint);
        if (!hint.isEmpty()) {
            action->setToolTip(hint);
            action->setStatusTip(hint);
        }
        if (*info.Icon)
            action->setIcon(CommandIcon(QLatin1String(info.Icon)));
        if (info.Shortcut != QKeySequence::UnknownKey)
            action->setShortcut(info.Shortcut);
        action->setCheckable(info.Checkable);
        action->setEnabled(false);
        window.addAction(action);
        return action;
    }

} // namespace

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

TCommandSet::TCommandSet(QWidget& window, TDrawing& drawing)
    : FDrawing(drawing)
{
    for (const TCommandInfo& info : CommandTable())
        FActions[Index(info.Id)] = MakeAction(window, info);
}

void TCommandSet::Bind(TCommand id, std::function<void()> handler)
{
    Connect(id, [handler = std::move(handler)](bool) { handler(); });
}

void TCommandSet::BindToggle(TCommand id, std::function<void(bool)> handler) { Connect(id, std::move(handler)); }

void TCommandSet::BindMenu(TCommand id, QMenu* menu)
{
    FBound[Index(id)] = true;
    Action(id)->setMenu(menu);
}

void TCommandSet::Connect(TCommand id, std::function<void(bool)> handler)
{
    FBound[Index(id)] = true;
    QObject::connect(Action(id), &QAction::triggered, Action(id), [this, handler = std::move(handler)](bool checked) {
        const TDrawingUpdate update(FDrawing);
        handler(checked);
    });
}

void TCommandSet::Refresh(const TCommandContext& context)
{
    for (const TCommandInfo& info : CommandTable())
        Action(info.Id)->setEnabled(IsBound(info.Id) && RuleHolds(info.Rule, context));
}

void TCommandSet::AddButton(QToolBar& toolbar, TCommand id) const
{
    const TCommandInfo& info = CommandInfo(id);
    const QString caption = QString::fromLatin1(info.Caption).remove(QLatin1Char('&'));
    AddNamedButton(toolbar, Action(id), QLatin1String(info.Button ? info.Button : info.Name), caption);
}

} // namespace korvo
