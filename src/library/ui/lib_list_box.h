#pragma once

#include <QListView>

#include <functional>

namespace korvo {

// The library list. Its rows drag onto the drawing; a picture may pass over the list itself, where
// dropping does nothing. A library file dropped from the file manager is handed on to be used.
class TLibListBox : public QListView {
public:
    explicit TLibListBox(QWidget* parent = nullptr);

    void SetOnLibraryFileDropped(std::function<void(const QString&)> handler) { FOnLibraryFile = std::move(handler); }
    // Called after each paint of the rows.
    void SetOnPainted(std::function<void()> handler) { FOnPainted = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool Accepts(const QDropEvent& event) const;

    std::function<void(const QString&)> FOnLibraryFile;
    std::function<void()> FOnPainted;
};

} // namespace korvo
