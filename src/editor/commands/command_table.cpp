#include "editor/commands/command_table.h"

namespace korvo {

namespace {

    using R = TEnableRule;
    using C = TCommand;
    constexpr const char* None = nullptr;

    // In the order of TCommand; CommandInfo checks that each row sits at its command's place. Keys are
    // written out rather than taken from the platform's standard keys: a bare X11 session has none for
    // Save As, and teachers expect the same keys on every desktop.
    constexpr std::array<TCommandInfo, CommandCount> Table = { {
        { C::New, { "New1", "&New", "Create a new blank drawing", "new" }, "NewBtn", "Ctrl+N", R::Always, false },
        { C::Open, { "Open1", "&Open...", "Open an existing drawing", "open" }, "OpenBtn", "Ctrl+O", R::Always, false },
        { C::Reopen, { "Reopen1", "Reopen..", "", "" }, nullptr, None, R::RecentFiles, false },
        { C::Save, { "Save1", "&Save", "Save the current drawing", "save" }, "SaveBtn", "Ctrl+S", R::Changed, false },
        { C::SaveAs, { "SaveAs1", "Save &As...", "", "" }, nullptr, "Ctrl+Shift+S", R::Always, false },
        { C::SaveLibraryAs, { "SaveLibraryAs1", "Save library as", "", "" }, nullptr, None, R::Always, false },
        { C::UseAnotherLibrary, { "UseAnotherLibrary1", "Use another library", "", "" }, nullptr, None, R::Always,
            false },
        { C::Import, { "Import1", "Import..", "", "" }, nullptr, None, R::Always, false },
        { C::ImportPicture, { "ImportPicture1", "Import picture...", "Take in an SVG picture as shapes", "" }, nullptr,
            None, R::Always, false },
        { C::ExportSelection, { "Export1", "Export selected as metafile", "", "" }, nullptr, None, R::Selection,
            false },
        { C::Print, { "Print1", "Print...", "Print the drawing", "print" }, "PrintBtn", "Ctrl+P", R::Always, false },
        { C::PrintSelected, { "PrintSelected", "Print selected", "", "" }, nullptr, None, R::Selection, false },
        { C::PrinterSetup, { "PrinterSetup1", "Printer setup", "", "" }, nullptr, None, R::Always, false },
        { C::PageA4, { "A41", "A4", "", "" }, nullptr, None, R::Always, true },
        { C::PageA3, { "A31", "A3", "", "" }, nullptr, None, R::Always, true },
        { C::Exit, { "Exit1", "E&xit", "", "" }, nullptr, "Ctrl+Q", R::Always, false },
        { C::Undo, { "Undo1", "Undo", "Undo last action", "undo" }, "UndoBtn", "Ctrl+Z", R::CanUndo, false },
        // Both keys that teachers know from other programs.
        { C::Redo, { "Redo1", "Redo", "Redo the last action undone", "redo" }, "RedoBtn", "Ctrl+Y; Ctrl+Shift+Z",
            R::CanRedo, false },
        { C::Cut, { "Cut1", "Cu&t", "Cut selected items", "cut" }, "CutBtn", "Ctrl+X", R::Selection, false },
        { C::Copy, { "Copy1", "&Copy", "Copy selected items", "copy" }, "CopyBtn", "Ctrl+C", R::Selection, false },
        { C::Paste, { "Paste1", "&Paste", "Paste", "paste" }, "PasteBtn", "Ctrl+V", R::Paste, false },
        { C::SelectAll, { "Selectall1", "Select all", "", "" }, nullptr, "Ctrl+A", R::AnyShape, false },
        { C::ClearBackground, { "Clearbackgroundpicture1", "Clear background picture", "", "" }, nullptr, None,
            R::Background, false },
        { C::RotateToolbar, { "Rotate1", "Rotate..", "", "" }, nullptr, None, R::Always, true },
        { C::ScaleToolbar, { "Scale1", "Scale", "", "" }, nullptr, None, R::Always, true },
        { C::AlignToolbar, { "Align1", "Align", "", "" }, nullptr, None, R::Always, true },
        { C::PolygonToolbar, { "Polygon1", "Polygon", "", "" }, nullptr, None, R::Always, true },
        { C::ShowLibrary, { "ShowLibrary1", "Show library", "", "" }, nullptr, None, R::Always, true },
        { C::SmallThumbnails, { "SmallThumbs", "Small", "", "" }, nullptr, None, R::Always, true },
        { C::LargeThumbnails, { "LargeThumbs", "Large", "", "" }, nullptr, None, R::Always, true },
        { C::Grid, { "Grid1", "Grid", "Show / hide the grid", "grid" }, "GridBtn", None, R::Always, true },
        { C::SnapToGrid, { "SnapToGrid1", "Snap to grid", "Snap to grid", "snap" }, "SnapBtn", None, R::Always, true },
        { C::UseSpecialCursors, { "UseCursors1", "Use special cursors", "", "" }, nullptr, None, R::Always, true },
        { C::ThemeBlue, { "Blue1", "Blue", "", "" }, nullptr, None, R::Always, true },
        { C::ThemeBlack, { "Black1", "Black", "", "" }, nullptr, None, R::Always, true },
        { C::ThemeSilver, { "Silver1", "Silver", "", "" }, nullptr, None, R::Always, true },
        { C::HelpContents, { "Contents1", "Contents", "", "" }, nullptr, None, R::Always, false },
        { C::HelpSearch, { "Search1", "Search for help on", "", "" }, nullptr, None, R::Always, false },
        { C::Tutorial1, { "Tutorial1", "Drawing simple shapes", "", "" }, nullptr, None, R::Always, false },
        { C::Tutorial2, { "Tutorial2", "Drawing circuit diagrams", "", "" }, nullptr, None, R::Always, false },
        { C::Tutorial3, { "Tutorial3", "Assembling glassware", "", "" }, nullptr, None, R::Always, false },
        { C::Tutorial4, { "Tutorial4", "Drawing biological diagrams", "", "" }, nullptr, None, R::Always, false },
        { C::Tutorial5, { "Tutorial5", "Drawing a beaker", "", "" }, nullptr, None, R::Always, false },
        { C::Tutorial6, { "Tutorial6", "Drawing connecting tubes", "", "" }, nullptr, None, R::Always, false },
        { C::Tutorial7, { "Tutorial7", "Plotting the results of an experiment", "", "" }, nullptr, None, R::Always,
            false },
        { C::About, { "About1", "About", "", "" }, nullptr, None, R::Always, false },
        { C::Help, { "HelpBtn", "help", "Help", "help" }, nullptr, None, R::Always, false },
        { C::Group, { "GroupBtn", "group", "Group selected shapes", "group" }, nullptr, None, R::SeveralSelected,
            false },
        { C::Ungroup, { "UnGroupBtn", "ungroup", "Ungroup selected shapes", "ungroup" }, nullptr, None,
            R::SelectedGroup, false },
        { C::ToFront, { "ToFrontBtn", "to front", "Move selected shapes to the front", "tofront" }, nullptr, None,
            R::Depth, false },
        { C::ToBack, { "ToBackBtn", "to back", "Move selected shapes to the back", "toback" }, nullptr, None, R::Depth,
            false },
        { C::MoveBack, { "MoveBackBtn", "move back", "Move selected shapes back one layer", "moveback" }, nullptr, None,
            R::Depth, false },
        { C::MoveForward, { "MoveUpBtn", "move forward", "Move selected shapes forward one layer", "moveforward" },
            nullptr, None, R::Depth, false },
        { C::RotateAnticlockwise, { "RotateBtn", "rotate", "Rotate selected shapes anti-clockwise", "rotateccw" },
            nullptr, None, R::Selection, false },
        { C::RotateClockwise, { "RotateCWBtn", "", "Rotate selected shapes clockwise", "rotatecw" }, nullptr, None,
            R::Selection, false },
        { C::MirrorHorizontally, { "HMirrorBtn", "H mirror", "Mirror selected shapes horizontally", "hmirror" },
            nullptr, None, R::Mirror, false },
        { C::MirrorVertically, { "VMirrorBtn", "V Mirror", "Mirror selected shapes vertically", "vmirror" }, nullptr,
            None, R::Mirror, false },
        { C::LineStyles, { "LineStyleBtn", "Line styles", "Line styles", "linestyle" }, nullptr, None, R::Selection,
            false },
        { C::LineEndings, { "LineEndBtn", "Line ending styles", "Line ending styles", "lineend" }, nullptr, None,
            R::SelectedLines, false },
        { C::ApplyRotation, { "ApplyRotBtn", "Apply", "Rotate the selected shape", "" }, nullptr, None, R::Selection,
            false },
        { C::ApplyRotationToCopy, { "ApplyToCopyBtn", "Apply to copy", "Rotate a copy of the selected shape", "" },
            nullptr, None, R::Selection, false },
        { C::ApplyScale, { "ApplyScaleBtn", "Apply", "Scale the selected shapes", "" }, nullptr, None, R::Selection,
            false },
        { C::ApplyScaleToCopy, { "ApplyScaleCopyBtn", "Apply to copy", "Copy and scale the selected shapes", "" },
            nullptr, None, R::Selection, false },
        { C::AlignCentres, { "Center1", "C", "Align centres of selected shapes", "" }, nullptr, None, R::Always,
            false },
        { C::AlignCentresVertically, { "VCenter1", "VC", "Align centres of selected shapes vertically", "" }, nullptr,
            None, R::Always, false },
        { C::AlignCentresHorizontally, { "HCenter1", "HC", "Align centres of selected shapes horizontally", "" },
            nullptr, None, R::Always, false },
        { C::AlignLeft, { "Left1", "L", "Align left edges of selected shapes", "" }, nullptr, None, R::Always, false },
        { C::AlignRight, { "Right1", "R", "Align right edges of selected shapes", "" }, nullptr, None, R::Always,
            false },
        { C::AlignTop, { "Top1", "T", "Align top edges of selected shapes", "" }, nullptr, None, R::Always, false },
        { C::AlignBottom, { "Bottom1", "B", "Align bottom edges of selected shapes", "" }, nullptr, None, R::Always,
            false },
        { C::CreatePolygon, { "CreatePolyBtn", "Create a polygon with ", "Draw a polygon", "polygon" }, nullptr, None,
            R::Always, false },
        { C::ConvertToPolygon, { "Converttopolygon1", "Convert to polygon", "", "" }, nullptr, None, R::HotToPolygon,
            false },
        { C::ConvertToPolyline, { "ConvertToPolyline1", "Convert to polyline", "", "" }, nullptr, None,
            R::HotToPolyline, false },
        { C::ConvertToOpenCurve, { "ConvertToOpenCurve1", "Convert to open curve", "", "" }, nullptr, None,
            R::HotToOpenCurve, false },
        { C::ConvertToClosedCurve, { "ConvertToClosedCurve1", "Convert to closed curve", "", "" }, nullptr, None,
            R::HotToClosedCurve, false },
        { C::ConvertToPentagon, { "ConvertToPentagon1", "Convert to pentagon", "", "" }, nullptr, None, R::HotCircle,
            false },
        { C::ConvertToHexagon, { "ConvertToHexagon1", "Convert to hexagon", "", "" }, nullptr, None, R::HotCircle,
            false },
        { C::ConvertToStar, { "Coverttostar1", "Convert to star", "", "" }, nullptr, None, R::HotCircle, false },
        { C::EditText, { "EditText1", "Edit text", "", "" }, nullptr, None, R::HotText, false },
        { C::EditGraphPaper, { "Editgrid1", "Edit graph paper..", "", "" }, nullptr, None, R::HotGraphPaper, false },
        { C::PlotGraph, { "PlotGraph1", "Plot graph...", "", "" }, nullptr, None, R::HotPlot, false },
        { C::DeleteNode, { "DeleteNode1", "Delete node", "", "" }, nullptr, None, R::HotNodeDeletes, false },
        { C::AddNode, { "AddNode1", "Add node", "", "" }, nullptr, None, R::HotNodeAdds, false },
        { C::LibraryPageOrder, { "PageBtn", "Change page order", "Change the page order", "pageorder" }, nullptr, None,
            R::Always, false },
        { C::LibraryNewPage, { "NewPageBtn", "New page", "Insert a new page", "newpage" }, nullptr, None, R::Always,
            false },
        { C::LibraryDeletePage, { "DelPageBtn", "Delete page", "Delete page", "deletepage" }, nullptr, None,
            R::LibraryPages, false },
        { C::LibraryMoveUp, { "LBUpBtn", "Move up", "Move the picture up the page", "up" }, nullptr, None,
            R::LibraryEntryAbove, false },
        { C::LibraryMoveDown, { "LBDownBtn", "Move down", "Move the picture down the page", "down" }, nullptr, None,
            R::LibraryEntryBelow, false },
        { C::LibraryDelete, { "Deletebtn", "Delete", "Delete entry", "deleteentry" }, nullptr, None, R::Always, false },
        { C::LibraryRenameShape, { "Renameshape1", "Rename shape", "", "" }, nullptr, None, R::Always, false },
        { C::LibraryRenamePage, { "rename1", "Rename page", "", "" }, nullptr, None, R::Always, false },
        { C::LibraryMoveToPage, { "moveto1", "Move to page", "", "" }, nullptr, None, R::Always, false },
        { C::AddToLibrary, { "ExportToLibrary1", "Add to library", "", "" }, nullptr, None, R::HotShape, false },
    } };

    constexpr bool InCommandOrder()
    {
        for (int i = 0; i < CommandCount; ++i) {
            if (static_cast<int>(Table[static_cast<std::size_t>(i)].Id) != i)
                return false;
        }
        return true;
    }

} // namespace

const TCommandInfo& CommandInfo(TCommand id)
{
    static_assert(InCommandOrder(), "the command table lists the commands in the order of TCommand");
    return Table[static_cast<std::size_t>(id)];
}

const std::array<TCommandInfo, CommandCount>& CommandTable() { return Table; }

} // namespace korvo
