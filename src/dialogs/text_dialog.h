#pragma once

#include "document/drawing.h"

#include <QCoreApplication>
#include <QDialog>

#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace korvo {

class TFormulaSample;

// The dialog in which a text is written and its typeface, size and style chosen. One lives for the
// whole run and keeps what it last showed. A text shape's font is 2 points larger than the size the
// dialog shows; the dialog takes them off when loading and the drawing adds them back when storing.
class TTextFrm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(korvo::TTextFrm)

public:
    explicit TTextFrm(QWidget* parent = nullptr);

    // Shows an existing text and its font, and the chemistry switch as the text had it.
    void LoadFrom(const TShapeFont& font, const QByteArray& text, bool chemistry = false);
    // The text, font and chemistry switch as a shape stores them; nothing while no single character set
    // holds them.
    std::optional<TShapeText> Result() const;

    // For a new text: runs the dialog with what it last held and gives the result, or nothing when
    // cancelled. A new text is black and level even when the last one edited was coloured or turned,
    // since the dialog shows neither.
    std::optional<TShapeText> Ask();
    // For an existing text: loads it when there is one, runs the dialog and gives the result, or
    // nothing when cancelled.
    std::optional<TShapeText> Edit(const std::optional<TShapeText>& shown);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout();
    void SetTabOrder();
    void Connect();
    void SelectFace();
    std::optional<TShapeText> Run();

    void FontChosen();
    void SizeChosen();
    void SizeTyped(const QString& text);
    void StyleChanged();
    void UpdateApply();
    void ShowFont();
    void ShowSample();
    // Puts the selected characters, or an empty group at the cursor, into a group after the marker.
    void MarkSelection(QChar marker);

    // The face as the user sees it; the stored bytes depend on the character set the text needs.
    QString FFace;
    TShapeFont FFont;
    QListWidget* FontListbox;
    QLineEdit* SizeEdit;
    QListWidget* SizeListbox;
    QLabel* Label2;
    QToolButton* BoldBtn;
    QToolButton* ItalicBtn;
    QToolButton* UnderLineBtn;
    QPlainTextEdit* Memo;
    QAction* FSubscript;
    QAction* FSuperscript;
    QToolButton* SubscriptBtn;
    QToolButton* SuperscriptBtn;
    QCheckBox* ChemistryBox;
    TFormulaSample* FSample;
    QLabel* FCharsetNote;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

} // namespace korvo
