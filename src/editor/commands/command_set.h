#pragma once

#include "editor/commands/command_rules.h"

#include <array>
#include <functional>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace korvo {

class TDrawing;

// The window's commands as actions, one for each command, made from the command table and shared by
// the command's menu item and its tool button. A command runs as one change of the drawing, so the
// window repaints once whatever it does. A command with no handler yet stays disabled.
class TCommandSet {
public:
    TCommandSet(QWidget& window, TDrawing& drawing);

    QAction* Action(TCommand id) const { return FActions[Index(id)]; }
    void Bind(TCommand id, std::function<void()> handler);
    // For check items: the handler gets the new checked state.
    void BindToggle(TCommand id, std::function<void(bool)> handler);
    // For a command that opens a submenu rather than running.
    void BindMenu(TCommand id, QMenu* menu);
    bool IsBound(TCommand id) const { return FBound[Index(id)]; }
    // Enables each bound command whose rule holds now.
    void Refresh(const TCommandContext& context);
    // Puts the command's button on the tool bar, named as the command's button is named.
    void AddButton(QToolBar& toolbar, TCommand id) const;

private:
    static std::size_t Index(TCommand id) { return static_cast<std::size_t>(id); }
    void Connect(TCommand id, std::function<void(bool)> handler);

    TDrawing& FDrawing;
    std::array<QAction*, CommandCount> FActions {};
    std::array<bool, CommandCount> FBound {};
};

} // namespace korvo
