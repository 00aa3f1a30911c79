#include "editor/commands/command_rules.h"

#include "document/drawing.h"

namespace korvo {

bool RuleHolds(TEnableRule rule, const TCommandContext& context)
{
    const TDrawing& drawing = context.Drawing;
    const int s = drawing.SelCount();
    switch (rule) {
    case TEnableRule::Always:
        return true;
    case TEnableRule::Selection:
        return s > 0;
    case TEnableRule::SeveralSelected:
        return s > 1;
    case TEnableRule::SelectedGroup:
        return drawing.FirstSelectedGroup() != -1;
    case TEnableRule::PasteBuffer:
        return drawing.ClipboardCount() > 0;
    case TEnableRule::Depth:
        return s > 0 && drawing.ShapeCount() > 1;
    case TEnableRule::SelectedLines:
        return s > 0 && drawing.SelectionHasLines();
    case TEnableRule::Mirror:
        return s > 1 || (s == 1 && drawing.GetShapeKind(context.HotShape) != skText);
    case TEnableRule::Changed:
        return DocState == dsUntitledChanged || DocState == dsChanged;
    case TEnableRule::CanUndo:
        return drawing.CanUndo();
    case TEnableRule::CanRedo:
        return drawing.CanRedo();
    case TEnableRule::RecentFiles:
        return context.HasRecentFiles;
    case TEnableRule::AnyShape:
        return drawing.ShapeCount() > 0;
    case TEnableRule::Background:
        return drawing.HasBackground();
    }
    return false;
}

} // namespace korvo
