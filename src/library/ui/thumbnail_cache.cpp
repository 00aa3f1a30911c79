#include "library/ui/thumbnail_cache.h"

#include "geometry/units.h"
#include "library/lib_shape.h"
#include "library/poly_lib.h"
#include "shapes/shape_thumbnail.h"

#include <QPainter>

namespace korvo {

namespace {

    // The picture sits in the row less 2 pixels left and right and 1 pixel above and below; line ends
    // may reach as far again past its own rectangle.
    constexpr int InsetX = 2;
    constexpr int InsetY = 1;

} // namespace

TThumbnailCache::TThumbnailCache(const TPolyLib& library)
{
    connect(&library, &TPolyLib::EntriesChanged, this, [this] { FThumbnails.clear(); });
}

const TThumbnail& TThumbnailCache::Get(const TLibShape& entry, int rowHeight, qreal pixelRatio)
{
    // Moving to a screen of another density makes every thumbnail anew.
    if (pixelRatio != FPixelRatio) {
        FThumbnails.clear();
        FPixelRatio = pixelRatio;
    }
    const auto key = std::make_pair(&entry, rowHeight);
    auto it = FThumbnails.find(key);
    if (it == FThumbnails.end())
        it = FThumbnails.emplace(key, Paint(entry, rowHeight, pixelRatio)).first;
    return it->second;
}

TThumbnail TThumbnailCache::Paint(const TLibShape& entry, int rowHeight, qreal pixelRatio)
{
    const int inner = rowHeight - 2 * InsetY;
    // A thumbnail is never wider than the row's inner height.
    const QSize size(inner + 4 * InsetX, rowHeight);
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    TShapePainter shapes(painter, TPaintTarget::Screen, ScreenPixelsPerInch(), FFonts);
    painter.setPen(Qt::black);
    const TRect used = DrawThumbnail(shapes, painter, entry.FShape, { InsetX, InsetY, InsetX + inner, InsetY + inner });
    painter.end();
    FErrors.Merge(shapes.Errors());
    return { image, used };
}

} // namespace korvo
