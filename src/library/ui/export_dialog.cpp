#include "library/ui/export_dialog.h"

#include "library/ui/dialog_parts.h"
#include "shapes/code_page.h"
#include "shapes/shape_font.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korvo {

TExportFrm::TExportFrm(const TNameRequest& request, QWidget* parent)
    : QDialog(parent)
    , FNameEdit(new QLineEdit(this))
    , FNote(new QLabel(tr("A library name can hold only Western European letters."), this))
{
    const TDialogButtons buttons = MakeDialogButtons(*this, request.OkCaption, tr("Cancel"));
    FOkButton = buttons.Ok;
    setObjectName(QStringLiteral("ExportFrm"));
    setWindowTitle(request.Caption);
    auto* info = new QLabel(request.Info, this);
    info->setObjectName(QStringLiteral("InfoLabel"));
    // It quotes a page name, which is plain text whatever it looks like.
    info->setTextFormat(Qt::PlainText);
    auto* label = new QLabel(tr("Name"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(FNameEdit);
    FNameEdit->setObjectName(QStringLiteral("NameEdit"));
    FNameEdit->setAccessibleName(tr("Name"));
    FNameEdit->setAccessibleDescription(request.Info);
    FNote->setObjectName(QStringLiteral("NoteLabel"));
    FNote->setStyleSheet(QStringLiteral("color: #b00000"));
    connect(FNameEdit, &QLineEdit::textChanged, this, [this] { NameEditChange(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(info, 0, 0, 1, 2);
    layout->addWidget(label, 1, 0);
    layout->addWidget(FNameEdit, 1, 1);
    layout->addWidget(FNote, 2, 0, 1, 2);
    layout->addLayout(buttons.Row, 3, 0, 1, 2);
    // The note keeps its room while hidden, so the dialog does not change size under the user.
    QSizePolicy keep = FNote->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    FNote->setSizePolicy(keep);
    FNameEdit->setMinimumWidth(240);
    FNameEdit->setText(request.Name);
    NameEditChange();
    FixAndCentreOnScreen(*this);
}

std::optional<QByteArray> TExportFrm::StoredName() const
{
    // Library names carry no character set of their own; they are the system's ANSI text.
    return EncodeText(FNameEdit->text(), DefaultCharset);
}

void TExportFrm::NameEditChange()
{
    const bool storable = StoredName().has_value();
    FNote->setVisible(!storable);
    FOkButton->setEnabled(storable && !FNameEdit->text().isEmpty());
}

std::optional<QByteArray> AskLibraryName(const TNameRequest& request, QWidget* parent)
{
    TExportFrm dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.StoredName();
}

} // namespace korvo
