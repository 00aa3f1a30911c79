#pragma once

// Walks the records of an enhanced metafile as any reader would, from the public record layout,
// independently of the writer under test.

#include <QByteArray>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace korvo::test {

struct TEmfRecord {
    std::uint32_t Type = 0;
    std::uint32_t Size = 0;
    int Offset = 0;
};

inline std::int32_t EmfInt(const QByteArray& bytes, int offset)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    std::int32_t signedValue;
    std::memcpy(&signedValue, &v, 4);
    return signedValue;
}

// The records in file order; `problem` names the first thing no reader would accept.
inline std::vector<TEmfRecord> ReadEmfRecords(const QByteArray& bytes, std::string& problem)
{
    std::vector<TEmfRecord> records;
    int offset = 0;
    while (offset + 8 <= bytes.size()) {
        const TEmfRecord record { static_cast<std::uint32_t>(EmfInt(bytes, offset)),
            static_cast<std::uint32_t>(EmfInt(bytes, offset + 4)), offset };
        if (record.Size < 8 || record.Size % 4 != 0
            || record.Size > static_cast<std::uint32_t>(bytes.size() - offset)) {
            problem = "record " + std::to_string(records.size()) + " has a bad size";
            return records;
        }
        records.push_back(record);
        offset += static_cast<int>(record.Size);
    }
    if (offset != bytes.size())
        problem = "bytes after the last record";
    return records;
}

} // namespace korvo::test
