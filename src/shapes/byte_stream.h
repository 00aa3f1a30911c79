#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace korvo {

// Damaged or foreign data. The message says what is wrong with the data, without naming a file.
// Thrown with an untranslated English reason marked in the "korvo::EReadError" context.
class EReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // The reason in the user's language.
    QString Reason() const;
};

// Little-endian reading from bytes in memory. Every read is checked against the bytes left, so a
// truncated or hostile input ends in EReadError, never in a read past the end. The field readers are
// inline: a drawing's load runs them a few million times.
class TByteReader {
public:
    explicit TByteReader(QByteArrayView data);

    std::int32_t ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }
    std::uint32_t ReadUInt32()
    {
        Require(4);
        const auto v = qFromLittleEndian<std::uint32_t>(FPos);
        FPos += 4;
        return v;
    }
    std::uint8_t ReadUInt8()
    {
        Require(1);
        return static_cast<std::uint8_t>(*FPos++);
    }
    float ReadFloat32()
    {
        const std::uint32_t bits = ReadUInt32();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    void ReadRaw(void* target, qsizetype size);
    QByteArray ReadBytes(qsizetype size);

    // A count or length that the data itself gives. Each counted item takes at least minItemBytes of
    // what is left, so an impossible value is rejected before anything is allocated for it.
    std::int32_t ReadCount(qsizetype minItemBytes);

    qsizetype Remaining() const { return FEnd - FPos; }

private:
    void Require(qsizetype size) const
    {
        if (size < 0 || size > Remaining())
            Fail();
    }
    [[noreturn]] static void Fail();

    const char* FPos;
    const char* FEnd;
};

// Little-endian writing into a buffer that grows by doubling; each field is a bounds check and a copy.
class TByteWriter {
public:
    void WriteInt32(std::int32_t v) { WriteUInt32(static_cast<std::uint32_t>(v)); }
    void WriteUInt32(std::uint32_t v) { qToLittleEndian(v, Grow(4)); }
    void WriteUInt8(std::uint8_t v) { *Grow(1) = static_cast<char>(v); }
    void WriteFloat32(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        WriteUInt32(bits);
    }
    void WriteRaw(const void* data, qsizetype size);
    void WriteBytes(QByteArrayView bytes) { WriteRaw(bytes.data(), bytes.size()); }

    // The bytes written so far; the writer is left empty.
    QByteArray Take();
    void Reserve(qsizetype size);
    // The bytes written since the last Clear, which keeps the buffer for the next ones.
    QByteArrayView Written() const { return QByteArrayView(FBuffer, FSize); }
    void Clear() { FSize = 0; }

private:
    // Inline, as it runs for every field; the buffer's address is kept so no call checks for sharing.
    char* Grow(qsizetype size)
    {
        if (size > FCapacity - FSize)
            Expand(size);
        char* at = FBuffer + FSize;
        FSize += size;
        return at;
    }
    void Expand(qsizetype size);
    void Resize(qsizetype capacity);

    QByteArray FData;
    char* FBuffer = nullptr;
    qsizetype FCapacity = 0;
    qsizetype FSize = 0;
};

} // namespace korvo
