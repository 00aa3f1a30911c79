#pragma once

#include "shapes/polygon.h"

#include <QPainter>
#include <QPen>

namespace korvo {

// Graph paper: two families of lines across the sheet, one square size apart, following the sheet
// when it is turned; every 5th or 10th line thicker when the paper asks for major lines.
// `pen` is the shape's pen as painting set it up. Squares finer than one device pixel draw nothing.
void DrawGraphPaper(QPainter& painter, const TPolygon& paper, int offsetX, int offsetY, float scale, QPen pen);

// The same for printers and pictures: widths follow the device resolution.
void DrawGraphPaperOnDevice(
    QPainter& painter, const TPolygon& paper, int offsetX, int offsetY, float scale, QPen pen, int logPixelsY);

// Major lines: every 10th for a red font colour, every 5th for blue, none otherwise.
int GraphPaperMajorStep(const TPolygon& paper);

} // namespace korvo
