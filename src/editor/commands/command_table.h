#pragma once

#include "editor/commands/control_text.h"

#include <array>

namespace korvo {

// Every command of the main window's menus and tool bars. Each has one action, which its menu item
// and its tool button share.
enum class TCommand {
    // File menu.
    New,
    Open,
    Reopen,
    Save,
    SaveAs,
    SaveLibraryAs,
    UseAnotherLibrary,
    Import,
    ImportPicture,
    ExportSelection,
    Print,
    PrintSelected,
    PrinterSetup,
    PageA4,
    PageA3,
    Exit,
    // Edit menu.
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    SelectAll,
    ClearBackground,
    // Transform menu: each shows or hides its tool bar.
    RotateToolbar,
    ScaleToolbar,
    AlignToolbar,
    PolygonToolbar,
    // View menu.
    ShowLibrary,
    SmallThumbnails,
    LargeThumbnails,
    Grid,
    SnapToGrid,
    UseSpecialCursors,
    // Appearance menu.
    ThemeBlue,
    ThemeBlack,
    ThemeSilver,
    // Help menu.
    HelpContents,
    HelpSearch,
    Tutorial1,
    Tutorial2,
    Tutorial3,
    Tutorial4,
    Tutorial5,
    Tutorial6,
    Tutorial7,
    About,
    // The main tool bar's own.
    Help,
    Group,
    Ungroup,
    ToFront,
    ToBack,
    MoveBack,
    MoveForward,
    RotateAnticlockwise,
    RotateClockwise,
    MirrorHorizontally,
    MirrorVertically,
    LineStyles,
    LineEndings,
    // The rotation, scale, alignment and polygon tool bars.
    ApplyRotation,
    ApplyRotationToCopy,
    ApplyScale,
    ApplyScaleToCopy,
    AlignCentres,
    AlignCentresVertically,
    AlignCentresHorizontally,
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    CreatePolygon,
    // The shape menu and the node menu, acting on the shape last under the pointer.
    ConvertToPolygon,
    ConvertToPolyline,
    ConvertToOpenCurve,
    ConvertToClosedCurve,
    ConvertToPentagon,
    ConvertToHexagon,
    ConvertToStar,
    EditText,
    EditGraphPaper,
    PlotGraph,
    DeleteNode,
    AddNode,
    // The library panel's tool bar and menu, and the shape menu's library entry.
    LibraryPageOrder,
    LibraryNewPage,
    LibraryDeletePage,
    LibraryMoveUp,
    LibraryMoveDown,
    LibraryDelete,
    LibraryRenameShape,
    LibraryRenamePage,
    LibraryMoveToPage,
    AddToLibrary,
};

constexpr int CommandCount = static_cast<int>(TCommand::AddToLibrary) + 1;

// When a command can be given. The window checks the rules whenever the drawing changes and when a
// menu opens.
enum class TEnableRule {
    Always,
    // s > 0, s the number of selected shapes.
    Selection,
    // s > 1.
    SeveralSelected,
    // The selection holds a group.
    SelectedGroup,
    // The drawing's own paste buffer holds shapes, or the clipboard a picture Paste takes in.
    Paste,
    // s > 0 and the drawing has more than one shape.
    Depth,
    // s > 0 and a line, polyline or curve is selected.
    SelectedLines,
    // Neither a lone text last under the pointer: s > 1, or s = 1 and the hot shape is no text.
    Mirror,
    // The drawing has changes to save.
    Changed,
    CanUndo,
    CanRedo,
    RecentFiles,
    // The drawing has any shape.
    AnyShape,
    Background,
    // The shape last under the pointer, h, is any shape.
    HotShape,
    // h converts to a polygon, to a polyline, to an open curve, to a closed curve.
    HotToPolygon,
    HotToPolyline,
    HotToOpenCurve,
    HotToClosedCurve,
    // h is a circle, which becomes a regular polygon or a star.
    HotCircle,
    // h is a text or a group of texts read as a formula, which "Edit text" opens.
    HotText,
    HotGraphPaper,
    // h is graph paper or a graph drawn on it, which "Plot graph..." opens.
    HotPlot,
    // The node last picked on h can be deleted, or have a node added after it.
    HotNodeDeletes,
    HotNodeAdds,
    // The library list's selected row has a row above it, or one below it.
    LibraryEntryAbove,
    LibraryEntryBelow,
    // The library has a page.
    LibraryPages,
};

struct TCommandInfo {
    TCommand Id;
    // Named as the menu item where there is one, else as the tool button.
    TControlText Text;
    // The tool button's own object name where the button has one apart from its menu item.
    const char* Button;
    // In portable text, separated by "; "; none when null.
    const char* Keys;
    TEnableRule Rule;
    bool Checkable;
};

const TCommandInfo& CommandInfo(TCommand id);
const std::array<TCommandInfo, CommandCount>& CommandTable();

} // namespace korvo
