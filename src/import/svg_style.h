#pragma once

#include "import/svg_css.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <vector>

namespace korvo {

struct TSvgNode;

// The presentation of one element after the cascade, in user units. Paints stay as written ("none",
// a colour, "url(#id) fallback") because currentColor and references are resolved where they are used.
struct TSvgStyle {
    // Inherited by children.
    QString Fill = QStringLiteral("black");
    QString Stroke = QStringLiteral("none");
    double FillOpacity = 1;
    double StrokeOpacity = 1;
    double StrokeWidth = 1;
    std::vector<double> Dash;
    QColor Colour = Qt::black;
    Qt::FillRule FillRule = Qt::WindingFill;
    QString MarkerStart;
    QString MarkerEnd;
    QString FontFamily;
    double FontSize = 16;
    int FontWeight = 400;
    bool Italic = false;
    bool Underline = false; // text-decoration, which lines the text of every child too
    bool StrikeOut = false;
    QString TextAnchor = QStringLiteral("start");
    bool KeepsSpace = false; // xml:space="preserve": white space in text stays as written
    bool Visible = true;
    // The product of the opacities of the element and all its ancestors.
    double Opacity = 1;

    // Not inherited.
    bool Displayed = true;
    // vector-effect: non-scaling-stroke, a stroke measured on the page rather than in user units.
    bool NonScalingStroke = false;
    QString ClipPath;
    QString Mask;
    QString Filter;
    QString StopColour = QStringLiteral("black");
    double StopOpacity = 1;
};

// The element's style: what it inherits from its parent, then its presentation attributes, then the
// sheet's rules that match it (by element, class and id), then its own style attribute.
TSvgStyle CascadeSvgStyle(const TSvgNode& node, const TSvgStyle& parent, const TSvgStyleSheet& sheet);

} // namespace korvo
