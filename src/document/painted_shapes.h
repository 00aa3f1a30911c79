#pragma once

#include "document/drawing_file.h"
#include "document/shape_splice.h"
#include "geometry/device_types.h"

#include <QRect>

#include <cstddef>
#include <optional>
#include <vector>

namespace korvo {

// What the kept page tiles show of the shapes: the pixels each shape may paint, in paint order. The
// drawing's edits tell it which shapes they changed, so after an edit only those are measured again and
// only the part of the page they reach, as they were and as they are, is painted again.
class TPaintedShapes {
public:
    // Notes an edit of the shapes since the last Update.
    void Splice(const TShapeSplice& splice);
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
        std::optional<TRect> Reach;
        // Not painted on the tiles yet: the reach is still to be measured.
        bool Fresh = false;
    };
    // Measures every shape anew.
    void Rebuild(const TShapeList& shapes, float scale, int logPixelsY);
    // The pixels shapes left the page since the last Update, or that one of them had no limit.
    void AddGone(const TEntry& entry);

    std::vector<TEntry> FEntries;
    float FScale = 0;
    int FLogPixelsY = 0;
    // The splices since the last Update as one: the fresh entries lie among its added ones.
    std::optional<TShapeSplice> FPending;
    QRect FGone;
    bool FGoneUnbounded = false;
    // A splice that did not fit the record: everything is measured again.
    bool FLost = false;
};

} // namespace korvo
