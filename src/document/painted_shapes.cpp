#include "document/painted_shapes.h"

#include "shapes/paint_reach.h"

#include <QHashFunctions>

#include <algorithm>

namespace korvo {

std::size_t TPaintedShapes::Fingerprint(const TPolygon& shape)
{
    // The record holds everything the shape's pixels depend on at one scale.
    FRecord.Clear();
    shape.SaveToStream(FRecord);
    const QByteArrayView record = FRecord.Written();
    return qHashBits(record.data(), static_cast<std::size_t>(record.size()));
}

std::optional<QRect> TPaintedShapes::ReachOf(const std::vector<TEntry>& entries, std::size_t from, std::size_t to)
{
    QRect area;
    for (std::size_t i = from; i < to; ++i) {
        if (!entries[i].Reach)
            return std::nullopt;
        area |= entries[i].Reach->ToQRect();
    }
    return area;
}

std::optional<QRect> TPaintedShapes::Update(const TShapeList& shapes, float scale, int logPixelsY)
{
    std::vector<TEntry> entries(shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i)
        entries[i].Fingerprint = Fingerprint(*shapes[i]);
    // The shapes before the first difference and after the last one paint as they did; all between, as
    // they were and as they are, may paint differently wherever they reach.
    const bool sameScale = scale == FScale;
    const auto same = [&](std::size_t now, std::size_t before) {
        return sameScale && entries[now].Fingerprint == FEntries[before].Fingerprint;
    };
    const std::size_t shorter = std::min(entries.size(), FEntries.size());
    std::size_t head = 0;
    while (head < shorter && same(head, head))
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head && same(entries.size() - 1 - tail, FEntries.size() - 1 - tail))
        ++tail;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i < head)
            entries[i].Reach = FEntries[i].Reach;
        else if (i >= entries.size() - tail)
            entries[i].Reach = FEntries[i + FEntries.size() - entries.size()].Reach;
        else
            entries[i].Reach = PaintReach(*shapes[i], scale, logPixelsY);
    }
    std::optional<QRect> changed;
    const std::optional<QRect> before = ReachOf(FEntries, head, FEntries.size() - tail);
    const std::optional<QRect> after = ReachOf(entries, head, entries.size() - tail);
    if (sameScale && before && after)
        changed = *before | *after;
    FEntries = std::move(entries);
    FScale = scale;
    return changed;
}

} // namespace korvo
