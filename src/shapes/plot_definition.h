#pragma once

#include "shapes/colour.h"
#include "shapes/plot_expression.h"
#include "shapes/shape_kinds.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace korvo {

class TPolygon;

enum class TPlotMarker { None, Cross, Plus, Circle, Disc, Square };
enum class TPlotLine { None, Straight, Smooth, BestFit };

struct TPlotCurve {
    // A function of x when set, otherwise the measured points of Table.
    bool IsFunction = true;
    QString Expression = QStringLiteral("x");
    TAngleUnit Angles = TAngleUnit::Radians;
    // The points as typed or pasted, kept as text so the dialog shows them again as they were.
    QString Table;
    TPlotMarker Marker = TPlotMarker::None;
    TPlotLine Line = TPlotLine::Straight;
    // Writes "y = 2.00x + 0.50" on the graph beside a best-fit line.
    bool ShowFitOnGraph = false;
    TColour Colour = clBlack;
    std::uint8_t PenStyle = psSolid;

    friend bool operator==(const TPlotCurve& a, const TPlotCurve& b)
    {
        return a.IsFunction == b.IsFunction && a.Expression == b.Expression && a.Angles == b.Angles
            && a.Table == b.Table && a.Marker == b.Marker && a.Line == b.Line && a.ShowFitOnGraph == b.ShowFitOnGraph
            && a.Colour == b.Colour && a.PenStyle == b.PenStyle;
    }
};

struct TPlotAxes {
    double XMin = 0;
    double XMax = 10;
    double YMin = 0;
    double YMax = 10;
    // The value of one square in each direction; the x minimum sits on the paper's left edge and the y
    // minimum on its bottom edge.
    double XPerSquare = 1;
    double YPerSquare = 1;
    // Numbers at every Nth line; 0 for none.
    int NumbersEvery = 1;
    // Numbers and titles in black, or in the paper's line colour.
    bool BlackNumbers = true;
    // Formula markup, as a text shape's formula: "v / m s^-1".
    QString XTitle;
    QString YTitle;
    bool Arrows = false;

    friend bool operator==(const TPlotAxes& a, const TPlotAxes& b)
    {
        return a.XMin == b.XMin && a.XMax == b.XMax && a.YMin == b.YMin && a.YMax == b.YMax
            && a.XPerSquare == b.XPerSquare && a.YPerSquare == b.YPerSquare && a.NumbersEvery == b.NumbersEvery
            && a.BlackNumbers == b.BlackNumbers && a.XTitle == b.XTitle && a.YTitle == b.YTitle && a.Arrows == b.Arrows;
    }
};

struct TPlotDefinition {
    TPlotAxes Axes;
    std::vector<TPlotCurve> Curves;

    friend bool operator==(const TPlotDefinition& a, const TPlotDefinition& b)
    {
        return a.Axes == b.Axes && a.Curves == b.Curves;
    }
    friend bool operator!=(const TPlotDefinition& a, const TPlotDefinition& b) { return !(a == b); }
};

// What a stored definition may hold; a longer one is neither drawn nor read back. A table of MaxTableRows
// rows of long numbers fits.
constexpr int MaxPlotCurves = 20;
constexpr int MaxPlotTextLength = 1000;
constexpr int MaxPlotTableLength = 1 << 20;
constexpr int MaxPlotNumbersEvery = 1000;

// The definition as pure ASCII for a group's own text field, starting "plot/1;"; ReadPlotDefinition
// gives back exactly what was written and nothing for any other text.
QByteArray WritePlotDefinition(const TPlotDefinition& definition);
std::optional<TPlotDefinition> ReadPlotDefinition(const QByteArray& text);

// What the dialog offers for fresh graph paper: y = x over the paper's squares from its bottom-left
// corner, one unit a square, numbers at the major lines (every 5th square without them).
TPlotDefinition DefaultPlot(const TPolygon& paper);

} // namespace korvo
