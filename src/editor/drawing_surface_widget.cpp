#include "editor/drawing_surface_widget.h"

#include <QPainter>
#include <QResizeEvent>

namespace korvo {

TSurfaceWidget::TSurfaceWidget(QWidget* parent)
    : TPaintPanel(QStringLiteral("Pic"), parent)
{
    setAccessibleName(tr("Drawing surface"));
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    SetOnPaint([this](QPainter& painter, const QRect& area) {
        painter.fillRect(area, Qt::white);
        painter.drawImage(area.topLeft(), FImage, area);
        emit PaintingOverlay(painter);
    });
}

void TSurfaceWidget::ShowImage(const QImage& view)
{
    FImage = view;
    update();
}

void TSurfaceWidget::resizeEvent(QResizeEvent* event)
{
    TPaintPanel::resizeEvent(event);
    emit Resized(event->size());
}

} // namespace korvo
