#include "document/picture.h"

#include "document/emf/emf_picture.h"
#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/error_reporter.h"
#include "shapes/file_io.h"
#include "shapes/shape_painter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace korvo {

namespace {

    int printerPixelsPerInch = 600;

    bool PaintInto(QPaintDevice& device, const TPicture& picture)
    {
        QPainter painter;
        if (!painter.begin(&device))
            return false;
        if (picture.OnWhite)
            painter.fillRect(QRect(QPoint(0, 0), picture.CanvasSize), Qt::white);
        TFontCache fonts;
        PaintPicture(painter, picture, fonts);
        return painter.end();
    }

    // Vector formats cannot hold a page of no size; such a picture becomes one pixel.
    QSize DrawableSize(const TPicture& picture) { return picture.CanvasSize.expandedTo(QSize(1, 1)); }

    bool WriteEmf(QIODevice& out, const TPicture& picture)
    {
        TEmfPicture emf(picture.CanvasSize, picture.PixelsPerInch);
        if (!PaintInto(emf, picture))
            return false;
        const QByteArray bytes = emf.Bytes();
        return out.write(bytes) == bytes.size();
    }

    bool WriteSvg(QIODevice& out, const TPicture& picture)
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&out);
        svg.setResolution(picture.PixelsPerInch);
        svg.setSize(DrawableSize(picture));
        svg.setViewBox(QRect(QPoint(0, 0), DrawableSize(picture)));
        svg.setTitle(QStringLiteral("Korvo picture"));
        return PaintInto(svg, picture);
    }

    bool WritePdf(QIODevice& out, const TPicture& picture)
    {
        QPdfWriter pdf(&out);
        pdf.setResolution(picture.PixelsPerInch);
        pdf.setCreator(QStringLiteral("Korvo"));
        const QSizeF millimetres = QSizeF(DrawableSize(picture)) * MMPerInch / picture.PixelsPerInch;
        if (!pdf.setPageSize(QPageSize(millimetres, QPageSize::Millimeter)) || !pdf.setPageMargins(QMarginsF()))
            return false;
        return PaintInto(pdf, picture);
    }

    bool WritePng(QIODevice& out, const TPicture& picture)
    {
        QImage image(DrawableSize(picture), QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return false;
        image.fill(Qt::transparent);
        const int dotsPerMetre = qRound(picture.PixelsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return PaintInto(image, picture) && image.save(&out, "PNG");
    }

    using TPictureWriter = bool (*)(QIODevice&, const TPicture&);

    TPictureWriter WriterFor(const QString& format)
    {
        if (format == QLatin1String("emf"))
            return WriteEmf;
        if (format == QLatin1String("svg"))
            return WriteSvg;
        if (format == QLatin1String("pdf"))
            return WritePdf;
        if (format == QLatin1String("png"))
            return WritePng;
        return nullptr;
    }

} // namespace

int PrinterPixelsPerInch() { return printerPixelsPerInch; }

void SetPrinterPixelsPerInch(int pixelsPerInch)
{
    if (pixelsPerInch > 0)
        printerPixelsPerInch = pixelsPerInch;
}

namespace {

    float PrinterPerSurfacePixel(int printerPixelsPerInch)
    {
        return static_cast<float>(static_cast<double>(printerPixelsPerInch) / ScreenPixelsPerInch());
    }

} // namespace

float PageScale(int printerPixelsPerInch) { return PrinterPerSurfacePixel(printerPixelsPerInch) * ScreenPixelsPerMM(); }

float ExportScale() { return PrinterPerSurfacePixel(PrinterPixelsPerInch()) * BaseScale; }

TPictureGeometry PictureGeometry(const TRect& bounds, float drawingScale, float k)
{
    const double ratio = static_cast<double>(k) / static_cast<double>(drawingScale);
    const auto scaled = [ratio](double v) { return Round(v * ratio); };
    return { QPoint(scaled(bounds.Left), scaled(bounds.Top)),
        QSize(scaled(static_cast<double>(bounds.Right) - bounds.Left),
            scaled(static_cast<double>(bounds.Bottom) - bounds.Top)),
        k };
}

void PaintPicture(QPainter& painter, const TPicture& picture, TFontCache& fonts)
{
    TShapePainter device(painter, TPaintTarget::Device, picture.PixelsPerInch, fonts);
    const TPictureGeometry& geometry = picture.Geometry;
    for (const TPolygon* shape : picture.Shapes)
        device.Draw(*shape, geometry.Origin.x(), geometry.Origin.y(), geometry.Scale);
    if (picture.Reporter)
        device.Errors().ReportTo(*picture.Reporter);
}

TRect FitRect(const TRect& content, const TRect& area)
{
    const std::int64_t contentWidth = static_cast<std::int64_t>(content.Right) - content.Left;
    const std::int64_t contentHeight = static_cast<std::int64_t>(content.Bottom) - content.Top;
    const std::int64_t areaHeight = static_cast<std::int64_t>(area.Bottom) - area.Top;
    std::int64_t a = static_cast<std::int64_t>(area.Right) - area.Left;
    std::int64_t b = contentWidth != 0 ? a * contentHeight / contentWidth : 0;
    if (b > areaHeight) {
        b = areaHeight;
        a = contentHeight != 0 ? b * contentWidth / contentHeight : 0;
    }
    const std::int64_t left = (static_cast<std::int64_t>(area.Left) + area.Right - a) / 2;
    const std::int64_t top = (static_cast<std::int64_t>(area.Top) + area.Bottom - b) / 2;
    return { Saturate32(left), Saturate32(top), Saturate32(left + a), Saturate32(top + b) };
}

bool IsPictureFormat(const QString& extension) { return WriterFor(extension.toLower()) != nullptr; }

void ExportPicture(const QString& fileName, const TPicture& picture)
{
    const TPictureWriter write = WriterFor(QFileInfo(fileName).suffix().toLower());
    if (!write)
        throw EFileError(QCoreApplication::translate(
            "korvo::TPicture", "Pictures can be exported as .emf, .svg, .pdf or .png files only."));
    WriteFileMadeInMemory(fileName, [&](QIODevice& file) { return write(file, picture); });
}

QByteArray PictureBytes(const QString& format, const TPicture& picture)
{
    const TPictureWriter write = WriterFor(format);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write || !write(buffer, picture))
        return {};
    return buffer.data();
}

} // namespace korvo
