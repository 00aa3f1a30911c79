#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

#include <cstdint>

namespace korvo {

struct TSvgNode;

// A drawable element's geometry in its own user units.
struct TSvgOutline {
    QPainterPath Path;
    // skRectangle for a rect without rounded corners, skCircle for a circle or ellipse; 0 otherwise.
    std::int32_t BoxKind = 0;
    QRectF Box;
};

// The outline of a path, rect, circle, ellipse, line, polyline or polygon; an empty path for any other
// element or for one SVG does not draw (zero size). Percentages are of the viewport. Each point is
// counted against pointBudget; returns false when the budget is exhausted.
bool SvgOutline(const TSvgNode& node, QSizeF viewport, TSvgOutline& out, qint64& pointBudget);

} // namespace korvo
