#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <stdexcept>

class QIODevice;

namespace korvo {

// Damaged or foreign data. The message says what is wrong with the data, without naming a file.
class EReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian reading from bytes in memory. Every read is checked against the bytes left, so a
// truncated or hostile input ends in EReadError, never in a read past the end.
class TByteReader {
public:
    explicit TByteReader(QByteArrayView data);

    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    std::uint8_t ReadUInt8();
    float ReadFloat32();
    void ReadRaw(void* target, qsizetype size);
    QByteArray ReadBytes(qsizetype size);

    // A count or length that the data itself gives. Each counted item takes at least minItemBytes of
    // what is left, so an impossible value is rejected before anything is allocated for it.
    std::int32_t ReadCount(qsizetype minItemBytes);

    qsizetype Remaining() const { return FEnd - FPos; }

private:
    void Require(qsizetype size) const;

    const char* FPos;
    const char* FEnd;
};

// Little-endian writing into a buffer that grows by doubling; each field is a bounds check and a copy.
// With a sink the buffer stays small: whenever it fills, it goes to the sink and is used again.
class TByteWriter {
public:
    TByteWriter() = default;
    explicit TByteWriter(QIODevice* sink);

    void WriteInt32(std::int32_t v) { WriteUInt32(static_cast<std::uint32_t>(v)); }
    void WriteUInt32(std::uint32_t v);
    void WriteUInt8(std::uint8_t v) { *Grow(1) = static_cast<char>(v); }
    void WriteFloat32(float v);
    void WriteRaw(const void* data, qsizetype size);
    void WriteBytes(QByteArrayView bytes) { WriteRaw(bytes.data(), bytes.size()); }

    // The bytes written so far; the writer is left empty.
    QByteArray Take();
    void Reserve(qsizetype size);
    // Hands what is buffered to the sink; false when any write to it failed.
    bool Flush();

private:
    char* Grow(qsizetype size);

    QIODevice* FSink = nullptr;
    bool FSinkFailed = false;
    QByteArray FData;
    qsizetype FSize = 0;
};

} // namespace korvo
