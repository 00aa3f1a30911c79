#include "dialogs/text_dialog.h"

#include "dialogs/formula_sample.h"
#include "dialogs/named_widget.h"
#include "dialogs/stored_text.h"
#include "dialogs/typeface_list.h"
#include "shapes/code_page.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextCursor>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace korvo {

namespace {

    const int FixedSizes[] = { 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72 };
    constexpr int StartSize = 10;
    constexpr int StoredSizeOffset = 2;
    // Four digits: far beyond any page, and the drawing's 2 points more can never overflow.
    constexpr int SizeDigits = 4;
    constexpr int LargestSize = 9999;

    QToolButton* StyleButton(
        const char* name, const QString& caption, const QString& spoken, void (QFont::*style)(bool), QWidget* parent)
    {
        auto* button = Named(new QToolButton(parent), name);
        button->setText(caption);
        button->setAccessibleName(spoken);
        QFont look = button->font();
        (look.*style)(true);
        button->setFont(look);
        button->setCheckable(true);
        button->setFixedSize(28, 28);
        return button;
    }

    // One command for the button and its keys, as word processors have them. The hint names the first
    // key in the words of the user's keyboard.
    QAction* MarkupAction(const QString& caption, const QString& hint, const QList<QKeySequence>& keys, QWidget* parent)
    {
        auto* action = new QAction(caption, parent);
        action->setToolTip(hint.arg(keys.first().toString(QKeySequence::NativeText)));
        action->setShortcuts(keys);
        parent->addAction(action);
        return action;
    }

    QToolButton* MarkupButton(const char* name, const QString& spoken, QAction* action, QWidget* parent)
    {
        auto* button = Named(new QToolButton(parent), name);
        button->setAccessibleName(spoken);
        button->setDefaultAction(action);
        button->setFixedSize(28, 28);
        return button;
    }

    // The selected characters of one line in a group after the marker; a lone letter or digit needs
    // no braces.
    QString Marked(const QString& characters, QChar marker)
    {
        if (characters.size() == 1 && characters.front().isLetterOrNumber())
            return marker + characters;
        return marker + QLatin1Char('{') + characters + QLatin1Char('}');
    }

    template <class T> T* Named(T* widget, const char* name, const QString& spoken)
    {
        korvo::Named(widget, name)->setAccessibleName(spoken);
        return widget;
    }

} // namespace

TTextFrm::TTextFrm(QWidget* parent)
    : QDialog(parent)
    , FFace(QStringLiteral("Arial"))
    , FontListbox(Named(new QListWidget(this), "FontListbox", tr("Typeface")))
    , SizeEdit(Named(new QLineEdit(QString::number(StartSize), this), "SizeEdit", tr("Size")))
    , SizeListbox(Named(new QListWidget(this), "SizeListbox", tr("Sizes")))
    , Label2(Named(new QLabel(tr("style"), this), "Label2", tr("style")))
    , BoldBtn(StyleButton("BoldBtn", tr("B", "bold"), tr("Bold"), &QFont::setBold, this))
    , ItalicBtn(StyleButton("ItalicBtn", tr("I", "italic"), tr("Italic"), &QFont::setItalic, this))
    , UnderLineBtn(StyleButton("UnderLineBtn", tr("U", "underline"), tr("Underline"), &QFont::setUnderline, this))
    , Memo(Named(new QPlainTextEdit(this), "Memo", tr("Text")))
    , FSubscript(MarkupAction(QStringLiteral("x\u2082"), tr("Subscript: lowers the selected characters (%1)"),
          { QKeySequence(Qt::CTRL | Qt::Key_Equal) }, this))
    , FSuperscript(MarkupAction(QStringLiteral("x\u00B2"), tr("Superscript: raises the selected characters (%1)"),
          { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Plus) }, this))
    , SubscriptBtn(MarkupButton("SubscriptBtn", tr("Subscript"), FSubscript, this))
    , SuperscriptBtn(MarkupButton("SuperscriptBtn", tr("Superscript"), FSuperscript, this))
    , ChemistryBox(Named(new QCheckBox(tr("Chemical formula"), this), "ChemistryBox", tr("Chemical formula")))
    , FSample(new TFormulaSample(this))
    , FCharsetNote(Named(new QLabel(this), "CharsetNote", tr("Note")))
    , OKBtn(Named(new QPushButton(tr("apply"), this), "OKBtn", tr("apply")))
    , CancelBtn(Named(new QPushButton(tr("cancel"), this), "CancelBtn", tr("cancel")))
{
    setObjectName(QStringLiteral("TextFrm"));
    setWindowTitle(tr("Text properties"));
    FFont.Colour = clBlack;
    SizeEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), SizeEdit));
    SizeEdit->setMaxLength(SizeDigits);
    for (int size : FixedSizes)
        SizeListbox->addItem(QString::number(size));
    FontListbox->addItems(InstalledTypefaces());
    Memo->setTabChangesFocus(true);
    FCharsetNote->setText(tr("No single character set holds all of these characters; write them as separate texts."));
    FCharsetNote->setWordWrap(true);
    BuildLayout();
    SetTabOrder();
    SelectFace();
    SizeTyped(SizeEdit->text());
    Connect();
    UpdateApply();
}

