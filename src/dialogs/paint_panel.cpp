#include "dialogs/paint_panel.h"

#include <QPaintEvent>
#include <QPainter>

namespace korvo {

TPaintPanel::TPaintPanel(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
}

void TPaintPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (FOnPaint)
        FOnPaint(painter, event->rect());
}

} // namespace korvo
