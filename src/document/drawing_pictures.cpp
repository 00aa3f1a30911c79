#include "document/drawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace korvo {

namespace {

    // Ten points in printer pixels, rounded as the platform's MulDiv rounds.
    int MarginPixels(int printerPixelsPerInch) { return (10 * printerPixelsPerInch + 36) / 72; }

    void PaintCaption(QPainter& target, const TRect& area, const QString& caption)
    {
        QFont font(QStringLiteral("arial"));
        font.setPointSize(8);
        const QFontMetrics metrics(font, target.device());
        target.setFont(font);
        target.setPen(Qt::black);
        target.setBrush(Qt::NoBrush);
        target.drawText(QPoint(area.Left, area.Bottom - metrics.height() + metrics.ascent()), caption);
    }

} // namespace

TPicture TDrawing::Picture(bool selectionOnly, float k, int printerPixelsPerInch) const
{
    TPicture picture;
    if (selectionOnly)
        picture.Shapes.assign(FSelection.begin(), FSelection.end());
    else
        for (const TShapePtr& shape : FShapes)
            picture.Shapes.push_back(shape.get());
    const TRect bounds = selectionOnly ? GetSelectionBounds() : GetDrawingBounds();
    picture.Geometry = PictureGeometry(bounds, FScale, k);
    picture.CanvasSize = picture.Geometry.Size;
    picture.PixelsPerInch = printerPixelsPerInch;
    return picture;
}

void TDrawing::ExportMetafile(const QString& fileName) const
{
    TPicture picture = Picture(true, ExportScale(), PrinterPixelsPerInch());
    const int margin = MarginPixels(picture.PixelsPerInch);
    picture.CanvasSize += QSize(margin, margin);
    picture.Geometry.Origin -= QPoint(margin / 2, margin / 2);
    ExportPicture(fileName, picture);
}

void TDrawing::RenderDrawing(
    QPainter& target, const TRect& area, const QString& caption, TPlacement placement, int printerPixelsPerInch) const
{
    Render(target, Picture(false, PageScale(printerPixelsPerInch), printerPixelsPerInch), area, caption, placement);
}

void TDrawing::RenderSelection(
    QPainter& target, const TRect& area, const QString& caption, TPlacement placement, int printerPixelsPerInch) const
{
    Render(target, Picture(true, PageScale(printerPixelsPerInch), printerPixelsPerInch), area, caption, placement);
}

void TDrawing::Render(
    QPainter& target, const TPicture& picture, const TRect& area, const QString& caption, TPlacement placement)
{
    const TPictureGeometry& geometry = picture.Geometry;
    if (!geometry.IsEmpty()) {
        const std::int64_t w = geometry.Size.width();
        const std::int64_t h = geometry.Size.height();
        target.save();
        if (placement == TPlacement::Centred) {
            target.translate(
                static_cast<int>((area.Left + area.Right - w) / 2), static_cast<int>((area.Top + area.Bottom - h) / 2));
        } else if (placement == TPlacement::Fitted) {
            const TRect fit = FitRect({ 0, 0, static_cast<int>(w), static_cast<int>(h) }, area);
            target.translate(fit.Left, fit.Top);
            target.scale(static_cast<double>(fit.Right - fit.Left) / w, static_cast<double>(fit.Bottom - fit.Top) / h);
        } else {
            target.translate(geometry.Origin);
        }
        TFontCache fonts;
        PaintPicture(target, picture, fonts);
        target.restore();
    }
    PaintCaption(target, area, caption);
}

} // namespace korvo
