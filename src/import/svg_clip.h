#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QStringView>
#include <QTransform>

#include <optional>

namespace korvo {

struct TSvgTree;

// The rectangle a clip-path reference clips to, mapped by toPage, when the clipPath holds exactly one
// rect in user space and nothing turns or skews it; empty for any other clip, which Korvo leaves out.
std::optional<QRectF> ClipRectangle(const TSvgTree& tree, QStringView reference, const QTransform& toPage);

// What of a path lies inside the rectangle: a filled outline is cut to its part inside, an open
// line is cut where it leaves and enters. The path is returned as it is when it lies wholly inside.
QPainterPath ClipToRectangle(const QPainterPath& path, const QRectF& clip, bool filled);

} // namespace korvo
