#include "shapes/shape_kind_traits.h"

#include <algorithm>
#include <array>

namespace korvo {

namespace {

    using P = TPaintFamily;
    using H = THitFamily;
    using D = TNodeDrag;
    using N = TNodeStyle;
    using C = TConversion;
    using T = TTool;

    // Conversions of kinds with straight edges: to a closed outline where open, an open one where closed,
    // and to Bezier curves either way.
    constexpr TConversions ClosedStraight { C::None, C::KindToOpenPolygon, C::PolygonToOpenCurve,
        C::PolygonToClosedCurve };
    constexpr TConversions OpenStraight { C::KindToPolygon, C::None, C::PolygonToOpenCurve, C::PolygonToClosedCurve };
    constexpr TConversions None {};

    // Kind, paint, line ending painted, hit, node drag, node style, node menu, a line, conversions, made by.
    constexpr std::array<TKindTraits, 17> Table = { {
        { skPolygon, P::Polygon, false, H::Outline, D::Polygon, N::Corners, true, false, ClosedStraight, T::Polygon },
        { skRectangle, P::Polygon, false, H::Outline, D::Polygon, N::Corners, true, false, ClosedStraight,
            T::Rectangle },
        { skCircle, P::Circle, false, H::Outline, D::Circle, N::None, false, false,
            { C::None, C::None, C::KindToOpenCurve, C::None }, T::Circle },
        { skPolyline, P::Polyline, true, H::Outline, D::Polyline, N::Corners, true, true, OpenStraight, {} },
        { skLine, P::Polyline, true, H::Box, D::Line, N::Corners, true, true,
            { C::None, C::None, C::PolygonToOpenCurve, C::None }, T::Line },
        { skCurve, P::ClosedCurve, true, H::Box, D::Curve, N::None, false, true,
            { C::None, C::CurveToOpenPolygon, C::None, C::None }, T::Curve },
        { skText, P::Text, false, H::Outline, D::None, N::None, false, false, None, T::Text },
        { skGroup, P::Group, false, H::Outline, D::None, N::None, false, false, None, {} },
        { skTubeBend, P::TubeBend, false, H::Outline, D::Bend, N::None, false, false, None, T::TubeBend },
        { skOpenCurve, P::OpenCurve, true, H::Outline, D::OpenPath, N::Anchors, true, false,
            { C::CurveToPolygon, C::CurveToOpenPolygon, C::None, C::CloseCurve }, {} },
        { skClosedCurveAlt, P::ClosedCurve, true, H::Outline, D::OpenPath, N::Anchors, true, false,
            { C::CurveToPolygon, C::CurveToOpenPolygon, C::KindToOpenCurve, C::None }, {} },
        { skGraphPaper, P::GraphPaper, false, H::Outline, D::None, N::None, false, false, None, T::GraphPaper },
        // The straight tool makes an upright tube from a box taller than it is wide.
        { skTube, P::TubeAcross, false, H::Outline, D::Polygon, N::None, false, false, None, T::Tube },
        { skTubeVertical, P::TubeUpright, false, H::Outline, D::Polygon, N::None, false, false, None, T::Tube },
        { skClosedCurve, P::ClosedCurve, true, H::Outline, D::ClosedPath, N::Anchors, true, false,
            { C::CurveToPolygon, C::None, C::KindToOpenCurve, C::None }, {} },
        // A sine wave's wave is its form: its nodes can be dragged but not added or deleted.
        { skOpenCurveFilled, P::FilledOpenCurve, true, H::Outline, D::OpenPath, N::None, true, false,
            { C::None, C::CurveToOpenPolygon, C::None, C::CloseCurve }, T::Sine },
        { skOpenPolygon, P::OpenPolygon, true, H::Outline, D::Polyline, N::Corners, true, false, OpenStraight,
            T::Polyline },
    } };

    constexpr TKindTraits Unknown { 0, P::Polygon, false, H::Outline, D::None, N::None, false, false, None, {} };

} // namespace

const TKindTraits& KindTraits(std::int32_t kind)
{
    const auto it = std::find_if(Table.begin(), Table.end(), [kind](const TKindTraits& t) { return t.Kind == kind; });
    return it == Table.end() ? Unknown : *it;
}

std::optional<std::int32_t> KindMadeBy(TTool tool)
{
    const auto it = std::find_if(Table.begin(), Table.end(), [tool](const TKindTraits& t) { return t.MadeBy == tool; });
    return it == Table.end() ? std::nullopt : std::optional<std::int32_t>(it->Kind);
}

} // namespace korvo
