#pragma once

#include "geometry/mm_types.h"
#include "shapes/polygon.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace korvo {

// The parts of a picture that Korvo's shapes cannot hold, by sort. Counted, not an error.
struct TSvgLeftOut {
    int Bitmaps = 0;
    int Filters = 0;
    int Patterns = 0;
    int Clips = 0;
    int Texts = 0; // in characters that no character set of Korvo holds
    int Other = 0;
};

struct TSvgImport {
    // In mm, the picture's top-left at (0,0), true size, in reading order.
    std::vector<TPolygon> Shapes;
    // The picture's box in mm (from width/height/viewBox).
    TMMRect Bounds;
    TSvgLeftOut LeftOut;
    // Empty on success; otherwise the one-line reason, translated, without the file name.
    QString Error;
};

// Reads an SVG picture, or a gzip-compressed one (.svgz, told by its magic bytes). Every byte is
// untrusted: sizes, depth, counts and inflated bytes are bounded, and nothing outside the bytes is
// ever fetched.
TSvgImport ReadSvg(const QByteArray& bytes);

// "3 parts of the picture could not be taken in: 2 bitmaps, 1 filter", translated; empty when none.
QString LeftOutNote(const TSvgLeftOut& leftOut);

} // namespace korvo
