#pragma once

#include "library/poly_lib.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;

namespace korvo {

class TDrawing;
class TLibraryPanel;
class TUserPrompts;

// The commands that keep the shape library: adding a shape of the drawing, renaming, moving and
// deleting pictures and pages, saving the library under another name and using another library file.
// Every change is written to the library file at once; a change the file does not take is taken
// back, so the panel always shows what the file holds.
class TLibraryCommands {
    Q_DECLARE_TR_FUNCTIONS(TLibraryCommands)

public:
    TLibraryCommands(
        TPolyLib& library, TLibraryPanel& panel, TDrawing& drawing, TUserPrompts& prompts, QWidget& dialogParent);

    // The file every change is written to; empty while the library has none.
    const QString& LibraryFile() const { return FLibraryFile; }
    // The library named by the settings. A missing file is reported and the library starts empty, to
    // be written there; a file that cannot be read is reported and never written over.
    void LoadAtStart(const QString& fileName);

    // The shape under the pointer, or the selection when that shape is part of it, as a new picture
    // at the end of the page shown.
    void AddToLibrary(int hotShape);
    void RenameShape();
    void RenamePage();
    void MoveToPage();
    void ChangePageOrder();
    void NewPage();
    void DeletePage();
    // The selected picture moves one place up (-1) or down (1) on its page.
    void MoveEntry(int step);
    void DeleteEntry();
    void SaveLibraryAs();
    void UseAnotherLibrary();
    // A library file dropped onto the panel, used once the user agrees.
    void UseDroppedLibrary(const QString& fileName);

private:
    // Makes the change and writes the library; false when it did not stand, with the panel showing
    // the library as it is again.
    bool Commit(const TLibraryEdit& edit);
    bool CommitTo(const QString& fileName, const TLibraryEdit& edit);
    void UseLibrary(const QString& fileName);
    QString ChooseFileToSave();
    QString PageName(int page) const;
    QStringList PageNames() const;
    QString Folder() const;

    TPolyLib& FLibrary;
    TLibraryPanel& FPanel;
    TDrawing& FDrawing;
    TUserPrompts& FPrompts;
    QWidget& FDialogParent;
    QString FLibraryFile;
};

} // namespace korvo
