#include "dialogs/text_dialog.h"

#include "dialogs/stored_text.h"
#include "dialogs/typeface_list.h"
#include "shapes/code_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
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

    QToolButton* StyleButton(const char* name, const QString& caption, void (QFont::*style)(bool), QWidget* parent)
    {
        auto* button = new QToolButton(parent);
        button->setObjectName(QLatin1String(name));
        button->setText(caption);
        QFont look = button->font();
        (look.*style)(true);
        button->setFont(look);
        button->setCheckable(true);
        button->setFixedSize(28, 28);
        return button;
    }

    template <class T> T* Named(T* widget, const char* name, const char* spoken)
    {
        widget->setObjectName(QLatin1String(name));
        widget->setAccessibleName(QLatin1String(spoken));
        return widget;
    }

} // namespace

TTextFrm::TTextFrm(QWidget* parent)
    : QDialog(parent)
    , FFace(QStringLiteral("Arial"))
    , FontListbox(Named(new QListWidget(this), "FontListbox", "Typeface"))
    , SizeEdit(Named(new QLineEdit(QString::number(StartSize), this), "SizeEdit", "Size"))
    , SizeListbox(Named(new QListWidget(this), "SizeListbox", "Sizes"))
    , Label2(Named(new QLabel(QStringLiteral("style"), this), "Label2", "style"))
    , BoldBtn(StyleButton("BoldBtn", QStringLiteral("B"), &QFont::setBold, this))
    , ItalicBtn(StyleButton("ItalicBtn", QStringLiteral("I"), &QFont::setItalic, this))
    , UnderLineBtn(StyleButton("UnderLineBtn", QStringLiteral("U"), &QFont::setUnderline, this))
    , Memo(Named(new QPlainTextEdit(this), "Memo", "Text"))
    , FCharsetNote(Named(new QLabel(this), "CharsetNote", "Note"))
    , OKBtn(Named(new QPushButton(QStringLiteral("apply"), this), "OKBtn", "apply"))
    , CancelBtn(Named(new QPushButton(QStringLiteral("cancel"), this), "CancelBtn", "cancel"))
{
    setObjectName(QStringLiteral("TextFrm"));
    setWindowTitle(QStringLiteral("Text properties"));
    FFont.Colour = clBlack;
    SizeEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), SizeEdit));
    SizeEdit->setMaxLength(SizeDigits);
    for (int size : FixedSizes)
        SizeListbox->addItem(QString::number(size));
    FontListbox->addItems(InstalledTypefaces());
    Memo->setTabChangesFocus(true);
    FCharsetNote->setText(
        QStringLiteral("No single character set holds all of these characters; write them as separate texts."));
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
    grid->addWidget(FCharsetNote, 4, 0, 1, 3);
    grid->addLayout(buttons, 5, 0, 1, 3);
    grid->setRowStretch(2, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    setFixedSize(520, 400);
}

void TTextFrm::SetTabOrder()
{
    // The text has the focus when the dialog opens; the other controls follow it in reading order.
    QWidget* order[] = { Memo, FontListbox, SizeEdit, SizeListbox, BoldBtn, ItalicBtn, UnderLineBtn, OKBtn, CancelBtn };
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
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] { UpdateApply(); });
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

void TTextFrm::LoadFrom(const TShapeFont& font, const QByteArray& text)
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
}

std::optional<TShapeText> TTextFrm::Result() const { return StoredText(Memo->toPlainText(), FFace, FFont); }

std::optional<TShapeText> TTextFrm::Ask()
{
    FFont.SetOrientation(0);
    FFont.Colour = clBlack;
    return Run();
}

std::optional<TShapeText> TTextFrm::Edit(const std::optional<TShapeText>& shown)
{
    if (shown)
        LoadFrom(shown->Font, shown->Text);
    return Run();
}

std::optional<TShapeText> TTextFrm::Run()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Result();
}

} // namespace korvo
