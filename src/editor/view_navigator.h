#pragma once

#include <QPoint>
#include <QSize>

class QComboBox;
class QPainter;
class QRect;
class QScrollBar;
class QWidget;

namespace korvo {

class TDrawing;

// Zoom, scrolling and the centimetre rulers of the drawing surface. The zoom keeps the page point
// under the pointer (or the view's centre) in place where the page is larger than the view; where it
// fits, the page starts at the view's edge and the scroll bar goes.
class TViewNavigator {
public:
    struct TWidgets {
        QWidget& Surface;
        QScrollBar& Horizontal;
        QScrollBar& Vertical;
        QWidget& HorizontalRuler;
        QWidget& VerticalRuler;
        QComboBox& Zoom;
    };

    TViewNavigator(TDrawing& drawing, TWidgets widgets);

    // Zoom index 0..10 ("x0.5" .. "x10") about a surface point.
    void ZoomAt(QPoint at, int index);
    // One zoom step in or out about a surface point; nothing beyond x10 or x0.5.
    void ZoomStep(QPoint at, bool out);
    // The zoom box's choice, about the centre of the surface.
    void ZoomChosen(int index);
    // The surface changed size: the view and the scroll bars follow.
    void SurfaceResized(QSize size);
    // The page size changed: the zoom is applied again about the centre.
    void PageChanged();
    void Scrolled();

    void PaintHorizontalRuler(QPainter& painter, const QRect& area) const;
    void PaintVerticalRuler(QPainter& painter, const QRect& area) const;

private:
    int ScrollFor(QScrollBar& bar, int pageMM, int viewPixels, int wanted) const;
    void PaintRuler(QPainter& painter, const QRect& area, bool horizontal) const;

    TDrawing& FDrawing;
    TWidgets FWidgets;
    // Scroll bar changes made by the zoom itself are not user scrolls.
    bool FZooming = false;
};

} // namespace korvo
