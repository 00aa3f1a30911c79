#pragma once

#include "editor/canvas/canvas_tool.h"

#include <QEvent>
#include <QObject>

#include <map>
#include <memory>

class QKeyEvent;
class QMouseEvent;

namespace korvo {

class TSurfaceWidget;
class TTextFrm;

// The editing canvas: turns mouse and key events on the drawing surface into calls on the drawing,
// through the current tool, and draws the tools' previews over the view. It never edits a shape
// itself, and never paints the drawing: the window repaints when the drawing tells it of a change,
// once for each event.
class TCanvasController : public QObject, public TCanvasServices {
    Q_OBJECT

public:
    // New texts are asked for with the text dialog.
    TCanvasController(TDrawing& drawing, TSurfaceWidget& surface, TTextFrm& textDialog);
    ~TCanvasController() override;

    TTool Tool() const { return FDrawing.Tool(); }
    // Selects a tool, as a click on its button does. A shape under construction stays: the tool
    // that began it keeps the mouse until it is finished.
    void SetDrawStyle(TTool tool);
    bool SnapToGrid() const { return FSnap; }
    void SetSnapToGrid(bool on) { FSnap = on; }
    void SetUseSpecialCursors(bool on);
    // The arrow keys of the window move the selection, or with Ctrl the background picture.
    bool ArrowKey(int key, Qt::KeyboardModifiers modifiers);
    // The view was zoomed or scrolled; a shape under construction follows the pointer again.
    void ViewChanged(QPoint pointer);

    // TCanvasServices.
    TDrawing& Drawing() override { return FDrawing; }
    QPoint Snap(QPoint p) const override;
    const TPen& NewPen() const override { return FNewPen; }
    const TBrush& NewBrush() const override { return FNewBrush; }
    void UpdateOverlay() override;
    void SetCursor(const QCursor& cursor) override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    void ReturnToSelectionTool() override { SetDrawStyle(TTool::Selection); }
    std::optional<TShapeText> AskForText() override;
    void ShowShapeMenu(QPoint at) override;
    void ShowNodeMenu(QPoint at) override;

signals:
    // The pointer's page position for the status bar, in centimetres.
    void PositionChanged(const QString& position);
    // The tool changed; the tool palette checks its button.
    void ToolChanged(korvo::TTool tool);
    // The shape last under the pointer changed; commands that act on it follow.
    void HotShapeChanged();
    void ShapeMenuRequested(QPoint at);
    void NodeMenuRequested(QPoint at);
    // A wheel turn over the surface: one zoom step in or out about the pointer.
    void ZoomStepRequested(QPoint at, bool out);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tool that takes the next event: the one whose interaction is under way, else the chosen one.
    TCanvasTool& ActiveTool();
    TCanvasTool& ChosenTool();
    // The hot shape's index means nothing once shapes left the list or changed places.
    void DrawingChanged(TDrawingChanges changes);
    void MouseEvent(QEvent::Type type, const QMouseEvent& event);
    bool KeyPress(const QKeyEvent& event);
    void ApplyToolCursor();
    void ShowPosition(QPoint at);
    void MoveBackground(float dx, float dy);
    void EndLostDrag();

    TDrawing& FDrawing;
    TSurfaceWidget& FSurface;
    TTextFrm& FTextDialog;
    TPen FNewPen;
    TBrush FNewBrush;
    bool FSnap = true;
    bool FSpecialCursors = true;
    // A button went down on the surface and its release has not been seen yet.
    bool FButtonHeld = false;
    std::map<TTool, std::unique_ptr<TCanvasTool>> FTools;
    TCanvasTool* FInteraction = nullptr;
};

// The instruction the status bar shows over the drawing for a tool.
QString ToolHint(TTool tool);

} // namespace korvo
