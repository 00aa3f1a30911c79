#include "library/poly_lib.h"

#include "shapes/byte_stream.h"
#include "shapes/error_reporter.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace korvo {

TPolyLib::TPolyLib(TErrorReporter& reporter)
    : FReporter(reporter)
{
}

void TPolyLib::AllChanged()
{
    emit PagesChanged();
    emit EntriesChanged();
}

void TPolyLib::Clear()
{
    FEntries.clear();
    emit EntriesChanged();
}

int TPolyLib::AddEntry(TPolygon shape, std::int32_t page, const QByteArray& name)
{
    auto entry = std::make_unique<TLibShape>();
    entry->FPage = page;
    entry->FName = name;
    entry->FShape = std::move(shape);
    FEntries.push_back(std::move(entry));
    emit EntriesChanged();
    return static_cast<int>(FEntries.size()) - 1;
}

namespace {

    // Long enough for another instance to write a large library.
    constexpr int LockWaitMs = 5000;

    QByteArray Hash(QByteArrayView bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256); }

} // namespace

bool TPolyLib::IsOwnFile(const QString& fileName) const
{
    return !FFileName.isEmpty() && QFileInfo(fileName) == QFileInfo(FFileName);
}

std::optional<TLibraryWriteFailure> TPolyLib::Write(const QString& fileName)
{
    QLockFile lock(fileName + QStringLiteral(".lock"));
    // A lock that cannot even be made (a missing or read-only folder) leaves the write to fail with
    // the system's own reason, since the temporary file goes beside it too.
    if (!lock.tryLock(LockWaitMs) && lock.error() == QLockFile::LockFailedError)
        return TLibraryWriteFailure { QCoreApplication::translate(
                                          "korvo::TPolyLib", "Cannot save \"%1\": another Korvo window is writing it.")
                                          .arg(fileName),
            false };
    const QByteArray bytes = EncodeLibrary(FPages, FEntries);
    try {
        // An older copy never goes over a newer file: whoever wrote last has the change the user saw.
        if (IsOwnFile(fileName) && QFileInfo::exists(fileName) && Hash(ReadFileBytes(fileName)) != FFileHash)
            return TLibraryWriteFailure {
                QCoreApplication::translate("korvo::TPolyLib",
                    "The library was changed by another Korvo window. Load it again and repeat your change?"),
                true
            };
        WriteFileBytes(fileName, bytes);
    } catch (const EFileError& e) {
        return TLibraryWriteFailure { e.Message(), false };
    }
    FFileName = fileName;
    FFileHash = Hash(bytes);
    return std::nullopt;
}

bool TPolyLib::SaveFile(const QString& fileName)
{
    if (const auto failure = Write(fileName)) {
        FReporter.ReportError(failure->Message);
        return false;
    }
    return true;
}

std::optional<TLibraryWriteFailure> TPolyLib::EditAndSave(const QString& fileName, const TLibraryEdit& edit)
{
    QList<QByteArray> pages = FPages;
    TLibEntries entries;
    entries.reserve(FEntries.size());
    for (const auto& entry : FEntries)
        entries.push_back(std::make_unique<TLibShape>(*entry));
    edit();
    auto failure = Write(fileName);
    if (!failure)
        return std::nullopt;
    FPages = std::move(pages);
    FEntries = std::move(entries);
    AllChanged();
    if (!failure->ChangedElsewhere)
        failure->Message += QLatin1Char('\r')
            + QCoreApplication::translate("korvo::TPolyLib", "The library has been left as it was.");
    return failure;
}

bool TPolyLib::LoadFile(const QString& fileName)
{
    TLibraryContent content;
    QByteArray bytes;
    try {
        bytes = ReadFileBytes(fileName);
        content = DecodeLibrary(bytes);
    } catch (const EFileError& e) {
        FReporter.ReportError(e.Message());
        return false;
    } catch (const EReadError& e) {
        FReporter.ReportError(QCoreApplication::translate("korvo::TPolyLib", "\"%1\" is not a valid library file: %2.")
                                  .arg(fileName, e.Reason()));
        return false;
    }
    FPages = std::move(content.Pages);
    FEntries = std::move(content.Entries);
    FFileName = fileName;
    FFileHash = Hash(bytes);
    AllChanged();
    return true;
}

std::vector<TLibShape*> TPolyLib::PageEntries(std::int32_t page) const
{
    std::vector<TLibShape*> result;
    for (const auto& entry : FEntries) {
        if (entry->FPage == page)
            result.push_back(entry.get());
    }
    return result;
}

TLibEntries::iterator TPolyLib::Find(const TLibShape* entry)
{
    return std::find_if(FEntries.begin(), FEntries.end(), [entry](const auto& e) { return e.get() == entry; });
}

void TPolyLib::DeleteEntry(const TLibShape* entry)
{
    const auto it = Find(entry);
    if (it == FEntries.end())
        return;
    FEntries.erase(it);
    emit EntriesChanged();
}

void TPolyLib::RenameEntry(const TLibShape* entry, const QByteArray& name)
{
    const auto it = Find(entry);
    if (it == FEntries.end())
        return;
    (*it)->FName = name;
    emit EntriesChanged();
}

void TPolyLib::SetEntryPage(const TLibShape* entry, std::int32_t page)
{
    const auto it = Find(entry);
    if (it == FEntries.end() || !ValidPage(page))
        return;
    (*it)->FPage = page;
    emit EntriesChanged();
}

void TPolyLib::ExchangeEntries(const TLibShape* a, const TLibShape* b)
{
    const auto ia = Find(a);
    const auto ib = Find(b);
    if (ia == FEntries.end() || ib == FEntries.end() || ia == ib)
        return;
    std::iter_swap(ia, ib);
    emit EntriesChanged();
}

QByteArray TPolyLib::GetPageName(std::int32_t page) const { return ValidPage(page) ? FPages[page] : QByteArray(); }

void TPolyLib::RenamePage(std::int32_t page, const QByteArray& name)
{
    if (!ValidPage(page))
        return;
    FPages[page] = name;
    emit PagesChanged();
}

void TPolyLib::AddPage(const QByteArray& name)
{
    FPages.append(name);
    emit PagesChanged();
}

bool TPolyLib::ReorderPages(const QList<int>& newOrder)
{
    if (newOrder.size() != FPages.size())
        return false;
    QList<int> sorted = newOrder;
    std::sort(sorted.begin(), sorted.end());
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        if (sorted[i] != i)
            return false;
    }
    QList<QByteArray> pages;
    for (const int old : newOrder)
        pages.append(FPages[old]);
    for (const auto& entry : FEntries)
        entry->FPage = static_cast<std::int32_t>(newOrder.indexOf(entry->FPage));
    FPages = std::move(pages);
    AllChanged();
    return true;
}

void TPolyLib::DeletePage(std::int32_t page)
{
    if (!ValidPage(page))
        return;
    TLibEntries kept;
    for (auto& entry : FEntries) {
        if (entry->FPage == page)
            continue;
        if (entry->FPage > page)
            --entry->FPage;
        kept.push_back(std::move(entry));
    }
    FEntries = std::move(kept);
    FPages.removeAt(page);
    AllChanged();
}

} // namespace korvo
