#pragma once

#include "shapes/drawing_tools.h"
#include "shapes/shape_kinds.h"

#include <cstdint>
#include <optional>

namespace korvo {

// What a kind means to the code that paints, finds, edits, converts and draws shapes, in one row per
// kind. A new kind gets a row here; the painter, the node tool, the node drag, the hit test, the shape
// menu and the box tools read it instead of listing kinds of their own.

// How the painter draws a kind's points.
enum class TPaintFamily : std::uint8_t {
    // A closed straight outline, filled; also any number no row has.
    Polygon,
    // A closed Bezier outline, filled, stroked unless the pen is clear.
    Circle,
    // Straight segments, never filled.
    Polyline,
    // A Bezier outline filled as if closed, stroked open.
    ClosedCurve,
    // A Bezier outline stroked only.
    OpenCurve,
    // A Bezier outline filled open, then stroked.
    FilledOpenCurve,
    // Straight segments filled unless the brush is clear, stroked open.
    OpenPolygon,
    TubeBend,
    // A straight tube, walls along the first and last edges or, upright, along the first two.
    TubeAcross,
    TubeUpright,
    Text,
    GraphPaper,
    Group,
};

// How a press finds a shape whose box is neither flat nor upright: anywhere in its box, or on its outline.
enum class THitFamily : std::uint8_t {
    Outline,
    Box,
};

// Which nodes a node drag may move, which nodes follow it and what its preview shows.
enum class TNodeDrag : std::uint8_t {
    None,
    Polygon,
    Polyline,
    Line,
    Curve,
    OpenPath,
    ClosedPath,
    Circle,
    Bend,
};

// How the node menu adds and deletes the nodes of a kind.
enum class TNodeStyle : std::uint8_t {
    None,
    // Any node is a corner; a new one goes half way to the next.
    Corners,
    // Only Bezier anchors are added after or deleted, each with its control points.
    Anchors,
};

// What the shape menu's polygon and curve conversions do to a shape.
enum class TConversion : std::uint8_t {
    // The command does nothing for the kind, so its item is disabled.
    None,
    // The points kept, the kind changed.
    KindToPolygon,
    KindToOpenPolygon,
    KindToOpenCurve,
    // Only the anchors kept, as a closed or an open polygon.
    CurveToPolygon,
    CurveToOpenPolygon,
    // Each edge becomes a straight Bezier segment, open or closed.
    PolygonToOpenCurve,
    PolygonToClosedCurve,
    // A straight segment back to the start added.
    CloseCurve,
};

// The four conversions of the shape menu, each as it applies to one kind.
struct TConversions {
    TConversion ToPolygon = TConversion::None;
    TConversion ToPolyline = TConversion::None;
    TConversion ToOpenCurve = TConversion::None;
    TConversion ToClosedCurve = TConversion::None;
};

struct TKindTraits {
    std::int32_t Kind;
    TPaintFamily Paint;
    // Whether the line ending is painted at the last point.
    bool PaintsLineEnding;
    THitFamily Hit;
    TNodeDrag Drag;
    TNodeStyle Nodes;
    // Whether the node tool offers the node menu on a shape of the kind.
    bool NodeMenu;
    // Whether the selection counts as holding lines, for the line ending styles.
    bool IsLine;
    TConversions Converts;
    // The tool that draws the kind; nothing for kinds only conversions, groups and files make.
    std::optional<TTool> MadeBy;
};

// The row of a kind; a record's number that no row has paints as a polygon and offers nothing else.
const TKindTraits& KindTraits(std::int32_t kind);

// The kind a drawing tool makes; nothing for the tools that make no shape.
std::optional<std::int32_t> KindMadeBy(TTool tool);

} // namespace korvo
