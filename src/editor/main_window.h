#pragma once

#include "document/drawing.h"
#include "editor/commands/command_set.h"
#include "editor/file_commands.h"
#include "editor/recent_files.h"
#include "editor/themes.h"
#include "editor/user_prompts.h"
#include "library/poly_lib.h"
#include "shapes/error_reporter.h"

#include <QMainWindow>

#include <initializer_list>
#include <memory>

class QComboBox;
class QDockWidget;
class QLabel;
class QMenu;
class QScrollBar;
class QSpinBox;
class QToolBar;

namespace korvo {

class TAutosave;
class TCanvasController;
class TNumberEdit;
class TTypedRangeSpinBox;
class TLibraryCommands;
class TLibraryPanel;
class TRecoveryStore;
struct TRecoveryEntry;
struct TIniSettings;
class TPictureImport;
class TPrintCommands;
class THelpRouter;
class TTextFrm;
class TPaintPanel;
class TShapeCommands;
class TSurfaceWidget;
class TViewNavigator;

// What the window is started with. Tests give their own folder and prompts.
struct TMainWindowSetup {
    // Where kv.ini and the default library are looked for.
    QString ProgramDir;
    // A drawing to open at start; empty for none.
    QString FileName;
    // Its shapes, read ahead while the window is built (ReadAhead); empty to read it when it opens.
    TShapesPromise ReadFile;
    // Null for the desktop's own dialogs and message boxes.
    TUserPrompts* Prompts = nullptr;
    // Where unsaved changes are kept for recovery; empty for the per-user data folder.
    QString RecoveryFolder;
    // Reads the drawings left there; tests give one that fails as a lack of memory would.
    TShapesReader ReadLeftover = ReadDrawingFile;
};

// The editor's main window. It builds the menus, tool bars, panels and status bar and hands every
// command to the drawing or to a small controller; it owns the one drawing, the shape library and the
// pen and brush given to new shapes for the whole run. It repaints the drawing and brings the
// commands' states up to date whenever the drawing tells it of a change.
class TMainDrawFrm : public QMainWindow, private TErrorReporter {
    Q_OBJECT

public:
    explicit TMainDrawFrm(const TMainWindowSetup& setup);
    ~TMainDrawFrm() override;

    TDrawing& Drawing() { return FDrawing; }
    TFileCommands& FileCommands() { return *FFileCommands; }
    const TPolyLib& Library() const { return FLibrary; }
    const TRecentFiles& RecentFiles() const { return FRecent; }
    const QString& LibraryFile() const;
    bool LibraryEditing() const { return FLibraryEditing; }
    QAction* Action(TCommand id) const { return FCommands.Action(id); }
    bool IsBuilt(TCommand id) const { return FCommands.IsBound(id); }
    // The tool palette's button for a tool.
    QAction* ToolAction(TTool tool) const;
    QString CurrentTheme() const;
    void SelectTheme(TTheme theme);

    // Brings every command in line with the drawing, its selection and the window.
    void RefreshCommandStates();
    // Offers the drawings that Korvo instances no longer running left unsaved, once the window shows.
    void OfferRecovery();
    TAutosave& Autosave() { return *FAutosave; }

