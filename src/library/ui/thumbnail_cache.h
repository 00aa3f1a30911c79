#pragma once

#include "geometry/device_types.h"
#include "shapes/font_cache.h"
#include "shapes/paint_errors.h"

#include <QImage>

#include <map>
#include <utility>

namespace korvo {

class TLibShape;

// A library picture as its list row shows it: an image as high as the row, starting at the row's
// left edge, and where in the row the picture itself lies.
struct TThumbnail {
    QImage Image;
    TRect Used;
};

// Thumbnails are painted once for each entry and row height and kept, so scrolling only copies
// images. Entries are known by address: forget the thumbnails whenever entries are freed.
class TThumbnailCache {
public:
    const TThumbnail& Get(const TLibShape& entry, int rowHeight, qreal pixelRatio);
    void Clear() { FThumbnails.clear(); }
    // Errors met while painting thumbnails since they were last reported.
    TPaintErrors& Errors() { return FErrors; }

private:
    TThumbnail Paint(const TLibShape& entry, int rowHeight, qreal pixelRatio);

    std::map<std::pair<const TLibShape*, int>, TThumbnail> FThumbnails;
    qreal FPixelRatio = 1;
    TFontCache FFonts;
    TPaintErrors FErrors;
};

} // namespace korvo
