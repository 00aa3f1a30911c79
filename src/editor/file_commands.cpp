#include "editor/file_commands.h"

#include "document/drawing.h"
#include "document/picture.h"
#include "document/shared_settings.h"
#include "editor/recent_files.h"
#include "editor/save_name.h"
#include "editor/user_prompts.h"
#include "shapes/file_io.h"

#include <QFileInfo>

namespace korvo {

namespace {

    QString DrawingFilter() { return TFileCommands::tr("Korvo files(*.kv)|*.kv"); }

    QString SaveFilter() { return TFileCommands::tr("Picture files(*.kv)|*.kv"); }

    QString ExportFilter()
    {
        return TFileCommands::tr("windows metafile(*.emf)|*.emf|SVG picture(*.svg)|*.svg|PDF document(*.pdf)|*.pdf|"
                                 "PNG picture(*.png)|*.png");
    }

    QString PictureFilter()
    {
        return TFileCommands::tr("All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG Image File (*.jpg)|*.jpg|"
                                 "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png");
    }

    QString ChangedQuestion(const QString& fileName)
    {
        return TFileCommands::tr("%1 has changed.\rDo you want to save the changes?").arg(fileName);
    }

    bool IsUnchanged() { return DocState == dsUntitled || DocState == dsSaved; }

} // namespace

TFileCommands::TFileCommands(TDrawing& drawing, TRecentFiles& recent, TUserPrompts& prompts)
    : FDrawing(drawing)
    , FRecent(recent)
    , FPrompts(prompts)
{
}

QString TFileCommands::Title() const
{
    if (!FFileName.isEmpty()) {
        const QString title = QStringLiteral("Korvo - ") + QFileInfo(FFileName).fileName();
        return DocState == dsChanged ? title + QLatin1Char('*') : title;
    }
    return DocState == dsUntitledChanged ? QStringLiteral("Korvo*") : QStringLiteral("Korvo");
}

void TFileCommands::UpdateTitle() { emit TitleChanged(Title()); }

void TFileCommands::SetFileName(const QString& fileName)
{
    FFileName = fileName;
    emit FileNameChanged(fileName);
    UpdateTitle();
}

bool TFileCommands::SaveChanges(const QString& question)
{
    switch (FPrompts.AskYesNoCancel(question)) {
    case TAnswer::Yes:
        // A cancelled or failed save must not lose the drawing on screen.
        return DocState == dsUntitledChanged ? SaveAs() : Save();
    case TAnswer::No:
        return true;
    case TAnswer::Cancel:
        break;
    }
    return false;
}

bool TFileCommands::ConfirmDiscard()
{
    if (IsUnchanged())
        return true;
    return SaveChanges(ChangedQuestion(FFileName.isEmpty() ? tr("Untitled") : FFileName));
}

bool TFileCommands::ConfirmClose()
{
    if (IsUnchanged())
        return FPrompts.AskYesNo(tr("Exit program"));
    return SaveChanges(FFileName.isEmpty() ? tr("The current file has changed.\rDo you want to save the changes?")
                                           : ChangedQuestion(FFileName));
}

void TFileCommands::New()
{
    if (!ConfirmDiscard())
        return;
    const TDrawingUpdate update(FDrawing);
    FDrawing.Clear();
    FDrawing.SetDocState(dsUntitled);
    SetFileName(QString());
    emit DrawingReplaced();
}

void TFileCommands::Remember(const QString& fileName)
{
    FRecent.Add(fileName);
    emit RecentFilesChanged();
}

bool TFileCommands::OpenDrawing(const QString& fileName, const TShapesPromise& read)
{
    // A file that cannot be read leaves the drawing, its name, state and title as they were.
    const TDrawingUpdate update(FDrawing);
    try {
        if (read)
            FDrawing.LoadShapes(read());
        else
            FDrawing.LoadFile(fileName);
    } catch (const EFileError& e) {
        FPrompts.ShowError(e.Message());
        return false;
    }
    Opened(fileName);
    return true;
}

void TFileCommands::Opened(const QString& fileName)
{
    emit DrawingReplaced();
    SetFileName(fileName);
}

void TFileCommands::Open()
{
    if (!ConfirmDiscard())
        return;
    const QString fileName = FPrompts.OpenFileName(QString(), DrawingFilter(), FUserDir);
    if (!fileName.isEmpty())
        OpenChosen(fileName);
}

void TFileCommands::OpenChosen(const QString& fileName, const TShapesPromise& read)
{
    if (!OpenDrawing(fileName, read))
        return;
    FUserDir = QFileInfo(fileName).absolutePath();
    Remember(fileName);
}

void TFileCommands::OpenDropped(const QString& fileName)
{
    if (ConfirmDiscard())
        OpenChosen(fileName);
}

void TFileCommands::OpenRecent(const QString& fileName)
{
    // A drawing that has gone would fail again every time it is chosen, so it leaves the list.
    if (!QFileInfo(fileName).isFile()) {
        FRecent.Remove(fileName);
        emit RecentFilesChanged();
        FPrompts.ShowError(tr("\"%1\" no longer exists; it has been taken off the list.").arg(fileName));
        return;
    }
    Remember(fileName);
    if (ConfirmDiscard())
        OpenDrawing(fileName);
}

void TFileCommands::OpenAtStart(const QString& fileName, const TShapesPromise& read)
{
    if (!fileName.isEmpty() && QFileInfo(fileName).isFile())
        OpenChosen(fileName, read);
}

bool TFileCommands::OpenRecovered(TShapeList shapes, const QString& fileName)
{
    const TDrawingUpdate update(FDrawing);
    if (!ConfirmDiscard())
        return false;
    FDrawing.LoadShapes(std::move(shapes));
    FDrawing.SetDocState(fileName.isEmpty() ? dsUntitledChanged : dsChanged);
    Opened(fileName);
    return true;
}

bool TFileCommands::SaveTo(const QString& fileName)
{
    try {
        FDrawing.SaveFile(fileName);
    } catch (const EFileError& e) {
        FPrompts.ShowError(e.Message());
        return false;
    }
    return true;
}

bool TFileCommands::Save()
{
    if (DocState == dsUntitledChanged || FFileName.isEmpty())
        return SaveAs();
    if (!SaveTo(FFileName))
        return false;
    UpdateTitle();
    return true;
}

bool TFileCommands::SaveAs()
{
    const QString fileName = ChooseSaveName(FPrompts, { tr("Save as"), SaveFilter(), FUserDir }, QStringLiteral(".kv"));
    if (fileName.isEmpty() || !SaveTo(fileName))
        return false;
    SetFileName(fileName);
    FUserDir = QFileInfo(fileName).absolutePath();
    Remember(fileName);
    return true;
}

void TFileCommands::ImportBackground()
{
    const QString fileName = FPrompts.PictureFileName(PictureFilter(), FUserDir);
    if (fileName.isEmpty())
        return;
    try {
        FDrawing.LoadBackground(fileName);
    } catch (const EFileError& e) {
        FPrompts.ShowError(e.Message());
    }
}

void TFileCommands::ExportSelection()
{
    // A name ending in another picture format's extension keeps it; any other becomes a metafile.
    const QString fileName
        = ChooseSaveName(FPrompts, { tr("Export as metafile"), ExportFilter(), FUserDir }, [](const QString& typed) {
              return IsPictureFormat(QFileInfo(typed).suffix()) ? typed : WithExtension(typed, QStringLiteral(".emf"));
          });
    if (fileName.isEmpty())
        return;
    try {
        FDrawing.ExportMetafile(fileName);
    } catch (const EFileError& e) {
        FPrompts.ShowError(e.Message());
    }
}

} // namespace korvo
