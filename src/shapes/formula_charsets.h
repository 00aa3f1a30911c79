#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace korvo {

struct TCharsetPiece {
    QString Text;
    std::uint8_t Charset = 0;
};

// The text cut into as few pieces as a greedy pass finds, each with a character set whose code page
// holds it and the face name `face` too (empty when the face's bytes suit every code page), preferring
// `preferred`. One piece whenever one character set holds it all; nothing when a character fits none.
std::optional<std::vector<TCharsetPiece>> SplitByCharset(
    const QString& text, const QString& face, std::uint8_t preferred);

} // namespace korvo
