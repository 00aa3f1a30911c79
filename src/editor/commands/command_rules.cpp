#include "editor/commands/command_rules.h"

#include "document/drawing.h"
#include "editor/commands/shape_menu_kinds.h"

namespace korvo {

namespace {

    bool Converts(TCommand command, int kind) { return ConversionFor(command, kind) != TConversion::None; }

} // namespace

bool RuleHolds(TEnableRule rule, const TCommandContext& context)
{
    const TDrawing& drawing = context.Drawing;
    const int s = drawing.SelCount();
    const int hotKind = drawing.GetShapeKind(context.HotShape);
    const int hotNode = drawing.GetSelectedNode(context.HotShape);
    switch (rule) {
    case TEnableRule::Always:
        return true;
    case TEnableRule::Selection:
        return s > 0;
    case TEnableRule::SeveralSelected:
        return s > 1;
    case TEnableRule::SelectedGroup:
        return drawing.FirstSelectedGroup() != -1;
    case TEnableRule::Paste:
        return drawing.ClipboardCount() > 0 || context.ClipboardPicture;
    case TEnableRule::Depth:
        return s > 0 && drawing.ShapeCount() > 1;
    case TEnableRule::SelectedLines:
        return s > 0 && drawing.SelectionHasLines();
    case TEnableRule::Mirror:
        return s > 1 || (s == 1 && hotKind != skText);
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
    case TEnableRule::HotShape:
        return hotKind != -1;
    case TEnableRule::HotToPolygon:
        return Converts(TCommand::ConvertToPolygon, hotKind);
    case TEnableRule::HotToPolyline:
        return Converts(TCommand::ConvertToPolyline, hotKind);
    case TEnableRule::HotToOpenCurve:
        return Converts(TCommand::ConvertToOpenCurve, hotKind);
    case TEnableRule::HotToClosedCurve:
        return Converts(TCommand::ConvertToClosedCurve, hotKind);
    case TEnableRule::HotCircle:
        return hotKind == skCircle;
    case TEnableRule::HotText:
        return drawing.HasEditableText(context.HotShape);
    case TEnableRule::HotGraphPaper:
        return hotKind == skGraphPaper;
    case TEnableRule::HotPlot:
        return drawing.CanPlot(context.HotShape);
    case TEnableRule::HotNodeDeletes:
        return NodeDeletes(hotKind, hotNode);
    case TEnableRule::HotNodeAdds:
        return NodeAdds(hotKind, hotNode);
    case TEnableRule::LibraryEntryAbove:
        return context.Library.Row > 0;
    case TEnableRule::LibraryEntryBelow:
        return context.Library.Row >= 0 && context.Library.Row < context.Library.RowCount - 1;
    case TEnableRule::LibraryPages:
        return context.Library.PageCount > 0;
    }
    return false;
}

} // namespace korvo
