#pragma once

#include <QMainWindow>
#include <QUrl>

class QHelpEngine;
class QHelpSearchEngine;
class QLineEdit;
class QTabWidget;

namespace korvo {

class THelpBrowser;

// The help viewer: the table of contents, the keyword index and the full-text search beside the page
// being read. It shows what the compiled help holds and nothing else; the router tells it what to show.
class THelpWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit THelpWindow(QHelpEngine& engine);

    QUrl CurrentPage() const;
    // The index entry the index is positioned at; empty while the index is not built yet.
    QString CurrentIndexEntry() const;
    bool ShowsIndex() const;
    QHelpSearchEngine& SearchEngine() const;

    void ShowPage(const QUrl& page);
    // The contents beside the first page of the help.
    void ShowContents();
    // The index positioned at the keyword, beside the page already shown (the first page if none).
    void ShowIndexAt(const QString& keyword);
    // Searches the text of every page for the words; the results list the pages found.
    void FindText(const QString& words);

private:
    QWidget* BuildIndexTab();
    QWidget* BuildSearchTab();
    void BuildToolbar();
    void PositionIndex();
    void MarkInContents(const QUrl& page);
    void ShowFirstPageIfEmpty();
    QUrl FirstPage() const;

    QHelpEngine& FEngine;
    QTabWidget* FTabs = nullptr;
    QWidget* FIndexTab = nullptr;
    QLineEdit* FIndexEdit = nullptr;
    THelpBrowser* FBrowser = nullptr;
};

} // namespace korvo
