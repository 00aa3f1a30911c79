#pragma once

#include "shapes/byte_stream.h"
#include "shapes/polygon.h"

namespace korvo::test {

// The shape as a drawing file stores it and reads it back.
inline TPolygon SavedAndLoaded(const TPolygon& shape)
{
    TByteWriter writer;
    shape.SaveToStream(writer);
    const QByteArray bytes = writer.Take();
    TByteReader reader(bytes);
    TPolygon loaded;
    loaded.LoadFromStream(reader);
    return loaded;
}

} // namespace korvo::test
