#include "dialogs/stored_text.h"

#include "shapes/code_page.h"

namespace korvo {

QString EditorText(const QByteArray& stored, std::uint8_t charset)
{
    QString text = DecodeText(stored, charset);
    text.remove(QLatin1Char('\n'));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

std::optional<TShapeText> StoredText(const QString& text, const QString& face, TShapeFont font)
{
    const std::optional<std::uint8_t> charset = CharsetFor(face + text, font.Charset());
    if (!charset)
        return std::nullopt;
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const std::optional<QByteArray> faceBytes = EncodeText(face, *charset);
    const std::optional<QByteArray> textBytes = EncodeText(lines, *charset);
    if (!faceBytes || !textBytes)
        return std::nullopt;
    font.SetCharset(*charset);
    font.SetFace(*faceBytes);
    return TShapeText { *textBytes, font };
}

} // namespace korvo
