#pragma once

#include "geometry/device_types.h"
#include "shapes/font_cache.h"
#include "shapes/paint_errors.h"

#include <QImage>
#include <QObject>

#include <map>
#include <utility>

namespace korvo {

class TLibShape;
class TPolyLib;

// A library picture as its list row shows it: an image as high as the row, starting at the row's
// left edge, and where in the row the picture itself lies.
struct TThumbnail {
    QImage Image;
    TRect Used;
};

// Thumbnails are painted once for each entry of the library and row height and kept, so scrolling only
// copies images. Entries are known by address, so every change of the library's entries, which may
// free some, lets go of all thumbnails.
class TThumbnailCache : public QObject {
public:
    explicit TThumbnailCache(const TPolyLib& library);

    const TThumbnail& Get(const TLibShape& entry, int rowHeight, qreal pixelRatio);
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
