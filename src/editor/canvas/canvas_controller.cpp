#include "editor/canvas/canvas_controller.h"

#include "editor/canvas/box_tool.h"
#include "editor/canvas/line_tool.h"
#include "editor/canvas/node_tool.h"
#include "editor/canvas/poly_tool.h"
#include "editor/canvas/selection_tool.h"
#include "editor/canvas/text_tool.h"
#include "editor/drawing_surface_widget.h"
#include "editor/tool_cursors.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QWheelEvent>

namespace korvo {

namespace {

    enum : int {
        SelectionTool = 0,
        PolygonTool = 1,
        NodeTool = 5,
        PolylineTool = 6,
        LineTool = 7,
        CurveTool = 8,
        TextTool = 9,
        ArrowTool = 11,
        DropperTool = 19,
    };

    // Each tool's cursor by its registered number; 0 for the platform arrow.
    int CursorNumber(int tool)
    {
        static const std::map<int, int> numbers
            = { { PolygonTool, 2 }, { skRectangle, 3 }, { skCircle, 4 }, { NodeTool, 5 }, { PolylineTool, 6 },
                  { LineTool, 7 }, { CurveTool, 8 }, { TextTool, 9 }, { DropperTool, 10 }, { SineTool, 11 },
                  { skTubeBend, 12 }, { ArrowTool, 13 }, { skGraphPaper, 14 }, { skTube, 15 } };
        const auto it = numbers.find(tool);
        return it == numbers.end() ? 0 : it->second;
    }

