#include "library/ui/lib_panel.h"

#include "library/library_names.h"
#include "library/poly_lib.h"
#include "library/ui/lib_list_model.h"
#include "library/ui/lib_row_delegate.h"
#include "library/ui/library_drag.h"
#include "shapes/error_reporter.h"

#include <QComboBox>
#include <QDropEvent>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace korvo {

namespace {

    // The height of one row of the page combo's drop-down list.
    constexpr int ComboRowHeight = 21;

} // namespace

TLibraryPanel::TLibraryPanel(const TPolyLib& library, TErrorReporter& reporter, QWidget* parent)
    : QWidget(parent)
    , FLibrary(library)
    , FReporter(reporter)
    , FThumbnails(library)
    , FModel(new TLibListModel(library, this))
    , FDelegate(new TLibRowDelegate(*FModel, FThumbnails, this))
    , FCombo(new QComboBox(this))
    , FList(new TLibListBox(this))
    , FToolPanel(new QWidget(this))
{
    FCombo->setObjectName(QStringLiteral("LibCombo"));
    FCombo->setAccessibleName(tr("Library page"));
    FCombo->setAccessibleDescription(tr("The page of the library whose pictures the list shows"));
    connect(FCombo, &QComboBox::activated, this, [this](int page) { ChoosePage(page); });
    FList->setModel(FModel);
    FList->setItemDelegate(FDelegate);
    FList->setAccessibleName(tr("Library shapes"));
    const QString listHint = tr("Drag a picture onto the drawing area.");
    FList->setAccessibleDescription(listHint);
    FList->setStatusTip(listHint);
    FList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FList, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        if (FContextMenu)
            FContextMenu->exec(FList->viewport()->mapToGlobal(at));
    });
    connect(FList->selectionModel(), &QItemSelectionModel::currentChanged, this, &TLibraryPanel::ListChanged);
    connect(FList, &TLibListBox::Painted, this, &TLibraryPanel::ReportPaintErrors);
    connect(&library, &TPolyLib::PagesChanged, this, &TLibraryPanel::ShowPages);
    FToolPanel->setObjectName(QStringLiteral("LibTBPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(FCombo);
    layout->addWidget(FList, 1);
    layout->addWidget(FToolPanel);
}

void TLibraryPanel::ShowPages()
{
    const int shown = FCombo->currentIndex();
    FCombo->clear();
    for (const QByteArray& page : FLibrary.Pages())
        FCombo->addItem(ShownLibraryName(page));
    const int pages = FCombo->count();
    FCombo->setCurrentIndex(std::min(std::max(shown, 0), pages - 1));
    const QScreen* screen = this->screen();
    if (pages > 0 && screen) {
        // All pages when they fit on the screen, else as many as fit.
        const int room = screen->geometry().height() - 50;
        FCombo->setMaxVisibleItems(pages * ComboRowHeight < room ? pages : room / ComboRowHeight);
    }
}

void TLibraryPanel::ShowPage(int page, int row)
{
    FCombo->setCurrentIndex(page);
    FModel->ShowPage(FCombo->currentIndex());
    const int rows = FModel->rowCount();
    if (rows > 0) {
        const QModelIndex selected = FModel->index(std::clamp(row, 0, rows - 1));
        FList->setCurrentIndex(selected);
        FList->scrollTo(selected);
    }
    ListChanged();
}

void TLibraryPanel::ChoosePage(int page)
{
    ShowPage(page);
    FList->setFocus();
}

int TLibraryPanel::CurrentPage() const { return FCombo->currentIndex(); }

int TLibraryPanel::CurrentRow() const
{
    const QModelIndex current = FList->currentIndex();
    return current.isValid() ? current.row() : -1;
}

int TLibraryPanel::RowCount() const { return FModel->rowCount(); }

const TLibShape* TLibraryPanel::Entry(int row) const { return FModel->Entry(row); }

void TLibraryPanel::SetLargeThumbnails(bool large)
{
    FDelegate->SetRowHeight(large ? TLibRowDelegate::LargeRowHeight : TLibRowDelegate::SmallRowHeight);
}

const TLibShape* TLibraryPanel::DraggedEntry(const QDropEvent& event) const
{
    const std::optional<TLibraryDragItem> item = LibraryDragItem(*event.mimeData());
    if (!item || item->Page != FModel->Page())
        return nullptr;
    return FModel->Entry(item->Row);
}

void TLibraryPanel::SetContextMenu(QMenu* menu) { FContextMenu = menu; }

void TLibraryPanel::ReportPaintErrors()
{
    if (FThumbnails.Errors().IsEmpty())
        return;
    // Never a message box in the middle of painting.
    QTimer::singleShot(0, this, [this] { FThumbnails.Errors().ReportTo(FReporter); });
}

} // namespace korvo
