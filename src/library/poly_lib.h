#pragma once

#include "library/library_file.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace korvo {

class TErrorReporter;

// Why the library was not written.
struct TLibraryWriteFailure {
    QString Message;
    // Another instance wrote the file since this one read it; the file keeps that instance's change.
    bool ChangedElsewhere = false;
};

// The shape library: named pictures filed under named pages. Pages are numbered by their place in
// the page list; within a page, the entry order is the display order. Every change is announced, so
// that whatever shows the library lets go of entries that are freed.
// A change to the library's pages and entries, made inside EditAndSave.
using TLibraryEdit = std::function<void()>;

class TPolyLib : public QObject {
    Q_OBJECT

public:
    explicit TPolyLib(TErrorReporter& reporter);

    const TLibEntries& Entries() const { return FEntries; }
    const QList<QByteArray>& Pages() const { return FPages; }
    // The file last loaded or saved successfully; empty before that.
    const QString& FileName() const { return FFileName; }

    // Frees every entry; the page names stay.
    void Clear();
    // Appends an entry that owns the shape; returns its index.
    int AddEntry(TPolygon shape, std::int32_t page, const QByteArray& name);

    // Both report failures through the reporter and return false. A failed load changes nothing;
    // a failed save leaves the previous file intact.
    bool SaveFile(const QString& fileName);
    bool LoadFile(const QString& fileName);
    // Makes a change and writes the whole library to the file at once. When the file cannot be
    // written the change is taken back, so the library never differs from its file, and the failure
    // is returned for the caller to report once it has let go of the entries the change replaced.
    // Several instances may share a library file: each takes the lock beside it to write, and none
    // writes over the file it loaded or saved last once another instance has written it since.
    std::optional<TLibraryWriteFailure> EditAndSave(const QString& fileName, const TLibraryEdit& edit);

    // The entries of one page in display order; empty for a page without entries.
    std::vector<TLibShape*> PageEntries(std::int32_t page) const;
    void DeleteEntry(const TLibShape* entry);
    // Both ignore an entry the library does not hold.
    void RenameEntry(const TLibShape* entry, const QByteArray& name);
    void SetEntryPage(const TLibShape* entry, std::int32_t page);
    void ExchangeEntries(const TLibShape* a, const TLibShape* b);

    // Empty for an index outside the page list.
    QByteArray GetPageName(std::int32_t page) const;
    void RenamePage(std::int32_t page, const QByteArray& name);
    void AddPage(const QByteArray& name);
    // Puts the pages in a new order, given as the present index of each page in its new place, and
    // moves the entries with their pages. Pages are told apart by place, so two pages of the same name
    // keep their own entries. An order that is not every present page once is refused.
    bool ReorderPages(const QList<int>& newOrder);
    // Deletes the page with all its entries; later pages move down by one.
    void DeletePage(std::int32_t page);

signals:
    // The page list changed: names, order or number.
    void PagesChanged();
    // Entries were added, freed, replaced, renamed or moved.
    void EntriesChanged();

private:
    // Both changed at once: the whole library was replaced, or pages moved or went with their entries.
    void AllChanged();
    bool ValidPage(std::int32_t page) const { return page >= 0 && page < FPages.size(); }
    TLibEntries::iterator Find(const TLibShape* entry);
    // Why the write failed, or nothing when the file was written and is now this library's file.
    std::optional<TLibraryWriteFailure> Write(const QString& fileName);
    bool IsOwnFile(const QString& fileName) const;

    TErrorReporter& FReporter;
    TLibEntries FEntries;
    QList<QByteArray> FPages;
    QString FFileName;
    // What the file held when this instance last read or wrote it.
    QByteArray FFileHash;
};

} // namespace korvo
