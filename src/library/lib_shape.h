#pragma once

#include "shapes/polygon.h"

#include <QByteArray>

#include <cstdint>

namespace korvo {

class TByteReader;
class TByteWriter;

// One named picture of the library, filed under a page. The shape's top-left lies at (0, 0) mm and
// its device bounds are kept at BaseScale, whatever the drawing's zoom.
class TLibShape {
public:
    std::int32_t FPage = 0;
    // ANSI bytes (Windows-1252), shown in the library list.
    QByteArray FName;
    TPolygon FShape;

    void WriteEntry(TByteWriter& stream) const;
    // Reads the entry record and brings the shape's device bounds up to date at BaseScale.
    void ReadEntry(TByteReader& stream);
};

} // namespace korvo
