#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvo {

// What the name dialog shows for one command.
struct TNameRequest {
    QString Caption;
    QString Info;
    QString OkCaption;
    // The name the edit starts with.
    QString Name;
};

// The name dialog of the library commands: adding a picture, renaming a page or a picture, creating
// a page. OK is offered once the name is not empty and every character of it can be stored.
class TExportFrm : public QDialog {
    Q_OBJECT

public:
    explicit TExportFrm(const TNameRequest& request, QWidget* parent = nullptr);

    // The name as the library stores it; nothing while it cannot be stored.
    std::optional<QByteArray> StoredName() const;

private:
    void NameEditChange();

    QLineEdit* FNameEdit;
    QLabel* FNote;
    QPushButton* FOkButton = nullptr;
};

// Shows the dialog and gives the name typed, as the library stores it; nothing when cancelled.
std::optional<QByteArray> AskLibraryName(const TNameRequest& request, QWidget* parent = nullptr);

} // namespace korvo
