#pragma once

#include "document/drawing.h"

#include <QString>

#include <optional>

namespace korvo {

// A stored text as the editor shows it: a carriage return ends a line, and a line feed on its own is
// dropped because painting ignores it too.
QString EditorText(const QByteArray& stored, std::uint8_t charset);

// The edited text and typeface as a text shape stores them: lines end in CR LF, and text and face
// name are bytes of one code page, the font's own when it holds them, otherwise another that does.
// Nothing when no single code page holds them all, so that no character is ever stored as '?'.
std::optional<TShapeText> StoredText(const QString& text, const QString& face, TShapeFont font);

} // namespace korvo
