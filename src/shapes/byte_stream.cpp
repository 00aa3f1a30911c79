#include "shapes/byte_stream.h"

#include <QtEndian>

#include <cstring>

namespace korvo {

TByteReader::TByteReader(QByteArrayView data)
    : FPos(data.data())
    , FEnd(data.data() + data.size())
{
}

void TByteReader::Require(qsizetype size) const
{
    if (size < 0 || size > Remaining())
        throw EReadError("it ends before its data is complete");
}

void TByteReader::ReadRaw(void* target, qsizetype size)
{
    Require(size);
    if (size > 0)
        std::memcpy(target, FPos, static_cast<std::size_t>(size));
    FPos += size;
}

std::int32_t TByteReader::ReadInt32()
{
    Require(4);
    const auto v = qFromLittleEndian<std::int32_t>(FPos);
    FPos += 4;
    return v;
}

std::uint32_t TByteReader::ReadUInt32()
{
    Require(4);
    const auto v = qFromLittleEndian<std::uint32_t>(FPos);
    FPos += 4;
    return v;
}

std::uint8_t TByteReader::ReadUInt8()
{
    Require(1);
    return static_cast<std::uint8_t>(*FPos++);
}

float TByteReader::ReadFloat32()
{
    const std::uint32_t bits = ReadUInt32();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

QByteArray TByteReader::ReadBytes(qsizetype size)
{
    Require(size);
    QByteArray bytes(FPos, size);
    FPos += size;
    return bytes;
}

std::int32_t TByteReader::ReadCount(qsizetype minItemBytes)
{
    const std::int32_t count = ReadInt32();
    if (count < 0 || static_cast<qsizetype>(count) * minItemBytes > Remaining())
        throw EReadError("it holds an impossible count or length");
    return count;
}

void TByteWriter::WriteInt32(std::int32_t v) { WriteUInt32(static_cast<std::uint32_t>(v)); }

void TByteWriter::WriteUInt32(std::uint32_t v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    FData.append(bytes, 4);
}

void TByteWriter::WriteUInt8(std::uint8_t v) { FData.append(static_cast<char>(v)); }

void TByteWriter::WriteFloat32(float v)
{
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteUInt32(bits);
}

void TByteWriter::WriteRaw(const void* data, qsizetype size) { FData.append(static_cast<const char*>(data), size); }

} // namespace korvo
