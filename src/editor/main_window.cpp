#include "editor/main_window.h"

#include "document/shared_settings.h"
#include "editor/app_settings.h"
#include "editor/canvas/canvas_controller.h"
#include "editor/command_states.h"
#include "editor/drawing_surface_widget.h"
#include "editor/qt_user_prompts.h"
#include "editor/themes.h"
#include "editor/tool_cursors.h"
#include "editor/view_navigator.h"
#include "geometry/units.h"
#include "shapes/code_page.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>

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
    , FDrawing(Pic, this)
    , FLibrary(*this)
{
    setObjectName(QStringLiteral("MainDrawFrm"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        SetScreenPixelsPerInch(qRound(screen->logicalDotsPerInchY()));
    RegisterToolCursors();
    FNewBrush.Style = bsClear;
    FDrawing.SetScale(BaseScale);
    FFileCommands = std::make_unique<TFileCommands>(FDrawing, FRecent, FPrompts,
        TFileCommands::TCallbacks { [this](const QString& title) { setWindowTitle(title); },
            [this] { ReturnToSelectionTool(); }, [this] { UpdateRecentMenu(); } });

    BuildMenus();
    BuildTopToolbar();
    BuildToolPalette();
    BuildTransformToolbars();
    BuildCentre();
    BuildLibraryPanel();
    BuildStatusBar();
    BuildCanvas();

    if (const auto store = OpenUserStore())
        FRecent.Load(*store);
    UpdateRecentMenu();
    FFileCommands->OpenAtStart(setup.FileName);
    FFileCommands->UpdateTitle();
    LoadLibraryAndSettings(setup.ProgramDir);
    ApplyLibraryEditing();
    if (!LoadWindowState())
        PlaceWindowDefault();
    qApp->installEventFilter(this);
    RefreshCommandStates();
}

TMainDrawFrm::~TMainDrawFrm() { qApp->removeEventFilter(this); }

void TMainDrawFrm::ReportError(const QString& message) { FPrompts.ShowError(message); }

void TMainDrawFrm::LoadLibraryAndSettings(const QString& programDir)
{
    const TIniSettings ini = ReadIniSettings(programDir);
    FFileCommands->SetUserDir(ini.UserDir);
    FLibraryFile = ini.LibraryFile;
    FLibraryEditing = ini.LibraryEditing;
    if (!QFileInfo::exists(FLibraryFile)) {
        FPrompts.ShowError(QStringLiteral("library file ") + FLibraryFile + QStringLiteral(" not found"));
        return;
    }
    FLibrary.LoadFile(FLibraryFile);
    LibCombo->clear();
    for (const QByteArray& page : FLibrary.Pages())
        LibCombo->addItem(DecodeText(page, DefaultCharset));
    ShowLibraryPage(0);
}

void TMainDrawFrm::ShowLibraryPage(int page)
{
    LibCombo->setCurrentIndex(page);
    LibListBox->clear();
    for (const TLibShape* entry : FLibrary.PageEntries(page))
        LibListBox->addItem(DecodeText(entry->FName, DefaultCharset));
    if (LibListBox->count() > 0)
        LibListBox->setCurrentRow(0);
}

void TMainDrawFrm::ApplyLibraryEditing()
{
    Action(QStringLiteral("ExportToLibrary1"))->setVisible(FLibraryEditing);
    Action(QStringLiteral("SaveLibraryAs1"))->setVisible(FLibraryEditing);
    LibTBPanel->setVisible(FLibraryEditing);
}

QString TMainDrawFrm::CurrentTheme() const { return ThemeName(FTheme); }

void TMainDrawFrm::SelectTheme(int theme)
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

bool TMainDrawFrm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        ScheduleCommandRefresh();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainDrawFrm::ScheduleCommandRefresh()
{
    // Refreshed once the events in hand are handled, the way an idle handler would see it.
    if (FRefreshPending)
        return;
    FRefreshPending = true;
    QTimer::singleShot(0, this, [this] {
        FRefreshPending = false;
        RefreshCommandStates();
    });
}

TCommandStates TMainDrawFrm::CurrentCommandStates() const
{
    return ComputeCommandStates({ FDrawing, FCanvas->HotShape, FFileCommands->HasBackground(), !FRecent.IsEmpty() });
}

void TMainDrawFrm::RefreshCommandStates()
{
    const TCommandStates s = CurrentCommandStates();
    const std::pair<const char*, bool> states[] = {
        { "GroupBtn", s.Group },
        { "UnGroupBtn", s.Ungroup },
        { "PasteBtn", s.Paste },
        { "CopyBtn", s.CopyCut },
        { "CutBtn", s.CopyCut },
        { "ToFrontBtn", s.Depth },
        { "ToBackBtn", s.Depth },
        { "MoveUpBtn", s.Depth },
        { "MoveBackBtn", s.Depth },
        { "RotateBtn", s.Rotate },
        { "RotateCWBtn", s.Rotate },
        { "LineStyleBtn", s.LineStyles },
        { "LineEndBtn", s.LineEndings },
        { "SaveBtn", s.Save },
        { "UndoBtn", s.Undo },
        { "ApplyRotBtn", s.ApplyTransform },
        { "ApplyToCopyBtn", s.ApplyTransform },
        { "ApplyScaleBtn", s.ApplyTransform },
        { "ApplyScaleCopyBtn", s.ApplyTransform },
        { "HMirrorBtn", s.Mirror },
        { "VMirrorBtn", s.Mirror },
    };
    for (const auto& [name, enabled] : states) {
        if (QAction* action = Action(QLatin1String(name)))
            action->setEnabled(enabled && FWired.value(QLatin1String(name)));
    }
    RefreshMenuStates();
    FFileCommands->UpdateTitle();
}

void TMainDrawFrm::RefreshMenuStates()
{
    const TCommandStates s = CurrentCommandStates();
    const std::pair<const char*, bool> states[] = {
        { "Save1", s.Save },
        { "Export1", s.ExportSelection },
        { "PrintSelected", s.PrintSelected },
        { "Reopen1", s.Reopen },
        { "Paste1", s.Paste },
        { "Copy1", s.CopyCut },
        { "Cut1", s.CopyCut },
        { "Undo1", s.Undo },
        { "Selectall1", s.SelectAll },
        { "Clearbackgroundpicture1", s.ClearBackground },
    };
    for (const auto& [name, enabled] : states) {
        if (QAction* action = Action(QLatin1String(name)))
            action->setEnabled(enabled && FWired.value(QLatin1String(name)));
    }
    Action(QStringLiteral("Undo1"))->setText(s.UndoCaption);
}

void TMainDrawFrm::ReturnToSelectionTool() { FCanvas->SetDrawStyle(0); }

void TMainDrawFrm::keyPressEvent(QKeyEvent* event)
{
    // Arrow keys that no control took move the selection.
    if (!FCanvas->ArrowKey(event->key(), event->modifiers()))
        QMainWindow::keyPressEvent(event);
}

void TMainDrawFrm::ToggleGrid(bool on)
{
    FDrawing.SetShowGrid(on);
    Action(QStringLiteral("GridBtn"))->setChecked(on);
    Action(QStringLiteral("Grid1"))->setChecked(on);
    FDrawing.Paint();
}

void TMainDrawFrm::Copy()
{
    FDrawing.CopySelection();
    try {
        FDrawing.CopyAsMetafile();
    } catch (const std::exception& e) {
        FPrompts.ShowError(QString::fromUtf8(e.what()));
    }
}

void TMainDrawFrm::Cut()
{
    FDrawing.CopySelection();
    FDrawing.DeleteSelection();
    FDrawing.Paint();
}

void TMainDrawFrm::CopyInPlace()
{
    FDrawing.CopySelection();
    FDrawing.PasteInPlace();
}

void TMainDrawFrm::RunOnSelection(const THandler& change)
{
    change();
    FDrawing.Paint();
    RefreshCommandStates();
}

} // namespace korvo
