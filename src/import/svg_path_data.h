#pragma once

#include <QPainterPath>
#include <QStringView>

namespace korvo {

// Parses an SVG path's d attribute: every command, relative and absolute, implicit repeats, with
// quadratic curves and arcs turned into cubic Béziers. Stops at the first error as SVG says,
// keeping what came before. Each point appended is counted against pointBudget; returns false
// when the budget is exhausted (out then holds what fitted).
bool ParseSvgPathData(QStringView d, QPainterPath& out, qint64& pointBudget);

} // namespace korvo
