#include "editor/picture_import.h"

#include "document/drawing.h"
#include "editor/app_settings.h"
#include "editor/user_prompts.h"
#include "shapes/file_io.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

namespace korvo {

namespace {

    const QString SvgMimeType = QStringLiteral("image/svg+xml");
    const QString FolderKey = QStringLiteral("ImportPicture/Folder");
    // Pasted pictures land as pasted shapes do, a little inside the view rather than on its edge.
    constexpr float ViewInsetMM = 10.0f;

    QString PictureFilter()
    {
        return TPictureImport::tr("SVG pictures (*.svg *.svgz)|*.svg;*.svgz|SVG (*.svg)|*.svg|"
                                  "Compressed SVG (*.svgz)|*.svgz");
    }

} // namespace

bool IsPictureFile(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0
        || suffix.compare(QLatin1String("svgz"), Qt::CaseInsensitive) == 0;
}

TPictureImport::TPictureImport(TDrawing& drawing, TUserPrompts& prompts)
    : FDrawing(drawing)
    , FPrompts(prompts)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        FClipboardChanged = true;
        emit ClipboardChanged();
    });
}

void TPictureImport::ImportChosen()
{
    const auto store = OpenUserStore();
    const QString fileName
        = FPrompts.OpenFileName(tr("Import picture"), PictureFilter(), store->value(FolderKey).toString());
    if (fileName.isEmpty())
        return;
    store->setValue(FolderKey, QFileInfo(fileName).absolutePath());
    ImportFileAt(fileName, ViewCorner());
}

void TPictureImport::ImportFile(const QString& fileName, QPoint at) { ImportFileAt(fileName, FDrawing.PointToMM(at)); }

void TPictureImport::ImportFileAt(const QString& fileName, TMMPoint at)
{
    Import([&fileName] { return ReadFileBytes(fileName); }, QStringLiteral("\"%1\"").arg(fileName), at);
}

bool TPictureImport::ClipboardOffersPicture() const
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    // Asked only now: the system may tell of another program's copy before it tells Korvo that the
    // clipboard is no longer Korvo's.
    const bool clipboardNewer = FClipboardChanged && !clipboard->ownsClipboard();
    if (FDrawing.ClipboardCount() > 0 && !clipboardNewer)
        return false;
    const QMimeData* data = clipboard->mimeData();
    return data && data->hasFormat(SvgMimeType);
}

void TPictureImport::PastePicture()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QByteArray bytes = data ? data->data(SvgMimeType) : QByteArray();
    Import([&bytes] { return bytes; }, tr("The picture on the clipboard"), ViewCorner());
}

TMMPoint TPictureImport::ViewCorner() const
{
    const TMMPoint corner = FDrawing.DeviceToMM(0, 0);
    return { corner.X + ViewInsetMM, corner.Y + ViewInsetMM };
}

void TPictureImport::Import(const std::function<QByteArray()>& read, const QString& name, TMMPoint at)
{
    try {
        const QString note = FDrawing.ImportPicture(read(), name, at);
        if (!note.isEmpty())
            emit LeftOut(note);
    } catch (const EFileError& e) {
        FPrompts.ShowError(e.Message());
    }
}

} // namespace korvo
