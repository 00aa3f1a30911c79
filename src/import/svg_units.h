#pragma once

#include <QRectF>
#include <QStringView>
#include <QTransform>

#include <optional>
#include <vector>

namespace korvo {

// SVG user units (CSS pixels) per millimetre: 96 per inch.
constexpr double SvgUnitsPerMm = 96.0 / 25.4;

// Numbers separated by white space and/or commas, as in points, viewBox and dash arrays. Stops at
// the first thing that is not a number.
std::vector<double> ParseSvgNumbers(QStringView text);

// A length in user units: a number with px, pt, pc, mm, cm, in, em or ex, or a percentage of
// percentBase. Empty for anything else.
std::optional<double> ParseSvgLength(QStringView text, double percentBase = 0);

// The transform that fits a viewBox into a viewport of the given size as preserveAspectRatio says
// (align xMin/xMid/xMax × YMin/YMid/YMax, meet or slice, or none).
QTransform ViewBoxTransform(const QRectF& viewBox, QSizeF viewport, QStringView preserveAspectRatio);

// Whether the transform maps every axis-aligned box onto one (no turn but by quarter turns, no skew).
bool KeepsBoxes(const QTransform& t);

// A transform attribute: matrix, translate, scale, rotate, skewX and skewY in a list. An error ends
// the list and, as SVG says, drops the whole attribute (identity).
QTransform ParseSvgTransform(QStringView text);

} // namespace korvo
