#pragma once

#include "editor/commands/command_table.h"

#include <QCoreApplication>

class QWidget;

namespace korvo {

class TCanvasController;
class TDrawing;
class TTextFrm;
class TUserPrompts;

// The shape menu's and the node menu's commands. Each acts on the shape last under the pointer, which
// need not be selected, and leaves the selection as it is.
class TShapeCommands {
    Q_DECLARE_TR_FUNCTIONS(TShapeCommands)

public:
    TShapeCommands(TDrawing& drawing, TCanvasController& canvas, TUserPrompts& prompts, TTextFrm& textDialog,
        QWidget& dialogParent);

    // The four conversions between polygons and curves; a new curve is shaped at once with the node tool.
    void Convert(TCommand command);
    // A circle becomes a regular polygon or a six-pointed star; any other shape is reported.
    void ToRegularPolygon(int sides);
    void ToStar();
    // The editors of a text and of a graph paper: applying returns to the selection tool.
    void EditText();
    void EditGraphPaper();
    // "Plot graph..." on graph paper or on a graph drawn on it: OK replaces it by the new graph.
    void PlotGraph();
    // Next to the node last picked with the node tool.
    void DeleteNode();
    void AddNode();

private:
    void ReportUnlessConverted(bool converted);

    TDrawing& FDrawing;
    TCanvasController& FCanvas;
    TUserPrompts& FPrompts;
    TTextFrm& FTextDialog;
    QWidget& FDialogParent;
};

} // namespace korvo
