#pragma once

#include <QBrush>
#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <optional>

namespace korvo {

struct TSvgTree;
class TSvgStyleSheet;

// Where a gradient is painted: the outline of the shape it fills, for gradients in the shape's own box.
struct TSvgGradientPlace {
    QRectF BoxUser; // the outline's box in user units
    QSizeF Viewport; // in user units, for percentages
    QTransform ToPage; // user units to mm on the page
};

// The linear or radial gradient as a brush in page mm at the given opacity: its stops, units,
// transform, spread and geometry, each from the gradient or, where it gives none, from the gradients
// its href names. Empty when no stops are found or the gradient cannot be placed (an empty box, a
// transform that flattens it).
std::optional<QBrush> GradientBrush(
    const TSvgTree& tree, int gradient, const TSvgStyleSheet& sheet, double opacity, const TSvgGradientPlace& place);

// The average colour along a linear or radial gradient, its alpha the average stop opacity: each
// stretch between two stops counts by its length, the ends before the first and after the last stop
// by theirs. For paints without a shape to fill. Empty when no stops are found.
std::optional<QColor> GradientAverage(const TSvgTree& tree, int gradient, const TSvgStyleSheet& sheet);

} // namespace korvo
