#pragma once

// Building shapes the way the editor's tools do, for the programs that make the shipped files.

#include "shapes/code_page.h"
#include "shapes/polygon.h"

#include <QString>

#include <vector>

namespace korvo::tools {

TPen Pen(TColour colour, std::int32_t width = 1, std::uint8_t style = psSolid);

// A shape of the kind built from the dragged rectangle, as the box tools make it.
TPolygon Box(std::int32_t kind, TMMRect r, TPen pen, TColour fill);
// A shape of the kind with the given points, as the point tools make it.
TPolygon Points(std::int32_t kind, TMMArray points, TPen pen, TColour fill, std::uint8_t lineEnd = leNone);
// A shape whose points come from one of the shape's own builders (sine, tube bend, graph paper).
TPolygon Built(std::int32_t kind, TMMRect r, TPen pen, TColour fill, void (TPolygon::*build)(const TMMRect&, float));

struct TTextStyle {
    const char* Face;
    std::int32_t Size;
    std::uint8_t Charset = DefaultCharset;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    std::int32_t Orientation = 0;
    TColour Colour = clBlack;
};

TPolygon Text(TMMRect frame, const QString& text, const TTextStyle& style);
TPolygon GraphPaper(TMMRect r, std::int32_t squareSize, TColour majorLines);
TPolygon Group(std::vector<TPolygon> children);

} // namespace korvo::tools
