#include "editor/drawing_surface_widget.h"

#include <QPainter>
#include <QResizeEvent>

namespace korvo {

TSurfaceWidget::TSurfaceWidget(QWidget* parent)
    : TPaintPanel(QStringLiteral("Pic"), parent)
{
    setAccessibleName(QStringLiteral("Drawing surface"));
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    SetOnPaint([this](QPainter& painter, const QRect& area) {
        painter.fillRect(area, Qt::white);
        if (FImage)
            painter.drawImage(area.topLeft(), *FImage, area);
        if (FOverlay)
            FOverlay(painter);
    });
}

void TSurfaceWidget::ShowImage(const QImage& view)
{
    FImage = &view;
    update();
}

void TSurfaceWidget::resizeEvent(QResizeEvent* event)
{
    TPaintPanel::resizeEvent(event);
    if (FOnResize)
        FOnResize(event->size());
}

} // namespace korvo
