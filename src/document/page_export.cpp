#include "document/page_export.h"

#include "document/picture.h"
#include "document/shared_settings.h"
#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/error_reporter.h"
#include "shapes/file_io.h"
#include "shapes/shape_painter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRectF>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    // SVG user units are page pixels at zoom x1; the declared size makes them true millimetres.
    constexpr int SvgDotsPerInch = 254;
    constexpr int SvgDotsPerMM = 10;

    void PaintShapes(QPainter& painter, const TShapeList& shapes, float scale, TErrorReporter* reporter)
    {
        TFontCache fonts;
        TShapePainter shapePainter(painter, TPaintTarget::PagePicture, ScreenPixelsPerInch(), fonts);
        for (const TShapePtr& shape : shapes)
            shapePainter.Draw(*shape, 0, 0, scale);
        if (reporter)
            shapePainter.Errors().ReportTo(*reporter);
    }

    // The shape's box with the crop margin around it, or as far as its pen paints at the scale where that
    // is further, so that a thick outline is not cut.
    QRectF CropBox(const TPolygon& shape, double scale)
    {
        if (shape.IsGroup()) {
            QRectF box;
            for (const TPolygon& child : shape.FChildren)
                box |= CropBox(child, scale);
            return box;
        }
        const TMMRect& b = shape.FBounds;
        const double reach = std::max<double>(
            CropMarginMM, PenReach(shape, TPaintTarget::PagePicture, ScreenPixelsPerInch(), scale) / scale);
        return QRectF(QPointF(b.Left, b.Top), QPointF(b.Right, b.Bottom))
            .normalized()
            .adjusted(-reach, -reach, reach, reach);
    }

    // The pixels of a page rendered at `factor` that the shapes cover, with the crop margin around them.
    QRect ShapesArea(const TShapeList& shapes, double factor)
    {
        const auto scale = BaseScale * factor;
        const QRectF pageMM(0, 0, PageWidthMM, PageHeightMM);
        QRectF shapesMM;
        for (const TShapePtr& shape : shapes)
            shapesMM |= CropBox(*shape, scale);
        QRectF area = shapesMM & pageMM;
        // Nothing on the page: the whole page.
        if (shapesMM.isNull() || area.isEmpty())
            area = pageMM;
        // Whole pixels that take in every part of the area.
        const auto left = static_cast<int>(std::floor(area.left() * scale));
        const auto top = static_cast<int>(std::floor(area.top() * scale));
        const auto right = static_cast<int>(std::ceil(area.right() * scale));
        const auto bottom = static_cast<int>(std::ceil(area.bottom() * scale));
        return QRect(left, top, right - left, bottom - top);
    }

    // The pixels `area` of the page rendered at `factor`; only they are painted.
    QImage RenderPageArea(const TShapeList& shapes, QRect area, double factor, TErrorReporter* reporter)
    {
        QImage page(area.size(), QImage::Format_RGB32);
        if (page.isNull())
            throw EFileError(
                QCoreApplication::translate("korvo::PageExport", "The page is too large to render at this scale."));
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.translate(-area.topLeft());
        PaintShapes(painter, shapes, static_cast<float>(BaseScale * factor), reporter);
        return page;
    }

    void WritePng(const QString& fileName, const QImage& picture)
    {
        WriteFileMadeInMemory(fileName, [&picture](QIODevice& file) { return picture.save(&file, "PNG"); });
    }

} // namespace

QImage RenderPageImage(const TShapeList& shapes, double factor, TErrorReporter* reporter)
{
    return RenderPageImage(shapes, QSize(PageWidthMM, PageHeightMM), factor, reporter);
}

QImage RenderPageImage(const TShapeList& shapes, QSize pageMM, double factor, TErrorReporter* reporter)
{
    const auto scale = static_cast<double>(static_cast<float>(BaseScale * factor));
    return RenderPageArea(
        shapes, QRect(0, 0, Round(pageMM.width() * scale), Round(pageMM.height() * scale)), factor, reporter);
}

void ExportPagePng(
    const TShapeList& shapes, const QString& fileName, double factor, bool crop, TErrorReporter* reporter)
{
    WritePng(fileName,
        crop ? RenderPageArea(shapes, ShapesArea(shapes, factor), factor, reporter)
             : RenderPageImage(shapes, factor, reporter));
}

void ExportPageThumbnail(const TShapeList& shapes, const QString& fileName, int longerSide)
{
    const QSize atOne = ShapesArea(shapes, 1).size();
    const double factor = std::min(MaxExportFactor, longerSide / double(std::max(atOne.width(), atOne.height())));
    QImage picture = RenderPageArea(shapes, ShapesArea(shapes, factor), factor, nullptr);
    // Whole pixels around the shapes may add one to a side.
    if (std::max(picture.width(), picture.height()) > longerSide)
        picture = picture.scaled(longerSide, longerSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    WritePng(fileName, picture);
}

void ExportPageSvg(const TShapeList& shapes, const QString& fileName, TErrorReporter* reporter)
{
    WriteFileMadeInMemory(fileName, [&shapes, reporter](QIODevice& file) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(SvgDotsPerInch);
        svg.setSize(QSize(PageWidthMM * SvgDotsPerMM, PageHeightMM * SvgDotsPerMM));
        svg.setViewBox(QRectF(0, 0, PageWidthMM * BaseScale, PageHeightMM * BaseScale));
        svg.setTitle(QStringLiteral("Korvo drawing"));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        painter.fillRect(svg.viewBoxF(), Qt::white);
        PaintShapes(painter, shapes, BaseScale, reporter);
        return painter.end();
    });
}

void ExportPagePicture(const TShapeList& shapes, const QString& fileName, TErrorReporter* reporter)
{
    TPicture page;
    for (const TShapePtr& shape : shapes)
        page.Shapes.push_back(shape.get());
    page.PixelsPerInch = PrinterPixelsPerInch();
    const float scale = static_cast<float>(page.PixelsPerInch / MMPerInch);
    page.Geometry = { QPoint(0, 0),
        QSize(Round(PageWidthMM * static_cast<double>(scale)), Round(PageHeightMM * static_cast<double>(scale))),
        scale };
    page.CanvasSize = page.Geometry.Size;
    page.OnWhite = true;
    page.Reporter = reporter;
    ExportPicture(fileName, page);
}

} // namespace korvo
