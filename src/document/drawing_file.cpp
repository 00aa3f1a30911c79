#include "document/drawing_file.h"

#include "shapes/byte_stream.h"
#include "shapes/file_io.h"
#include "shapes/shape_record.h"

#include <QCoreApplication>
#include <QIODevice>

namespace korvo {

namespace {

    // Shapes that would fill less than one large page of the shapes' block go to the heap: a fresh
    // block costs more to take than it saves on a few shapes.
    constexpr std::size_t BlockMinBytes = 2 * 1024 * 1024;

} // namespace

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
    // The records go into one buffer that is handed to the file each time it holds a megabyte and then
    // reused: few large writes, and a buffer that stays in the cache instead of growing to the file's
    // size in fresh memory.
    constexpr qsizetype WriteBytes = 1 << 20;
    WriteFileWith(fileName, [&shapes](QIODevice& file) {
        TByteWriter stream;
        stream.Reserve(2 * WriteBytes);
        const auto handOver = [&stream, &file] {
            const QByteArrayView bytes = stream.Written();
            stream.Clear();
            return WriteAll(file, bytes);
        };
        stream.WriteInt32(static_cast<std::int32_t>(shapes.size()));
        for (const TShapePtr& shape : shapes) {
            shape->SaveToStream(stream);
            if (stream.Written().size() >= WriteBytes && !handOver())
                return false;
        }
        return handOver();
    });
}

TShapeList DecodeDrawing(QByteArrayView bytes, float scale)
{
    TByteReader stream(bytes);
    const std::int32_t count = stream.ReadCount(ShapeRecordMinBytes);
    TShapeList shapes;
    shapes.reserve(static_cast<std::size_t>(count));
    // A shape and its reference counts take a little more than the shape itself; the points take less
    // than the bytes left.
    const std::size_t arenaBytes = static_cast<std::size_t>(count) * (sizeof(TPolygon) + 4 * sizeof(void*))
        + static_cast<std::size_t>(stream.Remaining());
    const TArenaAllocator<TPolygon> place(
        arenaBytes >= BlockMinBytes ? std::make_shared<TShapeArena>(arenaBytes) : std::shared_ptr<TShapeArena>());
    for (std::int32_t i = 0; i < count; ++i) {
        auto shape = std::allocate_shared<TPolygon>(place);
        shape->FPoints = TMMArray(place);
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
        throw EFileError(QCoreApplication::translate("korvo::TDrawingFile", "\"%1\" is not a valid drawing file: %2.")
                             .arg(fileName, e.Reason()));
    }
}

} // namespace korvo
