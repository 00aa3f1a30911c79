#include "shapes/shape_record.h"

#include "shapes/byte_stream.h"
#include "shapes/polygon.h"

#include <QtEndian>

#include <algorithm>

namespace korvo {

namespace {

    constexpr std::int32_t ChildrenReservedAtOnce = 16;

    void WritePoints(TByteWriter& stream, const TMMArray& points)
    {
        if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && sizeof(TMMPoint) == 8) {
            stream.WriteRaw(points.data(), qsizetype(points.size()) * 8);
        } else {
            for (const TMMPoint& p : points) {
                stream.WriteFloat32(p.X);
                stream.WriteFloat32(p.Y);
            }
        }
    }

    void ReadPoints(TByteReader& stream, TMMArray& points, std::int32_t count)
    {
        points.resize(static_cast<std::size_t>(count));
        if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && sizeof(TMMPoint) == 8) {
            stream.ReadRaw(points.data(), qsizetype(count) * 8);
        } else {
            for (TMMPoint& p : points) {
                p.X = stream.ReadFloat32();
                p.Y = stream.ReadFloat32();
            }
        }
    }

} // namespace

qsizetype ShapeRecordSize(const TPolygon& shape)
{
    qsizetype size = ShapeRecordMinBytes + shape.FText.size() + 8 * qsizetype(shape.PointCount());
    for (const TPolygon& child : shape.FChildren)
        size += ShapeRecordSize(child);
    return size;
}

void WriteLogFont(TByteWriter& stream, const TLogFont& font)
{
    stream.WriteInt32(font.Height);
    stream.WriteInt32(font.Width);
    stream.WriteInt32(font.Escapement);
    stream.WriteInt32(font.Orientation);
    stream.WriteInt32(font.Weight);
    for (std::uint8_t b : { font.Italic, font.Underline, font.StrikeOut, font.CharSet, font.OutPrecision,
             font.ClipPrecision, font.Quality, font.PitchAndFamily })
        stream.WriteUInt8(b);
    stream.WriteRaw(font.FaceName.data(), TLogFont::FaceNameSize);
}

TLogFont ReadLogFont(TByteReader& stream)
{
    TLogFont font;
    font.Height = stream.ReadInt32();
    font.Width = stream.ReadInt32();
    font.Escapement = stream.ReadInt32();
    font.Orientation = stream.ReadInt32();
    font.Weight = stream.ReadInt32();
    for (std::uint8_t* b : { &font.Italic, &font.Underline, &font.StrikeOut, &font.CharSet, &font.OutPrecision,
             &font.ClipPrecision, &font.Quality, &font.PitchAndFamily })
        *b = stream.ReadUInt8();
    stream.ReadRaw(font.FaceName.data(), TLogFont::FaceNameSize);
    return font;
}

void TPolygon::SaveToStream(TByteWriter& stream) const
{
    stream.WriteUInt32(FPen.Colour);
    stream.WriteUInt8(FPen.Style);
    stream.WriteInt32(FPen.Width);
    stream.WriteUInt32(FBrush.Colour);
    stream.WriteUInt8(FBrush.Style);
    stream.WriteUInt32(FFont.Colour);
    WriteLogFont(stream, FFont.Record());
    stream.WriteInt32(static_cast<std::int32_t>(FText.size()));
    stream.WriteBytes(FText);
    stream.WriteInt32(FKind);
    stream.WriteInt32(PointCount());
    WritePoints(stream, FPoints);
    for (float v : { FBounds.Left, FBounds.Top, FBounds.Right, FBounds.Bottom })
        stream.WriteFloat32(v);
    stream.WriteUInt8(FLineEnd);
    stream.WriteInt32(ChildCount());
    for (const TPolygon& child : FChildren)
        child.SaveToStream(stream);
}

void TPolygon::LoadFromStream(TByteReader& stream) { LoadFromStream(stream, 0); }

void TPolygon::LoadFromStream(TByteReader& stream, int depth)
{
    if (depth > MaxGroupDepth)
        throw EReadError(QT_TRANSLATE_NOOP("korvo::EReadError", "its groups are nested more than 1000 levels deep"));
    FPen.Colour = stream.ReadUInt32();
    FPen.Style = stream.ReadUInt8();
    FPen.Width = stream.ReadInt32();
    // Colour and style are taken as stored, so a clear brush keeps its clear style.
    FBrush.Colour = stream.ReadUInt32();
    FBrush.Style = stream.ReadUInt8();
    FFont.Colour = stream.ReadUInt32();
    FFont.SetFromRecord(ReadLogFont(stream));
    FText = stream.ReadBytes(stream.ReadCount(1));
    FKind = stream.ReadInt32();
    // An open outline-only curve comes back as an open curve with a chord fill.
    if (FKind == skOpenCurve)
        FKind = skOpenCurveFilled;
    ReadPoints(stream, FPoints, stream.ReadCount(8));
    FBounds.Left = stream.ReadFloat32();
    FBounds.Top = stream.ReadFloat32();
    FBounds.Right = stream.ReadFloat32();
    FBounds.Bottom = stream.ReadFloat32();
    FLineEnd = stream.ReadUInt8();
    const std::int32_t childCount = stream.ReadCount(ShapeRecordMinBytes);
    // A damaged count is only known to be wrong once its children run out, so it may reserve no more
    // than a common group holds; the rest of a large group grows as its children are read.
    FChildren.reserve(FChildren.size() + static_cast<std::size_t>(std::min(childCount, ChildrenReservedAtOnce)));
    for (std::int32_t i = 0; i < childCount; ++i) {
        TPolygon& child = FChildren.emplace_back();
        // Children's points go where their group's do.
        child.FPoints = TMMArray(FPoints.get_allocator());
        child.LoadFromStream(stream, depth + 1);
    }
}

} // namespace korvo
