#pragma once

#include <QAbstractListModel>

#include <vector>

namespace korvo {

class TLibShape;
class TPolyLib;

// The entries of one library page, in library order, as rows named by the entries' names. A row
// drags as the page and its row. The rows follow every change of the library's entries.
class TLibListModel : public QAbstractListModel {
public:
    explicit TLibListModel(const TPolyLib& library, QObject* parent = nullptr);

    // Shows the entries of a page; a page without entries, or none (-1), shows no rows.
    void ShowPage(int page);
    int Page() const { return FPage; }
    // Nothing for a row outside the list.
    const TLibShape* Entry(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    // The same entries keep their rows, and with them the selection; any other change shows the page anew.
    void EntriesChanged();

    const TPolyLib& FLibrary;
    int FPage = -1;
    std::vector<TLibShape*> FEntries;
};

} // namespace korvo
