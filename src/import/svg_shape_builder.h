#pragma once

#include "shapes/polygon.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace korvo {

// One element's resolved presentation, already in mm.
struct TSvgPaint {
    std::optional<QColor> Fill; // opacity and gradients already reduced to the nearest solid colour
    std::optional<QColor> Stroke;
    double StrokeWidthMm = 0.2646; // 1 px at 96 dpi
    std::vector<double> DashMm; // empty: solid
    bool MarkerStart = false; // an arrow-like marker at the start
    bool MarkerEnd = false; // ... and at the end
    Qt::FillRule Rule = Qt::WindingFill;
};

enum class TSvgTextAnchor { Start, Middle, End };

// One text run, already in mm.
struct TSvgText {
    QString Text;
    QString Family;
    double SizeMm = 4.233; // 16 px at 96 dpi
    int Weight = 400; // 100..900 as CSS counts; 600 and above is bold
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    QColor Colour = Qt::black;
    TSvgTextAnchor Anchor = TSvgTextAnchor::Start;
    QPointF BaselineMm; // where the anchor sits on the baseline
    double RotationDegrees = 0; // clockwise on the page, as SVG turns
};

// Appends Korvo shapes for a path given in mm (page coordinates): straight subpaths become
// polygons, polylines or lines, curved ones Bézier kinds; several subpaths become one group. The
// pen width comes from the stroke width at true size, the dash from the nearest line style, the
// markers become line endings.
void AppendPathShapes(const QPainterPath& pathMm, const TSvgPaint& paint, std::vector<TPolygon>& out);

// A rectangle (skRectangle) or ellipse (skCircle) that is not turned or skewed keeps its own kind.
void AppendBoxShape(std::int32_t kind, const QRectF& boxMm, const TSvgPaint& paint, std::vector<TPolygon>& out);

// Appends one text shape; empty text appends nothing. False when no character set of Korvo holds
// the text, which then appends nothing either.
bool AppendTextShape(const TSvgText& text, std::vector<TPolygon>& out);

} // namespace korvo
