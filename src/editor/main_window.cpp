#include "editor/main_window.h"

#include "document/recovery_store.h"
#include "document/shared_settings.h"
#include "editor/app_settings.h"
#include "editor/autosave.h"
#include "editor/canvas/canvas_controller.h"
#include "editor/drawing_surface_widget.h"
#include "editor/library_commands.h"
#include "editor/picture_import.h"
#include "editor/print_commands.h"
#include "editor/qt_user_prompts.h"
#include "editor/shape_commands.h"
#include "editor/themes.h"
#include "editor/tool_cursors.h"
#include "editor/view_navigator.h"
#include "geometry/units.h"
#include "help/help_router.h"
#include "library/ui/lib_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace korvo {

namespace {

    TUserPrompts& PromptsFor(const TMainWindowSetup& setup, std::unique_ptr<TUserPrompts>& own, QWidget* window)
    {
        if (setup.Prompts)
            return *setup.Prompts;
        own = std::make_unique<TQtUserPrompts>(window);
        return *own;
    }

} // namespace

TMainDrawFrm::TMainDrawFrm(const TMainWindowSetup& setup)
    : FPrompts(PromptsFor(setup, FOwnPrompts, this))
    , Pic(new TSurfaceWidget)
    , FDrawing(this)
    , FCommands(*this, FDrawing)
    , FLibrary(*this)
    , FProgramDir(setup.ProgramDir)
{
    setObjectName(QStringLiteral("MainDrawFrm"));
    TakeScreenResolution();
    RegisterToolCursors();
    FDrawing.SetScale(BaseScale);
    connect(&FDrawing, &TDrawing::ViewPainted, Pic, &TSurfaceWidget::ShowImage);
    FFileCommands = std::make_unique<TFileCommands>(FDrawing, FRecent, FPrompts);
    connect(FFileCommands.get(), &TFileCommands::TitleChanged, this, &QWidget::setWindowTitle);
    connect(FFileCommands.get(), &TFileCommands::DrawingReplaced, &FWiring,
        [this] { FCanvas->SetDrawStyle(TTool::Selection); });
    connect(FFileCommands.get(), &TFileCommands::RecentFilesChanged, &FWiring, [this] { UpdateRecentMenu(); });
    FRecovery = std::make_unique<TRecoveryStore>(
        setup.RecoveryFolder.isEmpty() ? TRecoveryStore::DefaultFolder() : setup.RecoveryFolder);
    FReadLeftover = setup.ReadLeftover;
    FAutosave = std::make_unique<TAutosave>(
        FDrawing, *FRecovery, FPrompts, TAutosave::TSetup { RecoveryIntervalSeconds(*OpenUserStore()), {} });
    connect(FFileCommands.get(), &TFileCommands::FileNameChanged, FAutosave.get(), &TAutosave::SetFileName);
    FPrint = std::make_unique<TPrintCommands>(FDrawing, FPrompts, this);
    FPictureImport = std::make_unique<TPictureImport>(FDrawing, FPrompts);
    // Long enough to read a sentence; the note is no error and needs no answer.
    connect(FPictureImport.get(), &TPictureImport::LeftOut, &FWiring,
        [this](const QString& note) { statusBar()->showMessage(note, 15000); });
    connect(FPictureImport.get(), &TPictureImport::ClipboardChanged, &FWiring, [this] { RefreshCommandStates(); });

    BuildMenus();
    BuildTopToolbar();
    BuildToolPalette();
    BuildTransformToolbars();
    BuildCentre();
    BuildLibraryPanel();
    BuildStatusBar();
    BuildCanvas();
    BindCommands();
    connect(&FDrawing, &TDrawing::Changed, &FWiring, [this](TDrawingChanges changes) { DrawingChanged(changes); });

    if (const auto store = OpenUserStore())
        FRecent.Load(*store);
    UpdateRecentMenu();
    const TIniSettings ini = ReadIniSettings(setup.ProgramDir);
    LoadLibrary(ini);
    if (!LoadWindowState())
        PlaceWindowDefault();
    // Waited for last, so that the drawing named at start-up is read while the rest is built.
    FFileCommands->OpenAtStart(setup.FileName, setup.ReadFile);
    FFileCommands->UpdateTitle();
    FFileCommands->SetUserDir(ini.UserDir);
    RefreshCommandStates();
}

TMainDrawFrm::~TMainDrawFrm() = default;

void TMainDrawFrm::ReportError(const QString& message) { FPrompts.ShowError(message); }

void TMainDrawFrm::LoadLibrary(const TIniSettings& ini)
{
    FLibraryEditing = ini.LibraryEditing;
    FLibraryCommands->LoadAtStart(ini.LibraryFile);
    ApplyLibraryEditing();
}