    constexpr int KeypadStep = 5;
    constexpr float KeypadBackgroundStep = 0.1f;
    constexpr float ArrowBackgroundStep = 5.0f;

} // namespace

QString ToolHint(int tool)
{
    switch (tool) {
    case NodeTool:
        return QStringLiteral("Click to edit nodes");
    case skRectangle:
        return QStringLiteral("Click and drag to draw a rectangle.");
    case skCircle:
        return QStringLiteral("Click and drag to draw a circle.");
    case PolygonTool:
    case PolylineTool:
        return QStringLiteral("Click to add a point. Right click to end drawing");
    case LineTool:
        return QStringLiteral("Click and drag to draw a straight line");
    case ArrowTool:
        return QStringLiteral("Click and drag to draw a straight line ending in an arrow.");
    case CurveTool:
        return QStringLiteral("Click and drag to draw a curve");
    case SineTool:
        return QStringLiteral("Click and drag to draw a sine wave.");
    case skTube:
        return QStringLiteral("Click and drag to draw a straight tube.");
    case TextTool:
        return QStringLiteral("Click to add text");
    case skTubeBend:
        return QStringLiteral("Click and drag to draw a tube bend.");
    case skGraphPaper:
        return QStringLiteral("Click and drag to draw a grid.");
    default:
        return QStringLiteral("Click to select a shape. Control click to multiselect,");
    }
}

TCanvasController::TCanvasController(TDrawing& drawing, TSurfaceWidget& surface, TCanvasHost host)
    : FDrawing(drawing)
    , FSurface(surface)
    , FHost(std::move(host))
{
    FNewBrush.Style = bsClear;
    FTools[SelectionTool] = std::make_unique<TSelectionTool>(*this);
    FTools[NodeTool] = std::make_unique<TNodeTool>(*this);
    for (int tool : { int(skRectangle), int(skCircle), SineTool, int(skTubeBend), int(skGraphPaper), int(skTube) })
        FTools[tool] = std::make_unique<TBoxTool>(*this, tool);
    for (int tool : { LineTool, ArrowTool, CurveTool })
        FTools[tool] = std::make_unique<TLineTool>(*this, tool);
    for (int tool : { PolygonTool, PolylineTool })
        FTools[tool] = std::make_unique<TPolyTool>(*this, tool);
    FTools[TextTool] = std::make_unique<TTextTool>(*this);
    FSurface.SetOverlay([this](QPainter& painter) { CurrentTool().PaintOverlay(painter); });
    FSurface.installEventFilter(this);
}

TCanvasController::~TCanvasController() { FSurface.removeEventFilter(this); }

TCanvasTool& TCanvasController::CurrentTool()
{
    const auto it = FTools.find(FDrawing.Tool());
    return it == FTools.end() ? *FTools[SelectionTool] : *it->second;
}

void TCanvasController::SetDrawStyle(int tool)
{
    CancelInteraction();
    FDrawing.SetTool(tool);
    if (FHost.ToolChanged)
        FHost.ToolChanged(tool);
    if (tool == SelectionTool) {
        FDrawing.SetNodeMode(0);
    } else if (tool == NodeTool) {
        FDrawing.SetNodeMode(1);
    } else if (tool != DropperTool) {
        FDrawing.Deselect();
        // A new curve shows its nodes at once.
        FDrawing.SetNodeMode(tool == CurveTool ? 1 : 0);
    }
    ApplyToolCursor();
    FSurface.setStatusTip(ToolHint(tool));
    // The status bar shows the hint of what is under the pointer; after a text or a sheet of graph
    // paper the tool changes with the pointer still on the surface.
    if (FSurface.underMouse()) {
        QStatusTipEvent tip(FSurface.statusTip());
        QCoreApplication::sendEvent(&FSurface, &tip);
    }
    Repaint();
}

void TCanvasController::SetUseSpecialCursors(bool on)
{
    FSpecialCursors = on;
    ApplyToolCursor();
}

void TCanvasController::ApplyToolCursor()
{
    const int tool = FDrawing.Tool();
    const int number = CursorNumber(tool);
    if (number == 0)
        SetCursor(Qt::ArrowCursor);
    else if (FSpecialCursors || tool == NodeTool || tool == DropperTool)
        SetCursor(ToolCursor(number));
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

void TCanvasController::Repaint() { FDrawing.Paint(); }

void TCanvasController::UpdateOverlay() { FSurface.update(); }

void TCanvasController::SetCursor(const QCursor& cursor) { FSurface.setCursor(cursor); }

void TCanvasController::CaptureMouse() { FSurface.grabMouse(); }

void TCanvasController::ReleaseMouse() { FSurface.releaseMouse(); }

std::optional<TShapeText> TCanvasController::AskForText()
{
    return FHost.AskForText ? FHost.AskForText() : std::nullopt;
}

void TCanvasController::ShowShapeMenu(QPoint at)
{
    if (FHost.ShowShapeMenu)
        FHost.ShowShapeMenu(at);
}

void TCanvasController::ShowNodeMenu(QPoint at)
{
    if (FHost.ShowNodeMenu)
        FHost.ShowNodeMenu(at);
}

void TCanvasController::CancelInteraction()
{
    TCanvasTool& tool = CurrentTool();
    if (tool.Busy())
        tool.Cancel();
}

void TCanvasController::ViewChanged(QPoint pointer)
{
    TCanvasTool& tool = CurrentTool();
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
    case QEvent::MouseButtonRelease:
        MouseEvent(event->type(), static_cast<const QMouseEvent&>(*event));
        return true;
    case QEvent::Wheel: {
        const auto& wheel = static_cast<const QWheelEvent&>(*event);
        const int delta = wheel.angleDelta().y();
        if (delta != 0 && FHost.ZoomStep) {
            FHost.ZoomStep(wheel.position().toPoint(), delta < 0);
            ViewChanged(wheel.position().toPoint());
        }
        return true;
    }
    case QEvent::KeyPress:
        return KeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::FocusOut:
        // A popup menu takes the focus on purpose; anything else ends a drag cleanly.
        if (static_cast<const QFocusEvent&>(*event).reason() != Qt::PopupFocusReason)
            CancelInteraction();
        return false;
    default:
        return false;
    }
}

void TCanvasController::MouseEvent(QEvent::Type type, const QMouseEvent& event)
{
    const TPointerEvent pointer { event.position().toPoint(), event.button(), event.modifiers() };
    switch (type) {
    case QEvent::MouseMove: {
        const TMMPoint cm = FDrawing.DeviceToCM(pointer.Pos.x(), pointer.Pos.y());
        const QLocale locale;
        if (FHost.ShowPosition)
            FHost.ShowPosition(
                QStringLiteral("x = %1 y=%2").arg(locale.toString(cm.X, 'f', 2), locale.toString(cm.Y, 'f', 2)));
        if (FButtonHeld && event.buttons() == Qt::NoButton)
            ReleaseLost();
        CurrentTool().Move(pointer);
        break;
    }
    case QEvent::MouseButtonRelease:
        FButtonHeld = event.buttons() != Qt::NoButton;
        CurrentTool().Release(pointer);
        if (FHost.ActionEnded)
            FHost.ActionEnded();
        break;
    default:
        FButtonHeld = true;
        FSurface.setFocus(Qt::MouseFocusReason);
        CurrentTool().Press(pointer);
        break;
    }
}

void TCanvasController::ReleaseLost()
{
    // Another window took the mouse and the release went there: the drag ends now rather than
    // following a pointer whose button is up.
    FButtonHeld = false;
    CancelInteraction();
    if (FHost.ActionEnded)
        FHost.ActionEnded();
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
            MoveBackground(dx * KeypadBackgroundStep, dy * KeypadBackgroundStep);
        else
            FDrawing.MoveSelection(dx * KeypadStep, dy * KeypadStep);
    } else {
        return ArrowKey(event.key(), event.modifiers());
    }
    Repaint();
    if (FHost.ActionEnded)
        FHost.ActionEnded();
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
    if (FDrawing.HasBackground() && (modifiers & Qt::ControlModifier)) {
        MoveBackground(dx * ArrowBackgroundStep, dy * ArrowBackgroundStep);
    } else {
        const int step = (modifiers & Qt::ShiftModifier) ? 5 : 1;
        FDrawing.MoveSelection(dx * step, dy * step);
    }
    Repaint();
    if (FHost.ActionEnded)
        FHost.ActionEnded();
    return true;
}

} // namespace korvo