    TCanvasController& Canvas() { return *FCanvas; }
    TSurfaceWidget& Surface() { return *Pic; }
    TViewNavigator& Navigator() { return *FNavigator; }
    TTextFrm& TextDialog() { return *FTextFrm; }
    TLibraryPanel& LibraryPanel() { return *FLibraryPanel; }
    // Null until the window is first shown.
    THelpRouter* Help() const { return FHelp.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Building the window.
    QMenu* NewMenu(const QString& title, const QString& name, std::initializer_list<TCommand> items);
    void AddItems(QMenu* menu, std::initializer_list<TCommand> items);
    void BuildMenus();
    QMenu* BuildFileMenu();
    QMenu* BuildEditMenu();
    QMenu* BuildTransformMenu();
    QMenu* BuildViewMenu();
    QMenu* BuildAppearanceMenu();
    QMenu* BuildHelpMenu();
    void BuildShapeMenus();
    void BuildTopToolbar();
    void BuildToolPalette();
    void BuildTransformToolbars();
    QToolBar* BuildRotateToolbar();
    QToolBar* BuildScaleToolbar();
    QToolBar* BuildAlignToolbar();
    QToolBar* BuildPolygonToolbar();
    void BuildCentre();
    void BuildLibraryPanel();
    void BuildStatusBar();
    void BuildCanvas();

    // Binding each command to what it does.
    void BindCommands();
    void BindFileCommands();
    void BindEditCommands();
    void BindArrangeCommands();
    void BindViewCommands();
    void BindTransformToolbars();
    void BindShapeMenus();
    void BindLibraryCommands();
    // Opens the help once the window shows and offers the help commands when it is there.
    void SetupHelp();
    void ShowAbout();

    // Start-up and closing.
    // The library and whether it may be edited, as the program folder's settings say.
    void LoadLibrary(const TIniSettings& ini);
    void ApplyLibraryEditing();
    bool LoadWindowState();
    void SaveWindowState();
    void PlaceWindowDefault();
    void Recover(TRecoveryEntry& entry, TShapeList shapes);

    void DrawingChanged(TDrawingChanges changes);
    // Opens a context menu of the surface at a surface point, unless it has no entries.
    void Popup(QMenu* menu, QPoint at);
    void UpdateRecentMenu();
    void SetPageSize(std::int32_t width, std::int32_t height);
    // The Edit menu's clipboard commands.
    void Copy();
    void Cut();
    // The paste buffer's shapes, or the picture another program put on the clipboard since.
    void Paste();
    void Rotate(float direction);
    void RotateByAngle(TApplyTo target);
    void ScaleByPercent(TApplyTo target);
    void CreateRegularPolygon();
    void ReportError(const QString& message) override;

    std::unique_ptr<TUserPrompts> FOwnPrompts;
    TUserPrompts& FPrompts;
    TSurfaceWidget* Pic = nullptr;
    TDrawing FDrawing;
    TCommandSet FCommands;
    TPolyLib FLibrary;
    TRecentFiles FRecent;
    std::unique_ptr<TFileCommands> FFileCommands;
    std::unique_ptr<TRecoveryStore> FRecovery;
    TShapesReader FReadLeftover;
    std::unique_ptr<TAutosave> FAutosave;
    std::unique_ptr<TPrintCommands> FPrint;
    std::unique_ptr<TPictureImport> FPictureImport;
    std::unique_ptr<TCanvasController> FCanvas;
    std::unique_ptr<TViewNavigator> FNavigator;
    std::unique_ptr<TShapeCommands> FShapeCommands;
    std::unique_ptr<TLibraryCommands> FLibraryCommands;
    // The text dialog lives for the whole run and keeps what it last showed.
    TTextFrm* FTextFrm = nullptr;
    std::unique_ptr<THelpRouter> FHelp;
    QString FProgramDir;
    bool FLibraryEditing = true;
    // The library list as the library's tool bar last saw it: its buttons keep their states while hidden.
    TLibraryListState FLibraryState;
    TTheme FTheme = TTheme::Blue;

    TPaintPanel* XRulePic = nullptr;
    TPaintPanel* YRulePic = nullptr;
    QScrollBar* XHsb = nullptr;
    QScrollBar* YHsb = nullptr;
    QComboBox* ZoomCombo = nullptr;
    QDockWidget* LibPanel = nullptr;
    TLibraryPanel* FLibraryPanel = nullptr;
    QMenu* LibPUM = nullptr;
    QLabel* XYLabel = nullptr;
    QLabel* HintLabel = nullptr;
    QMenu* ReopenMenu = nullptr;
    QMenu* Tutorials = nullptr;
    QMenu* ConvertPUM = nullptr;
    QMenu* NodePUM = nullptr;
    QToolBar* TBXToolbar1 = nullptr;
    QToolBar* RotateToolbar = nullptr;
    QToolBar* ScaleToolbar = nullptr;
    QToolBar* AlignToolbar = nullptr;
    QToolBar* PolygonToolbar = nullptr;
    TNumberEdit* AngleEdit = nullptr;
    TTypedRangeSpinBox* ScaleUpDn = nullptr;
    QSpinBox* PolySides = nullptr;
    TNumberEdit* PolyRadius = nullptr;

    // The context of every connection from a widget to the window's own parts. Declared last, it goes
    // first: what the child widgets send while Qt deletes them, after the parts, reaches nothing.
    QObject FWiring;
};

} // namespace korvo
