#pragma once

#include "document/drawing.h"
#include "editor/command_states.h"
#include "editor/file_commands.h"
#include "editor/recent_files.h"
#include "editor/user_prompts.h"
#include "library/poly_lib.h"
#include "shapes/error_reporter.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>

class QComboBox;
class QDockWidget;
class QLabel;
class QListWidget;
class QMenu;
class QScrollBar;
class QToolBar;

namespace korvo {

class TCanvasController;
class TTextFrm;
class TPaintPanel;
class TSurfaceWidget;
class TViewNavigator;

// What the window is started with. Tests give their own folder and prompts.
struct TMainWindowSetup {
    // Where kv.ini and the default library are looked for.
    QString ProgramDir;
    // A drawing to open at start; empty for none.
    QString FileName;
    // Null for the desktop's own dialogs and message boxes.
    TUserPrompts* Prompts = nullptr;
};

// The editor's main window. It builds the menus, tool bars, panels and status bar and hands every
// command to the drawing or to a small controller; it owns the one drawing, the shape library and the
// pen and brush given to new shapes for the whole run.
class TMainDrawFrm : public QMainWindow, private TErrorReporter {
public:
    explicit TMainDrawFrm(const TMainWindowSetup& setup);
    ~TMainDrawFrm() override;

    TDrawing& Drawing() { return FDrawing; }
    TFileCommands& FileCommands() { return *FFileCommands; }
    const TPolyLib& Library() const { return FLibrary; }
    const TRecentFiles& RecentFiles() const { return FRecent; }
    const QString& LibraryFile() const { return FLibraryFile; }
    bool LibraryEditing() const { return FLibraryEditing; }
    // A command by its object name, for the shell and for tests.
    QAction* Action(const QString& name) const { return FActions.value(name); }
    QString CurrentTheme() const;
    void SelectTheme(int theme);

    // Brings the tool bar buttons in line with the drawing; the window does this whenever it is idle.
    void RefreshCommandStates();
    // The same for the File and Edit menus, which also do it when they open.
    void RefreshMenuStates();

    TCanvasController& Canvas() { return *FCanvas; }
    TViewNavigator& Navigator() { return *FNavigator; }
    TTextFrm& TextDialog() { return *FTextFrm; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using THandler = std::function<void()>;

    // Building the window.
    QAction* AddAction(const QString& name, const QString& caption, const QString& hint, const QString& icon = {},
        THandler handler = {});
    void BuildMenus();
    QMenu* BuildFileMenu();
    QMenu* BuildEditMenu();
    QMenu* BuildTransformMenu();
    QMenu* BuildViewMenu();
    QMenu* BuildAppearanceMenu();
    QMenu* BuildHelpMenu();
    void BuildTopToolbar();
    void BuildToolPalette();
    void BuildTransformToolbars();
    void BuildCentre();
    void BuildLibraryPanel();
    void BuildStatusBar();
    void DescribeToolbarButtons(QToolBar* toolbar);
    void BuildCanvas();
    void SetSnap(bool on);
    void UpdateRecentMenu();

    // Start-up and closing.
    void LoadLibraryAndSettings(const QString& programDir);
    void ApplyLibraryEditing();
    bool LoadWindowState();
    void SaveWindowState();
    void PlaceWindowDefault();
    void ShowLibraryPage(int page);

    TCommandStates CurrentCommandStates() const;

    // Commands handled here.
    void ReturnToSelectionTool();
    void ToggleGrid(bool on);
    void RunOnSelection(const THandler& change);
    // The Edit menu's clipboard commands.
    void Copy();
    void Cut();
    // The selection doubled where it is, the copies selected, for "Apply to copy".
    void CopyInPlace();
    void ScheduleCommandRefresh();
    void ReportError(const QString& message) override;

    std::unique_ptr<TUserPrompts> FOwnPrompts;
    TUserPrompts& FPrompts;
    TSurfaceWidget* Pic = nullptr;
    TDrawing FDrawing;
    TPolyLib FLibrary;
    TRecentFiles FRecent;
    std::unique_ptr<TFileCommands> FFileCommands;
    std::unique_ptr<TCanvasController> FCanvas;
    std::unique_ptr<TViewNavigator> FNavigator;
    // The text dialog lives for the whole run and keeps what it last showed.
    TTextFrm* FTextFrm = nullptr;
    TPen FNewPen;
    TBrush FNewBrush;
    QString FLibraryFile;
    bool FLibraryEditing = true;
    int FTheme = 0;
    bool FRefreshPending = false;
    // Commands whose behaviour is built; the others stay disabled whatever the selection.
    QHash<QString, QAction*> FActions;
    QHash<QString, bool> FWired;

    TPaintPanel* XRulePic = nullptr;
    TPaintPanel* YRulePic = nullptr;
    QScrollBar* XHsb = nullptr;
    QScrollBar* YHsb = nullptr;
    QComboBox* ZoomCombo = nullptr;
    QDockWidget* LibPanel = nullptr;
    QComboBox* LibCombo = nullptr;
    QListWidget* LibListBox = nullptr;
    QWidget* LibTBPanel = nullptr;
    QLabel* XYLabel = nullptr;
    QLabel* HintLabel = nullptr;
    QMenu* ReopenMenu = nullptr;
    QToolBar* RotateToolbar = nullptr;
};

} // namespace korvo
