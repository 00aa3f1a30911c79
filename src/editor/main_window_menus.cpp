#include "editor/main_window.h"

#include "document/shared_settings.h"
#include "editor/canvas/canvas_controller.h"
#include "editor/command_icons.h"
#include "editor/themes.h"
#include "editor/view_navigator.h"

#include <QActionGroup>
#include <QDockWidget>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>

namespace korvo {

QAction* TMainDrawFrm::AddAction(
    const QString& name, const QString& caption, const QString& hint, const QString& icon, THandler handler)
{
    auto* action = new QAction(this);
    action->setObjectName(name);
    // Controls without a caption are known by their hint, to screen readers too.
    action->setText(caption.isEmpty() ? hint : caption);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    if (!icon.isEmpty())
        action->setIcon(CommandIcon(icon));
    FWired.insert(name, static_cast<bool>(handler));
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] {
            handler();
            ScheduleCommandRefresh();
        });
    else
        action->setEnabled(false);
    FActions.insert(name, action);
    return action;
}

void TMainDrawFrm::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("DrawMainMenu"));
    bar->addMenu(BuildFileMenu());
    bar->addMenu(BuildEditMenu());
    bar->addMenu(BuildTransformMenu());
    bar->addMenu(BuildViewMenu());
    bar->addMenu(BuildAppearanceMenu());
    bar->addMenu(BuildHelpMenu());
    // The shape context menu's entry, hidden with the other library maintenance commands.
    AddAction(QStringLiteral("ExportToLibrary1"), QStringLiteral("Add to library"), {});
}

QMenu* TMainDrawFrm::BuildFileMenu()
{
    auto* menu = new QMenu(QStringLiteral("&File"), this);
    menu->setObjectName(QStringLiteral("File1"));
    TFileCommands& files = *FFileCommands;
    menu->addAction(AddAction(QStringLiteral("New1"), QStringLiteral("&New"), {}, {}, [&files] { files.New(); }));
    menu->addAction(AddAction(QStringLiteral("Open1"), QStringLiteral("&Open..."), {}, {}, [&files] { files.Open(); }));
    ReopenMenu = menu->addMenu(QStringLiteral("Reopen.."));
    ReopenMenu->setObjectName(QStringLiteral("ReopenMenu"));
    ReopenMenu->menuAction()->setObjectName(QStringLiteral("Reopen1"));
    FActions.insert(QStringLiteral("Reopen1"), ReopenMenu->menuAction());
    FWired.insert(QStringLiteral("Reopen1"), true);
    menu->addAction(AddAction(QStringLiteral("Save1"), QStringLiteral("&Save"), {}, {}, [&files] { files.Save(); }));
    menu->addAction(
        AddAction(QStringLiteral("SaveAs1"), QStringLiteral("Save &As..."), {}, {}, [&files] { files.SaveAs(); }));
    menu->addSeparator();
    QMenu* library = menu->addMenu(QStringLiteral("Library"));
    library->addAction(AddAction(QStringLiteral("SaveLibraryAs1"), QStringLiteral("Save library as"), {}));
    library->addAction(AddAction(QStringLiteral("UseAnotherLibrary1"), QStringLiteral("Use another library"), {}));
    menu->addSeparator();
    menu->addAction(AddAction(
        QStringLiteral("Import1"), QStringLiteral("Import.."), {}, {}, [&files] { files.ImportBackground(); }));
    menu->addAction(AddAction(QStringLiteral("Export1"), QStringLiteral("Export selected as metafile"), {}, {},
        [&files] { files.ExportSelection(); }));
    menu->addSeparator();
    menu->addAction(AddAction(QStringLiteral("Print1"), QStringLiteral("Print..."), {}));
    menu->addAction(AddAction(QStringLiteral("PrintSelected"), QStringLiteral("Print selected"), {}));
    menu->addAction(AddAction(QStringLiteral("PrinterSetup1"), QStringLiteral("Printer setup"), {}));
    QMenu* page = menu->addMenu(QStringLiteral("Page setup"));
    auto* sizes = new QActionGroup(page);
    const auto pageSize = [this](std::int32_t width, std::int32_t height) {
        if (PageWidthMM == width)
            return;
        PageWidthMM = width;
        PageHeightMM = height;
        FNavigator->PageChanged();
    };
    for (QAction* size :
        { AddAction(QStringLiteral("A41"), QStringLiteral("A4"), {}, {}, [pageSize] { pageSize(210, 280); }),
            AddAction(QStringLiteral("A31"), QStringLiteral("A3"), {}, {}, [pageSize] { pageSize(420, 560); }) }) {
        size->setCheckable(true);
        sizes->addAction(size);
        page->addAction(size);
    }
    Action(QStringLiteral("A41"))->setChecked(PageWidthMM != 420);
    Action(QStringLiteral("A31"))->setChecked(PageWidthMM == 420);
    menu->addSeparator();
    menu->addAction(AddAction(QStringLiteral("Exit1"), QStringLiteral("E&xit"), {}, {}, [this] { close(); }));
    Action(QStringLiteral("New1"))->setShortcut(QKeySequence::New);
    Action(QStringLiteral("Open1"))->setShortcut(QKeySequence::Open);
    Action(QStringLiteral("Save1"))->setShortcut(QKeySequence::Save);
    Action(QStringLiteral("SaveAs1"))->setShortcut(QKeySequence::SaveAs);
    Action(QStringLiteral("Exit1"))->setShortcut(QKeySequence::Quit);
    connect(menu, &QMenu::aboutToShow, this, [this] { RefreshMenuStates(); });
    return menu;
}

