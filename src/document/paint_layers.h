#pragma once

#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>

namespace korvo {

// The view as painted under and over the selected shapes, kept while a drag moves them, so each step
// repaints only the moving shapes. Valid while nothing in the key changes.
struct TPaintLayers {
    struct TKey {
        // The selected shapes lie in [First, Last); the layers hold the shapes before and after.
        std::size_t First = 0;
        std::size_t Last = 0;
        std::size_t Count = 0;
        float Scale = 0;
        int ScrollX = 0;
        int ScrollY = 0;
        QSize View;
        bool Grid = false;
        qint64 Background = 0;
        float BackgroundX = 0;
        float BackgroundY = 0;
        std::int32_t PageWidth = 0;
        std::int32_t PageHeight = 0;

        friend bool operator==(const TKey& a, const TKey& b)
        {
            return a.First == b.First && a.Last == b.Last && a.Count == b.Count && a.Scale == b.Scale
                && a.ScrollX == b.ScrollX && a.ScrollY == b.ScrollY && a.View == b.View && a.Grid == b.Grid
                && a.Background == b.Background && a.BackgroundX == b.BackgroundX && a.BackgroundY == b.BackgroundY
                && a.PageWidth == b.PageWidth && a.PageHeight == b.PageHeight;
        }
    };

    bool Valid = false;
    TKey Key;
    QImage Below;
    QImage Above;
};

} // namespace korvo
