#pragma once

#include <QColor>

#include <optional>

namespace korvo {

struct TSvgTree;
class TSvgStyleSheet;

// The average colour along a linear or radial gradient, its alpha the average stop opacity: each
// stretch between two stops counts by its length, the ends before the first and after the last stop
// by theirs. Stops come from the gradient or, when it has none, from the gradients its href names.
// Empty when no stops are found.
std::optional<QColor> GradientAverage(const TSvgTree& tree, int gradient, const TSvgStyleSheet& sheet);

} // namespace korvo
