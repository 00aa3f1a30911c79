#include "library/ui/lib_org_dialog.h"

#include "library/ui/dialog_parts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvo {

namespace {

    QToolButton* ArrowButton(const char* name, const QString& hint, const QIcon& icon, QWidget* parent)
    {
        auto* button = new QToolButton(parent);
        button->setObjectName(QLatin1String(name));
        button->setIcon(icon);
        button->setIconSize(QSize(24, 24));
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        return button;
    }

} // namespace

TLibOrgFrm::TLibOrgFrm(const QStringList& pages, const QIcon& upIcon, const QIcon& downIcon, QWidget* parent)
    : QDialog(parent)
    , FPageList(new QListWidget(this))
    , FUpButton(ArrowButton("LBUpBtn", tr("Move up"), upIcon, this))
    , FDownButton(ArrowButton("LBDownBtn", tr("Move down"), downIcon, this))
{
    setObjectName(QStringLiteral("LibOrgFrm"));
    setWindowTitle(tr("Move library pages"));
    FPageList->setObjectName(QStringLiteral("PageListbox"));
    FPageList->setAccessibleName(tr("Library pages"));
    // Each row remembers which page it is, so pages of the same name stay apart.
    for (int page = 0; page < pages.size(); ++page) {
        auto* row = new QListWidgetItem(pages[page], FPageList);
        row->setData(Qt::UserRole, page);
    }
    const TDialogButtons buttons = MakeDialogButtons(*this, tr("Apply"), tr("Cancel"));
    connect(FUpButton, &QToolButton::clicked, this, [this] { MoveSelected(-1); });
    connect(FDownButton, &QToolButton::clicked, this, [this] { MoveSelected(1); });
    connect(FPageList, &QListWidget::currentRowChanged, this, [this] { RefreshArrows(); });

    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(FUpButton);
    arrows->addWidget(FDownButton);
    arrows->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(FPageList);
    top->addLayout(arrows);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons.Row);

    if (FPageList->count() > 0)
        FPageList->setCurrentRow(0);
    RefreshArrows();
    FixAndCentreOnScreen(*this);
}

QList<int> TLibOrgFrm::NewOrder() const
{
    QList<int> order;
    for (int row = 0; row < FPageList->count(); ++row)
        order.append(FPageList->item(row)->data(Qt::UserRole).toInt());
    return order;
}

void TLibOrgFrm::MoveSelected(int step)
{
    const int from = FPageList->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= FPageList->count())
        return;
    FPageList->insertItem(to, FPageList->takeItem(from));
    // The highlight moves with the page, so the same page can be moved again.
    FPageList->setCurrentRow(to);
    RefreshArrows();
}

void TLibOrgFrm::RefreshArrows()
{
    const int row = FPageList->currentRow();
    FUpButton->setEnabled(row > 0);
    FDownButton->setEnabled(row >= 0 && row < FPageList->count() - 1);
}

std::optional<QList<int>> AskPageOrder(
    const QStringList& pages, const QIcon& upIcon, const QIcon& downIcon, QWidget* parent)
{
    TLibOrgFrm dialog(pages, upIcon, downIcon, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.NewOrder();
}

} // namespace korvo
