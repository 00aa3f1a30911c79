#include "document/painted_shapes.h"

#include "shapes/paint_reach.h"

#include <algorithm>

namespace korvo {

void TPaintedShapes::AddGone(const TEntry& entry)
{
    // A shape never painted on the tiles leaves nothing behind.
    if (entry.Fresh)
        return;
    if (entry.Reach)
        FGone |= entry.Reach->ToQRect();
    else
        FGoneUnbounded = true;
}

void TPaintedShapes::Splice(const TShapeSplice& splice)
{
    if (FLost || splice.At > FEntries.size() || splice.Removed > FEntries.size() - splice.At) {
        FLost = true;
        return;
    }
    const auto at = FEntries.begin() + static_cast<std::ptrdiff_t>(splice.At);
    std::for_each(at, at + static_cast<std::ptrdiff_t>(splice.Removed), [this](const TEntry& e) { AddGone(e); });
    // A change in place only marks its entries; the list moves only for shapes added or taken away.
    const auto kept = static_cast<std::ptrdiff_t>(std::min(splice.Removed, splice.Added));
    std::fill(at, at + kept, TEntry { std::nullopt, true });
    if (splice.Removed > splice.Added)
        FEntries.erase(at + kept, at + static_cast<std::ptrdiff_t>(splice.Removed));
    else
        FEntries.insert(at + kept, splice.Added - splice.Removed, TEntry { std::nullopt, true });
    FPending = Then(FPending, splice);
}

void TPaintedShapes::Rebuild(const TShapeList& shapes, float scale, int logPixelsY)
{
    FEntries.resize(shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i)
        FEntries[i] = { PaintReach(*shapes[i], scale, logPixelsY), false };
    FScale = scale;
    FLogPixelsY = logPixelsY;
}

std::optional<QRect> TPaintedShapes::Update(const TShapeList& shapes, float scale, int logPixelsY)
{
    const bool measured = !FLost && scale == FScale && logPixelsY == FLogPixelsY && FEntries.size() == shapes.size();
    std::optional<QRect> changed = FGone;
    if (!measured || FGoneUnbounded)
        changed.reset();
    if (!measured) {
        Rebuild(shapes, scale, logPixelsY);
    } else if (FPending) {
        for (std::size_t i = FPending->At; i < FPending->At + FPending->Added; ++i) {
            TEntry& entry = FEntries[i];
            if (!entry.Fresh)
                continue;
            entry = { PaintReach(*shapes[i], scale, logPixelsY), false };
            if (!entry.Reach)
                changed.reset();
            else if (changed)
                *changed |= entry.Reach->ToQRect();
        }
    }
    FPending.reset();
    FGone = QRect();
    FGoneUnbounded = false;
    FLost = false;
    return changed;
}

} // namespace korvo
