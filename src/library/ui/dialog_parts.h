#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;
class QString;
class QWidget;

namespace korvo {

// The row of a dialog's two closing buttons, right-aligned: OKBtn, the default, accepts and
// CancelBtn rejects.
struct TDialogButtons {
    QHBoxLayout* Row;
    QPushButton* Ok;
};
TDialogButtons MakeDialogButtons(QDialog& dialog, const QString& ok, const QString& cancel);

// Gives a dialog its fixed size from its layout and puts it in the middle of the screen its owner is on.
void FixAndCentreOnScreen(QWidget& dialog);

} // namespace korvo
