#include "editor/main_window.h"

#include "dialogs/paint_panel.h"
#include "dialogs/text_dialog.h"
#include "editor/canvas/canvas_controller.h"
#include "editor/drawing_surface_widget.h"
#include "editor/drop_targets.h"
#include "editor/picture_import.h"
#include "editor/shape_commands.h"
#include "editor/view_navigator.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

namespace korvo {

void TMainDrawFrm::BuildCanvas()
{
    FTextFrm = new TTextFrm(this);
    FCanvas = std::make_unique<TCanvasController>(FDrawing, *Pic, *FTextFrm);
    connect(FCanvas.get(), &TCanvasController::PositionChanged, XYLabel, &QLabel::setText);
    connect(FCanvas.get(), &TCanvasController::ToolChanged, &FWiring, [this](TTool tool) {
        if (QAction* button = ToolAction(tool))
            button->setChecked(true);
    });
    connect(FCanvas.get(), &TCanvasController::HotShapeChanged, &FWiring, [this] { RefreshCommandStates(); });
    connect(
        FCanvas.get(), &TCanvasController::ShapeMenuRequested, &FWiring, [this](QPoint at) { Popup(ConvertPUM, at); });
    connect(FCanvas.get(), &TCanvasController::NodeMenuRequested, &FWiring, [this](QPoint at) { Popup(NodePUM, at); });
    connect(FCanvas.get(), &TCanvasController::ZoomStepRequested, &FWiring,
        [this](QPoint at, bool out) { FNavigator->ZoomStep(at, out); });
    FShapeCommands = std::make_unique<TShapeCommands>(FDrawing, *FCanvas, FPrompts, *FTextFrm, *this);
    FNavigator = std::make_unique<TViewNavigator>(
        FDrawing, TViewNavigator::TWidgets { *Pic, *XHsb, *YHsb, *XRulePic, *YRulePic, *ZoomCombo });
    connect(Pic, &TSurfaceWidget::Resized, &FWiring, [this](QSize size) { FNavigator->SurfaceResized(size); });
    connect(ZoomCombo, &QComboBox::activated, &FWiring, [this](int index) { FNavigator->ZoomChosen(index); });
    for (QScrollBar* bar : { XHsb, YHsb })
        connect(bar, &QScrollBar::valueChanged, &FWiring, [this] { FNavigator->Scrolled(); });
    XRulePic->SetOnPaint(
        [this](QPainter& painter, const QRect& area) { FNavigator->PaintHorizontalRuler(painter, area); });
    YRulePic->SetOnPaint(
        [this](QPainter& painter, const QRect& area) { FNavigator->PaintVerticalRuler(painter, area); });
    FCanvas->SetDrawStyle(TTool::Selection);
    new TLibraryDropTarget(*Pic, *FLibraryPanel, *FCanvas);
    connect(new TPictureFileDropTarget(*Pic, *FCanvas), &TPictureFileDropTarget::PictureDropped, &FWiring,
        [this](const QString& fileName, QPoint at) {
            const TDrawingUpdate update(FDrawing);
            FPictureImport->ImportFile(fileName, at);
            FCanvas->ReturnToSelectionTool();
        });
    connect(new TDrawingFileDropTarget(*this), &TDrawingFileDropTarget::FileDropped, &FWiring,
        [this](const QString& fileName) {
            const TDrawingUpdate update(FDrawing);
            FFileCommands->OpenDropped(fileName);
        });
}

} // namespace korvo
