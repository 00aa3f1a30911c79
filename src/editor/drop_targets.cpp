#include "editor/drop_targets.h"

#include "editor/canvas/canvas_controller.h"
#include "editor/drawing_surface_widget.h"
#include "editor/picture_import.h"
#include "library/lib_shape.h"
#include "library/ui/lib_panel.h"
#include "library/ui/library_drag.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <functional>

namespace korvo {

namespace {

    bool IsDragOver(QEvent::Type type) { return type == QEvent::DragEnter || type == QEvent::DragMove; }

    // Takes a drag from the file manager when `pick` finds a file in it; `dropped` gets the file and
    // the drop point after the drop has ended, so that a question or a message about the file does not
    // keep the file manager waiting.
    bool TakeFileDrop(QObject& target, QEvent& event, const std::function<QString(const QMimeData&)>& pick,
        const std::function<void(const QString&, QPoint)>& dropped)
    {
        if (!IsDragOver(event.type()) && event.type() != QEvent::Drop)
            return false;
        auto& drop = static_cast<QDropEvent&>(event);
        const QString fileName = pick(*drop.mimeData());
        if (fileName.isEmpty())
            return false;
        drop.setDropAction(Qt::CopyAction);
        drop.accept();
        if (event.type() == QEvent::Drop) {
            const QPoint at = drop.position().toPoint();
            QMetaObject::invokeMethod(
                &target, [dropped, fileName, at] { dropped(fileName, at); }, Qt::QueuedConnection);
        }
        return true;
    }

    // The one local picture file a drag carries, or an empty name.
    QString DraggedPicture(const QMimeData& data)
    {
        const QList<QUrl> urls = data.urls();
        if (urls.size() != 1 || !urls.first().isLocalFile() || !IsPictureFile(urls.first().toLocalFile()))
            return {};
        return urls.first().toLocalFile();
    }

} // namespace

TLibraryDropTarget::TLibraryDropTarget(TSurfaceWidget& surface, const TLibraryPanel& panel, TCanvasController& canvas)
    : QObject(&surface)
    , FSurface(surface)
    , FPanel(panel)
    , FCanvas(canvas)
{
    FSurface.setAcceptDrops(true);
    FSurface.installEventFilter(this);
}

bool TLibraryDropTarget::eventFilter(QObject*, QEvent* event)
{
    if (IsDragOver(event->type())) {
        auto& drag = static_cast<QDragMoveEvent&>(*event);
        // Anything else shows the pointer that cannot drop, and goes on to the window.
        if (!FPanel.DraggedEntry(drag))
            return false;
        drag.setDropAction(Qt::CopyAction);
        drag.accept();
        return true;
    }
    if (event->type() != QEvent::Drop)
        return false;
    auto& drop = static_cast<QDropEvent&>(*event);
    if (!FPanel.DraggedEntry(drop))
        return false;
    drop.setDropAction(Qt::CopyAction);
    drop.accept();
    Drop(drop);
    return true;
}

void TLibraryDropTarget::Drop(const QDropEvent& event)
{
    const TLibShape* entry = FPanel.DraggedEntry(event);
    const QPoint at = FCanvas.Snap(event.position().toPoint());
    {
        TDrawing& drawing = FCanvas.Drawing();
        const TDrawingUpdate update(drawing);
        drawing.AddLibraryShape(&entry->FShape, at.x(), at.y());
        FCanvas.ReturnToSelectionTool();
    }
    FSurface.setFocus();
}

TPictureFileDropTarget::TPictureFileDropTarget(TSurfaceWidget& surface, const TCanvasController& canvas)
    : QObject(&surface)
    , FCanvas(canvas)
{
    surface.setAcceptDrops(true);
    surface.installEventFilter(this);
}

bool TPictureFileDropTarget::eventFilter(QObject*, QEvent* event)
{
    return TakeFileDrop(*this, *event, DraggedPicture,
        [this](const QString& fileName, QPoint at) { emit PictureDropped(fileName, FCanvas.Snap(at)); });
}

TDrawingFileDropTarget::TDrawingFileDropTarget(QWidget& window)
    : QObject(&window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool TDrawingFileDropTarget::eventFilter(QObject*, QEvent* event)
{
    const auto drawingFile = [](const QMimeData& data) { return DroppedFile(data, QStringLiteral("kv")); };
    return TakeFileDrop(
        *this, *event, drawingFile, [this](const QString& fileName, QPoint) { emit FileDropped(fileName); });
}

} // namespace korvo
