#pragma once

// Drawings assembled from the shipped library's pictures, dropped through the drawing's own drop the
// way the library panel drops them, for the sample drawings and the help's pictures.

#include "document/drawing.h"
#include "tools/default_library/pages.h"

#include <vector>

namespace korvo::tools {

class TAssembly {
public:
    TAssembly();

    // Drops the library picture of that name with its top-left corner at (x, y) mm. Throws
    // std::invalid_argument with the name when the library has no such picture.
    void Drop(const char* name, int x, int y);
    // A straight black wire 2 pixels wide from (x1, y1) to (x2, y2) mm, as the line tool draws it.
    void Wire(int x1, int y1, int x2, int y2);
    TDrawing& Drawing() { return FDrawing; }
    const TShapeList& Shapes() const { return FDrawing.Shapes(); }

private:
    const TPolygon& PictureNamed(const char* name) const;

    std::vector<TPicturePage> FPages;
    TDrawing FDrawing;
};

} // namespace korvo::tools