void TTextFrm::BuildLayout()
{
    auto* styles = new QHBoxLayout;
    for (QToolButton* b : { BoldBtn, ItalicBtn, UnderLineBtn })
        styles->addWidget(b);
    styles->addStretch();
    auto* formula = new QHBoxLayout;
    formula->addWidget(SubscriptBtn);
    formula->addWidget(SuperscriptBtn);
    formula->addSpacing(12);
    formula->addWidget(ChemistryBox);
    formula->addStretch();
    // No button is the default: Enter belongs to the text, where it makes a new line, and presses a
    // button only when that button has the focus.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    SizeEdit->setFixedWidth(64);
    SizeListbox->setFixedWidth(64);
    auto* grid = new QGridLayout(this);
    grid->addWidget(FontListbox, 0, 0, 3, 1);
    grid->addWidget(SizeEdit, 0, 1);
    grid->addWidget(SizeListbox, 1, 1, 2, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addLayout(styles, 1, 2);
    grid->addWidget(Memo, 3, 0, 1, 3);
    grid->addLayout(formula, 4, 0, 1, 3);
    grid->addWidget(FSample, 5, 0, 1, 3);
    grid->addWidget(FCharsetNote, 6, 0, 1, 3);
    grid->addLayout(buttons, 7, 0, 1, 3);
    grid->setRowStretch(2, 1);
    grid->setRowStretch(3, 1);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
    setFixedSize(520, 520);
}

void TTextFrm::SetTabOrder()
{
    // The text has the focus when the dialog opens; the other controls follow it in reading order.
    QWidget* order[] = { Memo, FontListbox, SizeEdit, SizeListbox, BoldBtn, ItalicBtn, UnderLineBtn, SubscriptBtn,
        SuperscriptBtn, ChemistryBox, OKBtn, CancelBtn };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TTextFrm::Connect()
{
    // Clicking the row already current must still apply its face after a shape with an unlisted one.
    connect(FontListbox, &QListWidget::itemClicked, this, [this] { FontChosen(); });
    connect(FontListbox, &QListWidget::currentRowChanged, this, [this] { FontChosen(); });
    connect(SizeListbox, &QListWidget::itemClicked, this, [this] { SizeChosen(); });
    connect(SizeListbox, &QListWidget::currentRowChanged, this, [this] { SizeChosen(); });
    connect(SizeEdit, &QLineEdit::textEdited, this, [this](const QString& text) { SizeTyped(text); });
    for (QToolButton* b : { BoldBtn, ItalicBtn, UnderLineBtn })
        connect(b, &QToolButton::toggled, this, [this] { StyleChanged(); });
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] {
        UpdateApply();
        ShowSample();
    });
    connect(FSubscript, &QAction::triggered, this, [this] { MarkSelection(QLatin1Char('_')); });
    connect(FSuperscript, &QAction::triggered, this, [this] { MarkSelection(QLatin1Char('^')); });
    connect(ChemistryBox, &QCheckBox::toggled, this, [this] { ShowSample(); });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TTextFrm::SelectFace()
{
    // A face that is not installed stays the font's face; the list keeps its selection.
    const QList<QListWidgetItem*> listed = FontListbox->findItems(FFace, Qt::MatchFixedString);
    if (listed.isEmpty())
        return;
    const QSignalBlocker quiet(FontListbox);
    FontListbox->setCurrentItem(listed.first());
}

void TTextFrm::LoadFrom(const TShapeFont& font, const QByteArray& text, bool chemistry)
{
    FFont = font;
    // A damaged file may hold any size; it shows as the nearest one the size field can hold.
    FFont.SetSize(std::clamp(font.Size() - StoredSizeOffset, 0, LargestSize));
    FFace = DecodeText(font.Face(), font.Charset());
    SelectFace();
    for (auto [button, on] : { std::pair { BoldBtn, font.Bold() }, std::pair { ItalicBtn, font.Italic() },
             std::pair { UnderLineBtn, font.Underline() } }) {
        const QSignalBlocker quiet(button);
        button->setChecked(on);
    }
    SizeEdit->setText(QString::number(FFont.Size()));
    SizeTyped(SizeEdit->text());
    {
        const QSignalBlocker quiet(ChemistryBox);
        ChemistryBox->setChecked(chemistry);
    }
    Memo->setPlainText(EditorText(text, font.Charset()));
    ShowFont();
}

void TTextFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Memo->setFocus();
}

