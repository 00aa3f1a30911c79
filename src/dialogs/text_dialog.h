#pragma once

#include "document/drawing.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace korvo {

// The dialog in which a text is written and its typeface, size and style chosen. One lives for the
// whole run and keeps what it last showed. The text shape's font is 2 points larger than the size the
// dialog shows; the dialog takes that off when loading and the drawing adds it back when storing.
class TTextFrm : public QDialog {
public:
    explicit TTextFrm(QWidget* parent = nullptr);

    // Shows an existing text and its font.
    void LoadFrom(const TShapeFont& font, const QByteArray& text);
    // The text as stored bytes, lines ending in CR LF, and the font it is shown in.
    TShapeText Result() const;
    // Runs the dialog modally: the result, or nothing when cancelled.
    std::optional<TShapeText> Ask();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillTypefaces();
    void FontChosen();
    void SizeChosen();
    void SizeTyped(const QString& text);
    void StyleChanged();
    void TextChanged();
    void ShowFont();

    TShapeFont FFont;
    QListWidget* FontListbox;
    QLineEdit* SizeEdit;
    QListWidget* SizeListbox;
    QToolButton* BoldBtn;
    QToolButton* ItalicBtn;
    QToolButton* UnderLineBtn;
    QPlainTextEdit* Memo;
    QLabel* FCharsetNote;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

} // namespace korvo
