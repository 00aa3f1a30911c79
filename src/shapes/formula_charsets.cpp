#include "shapes/formula_charsets.h"

#include "shapes/code_page.h"

namespace korvo {

namespace {

    qsizetype CodePointEnd(const QString& text, qsizetype i)
    {
        return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? i + 2 : i + 1;
    }

} // namespace

std::optional<std::vector<TCharsetPiece>> SplitByCharset(
    const QString& text, const QString& face, std::uint8_t preferred)
{
    if (const std::optional<std::uint8_t> whole = CharsetFor(face + text, preferred))
        return std::vector<TCharsetPiece> { { text, *whole } };
    std::vector<TCharsetPiece> pieces;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = CodePointEnd(text, start);
        const std::optional<std::uint8_t> charset = CharsetFor(face + text.mid(start, end - start), preferred);
        if (!charset)
            return std::nullopt;
        while (end < text.size()) {
            const qsizetype next = CodePointEnd(text, end);
            if (!EncodeText(text.mid(end, next - end), *charset))
                break;
            end = next;
        }
        pieces.push_back({ text.mid(start, end - start), *charset });
        start = end;
    }
    return pieces;
}

} // namespace korvo
