#include "library/poly_lib.h"

#include "shapes/byte_stream.h"
#include "shapes/code_page.h"
#include "shapes/error_reporter.h"

#include <algorithm>

namespace korvo {

TPolyLib::TPolyLib(TErrorReporter& reporter)
    : FReporter(reporter)
{
}

int TPolyLib::AddEntry(TPolygon shape, std::int32_t page, const QByteArray& name)
{
    auto entry = std::make_unique<TLibShape>();
    entry->FPage = page;
    entry->FName = name;
    entry->FShape = std::move(shape);
    FEntries.push_back(std::move(entry));
    return static_cast<int>(FEntries.size()) - 1;
}

bool TPolyLib::SaveFile(const QString& fileName)
{
    try {
        WriteFileBytes(fileName, EncodeLibrary(FPages, FEntries));
    } catch (const EFileError& e) {
        FReporter.ReportError(e.Message());
        return false;
    }
    FFileName = fileName;
    return true;
}

bool TPolyLib::LoadFile(const QString& fileName)
{
    TLibraryContent content;
    try {
        content = DecodeLibrary(ReadFileBytes(fileName));
    } catch (const EFileError& e) {
        FReporter.ReportError(e.Message());
        return false;
    } catch (const EReadError& e) {
        FReporter.ReportError(QStringLiteral("\"%1\" is not a valid library file: %2.").arg(fileName, e.what()));
        return false;
    }
    FPages = std::move(content.Pages);
    FEntries = std::move(content.Entries);
    FFileName = fileName;
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
    if (it != FEntries.end())
        FEntries.erase(it);
}

void TPolyLib::ExchangeEntries(const TLibShape* a, const TLibShape* b)
{
    const auto ia = Find(a);
    const auto ib = Find(b);
    if (ia != FEntries.end() && ib != FEntries.end() && ia != ib)
        std::iter_swap(ia, ib);
}

QByteArray TPolyLib::GetPageName(std::int32_t page) const { return ValidPage(page) ? FPages[page] : QByteArray(); }

void TPolyLib::RenamePage(std::int32_t page, const QByteArray& name)
{
    if (ValidPage(page))
        FPages[page] = name;
}

void TPolyLib::AddPage(const QByteArray& name) { FPages.append(name); }

void TPolyLib::ReorderPages(const QList<QByteArray>& newOrder)
{
    // Page names carry no character set of their own; they are the system's ANSI text.
    const auto caseless = [](const QByteArray& name) { return DecodeText(name, DefaultCharset).toCaseFolded(); };
    QList<QString> folded;
    for (const QByteArray& name : newOrder)
        folded.append(caseless(name));
    for (const auto& entry : FEntries)
        entry->FPage = static_cast<std::int32_t>(folded.indexOf(caseless(GetPageName(entry->FPage))));
    FPages = newOrder;
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
}

} // namespace korvo
