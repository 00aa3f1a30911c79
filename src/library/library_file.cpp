#include "library/library_file.h"

#include "shapes/byte_stream.h"
#include "shapes/shape_record.h"

#include <QCoreApplication>

namespace korvo {

namespace {
    // Page index, name length and the smallest shape record.
    constexpr qsizetype MinEntryBytes = 8 + ShapeRecordMinBytes;
}

EBadLib::EBadLib()
    : EFileError(QCoreApplication::translate("korvo::TPolyLib", "Invalid library file"))
{
}

QList<QByteArray> SplitPageNames(QByteArrayView block)
{
    QList<QByteArray> names;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < block.size()) {
        const char c = block[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        names.append(block.sliced(start, i - start).toByteArray());
        i += (c == '\r' && i + 1 < block.size() && block[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < block.size())
        names.append(block.sliced(start).toByteArray());
    return names;
}

QByteArray EncodeLibrary(const QList<QByteArray>& pages, const TLibEntries& entries)
{
    QByteArray block;
    for (const QByteArray& page : pages)
        block.append(page).append("\r\n");
    TByteWriter stream;
    stream.WriteInt32(LibraryMagic);
    stream.WriteInt32(static_cast<std::int32_t>(block.size()));
    stream.WriteBytes(block);
    stream.WriteInt32(static_cast<std::int32_t>(entries.size()));
    for (const auto& entry : entries)
        entry->WriteEntry(stream);
    return stream.Take();
}

TLibraryContent DecodeLibrary(QByteArrayView bytes)
{
    TByteReader stream(bytes);
    if (stream.Remaining() < 4 || stream.ReadInt32() != LibraryMagic)
        throw EBadLib();
    TLibraryContent content;
    content.Pages = SplitPageNames(stream.ReadBytes(stream.ReadCount(1)));
    const std::int32_t count = stream.ReadCount(MinEntryBytes);
    content.Entries.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        auto entry = std::make_unique<TLibShape>();
        entry->ReadEntry(stream);
        content.Entries.push_back(std::move(entry));
    }
    return content;
}

} // namespace korvo
