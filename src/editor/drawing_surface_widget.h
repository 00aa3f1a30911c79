#pragma once

#include "dialogs/paint_panel.h"
#include "document/drawing_surface.h"

#include <QImage>

#include <functional>

namespace korvo {

// The drawing surface: shows the view the drawing composes, and tells its owner when its size changes
// so that the drawing composes a view that fits.
class TSurfaceWidget : public TPaintPanel, public TDrawingSurface {
public:
    explicit TSurfaceWidget(QWidget* parent = nullptr);

    void ShowImage(const QImage& view) override;
    // The view last shown; empty before the first.
    QImage Image() const { return FImage ? *FImage : QImage(); }
    void SetOnResize(std::function<void(QSize)> handler) { FOnResize = std::move(handler); }
    // Previews painted over the view, such as the outline of a shape being dragged out.
    void SetOverlay(std::function<void(QPainter&)> painter) { FOverlay = std::move(painter); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    const QImage* FImage = nullptr;
    std::function<void(QSize)> FOnResize;
    std::function<void(QPainter&)> FOverlay;
};

} // namespace korvo
