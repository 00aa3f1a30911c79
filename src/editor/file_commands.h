#pragma once

#include "document/drawing_file.h"
#include "editor/read_ahead.h"

#include <QObject>
#include <QString>

namespace korvo {

class TDrawing;
class TRecentFiles;
class TUserPrompts;

// New, Open, the recent files, Save and Save As, the unsaved-changes questions, the window title and
// importing a background picture: the File menu's behaviour, without any widgets of its own.
class TFileCommands : public QObject {
    Q_OBJECT

public:
    TFileCommands(TDrawing& drawing, TRecentFiles& recent, TUserPrompts& prompts);

    const QString& FileName() const { return FFileName; }
    const QString& UserDir() const { return FUserDir; }
    void SetUserDir(const QString& dir) { FUserDir = dir; }

    // "Korvo - plan.kv*" and so on, from the file name and the document state.
    QString Title() const;
    void UpdateTitle();

    // Whether the current drawing may be replaced, after offering to save it. A save the user
    // cancels or that fails keeps the drawing: the answer is then no.
    bool ConfirmDiscard();
    // Whether the window may close: the same question for a changed drawing, "Exit program" otherwise.
    bool ConfirmClose();

    void New();
    void Open();
    void OpenRecent(const QString& fileName);
    // Loads a drawing named at start-up; a name that is no existing file is ignored. `read`, when
    // given, hands over its shapes read ahead at the drawing's scale (see ReadAhead).
    void OpenAtStart(const QString& fileName, const TShapesPromise& read = {});
    // A drawing dropped from the file manager opens as Open would open it.
    void OpenDropped(const QString& fileName);
    // Opens the shapes of a drawing kept for recovery as unsaved changes of the file it came from
    // (untitled when the name is empty), so that Save puts it back there. False when the user keeps
    // the drawing open now.
    bool OpenRecovered(TShapeList shapes, const QString& fileName);
    bool Save();
    bool SaveAs();

    void ImportBackground();
    // Exports the selection as a metafile; a name ending in .svg, .pdf or .png gets that format.
    void ExportSelection();

signals:
    // The window title has to change.
    void TitleChanged(const QString& title);
    // The drawing's file is another one now, or none (empty) after New.
    void FileNameChanged(const QString& fileName);
    // New or Open put another drawing in place of the one shown; it starts with the selection tool.
    void DrawingReplaced();
    void RecentFilesChanged();

private:
    // Takes the name of the drawing's file, and the title with it.
    void SetFileName(const QString& fileName);
    bool SaveChanges(const QString& question);
    bool OpenDrawing(const QString& fileName, const TShapesPromise& read = {});
    // The drawing now shown is the file's.
    void Opened(const QString& fileName);
    // Opens a drawing the user chose and remembers it among the recent files and as the folder to offer.
    void OpenChosen(const QString& fileName, const TShapesPromise& read = {});
    void Remember(const QString& fileName);
    bool SaveTo(const QString& fileName);

    TDrawing& FDrawing;
    TRecentFiles& FRecent;
    TUserPrompts& FPrompts;
    QString FFileName;
    QString FUserDir;
};

} // namespace korvo
