#include "document/drawing_file.h"

#include "document/shape_arena.h"

#include "shapes/byte_stream.h"
#include "shapes/file_io.h"
#include "shapes/shape_record.h"

namespace korvo {

void WriteDrawing(TByteWriter& stream, const TShapeList& shapes)
{
    stream.WriteInt32(static_cast<std::int32_t>(shapes.size()));
    for (const TShapePtr& shape : shapes)
        shape->SaveToStream(stream);
}

QByteArray EncodeDrawing(const TShapeList& shapes)
{
    qsizetype size = 4;
    for (const TShapePtr& shape : shapes)
        size += ShapeRecordSize(*shape);
    TByteWriter stream;
    stream.Reserve(size);
    WriteDrawing(stream, shapes);
    return stream.Take();
}

void WriteDrawingFile(const QString& fileName, const TShapeList& shapes)
{
    // Encoded whole first and handed over in one write: the file sees a few large writes instead of one
    // per buffer's worth of records.
    WriteFileBytes(fileName, EncodeDrawing(shapes));
}

TShapeList DecodeDrawing(QByteArrayView bytes, float scale)
{
    TByteReader stream(bytes);
    const std::int32_t count = stream.ReadCount(ShapeRecordMinBytes);
    TShapeList shapes;
    shapes.reserve(static_cast<std::size_t>(count));
    // A shape and its reference counts take a little more than the shape itself.
    const TArenaAllocator<TPolygon> allocator(
        std::make_shared<TShapeArena>(static_cast<std::size_t>(count) * (sizeof(TPolygon) + 4 * sizeof(void*))));
    for (std::int32_t i = 0; i < count; ++i) {
        auto shape = std::allocate_shared<TPolygon>(allocator);
        shape->LoadFromStream(stream);
        shape->CalcBounds(scale);
        shape->CalcGrips();
        if (shape->IsGroup())
            shape->RecalcChildBounds(false, scale);
        shapes.push_back(std::move(shape));
    }
    return shapes;
}

TShapeList ReadDrawingFile(const QString& fileName, float scale)
{
    const QByteArray bytes = ReadFileBytes(fileName);
    try {
        return DecodeDrawing(bytes, scale);
    } catch (const EReadError& e) {
        throw EFileError(QStringLiteral("\"%1\" is not a valid drawing file: %2.").arg(fileName, e.what()));
    }
}

} // namespace korvo
