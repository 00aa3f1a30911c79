#include "editor/canvas/canvas_controller.h"

#include "dialogs/text_dialog.h"
#include "editor/canvas/tool_table.h"
#include "editor/drawing_surface_widget.h"
#include "editor/tool_cursors.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QWheelEvent>

namespace korvo {

QString ToolHint(TTool tool) { return QCoreApplication::translate("korvo::TToolInfo", ToolInfo(tool).Status); }

TCanvasController::TCanvasController(TDrawing& drawing, TSurfaceWidget& surface, TTextFrm& textDialog)
    : FDrawing(drawing)
    , FSurface(surface)
    , FTextDialog(textDialog)
{
    FNewBrush.Style = bsClear;
    for (const TToolInfo& tool : ToolTable())
        FTools[tool.Tool] = tool.Make(tool.Tool, *this);
    connect(&FSurface, &TSurfaceWidget::PaintingOverlay, this,
        [this](QPainter& painter) { ActiveTool().PaintOverlay(painter); });
    FSurface.installEventFilter(this);
    connect(&FDrawing, &TDrawing::Changed, this, &TCanvasController::DrawingChanged);
}

void TCanvasController::DrawingChanged(TDrawingChanges changes)
{
    if (!(changes & TDrawingChange::Order) || HotShape() < 0)
        return;
    SetHotShape(-1);
    emit HotShapeChanged();
}

TCanvasController::~TCanvasController() { FSurface.removeEventFilter(this); }

TCanvasTool& TCanvasController::ChosenTool()
{
    const auto it = FTools.find(FDrawing.Tool());
    return it == FTools.end() ? *FTools.at(TTool::Selection) : *it->second;
}

TCanvasTool& TCanvasController::ActiveTool()
{
    return FInteraction && FInteraction->Busy() ? *FInteraction : ChosenTool();
}

void TCanvasController::SetDrawStyle(TTool tool)
{
    const TDrawingUpdate update(FDrawing);
    FDrawing.SetTool(tool);
    emit ToolChanged(tool);
    if (tool == TTool::Selection) {
        FDrawing.SetNodeMode(TNodeMode::Handles);
    } else if (tool == TTool::Node) {
        FDrawing.SetNodeMode(TNodeMode::Nodes);
    } else if (tool != TTool::Dropper) {
        FDrawing.Deselect();
        // A new curve shows its nodes at once.
        FDrawing.SetNodeMode(tool == TTool::Curve ? TNodeMode::Nodes : TNodeMode::Handles);
    }
    ApplyToolCursor();
    FSurface.setStatusTip(ToolHint(tool));
    // The status bar shows the hint of what is under the pointer; after a text or a sheet of graph
    // paper the tool changes with the pointer still on the surface.
    if (FSurface.underMouse()) {
        QStatusTipEvent tip(FSurface.statusTip());
        QCoreApplication::sendEvent(&FSurface, &tip);
    }
}

void TCanvasController::SetUseSpecialCursors(bool on)
{
    FSpecialCursors = on;
    ApplyToolCursor();
}

void TCanvasController::ApplyToolCursor()
{
    const TToolInfo& tool = ToolInfo(FDrawing.Tool());
    if (tool.CursorUse == TCursorUse::Arrow)
        SetCursor(Qt::ArrowCursor);
    else if (tool.CursorUse == TCursorUse::Own || FSpecialCursors)
        SetCursor(ToolCursor(tool.Cursor));
    else
        SetCursor(Qt::CrossCursor);
}

QPoint TCanvasController::Snap(QPoint p) const
{
    if (!FSnap)
        return p;
    int x = p.x();
    int y = p.y();
    FDrawing.SnapToGrid(x, y);
    return { x, y };
}

void TCanvasController::UpdateOverlay() { FSurface.update(); }

void TCanvasController::SetCursor(const QCursor& cursor) { FSurface.setCursor(cursor); }

void TCanvasController::CaptureMouse() { FSurface.grabMouse(); }

void TCanvasController::ReleaseMouse() { FSurface.releaseMouse(); }

std::optional<TShapeText> TCanvasController::AskForText() { return FTextDialog.Ask(); }

void TCanvasController::ShowShapeMenu(QPoint at) { emit ShapeMenuRequested(at); }

void TCanvasController::ShowNodeMenu(QPoint at) { emit NodeMenuRequested(at); }

void TCanvasController::ViewChanged(QPoint pointer)
{
    TCanvasTool& tool = ActiveTool();
    if (tool.Busy())
        tool.ViewChanged(pointer);
    UpdateOverlay();
}

bool TCanvasController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &FSurface)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const int hot = HotShape();
        {
            const TDrawingUpdate update(FDrawing);
            MouseEvent(event->type(), static_cast<const QMouseEvent&>(*event));
        }
        if (HotShape() != hot)
            emit HotShapeChanged();
        return true;
    }
    case QEvent::Wheel: {
        const auto& wheel = static_cast<const QWheelEvent&>(*event);
        const int delta = wheel.angleDelta().y();
        if (delta != 0) {
            emit ZoomStepRequested(wheel.position().toPoint(), delta < 0);
            ViewChanged(wheel.position().toPoint());
        }
        return true;
    }
    case QEvent::KeyPress: {
        const TDrawingUpdate update(FDrawing);
        return KeyPress(static_cast<const QKeyEvent&>(*event));
    }
    case QEvent::FocusOut:
        // A popup menu takes the focus on purpose; anything else ends a drag whose button is held.
        // Points placed for a polygon stay: its next click continues it.
        if (FButtonHeld && static_cast<const QFocusEvent&>(*event).reason() != Qt::PopupFocusReason)
            EndLostDrag();
        return false;
    default:
        return false;
    }
}

