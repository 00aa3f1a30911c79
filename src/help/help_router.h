#pragma once

#include <QString>

#include <memory>

class QHelpEngine;

namespace korvo {

class THelpWindow;

// The one way into the help. It opens the compiled help collection once, at start, and turns the
// program's four requests into what the help window shows; the window is made on the first request.
class THelpRouter {
public:
    // The collection file is "korvo.qhc"; its compiled pages and search index lie beside it.
    explicit THelpRouter(const QString& collectionFile);
    ~THelpRouter();

    // The collection could be opened and holds the pages. When not, no request may be made.
    bool Available() const { return FAvailable; }

    void ShowContents();
    // The index positioned at the keyword.
    void Search(const QString& keyword);
    // The topic the help names by the keyword; the index at the keyword when it names none.
    void KeywordLookup(const QString& keyword);
    // The topic mapped to a context number, as the keyword "context-N".
    void ContextLookup(int context);

    // Null until the first request.
    THelpWindow* Window() const { return FWindow.get(); }

private:
    THelpWindow& ShownWindow();

    // The window goes first: the engine may own the widgets it handed out.
    std::unique_ptr<THelpWindow> FWindow;
    std::unique_ptr<QHelpEngine> FEngine;
    bool FAvailable = false;
};

} // namespace korvo
