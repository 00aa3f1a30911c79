#include "shapes/font_cache.h"

#include "shapes/code_page.h"

#include <QFontMetrics>
#include <QThread>

#include <algorithm>
#include <cstring>

namespace korvo {

namespace {

    constexpr std::uint8_t FixedPitch = 1;

    QByteArray KeyOf(const TLogFont& record, int pixelHeight)
    {
        const auto thread = reinterpret_cast<quintptr>(QThread::currentThreadId());
        QByteArray key(reinterpret_cast<const char*>(&thread), sizeof thread);
        key.append(record.FaceName.data(), TLogFont::FaceNameSize);
        const std::int32_t numbers[] = { pixelHeight, record.Weight };
        key.append(reinterpret_cast<const char*>(numbers), sizeof numbers);
        for (const std::uint8_t b :
            { record.Italic, record.Underline, record.StrikeOut, record.CharSet, record.PitchAndFamily })
            key.append(static_cast<char>(b));
        return key;
    }

    QFont MakeFont(const TLogFont& record, int pixelHeight)
    {
        const auto faceLength = static_cast<qsizetype>(
            std::find(record.FaceName.begin(), record.FaceName.end(), '\0') - record.FaceName.begin());
        QFont font(DecodeText(QByteArrayView(record.FaceName.data(), faceLength), record.CharSet));
        font.setPixelSize(pixelHeight);
        // Weight 0 means "don't care", which the platform draws as normal.
        font.setWeight(static_cast<QFont::Weight>(record.Weight <= 0 ? 400 : std::min(record.Weight, 1000)));
        font.setItalic(record.Italic != 0);
        font.setUnderline(record.Underline != 0);
        font.setStrikeOut(record.StrikeOut != 0);
        if ((record.PitchAndFamily & 0x0F) == FixedPitch)
            font.setStyleHint(QFont::Monospace);
        return font;
    }

} // namespace

TFontCache::TEntry TFontCache::Get(const TLogFont& record, int pixelHeight)
{
    const QByteArray key = KeyOf(record, pixelHeight);
    {
        const QMutexLocker lock(&FLock);
        const auto it = FFonts.constFind(key);
        if (it != FFonts.cend())
            return *it;
    }
    // Matched outside the lock, so other threads' painting does not wait for it.
    TEntry entry;
    entry.Font = MakeFont(record, pixelHeight);
    entry.Ascent = QFontMetrics(entry.Font).ascent();
    const QMutexLocker lock(&FLock);
    FFonts.insert(key, entry);
    return entry;
}

} // namespace korvo
