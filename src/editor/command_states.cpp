#include "editor/command_states.h"

#include "document/drawing.h"
#include "document/shared_settings.h"

namespace korvo {

TCommandStates ComputeCommandStates(const TCommandContext& context)
{
    const TDrawing& drawing = context.Drawing;
    const int s = drawing.SelCount();
    const int n = drawing.ShapeCount();
    TCommandStates states;
    states.Group = s > 1;
    states.Ungroup = drawing.FirstSelectedGroup() != -1;
    states.Paste = context.Drawing.ClipboardCount() > 0;
    states.CopyCut = s > 0;
    states.Depth = s > 0 && n > 1;
    states.Rotate = s > 0;
    states.LineStyles = s > 0;
    states.LineEndings = s > 0 && drawing.SelectionHasLines();
    states.Save = DocState == dsUntitledChanged || DocState == dsChanged;
    states.Undo = drawing.CanUndo();
    states.ApplyTransform = s > 0;
    states.Mirror = s > 1 || (s == 1 && drawing.GetShapeKind(context.HotShape) != skText);
    states.ExportSelection = s > 0;
    states.PrintSelected = s > 0;
    states.Reopen = context.HasRecentFiles;
    states.SelectAll = n > 0;
    states.ClearBackground = context.HasBackground;
    states.UndoCaption = drawing.GetUndoCaption();
    return states;
}

} // namespace korvo
