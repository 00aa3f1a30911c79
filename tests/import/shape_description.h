#pragma once

#include "shapes/polygon.h"

#include <string>

namespace korvo {

// A shape as one line: kind, points to 0.01 mm, pen style and width, fill colour or "-", line end;
// a text its words, face, size, weight and colour instead of its measured frame; a group its children.
std::string DescribeShape(const TPolygon& shape);

} // namespace korvo
