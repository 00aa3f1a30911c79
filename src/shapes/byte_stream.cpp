#include "shapes/byte_stream.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <utility>

namespace korvo {

TByteReader::TByteReader(QByteArrayView data)
    : FPos(data.data())
    , FEnd(data.data() + data.size())
{
}

QString EReadError::Reason() const { return QCoreApplication::translate("korvo::EReadError", what()); }

void TByteReader::Fail()
{
    throw EReadError(QT_TRANSLATE_NOOP("korvo::EReadError", "it ends before its data is complete"));
}

void TByteReader::ReadRaw(void* target, qsizetype size)
{
    Require(size);
    if (size > 0)
        std::memcpy(target, FPos, static_cast<std::size_t>(size));
    FPos += size;
}

QByteArray TByteReader::ReadBytes(qsizetype size)
{
    Require(size);
    if (size == 0)
        return {};
    QByteArray bytes(FPos, size);
    FPos += size;
    return bytes;
}

std::int32_t TByteReader::ReadCount(qsizetype minItemBytes)
{
    const std::int32_t count = ReadInt32();
    if (count < 0 || static_cast<qsizetype>(count) * minItemBytes > Remaining())
        throw EReadError(QT_TRANSLATE_NOOP("korvo::EReadError", "it holds an impossible count or length"));
    return count;
}

void TByteWriter::Resize(qsizetype capacity)
{
    FData.resize(capacity);
    FBuffer = FData.data();
    FCapacity = capacity;
}

void TByteWriter::Expand(qsizetype size) { Resize(std::max(FCapacity * 2, FSize + size + 64)); }

void TByteWriter::Reserve(qsizetype size)
{
    if (size > FCapacity)
        Resize(size);
}

void TByteWriter::WriteRaw(const void* data, qsizetype size)
{
    if (size > 0)
        std::memcpy(Grow(size), data, static_cast<std::size_t>(size));
}

QByteArray TByteWriter::Take()
{
    FData.resize(FSize);
    FBuffer = nullptr;
    FCapacity = 0;
    FSize = 0;
    return std::exchange(FData, QByteArray());
}

} // namespace korvo
