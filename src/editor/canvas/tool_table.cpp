#include "editor/canvas/tool_table.h"

#include "editor/canvas/tools.h"

#include <algorithm>

namespace korvo {

namespace {

    using T = TTool;
    using U = TCursorUse;
    constexpr const char* SelectStatus = "Click to select a shape. Control click to multiselect,";
    constexpr const char* PointsStatus = "Click to add a point. Right click to end drawing";

    const std::array<TToolInfo, ToolCount> Table = { {
        { T::Selection, { "SelectBtn", "Selection tool", "", "select" }, 0, U::Arrow, SelectStatus,
            &MakeSelectionTool },
        { T::Node, { "NodeBtn", "node", "Bezier slection tool", "node" }, 5, U::Own, "Click to edit nodes",
            &MakeNodeTool },
        { T::Rectangle, { "SqBtn", "square", "Rectangle", "square" }, 3, U::Special,
            "Click and drag to draw a rectangle.", &MakeBoxTool },
        { T::Circle, { "CircleBtn", "circle", "Circle", "circle" }, 4, U::Special, "Click and drag to draw a circle.",
            &MakeBoxTool },
        { T::Polygon, { "PolyBtn", "polygon", "Closed polygon", "polygon" }, 2, U::Special, PointsStatus,
            &MakePolyTool },
        { T::Polyline, { "PolylineBtn", "polyline", "Open polygon", "polyline" }, 6, U::Special, PointsStatus,
            &MakePolyTool },
        { T::Line, { "LineBtn", "line", "Straight line", "line" }, 7, U::Special,
            "Click and drag to draw a straight line", &MakeLineTool },
        { T::Arrow, { "ArrowBtn", "Arrow", "Arrow", "arrow" }, 13, U::Special,
            "Click and drag to draw a straight line ending in an arrow.", &MakeLineTool },
        { T::Curve, { "CurveBtn", "curve", "Single curve", "curve" }, 8, U::Special, "Click and drag to draw a curve",
            &MakeLineTool },
        { T::Sine, { "SineBtn", "sine", "Wave", "sine" }, 11, U::Special, "Click and drag to draw a sine wave.",
            &MakeBoxTool },
        { T::Tube, { "StTubeBtn", "tube", "Straight tube", "tube" }, 15, U::Special,
            "Click and drag to draw a straight tube.", &MakeBoxTool },
        { T::Text, { "TextBtn", "text", "Text", "text" }, 9, U::Special, "Click to add text", &MakeTextTool },
        { T::TubeBend, { "BendTubeBtn", "bend", "Tube bend", "bend" }, 12, U::Special,
            "Click and drag to draw a tube bend.", &MakeBoxTool },
        { T::GraphPaper, { "GraphBtn", "graph", "Graph paper", "graph" }, 14, U::Special,
            "Click and drag to draw a grid.", &MakeBoxTool },
        { T::Dropper, { "DropperBtn", "dropper", "Select a colour", "dropper" }, 10, U::Own, SelectStatus,
            &MakeDropperTool },
    } };

} // namespace

const std::array<TToolInfo, ToolCount>& ToolTable() { return Table; }

const TToolInfo& ToolInfo(TTool tool)
{
    const auto it = std::find_if(Table.begin(), Table.end(), [tool](const TToolInfo& t) { return t.Tool == tool; });
    return it == Table.end() ? Table.front() : *it;
}

} // namespace korvo
