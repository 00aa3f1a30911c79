#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

namespace korvo {

// Stored texts and face names are bytes in the code page of the font's character set. The model keeps
// the bytes for an exact round trip and converts only for display and input.
QString DecodeText(QByteArrayView bytes, std::uint8_t charset);

// The bytes for the text in the charset's code page, or nothing when the code page cannot hold every
// character: callers then choose another character set instead of storing '?'.
std::optional<QByteArray> EncodeText(const QString& text, std::uint8_t charset);

// A character set whose code page holds the whole text, preferring `current`; nothing when none does.
std::optional<std::uint8_t> CharsetFor(const QString& text, std::uint8_t current);

} // namespace korvo