void TTextFrm::FontChosen()
{
    if (const QListWidgetItem* item = FontListbox->currentItem()) {
        FFace = item->text();
        ShowFont();
        UpdateApply();
    }
}

void TTextFrm::SizeChosen()
{
    const QListWidgetItem* item = SizeListbox->currentItem();
    const int size = item ? item->text().toInt() : StartSize;
    SizeEdit->setText(QString::number(size));
    FFont.SetSize(size);
    ShowFont();
}

void TTextFrm::SizeTyped(const QString& text)
{
    bool number = false;
    const int size = text.toInt(&number);
    if (!number)
        return;
    FFont.SetSize(size);
    const QList<QListWidgetItem*> rows = SizeListbox->findItems(text, Qt::MatchExactly);
    if (!rows.isEmpty()) {
        const QSignalBlocker quiet(SizeListbox);
        SizeListbox->setCurrentItem(rows.first());
    }
    ShowFont();
}

void TTextFrm::StyleChanged()
{
    FFont.SetBold(BoldBtn->isChecked());
    FFont.SetItalic(ItalicBtn->isChecked());
    FFont.SetUnderline(UnderLineBtn->isChecked());
    ShowFont();
}

void TTextFrm::UpdateApply()
{
    const bool storable = Result().has_value();
    FCharsetNote->setVisible(!storable);
    OKBtn->setEnabled(storable && !Memo->toPlainText().isEmpty());
}

void TTextFrm::ShowFont()
{
    QFont preview(FFace);
    preview.setPointSize(std::max(FFont.Size(), 1));
    preview.setBold(FFont.Bold());
    preview.setItalic(FFont.Italic());
    preview.setUnderline(FFont.Underline());
    Memo->setFont(preview);
    ShowSample();
}

void TTextFrm::ShowSample()
{
    const std::optional<TShapeText> stored = Result();
    TShapeFont font = stored ? stored->Font : FFont;
    font.SetSize(font.Size() + StoredSizeOffset);
    FSample->Show({ Memo->toPlainText(), ChemistryBox->isChecked() }, font);
}

void TTextFrm::MarkSelection(QChar marker)
{
    QTextCursor cursor = Memo->textCursor();
    const bool empty = !cursor.hasSelection();
    // A group cannot reach past the end of its line, so each selected line gets one of its own.
    QStringList lines = cursor.selectedText().split(QChar::ParagraphSeparator);
    for (QString& line : lines) {
        if (!line.isEmpty() || empty)
            line = Marked(line, marker);
    }
    cursor.insertText(lines.join(QLatin1Char('\n')));
    // An empty group waits for its characters.
    if (empty)
        cursor.movePosition(QTextCursor::Left);
    Memo->setTextCursor(cursor);
    Memo->setFocus();
}

std::optional<TShapeText> TTextFrm::Result() const
{
    std::optional<TShapeText> stored = StoredText(Memo->toPlainText(), FFace, FFont);
    if (stored)
        stored->Chemistry = ChemistryBox->isChecked();
    return stored;
}

std::optional<TShapeText> TTextFrm::Ask()
{
    FFont.SetOrientation(0);
    FFont.Colour = clBlack;
    return Run();
}

std::optional<TShapeText> TTextFrm::Edit(const std::optional<TShapeText>& shown)
{
    if (shown)
        LoadFrom(shown->Font, shown->Text, shown->Chemistry);
    return Run();
}

std::optional<TShapeText> TTextFrm::Run()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Result();
}

} // namespace korvo
