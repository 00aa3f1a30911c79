#pragma once

#include "shapes/log_font.h"

#include <QFont>
#include <QHash>

namespace korvo {

// Qt fonts for logical-font records at a given pixel height. Font matching is slow, and a page asks
// for the same few fonts over and over, so each combination is matched once per cache.
class TFontCache {
public:
    struct TEntry {
        QFont Font;
        int Ascent = 0;
    };

    const TEntry& Get(const TLogFont& record, int pixelHeight);

private:
    QHash<QByteArray, TEntry> FFonts;
};

} // namespace korvo
