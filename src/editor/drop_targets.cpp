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

namespace korvo {

namespace {

    bool IsDragOver(QEvent::Type type) { return type == QEvent::DragEnter || type == QEvent::DragMove; }

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
    if (!IsDragOver(event->type()) && event->type() != QEvent::Drop)
        return false;
    auto& drop = static_cast<QDropEvent&>(*event);
    const QString fileName = DraggedPicture(*drop.mimeData());
    if (fileName.isEmpty())
        return false;
    drop.setDropAction(Qt::CopyAction);
    drop.accept();
    if (event->type() == QEvent::Drop) {
        const QPoint at = FCanvas.Snap(drop.position().toPoint());
        QMetaObject::invokeMethod(
            this, [this, fileName, at] { emit PictureDropped(fileName, at); }, Qt::QueuedConnection);
    }
    return true;
}

TDrawingFileDropTarget::TDrawingFileDropTarget(QWidget& window)
    : QObject(&window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool TDrawingFileDropTarget::eventFilter(QObject*, QEvent* event)
{
    if (!IsDragOver(event->type()) && event->type() != QEvent::Drop)
        return false;
    auto& drop = static_cast<QDropEvent&>(*event);
    const QString fileName = DroppedFile(*drop.mimeData(), QStringLiteral("kv"));
    if (fileName.isEmpty())
        return false;
    drop.acceptProposedAction();
    if (event->type() == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, fileName] { emit FileDropped(fileName); }, Qt::QueuedConnection);
    return true;
}

} // namespace korvo
