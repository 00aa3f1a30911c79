#include "shapes/code_page.h"

#include "shapes/shape_font.h"

#include <gtest/gtest.h>

using namespace korvo;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(CodePage, DecodesByCharacterSet)
{
    struct Case {
        std::uint8_t charset;
        QByteArray bytes;
        const char* text;
    };
    const Case cases[] = {
        { 0, "caf\xE9", "café" },
        { 1, "\x80 5", "€ 5" },
        { 1,
            "\xB0"
            "C",
            "°C" },
        { 161, "\xE1\xE2\xE3", "αβγ" },
        { 204, "\xC6\xF3\xEA", "Жук" },
        { 238, "\xB9\xEA", "ąę" },
        { 162, "\xF0", "ğ" },
        { 177, "\xE0", "א" },
        { 178, "\xC7", "ا" },
        { 186, "\xE0", "ą" },
        { 163, "\xFE", "₫" },
        { 222, "\xA1", "ก" },
        { SymbolCharset, "a", "α" },
        { SymbolCharset, "\xB0", "°" },
        { SymbolCharset, "D", "Δ" },
        { SymbolCharset, "p r", "π ρ" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeText(c.bytes, c.charset), U(c.text)) << "charset " << int(c.charset) << ": " << c.text;
}

// Stored bytes must survive being shown in the text dialog and taken back from it.
void ExpectEveryByteRoundTrips(std::uint8_t charset, const QByteArray& skip = {})
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, static_cast<char>(b));
        if (skip.contains(one[0]))
            continue;
        all += one;
        const auto back = EncodeText(DecodeText(one, charset), charset);
        ASSERT_TRUE(back.has_value()) << "charset " << int(charset) << ", byte " << b;
        EXPECT_EQ(*back, one) << "charset " << int(charset) << ", byte " << b;
    }
    EXPECT_EQ(EncodeText(DecodeText(all, charset), charset), all) << "charset " << int(charset);
}

TEST(CodePage, EveryWindows1252ByteRoundTrips)
{
    ExpectEveryByteRoundTrips(0);
    ExpectEveryByteRoundTrips(DefaultCharset);
}

TEST(CodePage, EverySymbolByteRoundTripsButTheDuplicatedSigns)
{
    // 0xE2..0xE4 are the sans-serif twins of the signs at 0xD2..0xD4: they show as the same signs and
    // come back as the first of each pair.
    ExpectEveryByteRoundTrips(SymbolCharset, "\xE2\xE3\xE4");
    EXPECT_EQ(DecodeText("\xE2\xE3\xE4", SymbolCharset), U("®©™"));
    EXPECT_EQ(EncodeText(U("®©™"), SymbolCharset), QByteArray("\xD2\xD3\xD4"));
}

TEST(CodePage, EncodeRefusesWhatTheCodePageCannotHold)
{
    struct Case {
        const char* text;
        std::uint8_t charset;
    };
    const Case cases[] = {
        { "αβγ", 1 },
        { "a α b", 1 }, // not "a ? b"
        { "Жук", 0 },
        { "é", 161 },
        { "ą", 1 }, // no silent look-alike "a"
        { "日本", SymbolCharset },
        { "😀", 1 },
    };
    for (const Case& c : cases)
        EXPECT_FALSE(EncodeText(U(c.text), c.charset).has_value()) << c.text << " in charset " << int(c.charset);

    struct Good {
        const char* text;
        std::uint8_t charset;
        QByteArray bytes;
    };
    const Good good[] = {
        { "a ? b", 1, "a ? b" },
        { "αβ", 161, "\xE1\xE2" },
        { "αβ", SymbolCharset, "ab" },
        { "°", SymbolCharset, "\xB0" },
        { "€", 162, "\x80" },
    };
    for (const Good& g : good)
        EXPECT_EQ(EncodeText(U(g.text), g.charset), g.bytes) << g.text << " in charset " << int(g.charset);
}

TEST(CodePage, CharsetForPrefersTheCurrentOne)
{
    struct Case {
        const char* text;
        std::uint8_t current;
        int expected; // -1: no character set holds the text
    };
    const Case cases[] = {
        { "Hello", 1, 1 },
        { "Hello", 161, 161 },
        { "αβγ", 1, 161 },
        { "αβγ", SymbolCharset, SymbolCharset },
        { "Жук", 1, 204 },
        { "Жук", 161, 204 },
        { "ąę", 1, 238 },
        { "😀", 1, -1 },
    };
    for (const Case& c : cases) {
        const auto charset = CharsetFor(U(c.text), c.current);
        EXPECT_EQ(charset ? int(*charset) : -1, c.expected) << c.text << " from charset " << int(c.current);
    }
}

} // namespace
