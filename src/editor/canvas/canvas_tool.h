#pragma once

#include "document/drawing.h"

#include <QPoint>

#include <memory>
#include <optional>

class QPainter;

namespace korvo {

// A mouse event on the drawing surface, in its client pixels.
struct TPointerEvent {
    QPoint Pos;
    // The button that was pressed or released; NoButton for moves.
    Qt::MouseButton Button = Qt::NoButton;
    Qt::KeyboardModifiers Modifiers;
};

// What the tools share: the drawing, the state that outlives a tool (the shape under the pointer),
// the snap setting and the window's services. Tools never edit shapes themselves; every change is
// one call on the drawing.
class TCanvasServices {
public:
    virtual ~TCanvasServices() = default;
    virtual TDrawing& Drawing() = 0;
    // The point rounded to whole millimetres of the page when snapping is on.
    virtual QPoint Snap(QPoint p) const = 0;
    virtual const TPen& NewPen() const = 0;
    virtual const TBrush& NewBrush() const = 0;
    // Redraws the overlay over the view. The view itself is repainted when the drawing changes.
    virtual void UpdateOverlay() = 0;
    virtual void SetCursor(const QCursor& cursor) = 0;
    // Keeps the mouse with the surface until ReleaseMouse, so a release outside still finishes.
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual void ReturnToSelectionTool() = 0;
    // The text dialog, for a new text; nothing when it is cancelled.
    virtual std::optional<TShapeText> AskForText() = 0;
    // The shape context menus, opened at a surface point; both act on the hot shape.
    virtual void ShowShapeMenu(QPoint at) = 0;
    virtual void ShowNodeMenu(QPoint at) = 0;

    // The shape last found under the pointer or pressed, -1 for none; the context menus act on it.
    // It is let go when shapes leave the drawing or change places in it.
    int HotShape() const { return FHotShape; }
    void SetHotShape(int index) { FHotShape = index; }

private:
    int FHotShape = -1;
};

// One tool on the surface: what its presses, moves and releases do, and the preview it draws.
class TCanvasTool {
public:
    TCanvasTool(TCanvasServices& canvas, TTool tool)
        : FCanvas(canvas)
        , FTool(tool)
    {
    }
    virtual ~TCanvasTool() = default;

    virtual void Press(const TPointerEvent& event) = 0;
    virtual void Move(const TPointerEvent& event) = 0;
    virtual void Release(const TPointerEvent& event) = 0;
    // The preview drawn over the view; nothing when the tool is idle.
    virtual void PaintOverlay(QPainter& painter) const;
    // The button held for the interaction in progress was released elsewhere, or the surface lost
    // the mouse or the focus: a drag ends at once, as far as it went or without a shape when it
    // would leave half a one.
    virtual void Cancel() = 0;
    // Whether an interaction is in progress. Until it ends, the tool keeps the mouse events even
    // when another tool is chosen.
    virtual bool Busy() const = 0;
    // The drawing's zoom or scroll changed while the tool was busy.
    virtual void ViewChanged(QPoint pointer);

protected:
    TCanvasServices& FCanvas;
    const TTool FTool;
};

// A tool that does all it does on the press: nothing to drag, finish or cancel.
class TClickTool : public TCanvasTool {
public:
    using TCanvasTool::TCanvasTool;

    void Move(const TPointerEvent&) override { }
    void Release(const TPointerEvent&) override { }
    void Cancel() override { }
    bool Busy() const override { return false; }
};

using TToolMaker = std::unique_ptr<TCanvasTool> (*)(TTool tool, TCanvasServices& canvas);

// The one maker of every tool; each tool's file points the tool table at it for its own class.
template <class Tool> std::unique_ptr<TCanvasTool> MakeTool(TTool tool, TCanvasServices& canvas)
{
    return std::make_unique<Tool>(canvas, tool);
}

} // namespace korvo
