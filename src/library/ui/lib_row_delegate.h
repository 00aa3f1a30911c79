#pragma once

#include "library/ui/thumbnail_cache.h"

#include <QStyledItemDelegate>

namespace korvo {

class TLibListModel;

// Rows of the library list: white, the picture at the left, the name beside it on one line, cut
// with an ellipsis when too long, red in the selected row.
class TLibRowDelegate : public QStyledItemDelegate {
public:
    static constexpr int LargeRowHeight = 60;
    static constexpr int SmallRowHeight = 40;

    TLibRowDelegate(const TLibListModel& model, TThumbnailCache& thumbnails, QObject* parent = nullptr);

    void SetRowHeight(int height);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const TLibListModel& FModel;
    TThumbnailCache& FThumbnails;
    int FRowHeight = LargeRowHeight;
};

} // namespace korvo
