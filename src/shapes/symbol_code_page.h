#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace korvo {

// The symbol character set (Greek letters and mathematical signs on the Latin keys).
// Bytes without a symbol decode to the private-use character U+F000 + byte, which encodes back to the
// same byte. The set holds the registered, copyright and trade mark signs twice; both decode to the
// same sign, which encodes to the first of the pair.
QString DecodeSymbol(QByteArrayView bytes);
std::optional<QByteArray> EncodeSymbol(const QString& text);

} // namespace korvo
