#include "editor/commands/command_table.h"

namespace korvo {

namespace {

    using K = QKeySequence;
    using R = TEnableRule;
    using C = TCommand;
    constexpr K::StandardKey None = K::UnknownKey;

    // In the order of TCommand; CommandInfo checks that each row sits at its command's place.
    constexpr std::array<TCommandInfo, CommandCount> Table = { {
        { C::New, "New1", "NewBtn", "&New", "Create a new blank drawing", K::New, "new", R::Always, false },
        { C::Open, "Open1", "OpenBtn", "&Open...", "Open an existing drawing", K::Open, "open", R::Always, false },
        { C::Reopen, "Reopen1", nullptr, "Reopen..", "", None, "", R::RecentFiles, false },
        { C::Save, "Save1", "SaveBtn", "&Save", "Save the current drawing", K::Save, "save", R::Changed, false },
        { C::SaveAs, "SaveAs1", nullptr, "Save &As...", "", K::SaveAs, "", R::Always, false },
        { C::SaveLibraryAs, "SaveLibraryAs1", nullptr, "Save library as", "", None, "", R::Always, false },
        { C::UseAnotherLibrary, "UseAnotherLibrary1", nullptr, "Use another library", "", None, "", R::Always, false },
        { C::Import, "Import1", nullptr, "Import..", "", None, "", R::Always, false },
        { C::ExportSelection, "Export1", nullptr, "Export selected as metafile", "", None, "", R::Selection, false },
        { C::Print, "Print1", "PrintBtn", "Print...", "Print the drawing", K::Print, "print", R::Always, false },
        { C::PrintSelected, "PrintSelected", nullptr, "Print selected", "", None, "", R::Selection, false },
        { C::PrinterSetup, "PrinterSetup1", nullptr, "Printer setup", "", None, "", R::Always, false },
        { C::PageA4, "A41", nullptr, "A4", "", None, "", R::Always, true },
        { C::PageA3, "A31", nullptr, "A3", "", None, "", R::Always, true },
        { C::Exit, "Exit1", nullptr, "E&xit", "", K::Quit, "", R::Always, false },
        { C::Undo, "Undo1", "UndoBtn", "Undo", "Undo last action", K::Undo, "undo", R::CanUndo, false },
        { C::Cut, "Cut1", "CutBtn", "Cu&t", "Cut selected items", K::Cut, "cut", R::Selection, false },
        { C::Copy, "Copy1", "CopyBtn", "&Copy", "Copy selected items", K::Copy, "copy", R::Selection, false },
        { C::Paste, "Paste1", "PasteBtn", "&Paste", "Paste", K::Paste, "paste", R::PasteBuffer, false },
        { C::SelectAll, "Selectall1", nullptr, "Select all", "", K::SelectAll, "", R::AnyShape, false },
        { C::ClearBackground, "Clearbackgroundpicture1", nullptr, "Clear background picture", "", None, "",
            R::Background, false },
        { C::RotateToolbar, "Rotate1", nullptr, "Rotate..", "", None, "", R::Always, true },
        { C::ScaleToolbar, "Scale1", nullptr, "Scale", "", None, "", R::Always, true },
        { C::AlignToolbar, "Align1", nullptr, "Align", "", None, "", R::Always, true },
        { C::PolygonToolbar, "Polygon1", nullptr, "Polygon", "", None, "", R::Always, true },
        { C::ShowLibrary, "ShowLibrary1", nullptr, "Show library", "", None, "", R::Always, true },
        { C::SmallThumbnails, "SmallThumbs", nullptr, "Small", "", None, "", R::Always, true },
        { C::LargeThumbnails, "LargeThumbs", nullptr, "Large", "", None, "", R::Always, true },
        { C::Grid, "Grid1", "GridBtn", "Grid", "Show / hide the grid", None, "grid", R::Always, true },
        { C::SnapToGrid, "SnapToGrid1", "SnapBtn", "Snap to grid", "Snap to grid", None, "snap", R::Always, true },
        { C::UseSpecialCursors, "UseCursors1", nullptr, "Use special cursors", "", None, "", R::Always, true },
        { C::ThemeBlue, "Blue1", nullptr, "Blue", "", None, "", R::Always, true },
        { C::ThemeBlack, "Black1", nullptr, "Black", "", None, "", R::Always, true },
        { C::ThemeSilver, "Silver1", nullptr, "Silver", "", None, "", R::Always, true },
        { C::HelpContents, "Contents1", nullptr, "Contents", "", None, "", R::Always, false },
        { C::HelpSearch, "Search1", nullptr, "Search for help on", "", None, "", R::Always, false },
        { C::Tutorial1, "Tutorial1", nullptr, "Drawing simple shapes", "", None, "", R::Always, false },
        { C::Tutorial2, "Tutorial2", nullptr, "Drawing circuit diagrams", "", None, "", R::Always, false },
        { C::Tutorial3, "Tutorial3", nullptr, "Assembling glassware", "", None, "", R::Always, false },
        { C::Tutorial4, "Tutorial4", nullptr, "Drawing biological diagrams", "", None, "", R::Always, false },
        { C::Tutorial5, "Tutorial5", nullptr, "Drawing a beaker", "", None, "", R::Always, false },
        { C::Tutorial6, "Tutorial6", nullptr, "Drawing connecting tubes", "", None, "", R::Always, false },
        { C::About, "About1", nullptr, "About", "", None, "", R::Always, false },
        { C::Help, "HelpBtn", nullptr, "help", "Help", None, "help", R::Always, false },
        { C::Group, "GroupBtn", nullptr, "group", "Group selected shapes", None, "group", R::SeveralSelected, false },
        { C::Ungroup, "UnGroupBtn", nullptr, "ungroup", "Ungroup selected shapes", None, "ungroup", R::SelectedGroup,
            false },
        { C::ToFront, "ToFrontBtn", nullptr, "to front", "Move selected shapes to the front", None, "tofront", R::Depth,
            false },
        { C::ToBack, "ToBackBtn", nullptr, "to back", "Move selected shapes to the back", None, "toback", R::Depth,
            false },
        { C::MoveBack, "MoveBackBtn", nullptr, "move back", "Move selected shapes back one layer", None, "moveback",
            R::Depth, false },
        { C::MoveForward, "MoveUpBtn", nullptr, "move forward", "Move selected shapes forward one layer", None,
            "moveforward", R::Depth, false },
        { C::RotateAnticlockwise, "RotateBtn", nullptr, "rotate", "Rotate selected shapes anti-clockwise", None,
            "rotateccw", R::Selection, false },
        { C::RotateClockwise, "RotateCWBtn", nullptr, "", "Rotate selected shapes clockwise", None, "rotatecw",
            R::Selection, false },
        { C::MirrorHorizontally, "HMirrorBtn", nullptr, "H mirror", "Mirror selected shapes horizontally", None,
            "hmirror", R::Mirror, false },
        { C::MirrorVertically, "VMirrorBtn", nullptr, "V Mirror", "Mirror selected shapes vertically", None, "vmirror",
            R::Mirror, false },
        { C::LineStyles, "LineStyleBtn", nullptr, "Line styles", "Line styles", None, "linestyle", R::Selection,
            false },
        { C::LineEndings, "LineEndBtn", nullptr, "Line ending styles", "Line ending styles", None, "lineend",
            R::SelectedLines, false },
        { C::ApplyRotation, "ApplyRotBtn", nullptr, "Apply", "Rotate the selected shape", None, "", R::Selection,
            false },
        { C::ApplyRotationToCopy, "ApplyToCopyBtn", nullptr, "Apply to copy", "Rotate a copy of the selected shape",
            None, "", R::Selection, false },
        { C::ApplyScale, "ApplyScaleBtn", nullptr, "Apply", "Scale the selected shapes", None, "", R::Selection,
            false },
        { C::ApplyScaleToCopy, "ApplyScaleCopyBtn", nullptr, "Apply to copy", "Copy and scale the selected shapes",
            None, "", R::Selection, false },
        { C::AlignCentres, "Center1", nullptr, "C", "Align centres of selected shapes", None, "", R::Always, false },
        { C::AlignCentresVertically, "VCenter1", nullptr, "VC", "Align centres of selected shapes vertically", None, "",
            R::Always, false },
        { C::AlignCentresHorizontally, "HCenter1", nullptr, "HC", "Align centres of selected shapes horizontally", None,
            "", R::Always, false },
        { C::AlignLeft, "Left1", nullptr, "L", "Align left edges of selected shapes", None, "", R::Always, false },
        { C::AlignRight, "Right1", nullptr, "R", "Align right edges of selected shapes", None, "", R::Always, false },
        { C::AlignTop, "Top1", nullptr, "T", "Align top edges of selected shapes", None, "", R::Always, false },
        { C::AlignBottom, "Bottom1", nullptr, "B", "Align bottom edges of selected shapes", None, "", R::Always,
            false },
        { C::CreatePolygon, "CreatePolyBtn", nullptr, "Create a polygon with ", "Draw a polygon", None, "polygon",
            R::Always, false },
        { C::LibraryPageOrder, "PageBtn", nullptr, "", "Change the page order", None, "", R::Always, false },
        { C::LibraryNewPage, "NewPageBtn", nullptr, "New page", "Insert a new page", None, "", R::Always, false },
        { C::LibraryDeletePage, "DelPageBtn", nullptr, "Delete page", "Delete page", None, "", R::Always, false },
        { C::LibraryMoveUp, "LBUpBtn", nullptr, "Move up", "", None, "", R::Always, false },
        { C::LibraryMoveDown, "LBDownBtn", nullptr, "Move down", "", None, "", R::Always, false },
        { C::LibraryDelete, "Deletebtn", nullptr, "Delete", "Delete entry", None, "", R::Always, false },
        { C::AddToLibrary, "ExportToLibrary1", nullptr, "Add to library", "", None, "", R::Always, false },
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
