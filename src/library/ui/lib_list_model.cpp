#include "library/ui/lib_list_model.h"

#include "library/library_names.h"
#include "library/poly_lib.h"
#include "library/ui/library_drag.h"

namespace korvo {

TLibListModel::TLibListModel(const TPolyLib& library, QObject* parent)
    : QAbstractListModel(parent)
    , FLibrary(library)
{
    connect(&library, &TPolyLib::EntriesChanged, this, &TLibListModel::EntriesChanged);
}

void TLibListModel::ShowPage(int page)
{
    beginResetModel();
    FPage = page;
    FEntries = FLibrary.PageEntries(page);
    endResetModel();
}

const TLibShape* TLibListModel::Entry(int row) const
{
    return row >= 0 && row < rowCount() ? FEntries[static_cast<std::size_t>(row)] : nullptr;
}

void TLibListModel::EntriesChanged()
{
    std::vector<TLibShape*> entries = FLibrary.PageEntries(FPage);
    if (entries != FEntries) {
        beginResetModel();
        FEntries = std::move(entries);
        endResetModel();
    } else if (!FEntries.empty()) {
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::DisplayRole, Qt::AccessibleTextRole });
    }
}

int TLibListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(FEntries.size());
}

QVariant TLibListModel::data(const QModelIndex& index, int role) const
{
    const TLibShape* entry = Entry(index.row());
    if (!entry || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return ShownLibraryName(entry->FName);
}

Qt::ItemFlags TLibListModel::flags(const QModelIndex& index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}

QStringList TLibListModel::mimeTypes() const { return { QLatin1String(LibraryDragFormat) }; }

QMimeData* TLibListModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    return LibraryDragData({ FPage, indexes.first().row() });
}

} // namespace korvo
