#include "document/drawing_file.h"

#include "shapes/byte_stream.h"
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

TShapeList DecodeDrawing(QByteArrayView bytes, float scale)
{
    TByteReader stream(bytes);
    const std::int32_t count = stream.ReadCount(ShapeRecordMinBytes);
    TShapeList shapes;
    shapes.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        auto shape = std::make_shared<TPolygon>();
        shape->LoadFromStream(stream);
        shape->CalcBounds(scale);
        shape->CalcGrips();
        if (shape->IsGroup())
            shape->RecalcChildBounds(false, scale);
        shapes.push_back(std::move(shape));
    }
    return shapes;
}

} // namespace korvo
