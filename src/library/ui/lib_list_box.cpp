#include "library/ui/lib_list_box.h"

#include "library/ui/library_drag.h"

#include <QDragEnterEvent>
#include <QMetaMethod>

namespace korvo {

namespace {

    const QString LibrarySuffix = QStringLiteral("kvl");

} // namespace

TLibListBox::TLibListBox(QWidget* parent)
    : QListView(parent)
{
    setObjectName(QStringLiteral("LibListBox"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

void TLibListBox::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    emit Painted();
}

bool TLibListBox::TakesLibraryFiles() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TLibListBox::LibraryFileDropped));
}

bool TLibListBox::Accepts(const QDropEvent& event) const
{
    if (LibraryDragItem(*event.mimeData()))
        return true;
    return TakesLibraryFiles() && !DroppedFile(*event.mimeData(), LibrarySuffix).isEmpty();
}

void TLibListBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (Accepts(*event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TLibListBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (Accepts(*event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TLibListBox::dropEvent(QDropEvent* event)
{
    // A picture dropped back onto the list stays where it is.
    const QString fileName = DroppedFile(*event->mimeData(), LibrarySuffix);
    if (!TakesLibraryFiles() || fileName.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, fileName] { emit LibraryFileDropped(fileName); }, Qt::QueuedConnection);
}

} // namespace korvo
