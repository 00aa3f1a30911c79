#include "library/ui/dialog_parts.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>

namespace korvo {

TDialogButtons MakeDialogButtons(QDialog& dialog, const QString& ok, const QString& cancel)
{
    auto* okButton = new QPushButton(ok, &dialog);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(cancel, &dialog);
    cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    return { row, okButton };
}

void FixAndCentreOnScreen(QWidget& dialog)
{
    dialog.setFixedSize(dialog.sizeHint());
    const QWidget* owner = dialog.parentWidget();
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
}

} // namespace korvo
