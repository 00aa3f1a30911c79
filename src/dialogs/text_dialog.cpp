#include "dialogs/text_dialog.h"

#include "shapes/code_page.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace korvo {

namespace {

    const int FixedSizes[] = { 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72 };
    constexpr int StoredSizeOffset = 2;

    QToolButton* StyleButton(const QString& name, const QString& caption, QWidget* parent)
    {
        auto* button = new QToolButton(parent);
        button->setObjectName(name);
        button->setText(caption);
        button->setCheckable(true);
        button->setFixedSize(28, 28);
        return button;
    }

    QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
    {
        auto* button = new QPushButton(caption, parent);
        button->setObjectName(name);
        // Enter in the text makes a new line, so no button is pressed by it.
        button->setAutoDefault(false);
        return button;
    }

    // Stored texts end lines with CR LF; the editor shows plain line breaks.
    QString ToEditor(const QString& stored)
    {
        QString text = stored;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }

    QString ToStored(const QString& edited)
    {
        QString text = edited;
        return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }

} // namespace

TTextFrm::TTextFrm(QWidget* parent)
    : QDialog(parent)
    , FontListbox(new QListWidget(this))
    , SizeEdit(new QLineEdit(QStringLiteral("10"), this))
    , SizeListbox(new QListWidget(this))
    , BoldBtn(StyleButton(QStringLiteral("BoldBtn"), QStringLiteral("B"), this))
    , ItalicBtn(StyleButton(QStringLiteral("ItalicBtn"), QStringLiteral("I"), this))
    , UnderLineBtn(StyleButton(QStringLiteral("UnderLineBtn"), QStringLiteral("U"), this))
    , Memo(new QPlainTextEdit(this))
    , FCharsetNote(new QLabel(this))
    , OKBtn(Button(QStringLiteral("OKBtn"), QStringLiteral("apply"), this))
    , CancelBtn(Button(QStringLiteral("CancelBtn"), QStringLiteral("cancel"), this))
{
    setObjectName(QStringLiteral("TextFrm"));
    setWindowTitle(QStringLiteral("Text properties"));
    FontListbox->setObjectName(QStringLiteral("FontListbox"));
    FontListbox->setAccessibleName(QStringLiteral("Typeface"));
    SizeEdit->setObjectName(QStringLiteral("SizeEdit"));
    SizeEdit->setAccessibleName(QStringLiteral("Size"));
    SizeEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), SizeEdit));
    SizeListbox->setObjectName(QStringLiteral("SizeListbox"));
    SizeListbox->setAccessibleName(QStringLiteral("Sizes"));
    for (int size : FixedSizes)
        SizeListbox->addItem(QString::number(size));
    SizeListbox->setFixedWidth(56);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setAccessibleName(QStringLiteral("Text"));
    FCharsetNote->setObjectName(QStringLiteral("CharsetNote"));
    FCharsetNote->setWordWrap(true);
    auto* style = new QLabel(QStringLiteral("style"), this);
    style->setObjectName(QStringLiteral("Label2"));

    auto* grid = new QGridLayout(this);
    auto* styles = new QHBoxLayout;
    for (QToolButton* b : { BoldBtn, ItalicBtn, UnderLineBtn })
        styles->addWidget(b);
    styles->addStretch();
    grid->addWidget(FontListbox, 0, 0, 3, 1);
    grid->addWidget(SizeEdit, 0, 1);
    grid->addWidget(SizeListbox, 1, 1, 2, 1);
    grid->addWidget(style, 0, 2);
    grid->addLayout(styles, 1, 2);
    grid->addWidget(Memo, 3, 0, 1, 3);
    grid->addWidget(FCharsetNote, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    grid->addLayout(buttons, 5, 0, 1, 3);
    setFixedSize(520, 380);

    FillTypefaces();
    FFont.SetFace("Arial");
    FFont.Colour = clBlack;
    setTabOrder(Memo, FontListbox);
    setTabOrder(FontListbox, SizeEdit);
    setTabOrder(SizeEdit, SizeListbox);
    setTabOrder(SizeListbox, BoldBtn);
    setTabOrder(BoldBtn, ItalicBtn);
    setTabOrder(ItalicBtn, UnderLineBtn);
    setTabOrder(UnderLineBtn, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    Memo->setTabChangesFocus(true);

    connect(FontListbox, &QListWidget::itemClicked, this, [this] { FontChosen(); });
    connect(FontListbox, &QListWidget::currentRowChanged, this, [this] { FontChosen(); });
    connect(SizeListbox, &QListWidget::itemClicked, this, [this] { SizeChosen(); });
    connect(SizeEdit, &QLineEdit::textEdited, this, [this](const QString& text) { SizeTyped(text); });
    for (QToolButton* b : { BoldBtn, ItalicBtn, UnderLineBtn })
        connect(b, &QToolButton::toggled, this, [this] { StyleChanged(); });
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] { TextChanged(); });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    SizeListbox->setCurrentRow(2);
    ShowFont();
    TextChanged();
}

