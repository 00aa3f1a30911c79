#include "editor/view_navigator.h"

#include "document/drawing.h"
#include "document/shared_settings.h"
#include "document/zoom.h"
#include "geometry/rounding.h"
#include "geometry/units.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

namespace korvo {

namespace {
    constexpr int MaxZoom = 10;
    constexpr int RulerFontPixels = 12;
}

TViewNavigator::TViewNavigator(TDrawing& drawing, TWidgets widgets)
    : FDrawing(drawing)
    , FWidgets(widgets)
{
}

int TViewNavigator::ScrollFor(QScrollBar& bar, int pageMM, int viewPixels, int wanted) const
{
    const int page = Round(static_cast<double>(pageMM) * FDrawing.Scale());
    if (page <= viewPixels) {
        bar.hide();
        return 0;
    }
    const int maximum = page - viewPixels;
    bar.setRange(0, maximum);
    bar.show();
    // An offset beyond either end goes back to the page's edge rather than to the nearest end.
    const int position = wanted >= 0 && wanted <= maximum ? wanted : 0;
    bar.setValue(position);
    return position;
}

void TViewNavigator::ZoomAt(QPoint at, int index)
{
    const TDrawingUpdate update(FDrawing);
    const TMMPoint page = FDrawing.DeviceToMM(at.x(), at.y());
    FDrawing.SetScale(ZoomToScale(index));
    const double scale = FDrawing.Scale();
    const QSize view = FWidgets.Surface.size();
    FZooming = true;
    const int x = ScrollFor(FWidgets.Horizontal, PageWidthMM, view.width(), Round(scale * page.X) - at.x());
    const int y = ScrollFor(FWidgets.Vertical, PageHeightMM, view.height(), Round(scale * page.Y) - at.y());
    FZooming = false;
    FDrawing.SetScroll(x, y);
    const QSignalBlocker quiet(&FWidgets.Zoom);
    FWidgets.Zoom.setCurrentIndex(ScaleToZoom(FDrawing.Scale()));
    FWidgets.HorizontalRuler.update();
    FWidgets.VerticalRuler.update();
}

void TViewNavigator::ZoomStep(QPoint at, bool out)
{
    const int index = ScaleToZoom(FDrawing.Scale());
    if ((out && index <= 0) || (!out && index >= MaxZoom))
        return;
    ZoomAt(at, out ? index - 1 : index + 1);
}

void TViewNavigator::ZoomChosen(int index)
{
    const QSize view = FWidgets.Surface.size();
    ZoomAt(QPoint(view.width() / 2, view.height() / 2), index);
}

void TViewNavigator::SurfaceResized(QSize size)
{
    const TDrawingUpdate update(FDrawing);
    FDrawing.SetViewSize(size.width(), size.height());
    PageChanged();
}

void TViewNavigator::PageChanged() { ZoomChosen(ScaleToZoom(FDrawing.Scale())); }

void TViewNavigator::Scrolled()
{
    if (FZooming)
        return;
    const int x = FWidgets.Horizontal.isVisible() ? FWidgets.Horizontal.value() : 0;
    const int y = FWidgets.Vertical.isVisible() ? FWidgets.Vertical.value() : 0;
    FDrawing.SetScroll(x, y);
    FWidgets.HorizontalRuler.update();
    FWidgets.VerticalRuler.update();
}

void TViewNavigator::PaintHorizontalRuler(QPainter& painter, const QRect& area) const
{
    PaintRuler(painter, area, true);
}

void TViewNavigator::PaintVerticalRuler(QPainter& painter, const QRect& area) const
{
    PaintRuler(painter, area, false);
}

void TViewNavigator::PaintRuler(QPainter& painter, const QRect& area, bool horizontal) const
{
    const QWidget& ruler = horizontal ? FWidgets.HorizontalRuler : FWidgets.VerticalRuler;
    const QColor face = ruler.palette().button().color();
    painter.fillRect(area, face);
    const int p = Round(FDrawing.Scale());
    if (p <= 0)
        return;
    const int length = horizontal ? ruler.width() : ruler.height();
    const int end = p * (horizontal ? PageWidthMM : PageHeightMM);
    const int step = p >= BaseScale ? 4 : 2;
    const int scroll = horizontal ? FDrawing.ScrollX() : FDrawing.ScrollY();
    const int rem = scroll % (10 * p);
    const int first = scroll / (10 * p);
    QFont font(QStringLiteral("arial"));
    font.setPixelSize(RulerFontPixels);
    painter.setFont(font);
    painter.setPen(ruler.palette().buttonText().color());
    const QFontMetrics metrics(font);
    // A number is centred on its position along the ruler and written 4 pixels in from the edge.
    const auto number = [&](int at, int value) {
        const QString text = QString::number(value);
        if (horizontal)
            painter.drawText(at - metrics.horizontalAdvance(text) / 2, 4 + metrics.ascent(), text);
        else
            painter.drawText(4, at - metrics.height() / 2 + metrics.ascent(), text);
    };
    if (p > step) {
        for (int i = 0; i <= length / p + 10; ++i) {
            const int at = i * p - rem;
            if (i % 10 == 0 && i != 0)
                number(at, i / 10 + first);
            else if (horizontal)
                painter.drawLine(at, 8, at, 11);
            else
                painter.drawLine(8, at, 11, at);
        }
    } else {
        const int cm = 10 * step;
        for (int i = 1; i <= length / cm + 1; ++i)
            number(i * cm - rem, i + first);
    }
    if (end + 10 < length) {
        const QRect beyond
            = horizontal ? QRect(end + 10, 0, length, ruler.height()) : QRect(0, end + 10, ruler.width(), length);
        painter.fillRect(beyond, face);
    }
    painter.setPen(QColor(0x80, 0x80, 0x80));
    if (horizontal)
        painter.drawLine(0, ruler.height() - 1, ruler.width(), ruler.height() - 1);
    else
        painter.drawLine(ruler.width() - 1, 0, ruler.width() - 1, ruler.height());
}

} // namespace korvo
