#pragma once

#include "dialogs/paint_panel.h"

#include <QImage>

namespace korvo {

// The drawing surface: shows the view the drawing composes, and tells its owner when its size changes
// so that the drawing composes a view that fits.
class TSurfaceWidget : public TPaintPanel {
    Q_OBJECT

public:
    explicit TSurfaceWidget(QWidget* parent = nullptr);

    // Keeps the view to show until the next one comes.
    void ShowImage(const QImage& view);
    // The view last shown; empty before the first.
    const QImage& Image() const { return FImage; }

signals:
    void Resized(QSize size);
    // Previews are painted over the view here, such as the outline of a shape being dragged out.
    void PaintingOverlay(QPainter& painter);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage FImage;
};

} // namespace korvo