void TMainDrawFrm::UpdateRecentMenu()
{
    ReopenMenu->clear();
    for (const QString& name : FRecent.Names()) {
        QAction* entry = ReopenMenu->addAction(QFileInfo(name).fileName());
        entry->setStatusTip(name);
        entry->setToolTip(name);
        connect(entry, &QAction::triggered, this, [this, name] {
            FFileCommands->OpenRecent(name);
            ScheduleCommandRefresh();
        });
    }
    ReopenMenu->menuAction()->setEnabled(!FRecent.IsEmpty());
}

QMenu* TMainDrawFrm::BuildEditMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Edit"), this);
    menu->setObjectName(QStringLiteral("Edit1"));
    menu->addAction(AddAction(QStringLiteral("Undo1"), QStringLiteral("Undo"), {}, {}, [this] {
        FDrawing.Undo();
        FDrawing.Paint();
    }));
    menu->addAction(AddAction(QStringLiteral("Cut1"), QStringLiteral("Cu&t"), {}, {}, [this] { Cut(); }));
    menu->addAction(AddAction(QStringLiteral("Copy1"), QStringLiteral("&Copy"), {}, {}, [this] { Copy(); }));
    menu->addAction(
        AddAction(QStringLiteral("Paste1"), QStringLiteral("&Paste"), {}, {}, [this] { FDrawing.Paste(); }));
    menu->addAction(AddAction(QStringLiteral("Selectall1"), QStringLiteral("Select all"), {}, {}, [this] {
        FDrawing.SelectAll();
        FDrawing.Paint();
    }));
    menu->addAction(AddAction(QStringLiteral("Clearbackgroundpicture1"), QStringLiteral("Clear background picture"), {},
        {}, [this] { FFileCommands->ClearBackground(); }));
    Action(QStringLiteral("Undo1"))->setShortcut(QKeySequence::Undo);
    Action(QStringLiteral("Cut1"))->setShortcut(QKeySequence::Cut);
    Action(QStringLiteral("Copy1"))->setShortcut(QKeySequence::Copy);
    Action(QStringLiteral("Paste1"))->setShortcut(QKeySequence::Paste);
    Action(QStringLiteral("Selectall1"))->setShortcut(QKeySequence::SelectAll);
    connect(menu, &QMenu::aboutToShow, this, [this] { RefreshMenuStates(); });
    return menu;
}

QMenu* TMainDrawFrm::BuildTransformMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Transform"), this);
    menu->setObjectName(QStringLiteral("Tools"));
    struct TItem {
        const char* Name;
        const char* Caption;
        const char* Toolbar;
    };
    const TItem items[] = {
        { "Rotate1", "Rotate..", "RotateToolbar" },
        { "Scale1", "Scale", "ScaleToolbar" },
        { "Align1", "Align", "AlignToolbar" },
        { "Polygon1", "Polygon", "PolygonToolbar" },
    };
    for (const TItem& i : items) {
        const QString name = QLatin1String(i.Name);
        const QString toolbar = QLatin1String(i.Toolbar);
        QAction* item = AddAction(name, QLatin1String(i.Caption), {}, {}, [this, name, toolbar] {
            const bool shown = Action(name)->isChecked();
            findChild<QToolBar*>(toolbar)->setVisible(shown);
            // The rotation centre's marker shows while the rotation tool bar is open.
            if (toolbar == QLatin1String("RotateToolbar")) {
                FDrawing.SetShowCentre(shown);
                FDrawing.Paint();
            }
        });
        item->setCheckable(true);
        menu->addAction(item);
    }
    // A tool bar closed with its own button shows unchecked the next time the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, items] {
        for (const TItem& i : items)
            Action(QLatin1String(i.Name))->setChecked(findChild<QToolBar*>(QLatin1String(i.Toolbar))->isVisible());
    });
    return menu;
}

