#include "shapes/formula_charsets.h"

#include "shapes/code_page.h"

namespace korvo {

namespace {

    // Where each character starts, and the end; a surrogate pair is one character.
    std::vector<qsizetype> CharacterBounds(const QString& text)
    {
        std::vector<qsizetype> bounds;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!(i > 0 && text[i - 1].isHighSurrogate() && text[i].isLowSurrogate()))
                bounds.push_back(i);
        }
        bounds.push_back(text.size());
        return bounds;
    }

} // namespace

std::optional<std::vector<TCharsetPiece>> SplitByCharset(
    const QString& text, const QString& face, std::uint8_t preferred)
{
    const std::vector<qsizetype> bounds = CharacterBounds(text);
    const auto heldBy = [&](std::size_t from, std::size_t to) {
        return CharsetFor(face + text.mid(bounds[from], bounds[to] - bounds[from]), preferred);
    };
    std::vector<TCharsetPiece> pieces;
    for (std::size_t from = 0; from + 1 < bounds.size();) {
        std::optional<std::uint8_t> charset = heldBy(from, from + 1);
        if (!charset)
            return std::nullopt;
        // A set that holds a piece holds every shorter one, so the longest is found by doubling the
        // length and then halving the step: each piece costs about its own length, never the rest's.
        std::size_t held = from + 1;
        std::size_t notHeld = bounds.size();
        for (std::size_t step = 1; held + step < notHeld; step *= 2) {
            const std::optional<std::uint8_t> c = heldBy(from, held + step);
            if (!c) {
                notHeld = held + step;
                break;
            }
            held += step;
            charset = c;
        }
        while (notHeld - held > 1) {
            const std::size_t mid = held + (notHeld - held) / 2;
            if (const std::optional<std::uint8_t> c = heldBy(from, mid)) {
                held = mid;
                charset = c;
            } else {
                notHeld = mid;
            }
        }
        pieces.push_back({ text.mid(bounds[from], bounds[held] - bounds[from]), *charset });
        from = held;
    }
    return pieces;
}

} // namespace korvo
