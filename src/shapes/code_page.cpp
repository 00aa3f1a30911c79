#include "shapes/code_page.h"

#include "shapes/shape_font.h"
#include "shapes/symbol_code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace korvo {

namespace {

    struct TCharsetCodePage {
        std::uint8_t Charset;
        const char* CodePage;
    };

    // Character sets a user may be offered when the current one cannot hold a text, most common first.
    constexpr std::array<TCharsetCodePage, 15> CodePages = { {
        { 1, "windows-1252" },
        { 238, "windows-1250" },
        { 204, "windows-1251" },
        { 161, "windows-1253" },
        { 162, "windows-1254" },
        { 186, "windows-1257" },
        { 163, "windows-1258" },
        { 177, "windows-1255" },
        { 178, "windows-1256" },
        { 222, "windows-874" },
        { 128, "windows-31j" },
        { 129, "windows-949" },
        { 134, "GBK" },
        { 136, "Big5" },
        { 255, "IBM437" },
    } };

    const char* CodePageOf(std::uint8_t charset)
    {
        if (charset == 0)
            return "windows-1252";
        if (charset == 77)
            return "macintosh";
        for (const auto& entry : CodePages) {
            if (entry.Charset == charset)
                return entry.CodePage;
        }
        return "windows-1252";
    }

} // namespace

QString DecodeText(QByteArrayView bytes, std::uint8_t charset)
{
    if (charset == SymbolCharset)
        return DecodeSymbol(bytes);
    QStringDecoder decoder(CodePageOf(charset));
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

std::optional<QByteArray> EncodeText(const QString& text, std::uint8_t charset)
{
    if (charset == SymbolCharset)
        return EncodeSymbol(text);
    QStringEncoder encoder(CodePageOf(charset));
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    // Some code pages map a character to a look-alike without reporting it; only an exact way back counts.
    if (encoder.hasError() || DecodeText(bytes, charset) != text)
        return std::nullopt;
    return bytes;
}

std::optional<std::uint8_t> CharsetFor(const QString& text, std::uint8_t current)
{
    if (EncodeText(text, current))
        return current;
    for (const auto& entry : CodePages) {
        if (EncodeText(text, entry.Charset))
            return entry.Charset;
    }
    return std::nullopt;
}

} // namespace korvo