void TTextFrm::FillTypefaces()
{
    // Scalable faces only: a text grows and shrinks with the zoom.
    QStringList faces;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family))
            faces.append(family);
    }
    faces.sort(Qt::CaseInsensitive);
    FontListbox->addItems(faces);
}

void TTextFrm::LoadFrom(const TShapeFont& font, const QByteArray& text)
{
    FFont = font;
    FFont.SetSize(font.Size() - StoredSizeOffset);
    const QString face = DecodeText(FFont.Face(), FFont.Charset());
    const auto listed = FontListbox->findItems(face, Qt::MatchFixedString);
    if (!listed.isEmpty()) {
        const QSignalBlocker quiet(FontListbox);
        FontListbox->setCurrentItem(listed.first());
    }
    for (auto [button, on] : { std::pair { BoldBtn, font.Bold() }, std::pair { ItalicBtn, font.Italic() },
             std::pair { UnderLineBtn, font.Underline() } }) {
        const QSignalBlocker quiet(button);
        button->setChecked(on);
    }
    SizeEdit->setText(QString::number(FFont.Size()));
    SizeTyped(SizeEdit->text());
    Memo->setPlainText(ToEditor(DecodeText(text, FFont.Charset())));
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
        FFont.SetFace(EncodeText(item->text(), FFont.Charset()).value_or(item->text().toLatin1()));
        ShowFont();
    }
}

void TTextFrm::SizeChosen()
{
    const QListWidgetItem* item = SizeListbox->currentItem();
    const int size = item ? item->text().toInt() : 10;
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
    const auto rows = SizeListbox->findItems(text, Qt::MatchExactly);
    if (!rows.isEmpty())
        SizeListbox->setCurrentItem(rows.first());
    ShowFont();
}

void TTextFrm::StyleChanged()
{
    FFont.SetBold(BoldBtn->isChecked());
    FFont.SetItalic(ItalicBtn->isChecked());
    FFont.SetUnderline(UnderLineBtn->isChecked());
    ShowFont();
}

void TTextFrm::TextChanged()
{
    // A character set is chosen that holds what was typed; a text no single one holds cannot be kept.
    const QString text = Memo->toPlainText();
    const std::optional<std::uint8_t> charset = CharsetFor(text, FFont.Charset());
    if (charset && *charset != FFont.Charset()) {
        const QByteArray face = EncodeText(DecodeText(FFont.Face(), FFont.Charset()), *charset).value_or(FFont.Face());
        FFont.SetCharset(*charset);
        FFont.SetFace(face);
    }
    FCharsetNote->setText(charset ? QString()
                                  : QStringLiteral("This text mixes characters that no single character set holds; "
                                                   "write it as two texts."));
    OKBtn->setEnabled(!text.isEmpty() && charset.has_value());
}

void TTextFrm::ShowFont()
{
    QFont preview(DecodeText(FFont.Face(), FFont.Charset()));
    preview.setPointSize(std::max(FFont.Size(), 1));
    preview.setBold(FFont.Bold());
    preview.setItalic(FFont.Italic());
    preview.setUnderline(FFont.Underline());
    Memo->setFont(preview);
}

TShapeText TTextFrm::Result() const
{
    const QString text = ToStored(Memo->toPlainText());
    return { EncodeText(text, FFont.Charset()).value_or(QByteArray()), FFont };
}

std::optional<TShapeText> TTextFrm::Ask()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Result();
}

} // namespace korvo