QMenu* TMainDrawFrm::BuildViewMenu()
{
    auto* menu = new QMenu(QStringLiteral("&View"), this);
    menu->setObjectName(QStringLiteral("View1"));
    QAction* showLibrary = AddAction(QStringLiteral("ShowLibrary1"), QStringLiteral("Show library"), {}, {},
        [this] { LibPanel->setVisible(Action(QStringLiteral("ShowLibrary1"))->isChecked()); });
    menu->addAction(showLibrary);
    QMenu* thumbs = menu->addMenu(QStringLiteral("Library thumbnail size"));
    thumbs->addAction(AddAction(QStringLiteral("SmallThumbs"), QStringLiteral("Small"), {}));
    thumbs->addAction(AddAction(QStringLiteral("LargeThumbs"), QStringLiteral("Large"), {}));
    menu->addSeparator();
    QAction* grid = AddAction(QStringLiteral("Grid1"), QStringLiteral("Grid"), {}, {},
        [this] { ToggleGrid(Action(QStringLiteral("Grid1"))->isChecked()); });
    menu->addAction(grid);
    menu->addAction(AddAction(QStringLiteral("SnapToGrid1"), QStringLiteral("Snap to grid"), {}, {},
        [this] { SetSnap(Action(QStringLiteral("SnapToGrid1"))->isChecked()); }));
    menu->addAction(AddAction(QStringLiteral("UseCursors1"), QStringLiteral("Use special cursors"), {}, {},
        [this] { FCanvas->SetUseSpecialCursors(Action(QStringLiteral("UseCursors1"))->isChecked()); }));
    for (const char* name : { "ShowLibrary1", "LargeThumbs", "SmallThumbs", "Grid1", "SnapToGrid1", "UseCursors1" }) {
        Action(QLatin1String(name))->setCheckable(true);
        Action(QLatin1String(name))->setChecked(QLatin1String(name) != QLatin1String("SmallThumbs"));
    }
    return menu;
}

QMenu* TMainDrawFrm::BuildAppearanceMenu()
{
    auto* menu = new QMenu(QStringLiteral("Appearance"), this);
    menu->setObjectName(QStringLiteral("Theme1"));
    auto* group = new QActionGroup(menu);
    const char* names[] = { "Blue1", "Black1", "Silver1" };
    for (int tag = 0; tag < ThemeCount; ++tag) {
        QAction* item = AddAction(QLatin1String(names[tag]), ThemeCaption(tag), {}, {}, [this, tag] {
            if (tag != ThemeTag(CurrentTheme()))
                SelectTheme(tag);
        });
        item->setCheckable(true);
        item->setActionGroup(group);
        menu->addAction(item);
    }
    connect(menu, &QMenu::aboutToShow, this,
        [this, names] { Action(QLatin1String(names[ThemeTag(CurrentTheme())]))->setChecked(true); });
    return menu;
}

QMenu* TMainDrawFrm::BuildHelpMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Help"), this);
    menu->setObjectName(QStringLiteral("Help1"));
    menu->addAction(AddAction(QStringLiteral("Contents1"), QStringLiteral("Contents"), {}));
    menu->addAction(AddAction(QStringLiteral("Search1"), QStringLiteral("Search for help on"), {}));
    QMenu* tutorials = menu->addMenu(QStringLiteral("Tutorials"));
    tutorials->setObjectName(QStringLiteral("Tutorials"));
    const char* captions[] = { "Drawing simple shapes", "Drawing circuit diagrams", "Assembling glassware",
        "Drawing biological diagrams", "Drawing a beaker", "Drawing connecting tubes" };
    for (int i = 0; i < 6; ++i)
        tutorials->addAction(AddAction(QStringLiteral("Tutorial%1").arg(i + 1), QLatin1String(captions[i]), {}));
    menu->addSeparator();
    menu->addAction(AddAction(QStringLiteral("About1"), QStringLiteral("About"), {}));
    return menu;
}

} // namespace korvo
