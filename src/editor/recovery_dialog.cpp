#include "editor/recovery_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvo {

namespace {

    constexpr int ThumbnailHeight = 112;

    QPushButton* AddButton(QDialogButtonBox* box, const QString& caption, const QString& name)
    {
        QPushButton* button = box->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        return button;
    }

} // namespace

TRecoveryFrm::TRecoveryFrm(const std::vector<TRecoveryOffer>& offers, QWidget* parent)
    : QDialog(parent)
    , FList(new QListWidget(this))
{
    setObjectName(QStringLiteral("RecoveryFrm"));
    setWindowTitle(QStringLiteral("Recover unsaved drawings"));
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Korvo ended without saving these drawings."), this));

    FList->setObjectName(QStringLiteral("RecoveryList"));
    FList->setIconSize(QSize(ThumbnailHeight, ThumbnailHeight));
    for (const TRecoveryOffer& offer : offers) {
        const QString time = QLocale().toString(offer.Time, QLocale::ShortFormat);
        auto* item = new QListWidgetItem(offer.Name + QLatin1Char('\n') + time, FList);
        item->setIcon(
            QIcon(QPixmap::fromImage(offer.Thumbnail.scaledToHeight(ThumbnailHeight, Qt::SmoothTransformation))));
    }
    FList->setCurrentRow(0);
    layout->addWidget(FList);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* recover = AddButton(buttons, QStringLiteral("Recover"), QStringLiteral("RecoverBtn"));
    recover->setDefault(true);
    connect(recover, &QPushButton::clicked, this, [this] { Choose(TRecoveryAction::Recover); });
    connect(AddButton(buttons, QStringLiteral("Discard"), QStringLiteral("DiscardBtn")), &QPushButton::clicked, this,
        [this] { Choose(TRecoveryAction::Discard); });
    connect(AddButton(buttons, QStringLiteral("Later"), QStringLiteral("LaterBtn")), &QPushButton::clicked, this,
        [this] { Choose(TRecoveryAction::Later); });
    connect(FList, &QListWidget::itemActivated, this, [this] { Choose(TRecoveryAction::Recover); });
    layout->addWidget(buttons);
}

void TRecoveryFrm::Choose(TRecoveryAction action)
{
    FChoice = { action, FList->currentRow() };
    accept();
}

} // namespace korvo
