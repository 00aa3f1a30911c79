#include "library/ui/lib_row_delegate.h"

#include "library/lib_shape.h"
#include "library/ui/lib_list_model.h"

#include <QPainter>

namespace korvo {

namespace {

    // Between the picture and the name.
    constexpr int NameGap = 4;

} // namespace

TLibRowDelegate::TLibRowDelegate(const TLibListModel& model, TThumbnailCache& thumbnails, QObject* parent)
    : QStyledItemDelegate(parent)
    , FModel(model)
    , FThumbnails(thumbnails)
{
}

void TLibRowDelegate::SetRowHeight(int height)
{
    if (height == FRowHeight)
        return;
    FRowHeight = height;
    // Tells the list that every row has a new size.
    emit sizeHintChanged(FModel.index(0));
}

void TLibRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const TLibShape* entry = FModel.Entry(index.row());
    if (!entry)
        return;
    const QRect row = option.rect;
    // The selected row has no highlight of its own: its name turns red.
    painter->fillRect(row, Qt::white);
    const TThumbnail& thumbnail = FThumbnails.Get(*entry, row.height(), painter->device()->devicePixelRatioF());
    painter->drawImage(row.topLeft(), thumbnail.Image);
    const QRect name(QPoint(row.left() + thumbnail.Used.Right + NameGap, row.top()), row.bottomRight());
    const QString text = option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, name.width());
    painter->setPen(option.state & QStyle::State_Selected ? Qt::red : Qt::black);
    painter->drawText(name, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    if (option.state & QStyle::State_HasFocus) {
        // The current row's frame, drawn here because some styles show it only after keyboard use.
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(row.adjusted(0, 0, -1, -1));
    }
}

QSize TLibRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return { option.rect.width(), FRowHeight };
}

} // namespace korvo
