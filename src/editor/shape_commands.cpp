#include "editor/shape_commands.h"

#include "dialogs/grid_dialog.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/text_dialog.h"
#include "editor/canvas/canvas_controller.h"
#include "editor/commands/shape_menu_kinds.h"
#include "editor/palette_colours.h"
#include "editor/user_prompts.h"
#include "shapes/graph_paper_painter.h"

namespace korvo {

namespace {

    // Six points out and six in.
    constexpr int StarPoints = 12;

} // namespace

TShapeCommands::TShapeCommands(
    TDrawing& drawing, TCanvasController& canvas, TUserPrompts& prompts, TTextFrm& textDialog, QWidget& dialogParent)
    : FDrawing(drawing)
    , FCanvas(canvas)
    , FPrompts(prompts)
    , FTextDialog(textDialog)
    , FDialogParent(dialogParent)
{
}

void TShapeCommands::Convert(TCommand command)
{
    const int hot = FCanvas.HotShape();
    const TConversion conversion = ConversionFor(command, FDrawing.GetShapeKind(hot));
    switch (conversion) {
    case TConversion::None:
        break;
    case TConversion::KindToPolygon:
        FDrawing.ConvertToPolygon(hot);
        break;
    case TConversion::KindToOpenPolygon:
        FDrawing.ConvertToOpenPolygon(hot);
        break;
    case TConversion::KindToOpenCurve:
        FDrawing.OpenCurve(hot);
        break;
    case TConversion::CurveToPolygon:
    case TConversion::CurveToOpenPolygon:
        FDrawing.ConvertCurveToPolygon(hot, conversion == TConversion::CurveToPolygon);
        break;
    case TConversion::PolygonToOpenCurve:
    case TConversion::PolygonToClosedCurve:
        FDrawing.ConvertToCurve(hot, conversion == TConversion::PolygonToClosedCurve);
        break;
    case TConversion::CloseCurve:
        FDrawing.CloseCurve(hot);
        break;
    }
    // A new curve is there to be shaped.
    if (command == TCommand::ConvertToOpenCurve || command == TCommand::ConvertToClosedCurve)
        FCanvas.SetDrawStyle(TTool::Node);
}

void TShapeCommands::ToRegularPolygon(int sides)
{
    ReportUnlessConverted(FDrawing.ConvertToRegularPolygon(FCanvas.HotShape(), sides));
}

void TShapeCommands::ToStar() { ReportUnlessConverted(FDrawing.ConvertToStar(FCanvas.HotShape(), StarPoints)); }

void TShapeCommands::ReportUnlessConverted(bool converted)
{
    if (!converted)
        FPrompts.ShowInformation(tr("Can't convert"));
}

void TShapeCommands::EditText()
{
    const int hot = FCanvas.HotShape();
    const std::optional<TShapeText> edited = FTextDialog.Edit(FDrawing.GetText(hot));
    if (!edited)
        return;
    FDrawing.SetTypedText(*edited, hot);
    FCanvas.ReturnToSelectionTool();
}

void TShapeCommands::EditGraphPaper()
{
    const int hot = FCanvas.HotShape();
    const std::optional<TPaperSettings> chosen = EditPaperSettings(FDrawing.GetPaperSettings(hot), &FDialogParent);
    if (!chosen)
        return;
    FDrawing.SetPaperSettings(hot, *chosen);
    FCanvas.ReturnToSelectionTool();
}

void TShapeCommands::PlotGraph()
{
    const int hot = FCanvas.HotShape();
    const std::optional<TPlotDefinition> shown = FDrawing.PlotDefinition(hot);
    const std::optional<TPolygon> paper = FDrawing.PlotPaper(hot);
    if (!shown || !paper)
        return;
    const std::optional<TPlotDefinition> chosen
        = EditPlot(*shown, GraphPaperMajorStep(*paper), PaletteLineColours(), &FDialogParent);
    if (!chosen)
        return;
    // The dialog lets only a drawable graph through, so a refusal here is a fault worth telling.
    if (!FDrawing.PlotGraph(hot, *chosen)) {
        FPrompts.ShowInformation(tr("The graph could not be drawn on this paper."));
        return;
    }
    FCanvas.ReturnToSelectionTool();
}

void TShapeCommands::DeleteNode()
{
    const int hot = FCanvas.HotShape();
    switch (NodeStyleFor(FDrawing.GetShapeKind(hot))) {
    case TNodeStyle::None:
        return;
    case TNodeStyle::Corners:
        FDrawing.DeleteNode(hot);
        break;
    case TNodeStyle::Anchors:
        FDrawing.DeleteCurveNode(hot);
        break;
    }
}

void TShapeCommands::AddNode()
{
    const int hot = FCanvas.HotShape();
    const int node = FDrawing.GetSelectedNode(hot);
    switch (NodeStyleFor(FDrawing.GetShapeKind(hot))) {
    case TNodeStyle::None:
        break;
    case TNodeStyle::Corners:
        FDrawing.AddNode(hot, node);
        break;
    case TNodeStyle::Anchors:
        FDrawing.AddCurveNode(hot, node);
        break;
    }
}

} // namespace korvo
