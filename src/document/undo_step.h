#pragma once

#include "document/drawing_file.h"
#include "document/shape_splice.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace korvo {

// What an undo step undoes; the number names the operation and picks the Edit menu's caption.
enum TUndoLabel : int {
    ulAddObject = 0,
    ulCreateLine = 1,
    ulCreateArrow = 2,
    ulCreatePolygon = 3,
    ulCreatePolyline = 4,
    ulCreateCircle = 5,
    ulCreateCurve = 6,
    ulCreateText = 7,
    ulCreateTube = 8,
    ulCreateSine = 9,
    ulMoveSelection = 10,
    ulEditNode = 11,
    ulResizeSelection = 12,
    ulDeleteNode = 13,
    ulGroupSelection = 14,
    ulUngroupSelection = 15,
    ulCreateRectangle = 16,
    ulFillColour = 17,
    ulLineColour = 18,
    ulLineStyle = 19,
    ulLineEnding = 20,
    ulRotation = 21,
    ulReflection = 22,
    ulPaste = 23,
    ulDeleteSelection = 24,
    ulMoveBackOne = 25,
    ulMoveForwardOne = 26,
    ulMoveToBack = 27,
    ulMoveToFront = 28,
    ulConvertToClosedCurve = 29,
    ulConvertToOpenCurve = 30,
    ulCurveToPolygon = 31,
    ulRemoveLabels = 32,
    ulAlignment = 33,
    ulConvertToPolygon = 34,
    ulConvertToOpenPolygon = 35,
    ulAddNode = 36,
    ulImportPicture = 37,
    ulEditText = 38,
    ulPlotGraph = 39,
};

// The Edit menu's caption for a step: "Undo move selection" and so on; "Undo" for unknown numbers.
QString UndoLabel(int label);
// The same for a step undone: "Redo move selection"; "Redo" for unknown numbers.
QString RedoLabel(int label);

// One undo or redo step: the drawing's shapes as they were, and which of them were selected. The
// shapes are shared with the drawing until the drawing changes one of them.
struct TUndoObject {
    TShapeList FShapes;
    // Indices into FShapes of the selected shapes, in depth order.
    std::vector<std::size_t> FSelected;
    int FLabel = 0;
    // How the drawing's shapes changed since the step was recorded, so that putting the step back
    // repaints only those; nothing while none changed.
    std::optional<TShapeSplice> FChanged;
};

} // namespace korvo
