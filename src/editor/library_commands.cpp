#include "editor/library_commands.h"

#include "document/drawing.h"
#include "editor/command_icons.h"
#include "editor/save_name.h"
#include "editor/user_prompts.h"
#include "library/library_names.h"
#include "library/poly_lib.h"
#include "library/ui/export_dialog.h"
#include "library/ui/lib_edit_dialog.h"
#include "library/ui/lib_org_dialog.h"
#include "library/ui/lib_panel.h"

#include <QFileInfo>

#include <algorithm>

namespace korvo {

namespace {

    QString LibraryFilter() { return TLibraryCommands::tr("Korvo library(*.kvl)|*.kvl"); }

} // namespace

TLibraryCommands::TLibraryCommands(
    TPolyLib& library, TLibraryPanel& panel, TDrawing& drawing, TUserPrompts& prompts, QWidget& dialogParent)
    : FLibrary(library)
    , FPanel(panel)
    , FDrawing(drawing)
    , FPrompts(prompts)
    , FDialogParent(dialogParent)
{
}

void TLibraryCommands::LoadAtStart(const QString& fileName)
{
    FLibraryFile = fileName;
    if (!QFileInfo::exists(fileName)) {
        FPrompts.ShowError(tr("library file %1 not found").arg(fileName));
        return;
    }
    // A damaged library may still be mended by hand; the first change asks where to write instead.
    if (!FLibrary.LoadFile(fileName))
        FLibraryFile.clear();
    FPanel.ShowPage(0);
}

QString TLibraryCommands::PageName(int page) const { return ShownLibraryName(FLibrary.GetPageName(page)); }

QStringList TLibraryCommands::PageNames() const
{
    QStringList names;
    for (const QByteArray& page : FLibrary.Pages())
        names.append(ShownLibraryName(page));
    return names;
}

QString TLibraryCommands::Folder() const
{
    return FLibraryFile.isEmpty() ? QString() : QFileInfo(FLibraryFile).absolutePath();
}

QString TLibraryCommands::ChooseFileToSave()
{
    return ChooseSaveName(FPrompts, { tr("Save library as"), LibraryFilter(), Folder() }, QStringLiteral(".kvl"));
}

bool TLibraryCommands::Commit(const TLibraryEdit& edit)
{
    const QString fileName = FLibraryFile.isEmpty() ? ChooseFileToSave() : FLibraryFile;
    return !fileName.isEmpty() && CommitTo(fileName, edit);
}

bool TLibraryCommands::CommitTo(const QString& fileName, const TLibraryEdit& edit)
{
    const int page = FPanel.CurrentPage();
    const int row = FPanel.CurrentRow();
    if (const std::optional<TLibraryWriteFailure> failure = FLibrary.EditAndSave(fileName, edit)) {
        FPanel.ShowPage(page, row);
        // The change cannot be carried over by itself: the entries it named may be gone in the other
        // window's version.
        if (!failure->ChangedElsewhere)
            FPrompts.ShowError(failure->Message);
        else if (FPrompts.AskYesNo(failure->Message))
            UseLibrary(FLibrary.FileName());
        return false;
    }
    FLibraryFile = fileName;
    return true;
}

void TLibraryCommands::AddToLibrary(int hotShape)
{
    const int page = FPanel.CurrentPage();
    if (page < 0) {
        FPrompts.ShowInformation(tr("The library has no page yet. Make one with \"New page\" first."));
        return;
    }
    std::optional<TPolygon> picture = FDrawing.LibraryShapeFor(hotShape);
    if (!picture) {
        FPrompts.ShowInformation(tr("Point at the shape to add to the library."));
        return;
    }
    const auto& selection = FDrawing.Selection();
    const bool selected
        = std::find(selection.begin(), selection.end(), FDrawing.Shapes()[static_cast<std::size_t>(hotShape)].get())
        != selection.end();
    const QString info = selected ? tr("Add selected shapes to '%1'") : tr("Add this shape to '%1'");
    const auto name = AskLibraryName({ tr("Add to library"), info.arg(PageName(page)), tr("OK"), {} }, &FDialogParent);
    if (!name || !Commit([&] { FLibrary.AddEntry(std::move(*picture), page, *name); }))
        return;
    // The new picture is the page's last.
    FPanel.ShowPage(page, FPanel.RowCount());
}

void TLibraryCommands::RenameShape()
{
    const TLibShape* entry = FPanel.CurrentEntry();
    if (!entry)
        return;
    const auto name = AskLibraryName({ tr("Rename shape"), tr("Enter a new name for the selected shape."), tr("apply"),
                                         ShownLibraryName(entry->FName) },
        &FDialogParent);
    if (name)
        Commit([&] { FLibrary.RenameEntry(entry, ConfirmedLibraryName(entry->FName, *name)); });
}

void TLibraryCommands::RenamePage()
{
    const int page = FPanel.CurrentPage();
    if (page < 0)
        return;
    const int row = FPanel.CurrentRow();
    const auto name = AskLibraryName(
        { tr("Rename page"), tr("Enter a new name for the page."), tr("apply"), PageName(page) }, &FDialogParent);
    if (name && Commit([&] { FLibrary.RenamePage(page, ConfirmedLibraryName(FLibrary.GetPageName(page), *name)); }))
        FPanel.ShowPage(page, row);
}

void TLibraryCommands::MoveToPage()
{
    const TLibShape* entry = FPanel.CurrentEntry();
    const int page = FPanel.CurrentPage();
    if (!entry || page < 0)
        return;
    const int row = FPanel.CurrentRow();
    const std::optional<int> target = AskTargetPage(page, ShownLibraryName(entry->FName), PageNames(), &FDialogParent);
    if (!target || *target == page || !Commit([&] { FLibrary.SetEntryPage(entry, *target); }))
        return;
    // The picture leaves the list; the one after it takes its place.
    FPanel.ShowPage(page, row);
}

void TLibraryCommands::ChangePageOrder()
{
    const auto order = AskPageOrder(
        PageNames(), CommandIcon(QStringLiteral("up")), CommandIcon(QStringLiteral("down")), &FDialogParent);
    if (order && Commit([&] { FLibrary.ReorderPages(*order); }))
        FPanel.ShowPage(0);
}

void TLibraryCommands::NewPage()
{
    const auto name = AskLibraryName(
        { tr("Create new page"), tr("Enter a name for the new page."), tr("create"), {} }, &FDialogParent);
    if (name && Commit([&] { FLibrary.AddPage(*name); }))
        FPanel.ShowPage(static_cast<int>(FLibrary.Pages().size()) - 1);
}

void TLibraryCommands::DeletePage()
{
    const int page = FPanel.CurrentPage();
    if (page < 0)
        return;
    const QString question = tr("Deleting a page will also delete all the diagrams on the page.\r"
                                "Are you sure you want to delete %1")
                                 .arg(PageName(page));
    if (!FPrompts.AskWarningYesCancel(question) || !Commit([&] { FLibrary.DeletePage(page); }))
        return;
    FPanel.ChoosePage(FLibrary.Pages().isEmpty() ? -1 : std::max(page - 1, 0));
}

void TLibraryCommands::MoveEntry(int step)
{
    const int row = FPanel.CurrentRow();
    const TLibShape* entry = FPanel.Entry(row);
    const TLibShape* other = FPanel.Entry(row + step);
    if (!entry || !other || !Commit([&] { FLibrary.ExchangeEntries(entry, other); }))
        return;
    // The highlight moves with the picture, so the next press moves it again.
    FPanel.ShowPage(FPanel.CurrentPage(), row + step);
}

void TLibraryCommands::DeleteEntry()
{
    const TLibShape* entry = FPanel.CurrentEntry();
    if (!entry)
        return;
    const int row = FPanel.CurrentRow();
    if (!FPrompts.AskYesNo(tr("Delete %1").arg(ShownLibraryName(entry->FName)))
        || !Commit([&] { FLibrary.DeleteEntry(entry); }))
        return;
    FPanel.ShowPage(FPanel.CurrentPage(), row);
}

void TLibraryCommands::SaveLibraryAs()
{
    const QString fileName = ChooseFileToSave();
    // Later changes go to the new file only once the library is there.
    if (!fileName.isEmpty())
        CommitTo(fileName, [] {});
}

void TLibraryCommands::UseAnotherLibrary()
{
    const QString fileName = FPrompts.OpenFileName(tr("Open library file"), LibraryFilter(), Folder());
    if (!fileName.isEmpty())
        UseLibrary(fileName);
}

void TLibraryCommands::UseDroppedLibrary(const QString& fileName)
{
    if (FPrompts.AskYesNo(tr("Use the library %1?").arg(fileName)))
        UseLibrary(fileName);
}

void TLibraryCommands::UseLibrary(const QString& fileName)
{
    // A library that cannot be read is reported by the load and changes nothing: the library, its file
    // and the panel stay as they were.
    if (!FLibrary.LoadFile(fileName))
        return;
    FLibraryFile = fileName;
    FPanel.ShowPage(0);
}

} // namespace korvo
