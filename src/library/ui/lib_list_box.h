#pragma once

#include <QListView>

namespace korvo {

// The library list. Its rows drag onto the drawing; a picture may pass over the list itself, where
// dropping does nothing. A library file dropped from the file manager is handed on to be used.
class TLibListBox : public QListView {
    Q_OBJECT

public:
    explicit TLibListBox(QWidget* parent = nullptr);

signals:
    // Sent after the drop has ended, so the file manager is not kept waiting on a question. Library
    // files are taken only while something listens.
    void LibraryFileDropped(const QString& fileName);
    // After each paint of the rows.
    void Painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool Accepts(const QDropEvent& event) const;
    bool TakesLibraryFiles() const;
};

} // namespace korvo
