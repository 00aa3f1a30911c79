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

// The text in pieces, each the longest from the end of the last that one character set holds together
// with the face name `face` (empty when the face's bytes suit every code page), preferring `preferred`:
// one piece whenever a single set holds it all. Nothing when some character fits no set.
std::optional<std::vector<TCharsetPiece>> SplitByCharset(
    const QString& text, const QString& face, std::uint8_t preferred);

} // namespace korvo
