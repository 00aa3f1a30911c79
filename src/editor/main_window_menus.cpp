#include "editor/main_window.h"

#include "editor/drawing_surface_widget.h"
#include "editor/themes.h"

#include <QActionGroup>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>

namespace korvo {

using C = TCommand;

void TMainDrawFrm::AddItems(QMenu* menu, std::initializer_list<TCommand> items)
{
    for (const TCommand id : items)
        menu->addAction(Action(id));
}

QMenu* TMainDrawFrm::NewMenu(const QString& title, const QString& name, std::initializer_list<TCommand> items)
{
    auto* menu = new QMenu(title, this);
    menu->setObjectName(name);
    AddItems(menu, items);
    // The states are fresh already; a menu opening is one more moment to be sure of it.
    connect(menu, &QMenu::aboutToShow, &FWiring, [this] { RefreshCommandStates(); });
    return menu;
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
    BuildShapeMenus();
}

void TMainDrawFrm::BuildShapeMenus()
{
    // The surface's menus for the shape and the node last under the pointer.
    ConvertPUM = NewMenu(QString(), QStringLiteral("ConvertPUM"),
        { C::ConvertToPolygon, C::ConvertToPolyline, C::ConvertToOpenCurve, C::ConvertToClosedCurve });
    ConvertPUM->addSeparator();
    AddItems(ConvertPUM, { C::ConvertToPentagon, C::ConvertToHexagon, C::ConvertToStar });
    ConvertPUM->addSeparator();
    AddItems(ConvertPUM, { C::EditText, C::EditGraphPaper, C::PlotGraph });
    ConvertPUM->addSeparator();
    AddItems(ConvertPUM, { C::AddToLibrary });
    NodePUM = NewMenu(QString(), QStringLiteral("NodePUM"), { C::DeleteNode, C::AddNode });
    // The library list's menu, for the picture and the page it shows.
    LibPUM = NewMenu(QString(), QStringLiteral("LibPUM"),
        { C::LibraryRenameShape, C::LibraryRenamePage, C::LibraryMoveToPage, C::LibraryPageOrder,
            C::LibraryDeletePage });
}

void TMainDrawFrm::Popup(QMenu* menu, QPoint at)
{
    if (!menu->isEmpty())
        menu->exec(Pic->mapToGlobal(at));
}

QMenu* TMainDrawFrm::BuildFileMenu()
{
    QMenu* menu = NewMenu(tr("&File"), QStringLiteral("File1"), { C::New, C::Open, C::Reopen });
    ReopenMenu = new QMenu(menu);
    ReopenMenu->setObjectName(QStringLiteral("ReopenMenu"));
    FCommands.BindMenu(C::Reopen, ReopenMenu);
    AddItems(menu, { C::Save, C::SaveAs });
    menu->addSeparator();
    AddItems(menu->addMenu(tr("Library")), { C::SaveLibraryAs, C::UseAnotherLibrary });
    menu->addSeparator();
    AddItems(menu, { C::ImportPicture, C::Import, C::ExportSelection });
    menu->addSeparator();
    AddItems(menu, { C::Print, C::PrintSelected, C::PrinterSetup });
    AddItems(menu->addMenu(tr("Page setup")), { C::PageA4, C::PageA3 });
    auto* sizes = new QActionGroup(menu);
    sizes->addAction(Action(C::PageA4));
    sizes->addAction(Action(C::PageA3));
    Action(C::PageA4)->setChecked(true);
    menu->addSeparator();
    AddItems(menu, { C::Exit });
    return menu;
}

void TMainDrawFrm::UpdateRecentMenu()
{
    ReopenMenu->clear();
    for (const QString& name : FRecent.Names()) {
        // An ampersand in a name is shown, not taken as the mark of a shortcut key.
        QAction* entry
            = ReopenMenu->addAction(QFileInfo(name).fileName().replace(QLatin1Char('&'), QLatin1String("&&")));
        entry->setStatusTip(name);
        entry->setToolTip(name);
        connect(entry, &QAction::triggered, &FWiring, [this, name] {
            const TDrawingUpdate update(FDrawing);
            FFileCommands->OpenRecent(name);
        });
    }
    RefreshCommandStates();
}

QMenu* TMainDrawFrm::BuildEditMenu()
{
    return NewMenu(tr("&Edit"), QStringLiteral("Edit1"),
        { C::Undo, C::Redo, C::Cut, C::Copy, C::Paste, C::SelectAll, C::ClearBackground });
}

QMenu* TMainDrawFrm::BuildTransformMenu()
{
    return NewMenu(tr("&Transform"), QStringLiteral("Tools"),
        { C::RotateToolbar, C::ScaleToolbar, C::AlignToolbar, C::PolygonToolbar });
}

QMenu* TMainDrawFrm::BuildViewMenu()
{
    QMenu* menu = NewMenu(tr("&View"), QStringLiteral("View1"), { C::ShowLibrary });
    QMenu* thumbs = menu->addMenu(tr("Library thumbnail size"));
    AddItems(thumbs, { C::SmallThumbnails, C::LargeThumbnails });
    auto* sizes = new QActionGroup(thumbs);
    sizes->addAction(Action(C::SmallThumbnails));
    sizes->addAction(Action(C::LargeThumbnails));
    menu->addSeparator();
    AddItems(menu, { C::Grid, C::SnapToGrid, C::UseSpecialCursors });
    for (const TCommand id : { C::ShowLibrary, C::LargeThumbnails, C::Grid, C::SnapToGrid, C::UseSpecialCursors })
        Action(id)->setChecked(true);
    return menu;
}

QMenu* TMainDrawFrm::BuildAppearanceMenu()
{
    const std::array<TCommand, Themes.size()> themes = { C::ThemeBlue, C::ThemeBlack, C::ThemeSilver };
    QMenu* menu = NewMenu(tr("Appearance"), QStringLiteral("Theme1"), { themes[0], themes[1], themes[2] });
    auto* group = new QActionGroup(menu);
    for (const TCommand id : themes)
        group->addAction(Action(id));
    connect(menu, &QMenu::aboutToShow, this,
        [this, themes] { Action(themes[static_cast<std::size_t>(ThemeTag(CurrentTheme()))])->setChecked(true); });
    return menu;
}

QMenu* TMainDrawFrm::BuildHelpMenu()
{
    QMenu* menu = NewMenu(tr("&Help"), QStringLiteral("Help1"), { C::HelpContents, C::HelpSearch });
    Tutorials = menu->addMenu(tr("Tutorials"));
    Tutorials->setObjectName(QStringLiteral("Tutorials"));
    // Like the help commands, the tutorials wait for the help to be found.
    Tutorials->setEnabled(false);
    AddItems(Tutorials,
        { C::Tutorial1, C::Tutorial2, C::Tutorial3, C::Tutorial4, C::Tutorial5, C::Tutorial6, C::Tutorial7 });
    menu->addSeparator();
    AddItems(menu, { C::About });
    return menu;
}

} // namespace korvo
