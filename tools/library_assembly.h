#pragma once

// Drawings assembled from the shipped library's pictures, dropped through the drawing's own drop the
// way the library panel drops them, for the sample drawings and the help's pictures.

#include "document/drawing.h"
#include "tools/default_library/pages.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace korvo::tools {

class TAssembly {
public:
    TAssembly();

    // Drops the library picture of that name with its top-left corner at (x, y) mm. Throws
    // std::invalid_argument with the name when the library has no such picture.
    void Drop(const char* name, int x, int y);
    // Straight black wires 2 pixels wide along the corners of a path in mm, one line per leg, as the
    // line tool draws them.
    void Wire(std::initializer_list<std::pair<int, int>> path);
    TDrawing& Drawing() { return FDrawing; }
    const TShapeList& Shapes() const { return FDrawing.Shapes(); }

private:
    const TPolygon& PictureNamed(const char* name) const;

    std::vector<TPicturePage> FPages;
    TDrawing FDrawing;
};

} // namespace korvo::tools
