#include "editor/canvas/tool_table.h"

#include "editor/canvas/tools.h"

#include <algorithm>

namespace korvo {

namespace {

    using T = TTool;
    using U = TCursorUse;
    using C = TToolCursor;
    constexpr const char* SelectStatus = "Click to select a shape. Control click to multiselect,";
    constexpr const char* PointsStatus = "Click to add a point. Right click to end drawing";

    const std::vector<TToolInfo> Table = {
        { T::Selection, { "SelectBtn", "Selection tool", "", "select" }, C::None, U::Arrow, SelectStatus,
            MakeSelectionTool },
        { T::Node, { "NodeBtn", "node", "Bezier slection tool", "node" }, C::Node, U::Own, "Click to edit nodes",
            MakeNodeTool },
        { T::Rectangle, { "SqBtn", "square", "Rectangle", "square" }, C::Square, U::Special,
            "Click and drag to draw a rectangle.", MakeBoxTool },
        { T::Circle, { "CircleBtn", "circle", "Circle", "circle" }, C::Circle, U::Special,
            "Click and drag to draw a circle.", MakeBoxTool },
        { T::Polygon, { "PolyBtn", "polygon", "Closed polygon", "polygon" }, C::Polygon, U::Special, PointsStatus,
            MakePolyTool },
        { T::Polyline, { "PolylineBtn", "polyline", "Open polygon", "polyline" }, C::Polyline, U::Special, PointsStatus,
            MakePolyTool },
        { T::Line, { "LineBtn", "line", "Straight line", "line" }, C::Line, U::Special,
            "Click and drag to draw a straight line", MakeLineTool },
        { T::Arrow, { "ArrowBtn", "Arrow", "Arrow", "arrow" }, C::LineArrow, U::Special,
            "Click and drag to draw a straight line ending in an arrow.", MakeLineTool },
        { T::Curve, { "CurveBtn", "curve", "Single curve", "curve" }, C::Curve, U::Special,
            "Click and drag to draw a curve", MakeLineTool },
        { T::Sine, { "SineBtn", "sine", "Wave", "sine" }, C::Sine, U::Special, "Click and drag to draw a sine wave.",
            MakeBoxTool },
        { T::Tube, { "StTubeBtn", "tube", "Straight tube", "tube" }, C::Tube, U::Special,
            "Click and drag to draw a straight tube.", MakeBoxTool },
        { T::Text, { "TextBtn", "text", "Text", "text" }, C::Text, U::Special, "Click to add text", MakeTextTool },
        { T::TubeBend, { "BendTubeBtn", "bend", "Tube bend", "bend" }, C::TubeBend, U::Special,
            "Click and drag to draw a tube bend.", MakeBoxTool },
        { T::GraphPaper, { "GraphBtn", "graph", "Graph paper", "graph" }, C::GraphPaper, U::Special,
            "Click and drag to draw a grid.", MakeBoxTool },
        { T::Dropper, { "DropperBtn", "dropper", "Select a colour", "dropper" }, C::Dropper, U::Own, SelectStatus,
            MakeDropperTool },
    };

} // namespace

const std::vector<TToolInfo>& ToolTable() { return Table; }

const TToolInfo& ToolInfo(TTool tool)
{
    const auto it = std::find_if(Table.begin(), Table.end(), [tool](const TToolInfo& t) { return t.Tool == tool; });
    return it == Table.end() ? Table.front() : *it;
}

} // namespace korvo
