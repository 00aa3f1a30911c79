#pragma once

#include <QStringView>

namespace korvo {

struct TSvgTree;

// Whether a marker property names a marker that looks like an arrow head, which Korvo draws as a
// line ending: one whose name says arrow, or whose first drawn element is a path, polygon or
// polyline and whose name does not say dot, circle or square.
bool IsArrowMarker(const TSvgTree& tree, QStringView reference);

} // namespace korvo
