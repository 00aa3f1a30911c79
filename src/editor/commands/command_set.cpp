#include "editor/commands/command_set.h"

#include "document/drawing.h"
#include "editor/commands/control_text.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace korvo {

TCommandSet::TCommandSet(QWidget& window, TDrawing& drawing)
    : FDrawing(drawing)
{
    for (const TCommandInfo& info : CommandTable()) {
        QAction* action = NewAction(&window, info.Text);
        action->setShortcuts(QKeySequence::listFromString(QLatin1String(info.Keys), QKeySequence::PortableText));
        action->setCheckable(info.Checkable);
        action->setEnabled(false);
        window.addAction(action);
        FActions[Index(info.Id)] = action;
    }
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
    const QString caption = ShownText(info.Text.Caption).remove(QLatin1Char('&'));
    AddNamedButton(toolbar, Action(id), QLatin1String(info.Button ? info.Button : info.Text.Name), caption);
}

} // namespace korvo
