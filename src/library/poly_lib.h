#pragma once

#include "library/library_file.h"

#include <QString>

namespace korvo {

class TErrorReporter;

// The shape library: named pictures filed under named pages. Pages are numbered by their place in
// the page list; within a page, the entry order is the display order.
class TPolyLib {
public:
    explicit TPolyLib(TErrorReporter& reporter);

    const TLibEntries& Entries() const { return FEntries; }
    const QList<QByteArray>& Pages() const { return FPages; }
    // The file last loaded or saved successfully; empty before that.
    const QString& FileName() const { return FFileName; }

    // Frees every entry; the page names stay.
    void Clear() { FEntries.clear(); }
    // Appends an entry that owns the shape; returns its index.
    int AddEntry(TPolygon shape, std::int32_t page, const QByteArray& name);

    // Both report failures through the reporter and return false. A failed load changes nothing;
    // a failed save leaves the previous file intact.
    bool SaveFile(const QString& fileName);
    bool LoadFile(const QString& fileName);

    // The entries of one page in display order; empty for a page without entries.
    std::vector<TLibShape*> PageEntries(std::int32_t page) const;
    void DeleteEntry(const TLibShape* entry);
    void ExchangeEntries(const TLibShape* a, const TLibShape* b);

    // Empty for an index outside the page list.
    QByteArray GetPageName(std::int32_t page) const;
    void RenamePage(std::int32_t page, const QByteArray& name);
    void AddPage(const QByteArray& name);
    // Adopts the same names in a new order and renumbers the entries to match; names are matched
    // without regard to letter case, the first match winning.
    void ReorderPages(const QList<QByteArray>& newOrder);
    // Deletes the page with all its entries; later pages move down by one.
    void DeletePage(std::int32_t page);

private:
    bool ValidPage(std::int32_t page) const { return page >= 0 && page < FPages.size(); }
    TLibEntries::iterator Find(const TLibShape* entry);

    TErrorReporter& FReporter;
    TLibEntries FEntries;
    QList<QByteArray> FPages;
    QString FFileName;
};

} // namespace korvo
