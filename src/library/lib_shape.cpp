#include "library/lib_shape.h"

#include "geometry/units.h"
#include "shapes/byte_stream.h"

namespace korvo {

void TLibShape::WriteEntry(TByteWriter& stream) const
{
    stream.WriteInt32(FPage);
    stream.WriteInt32(static_cast<std::int32_t>(FName.size()));
    stream.WriteBytes(FName);
    FShape.SaveToStream(stream);
}

void TLibShape::ReadEntry(TByteReader& stream)
{
    FPage = stream.ReadInt32();
    FName = stream.ReadBytes(stream.ReadCount(1));
    FShape.LoadFromStream(stream);
    FShape.CalcBounds(BaseScale);
    if (FShape.IsGroup())
        FShape.RecalcChildBounds(false, BaseScale);
}

} // namespace korvo