const QString& TMainDrawFrm::LibraryFile() const { return FLibraryCommands->LibraryFile(); }

void TMainDrawFrm::ApplyLibraryEditing()
{
    Action(TCommand::AddToLibrary)->setVisible(FLibraryEditing);
    Action(TCommand::SaveLibraryAs)->setVisible(FLibraryEditing);
    FLibraryPanel->ToolPanel()->setVisible(FLibraryEditing);
    FLibraryPanel->SetContextMenu(FLibraryEditing ? LibPUM : nullptr);
}

QString TMainDrawFrm::CurrentTheme() const { return ThemeName(FTheme); }

void TMainDrawFrm::SelectTheme(TTheme theme)
{
    FTheme = theme;
    ApplyTheme(theme);
    // The bar between the drawing and the library takes the theme's colour.
    setStyleSheet(QStringLiteral("QMainWindow::separator { background: %1; width: 4px; height: 4px; }")
                      .arg(SplitterColour(theme).name()));
}

bool TMainDrawFrm::LoadWindowState()
{
    const auto store = OpenUserStore();
    const QString skin = store->value(QStringLiteral("Skin")).toString();
    SelectTheme(FindTheme(skin).value_or(FTheme));
    const auto bounds = DecodeWindowBounds(store->value(QStringLiteral("position")).toByteArray());
    if (!bounds)
        return false;
    setGeometry(*bounds);
    return true;
}

void TMainDrawFrm::SaveWindowState()
{
    const auto store = OpenUserStore();
    store->setValue(QStringLiteral("position"), EncodeWindowBounds(geometry()));
    store->setValue(QStringLiteral("Skin"), CurrentTheme());
    FRecent.Save(*store);
}

void TMainDrawFrm::PlaceWindowDefault()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        showMaximized();
        return;
    }
    QRect area = screen->availableGeometry();
    const QRect whole = screen->geometry();
    // On a wide screen the window takes a 4:3 share of the height, centred.
    if (whole.width() > 1.4 * whole.height()) {
        area.setWidth(qRound(area.height() * 4 / 3.0));
        area.translate((whole.width() - area.width()) / 2, 0);
    }
    setGeometry(area);
}

void TMainDrawFrm::closeEvent(QCloseEvent* event)
{
    if (!FFileCommands->ConfirmClose()) {
        event->ignore();
        return;
    }
    // Whatever was unsaved was given up on purpose.
    FAutosave->Drop();
    SaveWindowState();
    event->accept();
}

bool TMainDrawFrm::event(QEvent* event)
{
    // Hints of the control under the pointer go to the hint label rather than over the status bar.
    if (event->type() == QEvent::StatusTip) {
        HintLabel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainDrawFrm::DrawingChanged(TDrawingChanges changes)
{
    if (changes & VisibleChanges)
        FDrawing.Paint();
    if (changes & TDrawingChange::DocState)
        FFileCommands->UpdateTitle();
    RefreshCommandStates();
}

void TMainDrawFrm::RefreshCommandStates()
{
    if (FLibraryPanel->ToolPanel()->isVisibleTo(this)) {
        FLibraryState
            = { FLibraryPanel->CurrentRow(), FLibraryPanel->RowCount(), static_cast<int>(FLibrary.Pages().size()) };
    }
    FCommands.Refresh(
        { FDrawing, FCanvas->HotShape(), !FRecent.IsEmpty(), FLibraryState, FPictureImport->ClipboardOffersPicture() });
    Action(TCommand::Undo)->setText(FDrawing.GetUndoCaption());
    Action(TCommand::Redo)->setText(FDrawing.GetRedoCaption());
}

void TMainDrawFrm::keyPressEvent(QKeyEvent* event)
{
    // Arrow keys that no control took move the selection.
    if (!FCanvas->ArrowKey(event->key(), event->modifiers()))
        QMainWindow::keyPressEvent(event);
}

void TMainDrawFrm::Copy()
{
    FDrawing.CopySelection();
    try {
        FDrawing.CopyAsMetafile();
    } catch (const std::exception& e) {
        FPrompts.ShowError(QString::fromUtf8(e.what()));
    }
    FPictureImport->PasteBufferFilled();
}

void TMainDrawFrm::Cut()
{
    FDrawing.CopySelection();
    FPictureImport->PasteBufferFilled();
    FDrawing.DeleteSelection();
}

void TMainDrawFrm::Paste()
{
    if (FPictureImport->ClipboardOffersPicture())
        FPictureImport->PastePicture();
    else
        FDrawing.Paste();
}

} // namespace korvo
