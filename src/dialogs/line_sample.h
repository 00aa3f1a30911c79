#pragma once

#include "shapes/pen_brush.h"

#include <QIcon>

#include <cstdint>

namespace korvo {

// A small picture of a line in the pen with the ending, painted as the drawing paints one, on white as
// on the page: what menus and lists show for a line style.
QIcon LineSampleIcon(const TPen& pen, std::uint8_t ending);

} // namespace korvo
