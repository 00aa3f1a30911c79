#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvo {

// "Move to page...": the pages to choose from, the picture moved and the page chosen. Apply is offered
// only for a page other than the picture's own.
class TLibEditFrm : public QDialog {
    Q_OBJECT

public:
    TLibEditFrm(int currentPage, const QString& entryName, const QStringList& pages, QWidget* parent = nullptr);

    int ChosenPage() const;

private:
    void PageListBoxClick();

    int FOrigPage;
    QListWidget* FPageList;
    QLineEdit* FPageEdit;
    QPushButton* FOkButton = nullptr;
};

// The page chosen for the picture; nothing when cancelled.
std::optional<int> AskTargetPage(
    int currentPage, const QString& entryName, const QStringList& pages, QWidget* parent = nullptr);

} // namespace korvo
