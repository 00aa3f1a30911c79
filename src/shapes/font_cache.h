#pragma once

#include "shapes/log_font.h"

#include <QFont>
#include <QHash>
#include <QMutex>

namespace korvo {

// Qt fonts for logical-font records at a given pixel height. Font matching is slow, and a page asks
// for the same few fonts over and over, so each combination is matched once per cache and thread.
// Safe to use from several threads at once: each thread gets fonts of its own, since a QFont copied
// across threads shares the engine it matched, which Qt then swaps back and forth between them.
class TFontCache {
public:
    struct TEntry {
        QFont Font;
        int Ascent = 0;
    };

    TEntry Get(const TLogFont& record, int pixelHeight);

private:
    QMutex FLock;
    QHash<QByteArray, TEntry> FFonts;
};

} // namespace korvo
