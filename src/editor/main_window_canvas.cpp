#include "editor/main_window.h"

#include "dialogs/text_dialog.h"
#include "editor/canvas/canvas_controller.h"
#include "editor/drawing_surface_widget.h"
#include "editor/paint_panel.h"
#include "editor/shape_commands.h"
#include "editor/view_navigator.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

namespace korvo {

void TMainDrawFrm::BuildCanvas()
{
    TCanvasHost host;
    host.ShowPosition = [this](const QString& position) { XYLabel->setText(position); };
    host.ToolChanged = [this](TTool tool) {
        if (QAction* button = ToolAction(tool))
            button->setChecked(true);
    };
    host.HotShapeChanged = [this] { RefreshCommandStates(); };
    host.ShowShapeMenu = [this](QPoint at) { Popup(ConvertPUM, at); };
    host.ShowNodeMenu = [this](QPoint at) { Popup(NodePUM, at); };
    host.ZoomStep = [this](QPoint at, bool out) { FNavigator->ZoomStep(at, out); };
    FTextFrm = new TTextFrm(this);
    host.AskForText = [this] { return FTextFrm->Ask(); };
    FCanvas = std::make_unique<TCanvasController>(FDrawing, *Pic, std::move(host));
    FShapeCommands = std::make_unique<TShapeCommands>(FDrawing, *FCanvas, FPrompts, *FTextFrm, *this);
    FNavigator = std::make_unique<TViewNavigator>(
        FDrawing, TViewNavigator::TWidgets { *Pic, *XHsb, *YHsb, *XRulePic, *YRulePic, *ZoomCombo });
    Pic->SetOnResize([this](QSize size) { FNavigator->SurfaceResized(size); });
    connect(ZoomCombo, &QComboBox::activated, this, [this](int index) { FNavigator->ZoomChosen(index); });
    for (QScrollBar* bar : { XHsb, YHsb })
        connect(bar, &QScrollBar::valueChanged, this, [this] { FNavigator->Scrolled(); });
    XRulePic->SetOnPaint(
        [this](QPainter& painter, const QRect& area) { FNavigator->PaintHorizontalRuler(painter, area); });
    YRulePic->SetOnPaint(
        [this](QPainter& painter, const QRect& area) { FNavigator->PaintVerticalRuler(painter, area); });
    FCanvas->SetDrawStyle(TTool::Selection);
}

} // namespace korvo
