#include "library/ui/lib_edit_dialog.h"

#include "library/ui/dialog_parts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvo {

namespace {

    QLineEdit* ReadOnlyEdit(const char* name, const QString& text, QWidget* parent)
    {
        auto* edit = new QLineEdit(text, parent);
        edit->setObjectName(QLatin1String(name));
        edit->setReadOnly(true);
        return edit;
    }

} // namespace

TLibEditFrm::TLibEditFrm(int currentPage, const QString& entryName, const QStringList& pages, QWidget* parent)
    : QDialog(parent)
    , FOrigPage(currentPage)
    , FPageList(new QListWidget(this))
    , FPageEdit(ReadOnlyEdit("PageEdit", QString(), this))
{
    const TDialogButtons buttons = MakeDialogButtons(*this, tr("apply"), tr("cancel"));
    FOkButton = buttons.Ok;
    setObjectName(QStringLiteral("LibEditFrm"));
    setWindowTitle(tr("Move to page..."));
    auto* header = new QLabel(tr("Available pages"), this);
    header->setBuddy(FPageList);
    FPageList->setObjectName(QStringLiteral("PageListBox"));
    FPageList->setAccessibleName(tr("Available pages"));
    FPageList->addItems(pages);
    QLineEdit* shape = ReadOnlyEdit("ShapeEdit", entryName, this);
    shape->setAccessibleName(tr("Move"));
    FPageEdit->setAccessibleName(tr("To page"));
    connect(FPageList, &QListWidget::currentRowChanged, this, [this] { PageListBoxClick(); });

    auto* pageColumn = new QVBoxLayout;
    pageColumn->addWidget(header);
    pageColumn->addWidget(FPageList);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Move"), shape);
    fields->addRow(tr("To page"), FPageEdit);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addLayout(fields);
    rightColumn->addStretch();
    rightColumn->addLayout(buttons.Row);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(pageColumn);
    layout->addLayout(rightColumn);
    setFixedSize(sizeHint());

    FPageList->setCurrentRow(currentPage);
    PageListBoxClick();
}

int TLibEditFrm::ChosenPage() const { return FPageList->currentRow(); }

void TLibEditFrm::PageListBoxClick()
{
    const QListWidgetItem* chosen = FPageList->currentItem();
    FPageEdit->setText(chosen ? chosen->text() : QString());
    FOkButton->setEnabled(chosen && ChosenPage() != FOrigPage);
}

std::optional<int> AskTargetPage(int currentPage, const QString& entryName, const QStringList& pages, QWidget* parent)
{
    TLibEditFrm dialog(currentPage, entryName, pages, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenPage();
}

} // namespace korvo
