#pragma once

// A shape record as the file layout states it, field by field, for fixtures of drawing and library
// files. Built on TLeBytes and never on the product's writer, so a fixture cannot share its faults.

#include "support/le_bytes.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace korvo::test {

struct TRecordFixture {
    std::uint32_t PenColour = 0;
    std::uint8_t PenStyle = 0;
    std::int32_t PenWidth = 1;
    std::uint32_t BrushColour = 0x00FFFFFF;
    std::uint8_t BrushStyle = 1;
    std::uint32_t FontColour = 0xFF000008;
    // The 60-byte logical font; empty means the default font (arial, 10 points at 96 pixels per inch).
    QByteArray Font;
    QByteArray Text;
    std::int32_t Kind = 1;
    std::vector<std::pair<float, float>> Points;
    // Left, top, right, bottom; without a value, the box of the points (all zeros without points),
    // which is what the loaders recompute, so such a fixture survives a load and save unchanged.
    std::optional<std::array<float, 4>> Bounds;
    std::uint8_t LineEnd = 0;
    std::vector<TRecordFixture> Children;

    std::array<float, 4> PointBox() const
    {
        if (Points.empty())
            return {};
        std::array<float, 4> box { Points[0].first, Points[0].second, Points[0].first, Points[0].second };
        for (const auto& [x, y] : Points) {
            box[0] = x < box[0] ? x : box[0];
            box[1] = y < box[1] ? y : box[1];
            box[2] = x > box[2] ? x : box[2];
            box[3] = y > box[3] ? y : box[3];
        }
        return box;
    }
};

inline QByteArray DefaultLogFont()
{
    TLeBytes b;
    return LogFont(b, -13, "arial");
}

// Offsets 0..110 of the record, its text and points, then each child's complete record.
inline TLeBytes& AppendRecord(TLeBytes& b, const TRecordFixture& r)
{
    b.U32(r.PenColour).U8(r.PenStyle).I32(r.PenWidth);
    b.U32(r.BrushColour).U8(r.BrushStyle);
    b.U32(r.FontColour).Raw(r.Font.isEmpty() ? DefaultLogFont() : r.Font);
    b.Counted(r.Text);
    b.I32(r.Kind).I32(static_cast<std::int32_t>(r.Points.size()));
    for (const auto& [x, y] : r.Points)
        b.F32(x).F32(y);
    for (float v : r.Bounds.value_or(r.PointBox()))
        b.F32(v);
    b.U8(r.LineEnd).I32(static_cast<std::int32_t>(r.Children.size()));
    for (const TRecordFixture& child : r.Children)
        AppendRecord(b, child);
    return b;
}

// A whole drawing file: the shape count, then the records back to front.
inline QByteArray DrawingFixture(const std::vector<TRecordFixture>& shapes)
{
    TLeBytes b;
    b.I32(static_cast<std::int32_t>(shapes.size()));
    for (const TRecordFixture& shape : shapes)
        AppendRecord(b, shape);
    return b;
}

struct TEntryFixture {
    std::int32_t Page = 0;
    QByteArray Name;
    TRecordFixture Shape;
};

// A whole library file: magic, the page-name block as given (so tests choose its line ends), the
// entry count and the entries.
inline QByteArray LibraryFixture(const QByteArray& pageBlock, const std::vector<TEntryFixture>& entries)
{
    TLeBytes b;
    b.I32(836876).Counted(pageBlock).I32(static_cast<std::int32_t>(entries.size()));
    for (const TEntryFixture& entry : entries)
        AppendRecord(b.I32(entry.Page).Counted(entry.Name), entry.Shape);
    return b;
}

} // namespace korvo::test