void TCanvasController::ShowPosition(QPoint at)
{
    const TMMPoint cm = FDrawing.DeviceToCM(at.x(), at.y());
    const QLocale locale;
    emit PositionChanged(
        QStringLiteral("x = %1 y=%2").arg(locale.toString(cm.X, 'f', 2), locale.toString(cm.Y, 'f', 2)));
}

void TCanvasController::MouseEvent(QEvent::Type type, const QMouseEvent& event)
{
    const TPointerEvent pointer { event.position().toPoint(), event.button(), event.modifiers() };
    switch (type) {
    case QEvent::MouseMove:
        ShowPosition(pointer.Pos);
        // Another window took the mouse and the release went there: the drag ends now rather than
        // following a pointer whose button is up.
        if (FButtonHeld && event.buttons() == Qt::NoButton)
            EndLostDrag();
        ActiveTool().Move(pointer);
        break;
    case QEvent::MouseButtonRelease:
        FButtonHeld = event.buttons() != Qt::NoButton;
        ActiveTool().Release(pointer);
        break;
    default:
        FButtonHeld = true;
        FSurface.setFocus(Qt::MouseFocusReason);
        FInteraction = &ActiveTool();
        FInteraction->Press(pointer);
        break;
    }
}

void TCanvasController::EndLostDrag()
{
    FButtonHeld = false;
    TCanvasTool& tool = ActiveTool();
    if (tool.Busy())
        tool.Cancel();
}

void TCanvasController::MoveBackground(float dx, float dy)
{
    const TMMPoint at = FDrawing.BackgroundPosition();
    FDrawing.SetBackgroundPosition(at.X + dx, at.Y + dy);
}

bool TCanvasController::KeyPress(const QKeyEvent& event)
{
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    const bool backgroundKey = FDrawing.HasBackground() && (event.modifiers() & Qt::ControlModifier);
    if (event.key() == Qt::Key_Delete) {
        FDrawing.DeleteSelection();
    } else if (keypad
        && (event.key() == Qt::Key_2 || event.key() == Qt::Key_4 || event.key() == Qt::Key_6
            || event.key() == Qt::Key_8)) {
        // The keypad moves by 5 pixels, or the background picture by a tenth of a millimetre.
        const int dx = event.key() == Qt::Key_4 ? -1 : event.key() == Qt::Key_6 ? 1 : 0;
        const int dy = event.key() == Qt::Key_8 ? -1 : event.key() == Qt::Key_2 ? 1 : 0;
        if (backgroundKey)
            MoveBackground(dx * 0.1f, dy * 0.1f);
        else
            FDrawing.MoveSelection(dx * 5, dy * 5);
    } else {
        return ArrowKey(event.key(), event.modifiers());
    }
    return true;
}

bool TCanvasController::ArrowKey(int key, Qt::KeyboardModifiers modifiers)
{
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return false;
    }
    // With Ctrl the background picture moves by 5 mm; the selection moves by a pixel, or 5 with Shift.
    if (FDrawing.HasBackground() && (modifiers & Qt::ControlModifier)) {
        MoveBackground(dx * 5.0f, dy * 5.0f);
    } else {
        const int step = (modifiers & Qt::ShiftModifier) ? 5 : 1;
        FDrawing.MoveSelection(dx * step, dy * step);
    }
    return true;
}

} // namespace korvo
