#pragma once

// Builds little-endian byte fixtures field by field, independently of the product's own writer, so
// that a fixture states the file layout rather than echoing the code under test.

#include <QByteArray>

#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace korvo::test {

class TLeBytes {
public:
    TLeBytes& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    TLeBytes& U32(std::uint32_t v)
    {
        for (int shift = 0; shift < 32; shift += 8)
            FBytes.append(static_cast<char>((v >> shift) & 0xFF));
        return *this;
    }
    TLeBytes& U8(std::uint8_t v)
    {
        FBytes.append(static_cast<char>(v));
        return *this;
    }
    TLeBytes& F32(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        return U32(bits);
    }
    TLeBytes& Raw(const QByteArray& bytes)
    {
        FBytes.append(bytes);
        return *this;
    }
    TLeBytes& Zeros(int n)
    {
        FBytes.append(QByteArray(n, '\0'));
        return *this;
    }
    // A length-prefixed byte string: 32-bit length, then the bytes without terminator.
    TLeBytes& Counted(const QByteArray& bytes) { return I32(static_cast<std::int32_t>(bytes.size())).Raw(bytes); }

    const QByteArray& Bytes() const { return FBytes; }
    operator QByteArray() const { return FBytes; }

private:
    QByteArray FBytes;
};

// The 60-byte logical font of a face at the given character height, written the way the product
// writes a font built from its properties (weight 400/700, no rotation unless given).
inline TLeBytes& LogFont(TLeBytes& b, std::int32_t height, const QByteArray& face, bool bold = false,
    std::uint8_t charset = 1, std::int32_t rotation = 0)
{
    b.I32(height).I32(0).I32(rotation).I32(rotation).I32(bold ? 700 : 400);
    b.U8(0).U8(0).U8(0).U8(charset).U8(rotation != 0 ? 7 : 0).U8(0).U8(0).U8(0);
    QByteArray name = face.left(31);
    name.append(QByteArray(32 - name.size(), '\0'));
    return b.Raw(name);
}

} // namespace korvo::test
