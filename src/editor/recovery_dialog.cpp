#include "editor/recovery_dialog.h"

#include <QAbstractListModel>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace korvo {

namespace {

    constexpr int ThumbnailHeight = 112;

    QPushButton* AddButton(QDialogButtonBox* box, const QString& caption, const QString& name)
    {
        QPushButton* button = box->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        return button;
    }

    // The offers as the list shows them; a picture is asked for the first time its row is painted.
    class TOfferModel : public QAbstractListModel {
    public:
        TOfferModel(const std::vector<TRecoveryOffer>& offers, TOfferPictures& pictures, QObject* parent)
            : QAbstractListModel(parent)
            , FOffers(offers)
            , FPictures(pictures)
            , FThumbnails(offers.size())
        {
        }

        int rowCount(const QModelIndex& parent) const override
        {
            return parent.isValid() ? 0 : static_cast<int>(FOffers.size());
        }

        QVariant data(const QModelIndex& index, int role) const override
        {
            const auto row = static_cast<std::size_t>(index.row());
            if (!index.isValid() || row >= FOffers.size())
                return {};
            if (role == Qt::DisplayRole) {
                const TRecoveryOffer& offer = FOffers[row];
                return offer.Name + QLatin1Char('\n') + QLocale().toString(offer.Time, QLocale::ShortFormat);
            }
            if (role == Qt::DecorationRole)
                return Thumbnail(row);
            return {};
        }

    private:
        QPixmap Thumbnail(std::size_t row) const
        {
            std::optional<QPixmap>& thumbnail = FThumbnails[row];
            if (!thumbnail) {
                const QImage picture = FPictures.Picture(static_cast<int>(row));
                thumbnail = picture.isNull()
                    ? QPixmap()
                    : QPixmap::fromImage(picture.scaledToHeight(ThumbnailHeight, Qt::SmoothTransformation));
            }
            return *thumbnail;
        }

        const std::vector<TRecoveryOffer>& FOffers;
        TOfferPictures& FPictures;
        mutable std::vector<std::optional<QPixmap>> FThumbnails;
    };

} // namespace

TRecoveryFrm::TRecoveryFrm(const std::vector<TRecoveryOffer>& offers, TOfferPictures& pictures, QWidget* parent)
    : QDialog(parent)
    , FList(new QListView(this))
{
    setObjectName(QStringLiteral("RecoveryFrm"));
    setWindowTitle(tr("Recover unsaved drawings"));
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Korvo ended without saving these drawings."), this));

    FList->setObjectName(QStringLiteral("RecoveryList"));
    FList->setIconSize(QSize(ThumbnailHeight, ThumbnailHeight));
    // Rows of one size: the list measures one row instead of asking every picture for its size.
    FList->setUniformItemSizes(true);
    FList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FList->setModel(new TOfferModel(offers, pictures, FList));
    FList->setCurrentIndex(FList->model()->index(0, 0));
    layout->addWidget(FList);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* recover = AddButton(buttons, tr("Recover"), QStringLiteral("RecoverBtn"));
    recover->setDefault(true);
    connect(recover, &QPushButton::clicked, this, [this] { Choose(TRecoveryAction::Recover); });
    connect(AddButton(buttons, tr("Discard"), QStringLiteral("DiscardBtn")), &QPushButton::clicked, this,
        [this] { Choose(TRecoveryAction::Discard); });
    // Choosing Later again and again would fill the folder without end.
    if (offers.size() >= ManyOffers) {
        connect(AddButton(buttons, tr("Discard all"), QStringLiteral("DiscardAllBtn")), &QPushButton::clicked, this,
            [this] { Choose(TRecoveryAction::DiscardAll); });
    }
    connect(AddButton(buttons, tr("Later"), QStringLiteral("LaterBtn")), &QPushButton::clicked, this,
        [this] { Choose(TRecoveryAction::Later); });
    connect(FList, &QListView::activated, this, [this] { Choose(TRecoveryAction::Recover); });
    layout->addWidget(buttons);
}

void TRecoveryFrm::Choose(TRecoveryAction action)
{
    FChoice = { action, FList->currentIndex().row() };
    accept();
}

} // namespace korvo
