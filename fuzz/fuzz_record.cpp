// One shape record on arbitrary bytes, then everything the editor does with a freshly read shape:
// bounds, handles, painting points, hit-testing, reading a group as a formula and writing it back.

#include "shapes/byte_stream.h"
#include "shapes/formula.h"
#include "shapes/polygon.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    korvo::TByteReader stream(QByteArrayView(data, static_cast<qsizetype>(size)));
    korvo::TPolygon shape;
    try {
        shape.LoadFromStream(stream);
    } catch (const korvo::EReadError&) {
        return 0;
    }
    shape.CalcBounds(4.0f);
    shape.CalcGrips();
    shape.RecalcChildBounds(false, 4.0f);
    shape.GetDevicePoints(0, 0, 4.0f);
    shape.ContainsPoint(10, 10, 0, 0, 4.0f);
    if (const std::optional<korvo::TFormulaGroupInfo> formula = korvo::ReadFormulaGroup(shape))
        korvo::WriteFormulaBack(formula->Formula);
    korvo::TByteWriter writer;
    shape.SaveToStream(writer);
    return 0;
}
