#pragma once

#include <QString>

class QAction;
class QObject;
class QToolBar;

namespace korvo {

// How a command or a tool presents itself. The tables mark their captions and hints with
// QT_TRANSLATE_NOOP in the context "korvo::TControlText"; ShownText translates them.
struct TControlText {
    // The action's object name.
    const char* Name;
    // The menu item's text or the button's caption; empty for a button known only by its hint.
    const char* Caption;
    // Shown in the status bar and as the tool tip.
    const char* Hint;
    // The picture's name among the command icons; empty for none.
    const char* Icon;
};

// A caption or hint of a table in the user's language.
QString ShownText(const char* tableText);

// An action that shows the text: its caption (its hint when it has none), the hint and the icon.
QAction* NewAction(QObject* parent, const TControlText& text);

// Places an action's button on a tool bar under its own object name and names it for screen readers,
// which know a button without a caption by its hint.
void AddNamedButton(QToolBar& toolbar, QAction* action, const QString& name, const QString& caption);

} // namespace korvo
