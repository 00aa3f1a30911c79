#pragma once

#include <QObject>
#include <QPoint>

class QDropEvent;

namespace korvo {

class TCanvasController;
class TLibraryPanel;
class TSurfaceWidget;

// The drawing surface takes pictures dragged from the library list, and nothing else: the picture's
// top-left corner lands at the drop point, on the grid when snapping is on.
class TLibraryDropTarget : public QObject {
public:
    TLibraryDropTarget(TSurfaceWidget& surface, const TLibraryPanel& panel, TCanvasController& canvas);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Drop(const QDropEvent& event);

    TSurfaceWidget& FSurface;
    const TLibraryPanel& FPanel;
    TCanvasController& FCanvas;
};

// An SVG picture dropped from the file manager onto the page comes in with its top-left corner at the
// drop point, on the grid when snapping is on.
class TPictureFileDropTarget : public QObject {
    Q_OBJECT

public:
    TPictureFileDropTarget(TSurfaceWidget& surface, const TCanvasController& canvas);

signals:
    // Sent after the drop has ended, as FileDropped is.
    void PictureDropped(const QString& fileName, QPoint at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const TCanvasController& FCanvas;
};

// A drawing file dropped from the file manager anywhere on the window is handed on to be opened.
class TDrawingFileDropTarget : public QObject {
    Q_OBJECT

public:
    explicit TDrawingFileDropTarget(QWidget& window);

signals:
    // Sent after the drop has ended: the question about unsaved changes must not keep the file
    // manager waiting.
    void FileDropped(const QString& fileName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace korvo
