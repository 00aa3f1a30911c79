#pragma once

// The small vocabulary every picture of the shipped library is drawn with, so that all pages share
// one look: the same line widths, the same glass, liquid and material colours, the same labels.

#include "tools/default_library/path.h"
#include "tools/shape_builders.h"

#include <vector>

namespace korvo::tools {

using TParts = std::vector<TPolygon>;

constexpr TColour Rgb(int r, int g, int b)
{
    return static_cast<TColour>(r) | static_cast<TColour>(g) << 8 | static_cast<TColour>(b) << 16;
}

constexpr TColour GlassFill = clWhite;
constexpr TColour LiquidFill = Rgb(200, 230, 255);
constexpr TColour Metal = Rgb(190, 190, 195);
constexpr TColour DarkMetal = Rgb(95, 95, 100);
constexpr TColour Brass = Rgb(215, 180, 90);
constexpr TColour Wood = Rgb(222, 184, 135);
constexpr TColour Rubber = Rgb(120, 110, 105);
constexpr TColour Porcelain = Rgb(250, 250, 245);
constexpr TColour FlameOuter = Rgb(150, 190, 255);
constexpr TColour FlameInner = Rgb(40, 90, 230);
constexpr TColour FlameYellow = Rgb(255, 200, 40);
constexpr TColour FlameOrange = Rgb(255, 140, 20);
constexpr TColour NorthRed = Rgb(220, 40, 40);
constexpr TColour SouthBlue = Rgb(50, 90, 220);

// Outlines of every picture; finer details (scales, hatching, cell parts) with the thin pen.
extern const TPen Outline;
extern const TPen Thin;
extern const TPen Thick;
extern const TPen NoLine;

TPolygon Line(TMMPoint a, TMMPoint b, TPen pen = Outline, std::uint8_t lineEnd = leNone);
// An open run of straight lines, never filled.
TPolygon Polyline(TMMArray points, TPen pen = Outline, std::uint8_t lineEnd = leNone);
TPolygon Polygon(TMMArray points, TPen pen, TColour fill);
TPolygon Rect(TMMRect r, TPen pen, TColour fill);
TPolygon Ellipse(TMMRect r, TPen pen, TColour fill);
TPolygon Circle(TMMPoint centre, float radius, TPen pen, TColour fill);
// A closed outline, filled; an open one is filled up to the chord between its ends.
TPolygon Curve(const TPath& path, TPen pen, TColour fill);
TPolygon Curve(TMMArray points, TPen pen, TColour fill);

// Glass open at the top (or closed, if the outline is): white inside, holding liquid up to the level.
void AddVessel(TParts& parts, const TPath& outline);
void AddVessel(TParts& parts, const TPath& outline, float liquidLevel);
// Straight glass tubes: the walls only, so that tubes and bends join without seams.
TPolygon TubeAcross(TMMRect r);
TPolygon TubeDown(TMMRect r);
// A quarter bend of tube in a square box, named by the corner of a rectangle it makes: a TopLeft
// bend leaves its box downwards on the left and to the right at the top.
enum class TBendCorner { TopLeft, TopRight, BottomLeft, BottomRight };
TPolygon Bend(TMMRect box, TBendCorner corner);

// Scale marks: count marks from start, one every step, each drawn along mark; every longEvery-th
// mark (the first included) twice as long.
void AddTicks(TParts& parts, TMMPoint start, TMMPoint step, int count, TMMPoint mark, int longEvery);

// Short words and letters, centred on a point. Sizes are font points; a 12-point capital is about
// 3 mm high on the page.
TPolygon Label(TMMPoint centre, const char* text, int points, TColour colour = clBlack, bool bold = false);

// Moves the parts by the offset and appends them, for pictures made of other pictures' parts.
void AddMoved(TParts& into, TParts parts, TMMPoint by);

// A picture made of parts, drawn with its top-left corner at (0, 0) mm so that the points meant to
// meet other pieces lie on the grid.
TPolygon Picture(TParts parts);
// A picture whose outline is free (living things, planets): moved so that its top-left is (0, 0).
TPolygon PictureAtOrigin(TParts parts);

} // namespace korvo::tools
