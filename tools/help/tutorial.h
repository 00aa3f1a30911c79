#pragma once

// A tutorial's drawing as a teacher would make it, step by step, through the drawing's own operations
// and the library's own drop, and one picture of it after each step. A picture shows the drawing so
// far inside a light frame that stays put through the tutorial, so that the pictures line up, with
// red marks over it for what the step does: where to drag, where to click.

#include "document/drawing_modes.h"
#include "tools/default_library/art.h"
#include "tools/library_assembly.h"

#include <QString>

namespace korvo::tools {

class TTutorial {
public:
    // Pictures are saved in the folder as NAME-1.kv, NAME-2.kv, ...
    TTutorial(const QString& folder, const char* name, TMMRect frame);

    // What the box tools draw from a dragged box: rectangle, circle, wave, tube, tube bend, graph paper.
    // Shapes start with the tools' own thin black pen, as on the screen.
    void Box(TTool tool, TMMRect box, TPen pen = {});
    void Line(TMMPoint from, TMMPoint to, std::uint8_t ending = leNone, TPen pen = {});
    // A closed or open polygon from its clicked corners.
    void Polygon(std::int32_t kind, const TMMArray& corners, TPen pen = {});
    void Text(TMMPoint at, const char* text, int points = 12, bool bold = false);
    void Drop(const char* picture, int x, int y) { FAssembly.Drop(picture, x, y); }
    void Wire(std::initializer_list<std::pair<int, int>> path) { FAssembly.Wire(path); }
    // Selects the shape alone, as a click on it would; -1 is the newest shape.
    void Select(int index = -1);
    TDrawing& Drawing() { return FAssembly.Drawing(); }
    // The box around a shape, in millimetres; -1 is the newest shape.
    TMMRect Bounds(int index = -1) const;

    // Saves the picture of the next step with the marks over the drawing.
    void Step(const TParts& marks = {});

private:
    int Index(int index) const;

    QString FFolder;
    QString FName;
    TMMRect FFrame;
    TAssembly FAssembly;
    int FSteps = 0;
};

// A drag from one point to another: a dotted red arrow.
TPolygon DragMark(TMMPoint from, TMMPoint to);
// Clicks at the points in order: a small red ring at each, numbered from 1 above it.
TParts ClickMarks(std::initializer_list<TMMPoint> points);
// A red pointer at the point, as of a click on what lies there.
TParts PointMark(TMMPoint at);

} // namespace korvo::tools
