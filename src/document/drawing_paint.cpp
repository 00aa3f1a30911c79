#include "document/drawing.h"

#include "document/drawing_surface.h"
#include "document/shared_settings.h"
#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/colour_map.h"
#include "shapes/error_reporter.h"
#include "shapes/selection_marks.h"
#include "shapes/shape_painter.h"

#include <QPainter>

#include <algorithm>
#include <exception>

namespace korvo {

namespace {

    constexpr TColour GridColour = 0x00C0C0C0;
    constexpr TColour CentimetreColour = 0x00808080;

    // A line whose last pixel is left out, as the platform draws lines: axis-aligned only.
    void DrawOpenEndedLine(QPainter& painter, int x1, int y1, int x2, int y2)
    {
        if (x1 == x2 && y1 != y2)
            painter.drawLine(x1, y1, x2, y2 > y1 ? y2 - 1 : y2 + 1);
        else if (y1 == y2 && x1 != x2)
            painter.drawLine(x1, y1, x2 > x1 ? x2 - 1 : x2 + 1, y2);
    }

} // namespace

void TDrawing::Paint()
{
    try {
        if (FView.size() != QSize(FViewWidth, FViewHeight))
            FView = QImage(FViewWidth, FViewHeight, QImage::Format_RGB32);
        FView.fill(Qt::white);
        TPaintErrors errors;
        if (!FView.isNull()) {
            QPainter painter(&FView);
            DrawBackground(painter);
            if (FShowGrid)
                DrawGrid(painter);
            TShapePainter shapes(painter, TPaintTarget::Screen, ScreenPixelsPerInch(), FFonts);
            for (const TShapePtr& shape : FShapes)
                shapes.Draw(*shape, FScrollX, FScrollY, FScale);
            errors = std::move(shapes.Errors());
            DrawSelection(painter, errors);
            DrawCentre(painter);
        }
        if (FSurface)
            FSurface->ShowImage(FView);
        if (FReporter)
            errors.ReportTo(*FReporter);
    } catch (const std::exception& e) {
        if (FReporter)
            FReporter->ReportError(QString::fromUtf8(e.what()));
    }
}

void TDrawing::DrawBackground(QPainter& painter) const
{
    if (!FBackground)
        return;
    // Each picture pixel covers 25/96 mm of the page.
    const int width = Round(FBackground->width() * static_cast<double>(FScale) * 25 / 96);
    const int height = Round(FBackground->height() * static_cast<double>(FScale) * 25 / 96);
    const QPoint at = MMToPoint(FBackgroundX, FBackgroundY);
    painter.drawImage(QRect(at.x(), at.y(), width, height), *FBackground);
}

void TDrawing::DrawGrid(QPainter& painter) const
{
    const bool fine = FScale > BaseScale;
    const int step = fine ? Round(FScale) : Round(static_cast<double>(FScale) * 10);
    if (step <= 0)
        return;
    const int right = std::min(FViewWidth, Round(static_cast<double>(PageWidthMM) * FScale));
    const int bottom = std::min(FViewHeight, Round(static_cast<double>(PageHeightMM) * FScale));
    const QColor light = ToQColor(GridColour);
    const QColor dark = ToQColor(CentimetreColour);
    // Lines count from the page's origin, so every tenth fine line is a centimetre line.
    const auto colourOf = [&](std::int64_t t) { return fine && t % 10 == 0 ? dark : light; };
    const auto drawLines = [&](int extent, int scroll, auto drawOne) {
        const std::int64_t last = (static_cast<std::int64_t>(extent) + scroll) / step;
        for (std::int64_t t = std::max<std::int64_t>(0, scroll / step); t <= last; ++t) {
            painter.setPen(QPen(colourOf(t), 1));
            drawOne(static_cast<int>(step * t - scroll));
        }
    };
    drawLines(right, FScrollX, [&](int x) { DrawOpenEndedLine(painter, x, -FScrollY, x, bottom); });
    drawLines(bottom, FScrollY, [&](int y) { DrawOpenEndedLine(painter, -FScrollX, y, right, y); });
}

void TDrawing::DrawSelection(QPainter& painter, TPaintErrors& errors)
{
    for (const TPolygon* shape : FSelection) {
        if (FNodeMode == 0)
            DrawGrips(painter, *shape, FScrollX, FScrollY);
        else if (FNodeMode == 1)
            DrawNodes(painter, *shape, FScrollX, FScrollY, FScale, FNodePoints, errors);
    }
}

void TDrawing::DrawCentre(QPainter& painter) const
{
    if (!FShowCentre)
        return;
    const QPoint c = MMToPoint(FCentreX, FCentreY);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ToQColor(clRed), 1));
    painter.drawEllipse(QRect(c.x() - 10, c.y() - 10, 20, 20));
    DrawOpenEndedLine(painter, c.x() - 15, c.y(), c.x() + 15, c.y());
    DrawOpenEndedLine(painter, c.x(), c.y() - 15, c.x(), c.y() + 15);
}

} // namespace korvo
