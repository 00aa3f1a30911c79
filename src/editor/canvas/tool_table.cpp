#include "editor/canvas/tool_table.h"

#include "editor/canvas/tools.h"

#include <algorithm>

namespace korvo {

namespace {

    using T = TTool;
    using U = TCursorUse;
    using C = TToolCursor;
    constexpr const char* SelectStatus
        = QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click to select a shape. Control click to multiselect,");
    constexpr const char* PointsStatus
        = QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click to add a point. Right click to end drawing");

    const std::vector<TToolInfo> Table = {
        { T::Selection, { "SelectBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "Selection tool"), "", "select" },
            C::None, U::Arrow, SelectStatus, MakeSelectionTool },
        { T::Node,
            { "NodeBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "node"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Bezier slection tool"), "node" },
            C::Node, U::Own, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click to edit nodes"), MakeNodeTool },
        { T::Rectangle,
            { "SqBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "square"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Rectangle"), "square" },
            C::Square, U::Special, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click and drag to draw a rectangle."),
            MakeBoxTool },
        { T::Circle,
            { "CircleBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "circle"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Circle"), "circle" },
            C::Circle, U::Special, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click and drag to draw a circle."),
            MakeBoxTool },
        { T::Polygon,
            { "PolyBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "polygon"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Closed polygon"), "polygon" },
            C::Polygon, U::Special, PointsStatus, MakePolyTool },
        { T::Polyline,
            { "PolylineBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "polyline"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Open polygon"), "polyline" },
            C::Polyline, U::Special, PointsStatus, MakePolyTool },
        { T::Line,
            { "LineBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "line"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Straight line"), "line" },
            C::Line, U::Special, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click and drag to draw a straight line"),
            MakeLineTool },
        { T::Arrow,
            { "ArrowBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "Arrow"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Arrow"), "arrow" },
            C::LineArrow, U::Special,
            QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click and drag to draw a straight line ending in an arrow."),
            MakeLineTool },
        { T::Curve,
            { "CurveBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "curve"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Single curve"), "curve" },
            C::Curve, U::Special, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click and drag to draw a curve"),
            MakeLineTool },
        { T::Sine,
            { "SineBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "sine"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Wave"), "sine" },
            C::Sine, U::Special, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click and drag to draw a sine wave."),
            MakeBoxTool },
        { T::Tube,
            { "StTubeBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "tube"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Straight tube"), "tube" },
            C::Tube, U::Special, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click and drag to draw a straight tube."),
            MakeBoxTool },
        { T::Text,
            { "TextBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "text"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Text"), "text" },
            C::Text, U::Special, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click to add text"), MakeTextTool },
        { T::TubeBend,
            { "BendTubeBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "bend"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Tube bend"), "bend" },
            C::TubeBend, U::Special, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click and drag to draw a tube bend."),
            MakeBoxTool },
        { T::GraphPaper,
            { "GraphBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "graph"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Graph paper"), "graph" },
            C::GraphPaper, U::Special, QT_TRANSLATE_NOOP("korvo::TToolInfo", "Click and drag to draw a grid."),
            MakeBoxTool },
        { T::Dropper,
            { "DropperBtn", QT_TRANSLATE_NOOP("korvo::TControlText", "dropper"),
                QT_TRANSLATE_NOOP("korvo::TControlText", "Select a colour"), "dropper" },
            C::Dropper, U::Own, SelectStatus, MakeDropperTool },
    };

} // namespace

const std::vector<TToolInfo>& ToolTable() { return Table; }

const TToolInfo& ToolInfo(TTool tool)
{
    const auto it = std::find_if(Table.begin(), Table.end(), [tool](const TToolInfo& t) { return t.Tool == tool; });
    return it == Table.end() ? Table.front() : *it;
}

} // namespace korvo
