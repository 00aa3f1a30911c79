#pragma once

#include <QPointF>
#include <QRectF>

namespace korvo {

// Cuts the line from a to b down to the part inside `keep`; false when none of it is.
bool ClipLine(QPointF& a, QPointF& b, const QRectF& keep);

} // namespace korvo
