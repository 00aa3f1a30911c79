#pragma once

#include "document/drawing_file.h"

#include <QString>

#include <vector>

namespace korvo {

// The editor's one document: the ordered shapes of the page (index 0 at the back), the selection,
// and the scale at which the shapes' device bounds are cached.
class TDrawing {
public:
    const TShapeList& Shapes() const { return FShapes; }
    const std::vector<TPolygon*>& Selection() const { return FSelection; }
    int ShapeCount() const { return static_cast<int>(FShapes.size()); }
    int SelCount() const { return static_cast<int>(FSelection.size()); }
    float Scale() const { return FScale; }

    void ClearShapes();
    void ClearSelection();

    // Sets the scale and refreshes every shape's device bounds and handles for it.
    void SetScale(float scale);
    void RefreshShapes();

    // Both throw EFileError with a message for the user. A failed load leaves the drawing as it was;
    // a failed save leaves any existing file intact. Success leaves DocState at dsSaved.
    void SaveFile(const QString& fileName) const;
    void LoadFile(const QString& fileName);

private:
    TShapeList FShapes;
    std::vector<TPolygon*> FSelection;
    float FScale = 10.0f;
};

} // namespace korvo
