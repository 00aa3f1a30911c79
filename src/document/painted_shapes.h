#pragma once

#include "document/drawing_file.h"
#include "geometry/device_types.h"
#include "shapes/byte_stream.h"

#include <QRect>

#include <cstddef>
#include <optional>
#include <vector>

namespace korvo {

// What the kept page tiles show of the shapes: a fingerprint of each shape's record and the pixels it
// may paint, in paint order. Compared with the shapes after a change, it bounds the part of the page
// that now paints differently, so an edit repaints the tiles it touches and keeps the rest.
class TPaintedShapes {
public:
    // Records the shapes at the scale and returns the page pixels where they paint differently from
    // those recorded before; nothing when that cannot be bounded (nothing recorded at this scale, a
    // changed shape without a reach). An empty rectangle: nothing changed.
    std::optional<QRect> Update(const TShapeList& shapes, float scale, int logPixelsY);
    // Whether the record is of `count` shapes at the scale.
    bool Covers(std::size_t count, float scale) const { return FScale == scale && FEntries.size() == count; }
    // The pixels shape `index` of those last recorded may paint; nothing for no limit.
    const std::optional<TRect>& Reach(std::size_t index) const { return FEntries[index].Reach; }

private:
    struct TEntry {
        std::size_t Fingerprint;
        std::optional<TRect> Reach;
    };
    std::size_t Fingerprint(const TPolygon& shape);
    // The union of the reaches of entries [from, to), or nothing if one has none.
    static std::optional<QRect> ReachOf(const std::vector<TEntry>& entries, std::size_t from, std::size_t to);

    std::vector<TEntry> FEntries;
    float FScale = 0;
    TByteWriter FRecord;
};

} // namespace korvo
