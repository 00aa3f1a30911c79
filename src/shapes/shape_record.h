#pragma once

#include "shapes/log_font.h"

#include <QtGlobal>

namespace korvo {

class TByteReader;
class TByteWriter;

// Fixed part of a shape record: 111 bytes plus the text and 8 bytes per point.
constexpr int ShapeRecordMinBytes = 111;

// Deeper nesting than this in a record is taken as damage, never followed.
constexpr int MaxGroupDepth = 1000;

class TPolygon;

// The bytes the shape's record takes, its children's records included.
qsizetype ShapeRecordSize(const TPolygon& shape);

void WriteLogFont(TByteWriter& stream, const TLogFont& font);
TLogFont ReadLogFont(TByteReader& stream);

} // namespace korvo
