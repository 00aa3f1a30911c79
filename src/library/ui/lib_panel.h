#pragma once

#include "library/ui/lib_list_box.h"
#include "library/ui/thumbnail_cache.h"

#include <QWidget>

class QComboBox;
class QDropEvent;
class QMenu;

namespace korvo {

class TErrorReporter;
class TLibListModel;
class TLibRowDelegate;
class TLibShape;
class TPolyLib;

// The number under which help explains the library list.
constexpr int LibListHelpContext = 2000;

// The library panel's body: the page combo, the list of the page's pictures, and at the foot the
// panel for the library's tool bar. It follows every change of the library; the commands that change
// the library tell it which page and row to show afterwards.
class TLibraryPanel : public QWidget {
    Q_OBJECT

public:
    // Errors met while painting thumbnails go to the reporter, once each, after the list is painted.
    TLibraryPanel(const TPolyLib& library, TErrorReporter& reporter, QWidget* parent = nullptr);

    // Shows a page with a row selected, or the last one when there are fewer. A page without entries
    // shows an empty list.
    void ShowPage(int page, int row = 0);
    // Shows a page as choosing it in the combo does, and gives the list the keys.
    void ChoosePage(int page);
    // -1 when the library has no pages, or no row is selected.
    int CurrentPage() const;
    int CurrentRow() const;
    int RowCount() const;
    const TLibShape* CurrentEntry() const { return Entry(CurrentRow()); }
    // Nothing for a row outside the list.
    const TLibShape* Entry(int row) const;
    // 60-pixel rows, or 40 for small thumbnails.
    void SetLargeThumbnails(bool large);

    // The entry a drag from this list carries; nothing for any other drag.
    const TLibShape* DraggedEntry(const QDropEvent& event) const;

    QWidget* ToolPanel() const { return FToolPanel; }
    TLibListBox* List() const { return FList; }
    // The menu the list opens on a right click; none without one.
    void SetContextMenu(QMenu* menu);

signals:
    // The page shown or the selected row changed.
    void ListChanged();

private:
    // Fills the page combo with the library's pages, keeping the page shown where it can, and fits the
    // combo's drop-down list to the screen.
    void ShowPages();
    void ReportPaintErrors();

    const TPolyLib& FLibrary;
    TErrorReporter& FReporter;
    TThumbnailCache FThumbnails;
    TLibListModel* FModel;
    TLibRowDelegate* FDelegate;
    QComboBox* FCombo;
    TLibListBox* FList;
    QWidget* FToolPanel;
    QMenu* FContextMenu = nullptr;
};

} // namespace korvo
