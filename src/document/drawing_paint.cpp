#include "document/drawing.h"

#include "document/paint_layers.h"

#include "document/drawing_surface.h"
#include "document/shared_settings.h"
#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/colour_map.h"
#include "shapes/error_reporter.h"
#include "shapes/paint_tools.h"
#include "shapes/selection_marks.h"
#include "shapes/shape_painter.h"

#include <QPainter>

#include <algorithm>
#include <exception>
#include <unordered_set>

namespace korvo {

namespace {

    constexpr TColour GridColour = 0x00C0C0C0;
    constexpr TColour CentimetreColour = 0x00808080;

    // A line whose last pixel is left out, as the platform draws lines.
    void DrawOpenEndedLine(QPainter& painter, int x1, int y1, int x2, int y2)
    {
        const QPoint ends[] = { { x1, y1 }, { x2, y2 } };
        DrawPolylineOpenEnded(painter, ends, 2);
    }

} // namespace

void TDrawing::Paint()
{
    try {
        if (FView.size() != QSize(FViewWidth, FViewHeight))
            FView = QImage(FViewWidth, FViewHeight, QImage::Format_RGB32);
        TPaintErrors errors;
        if (!FView.isNull()) {
            QPainter painter(&FView);
            if (FHoldLayers)
                PaintOverLayers(painter, errors);
            else
                PaintWholeView(painter, errors);
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

void TDrawing::HoldUnselectedShapes(bool hold)
{
    FHoldLayers = hold;
    if (!hold)
        FLayers = {};
}

void TDrawing::PaintPaper(QPainter& painter) const
{
    painter.fillRect(QRect(0, 0, painter.device()->width(), painter.device()->height()), Qt::white);
    DrawBackground(painter);
    if (FShowGrid)
        DrawGrid(painter);
}

void TDrawing::PaintShapes(QPainter& painter, std::size_t begin, std::size_t end, TPaintErrors& errors)
{
    TShapePainter shapes(painter, TPaintTarget::Screen, ScreenPixelsPerInch(), FFonts);
    for (std::size_t i = begin; i < end; ++i)
        shapes.Draw(*FShapes[i], FScrollX, FScrollY, FScale);
    errors.Merge(shapes.Errors());
}

void TDrawing::PaintWholeView(QPainter& painter, TPaintErrors& errors)
{
    PaintPaper(painter);
    PaintShapes(painter, 0, FShapes.size(), errors);
}

TPaintLayers::TKey TDrawing::LayerKey() const
{
    // The selected shapes lie between the first and the last selected index; everything else is held.
    const std::unordered_set<const TPolygon*> selected(FSelection.begin(), FSelection.end());
    std::size_t first = FShapes.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < FShapes.size() && !selected.empty(); ++i) {
        if (selected.count(FShapes[i].get())) {
            first = std::min(first, i);
            last = i + 1;
        }
    }
    return { std::min(first, last), last, FShapes.size(), FScale, FScrollX, FScrollY, FView.size(), FShowGrid,
        FBackground ? FBackground->cacheKey() : 0, FBackgroundX, FBackgroundY, PageWidthMM, PageHeightMM };
}

void TDrawing::PaintOverLayers(QPainter& painter, TPaintErrors& errors)
{
    const TPaintLayers::TKey key = LayerKey();
    if (!FLayers.Valid || !(FLayers.Key == key)) {
        FLayers.Key = key;
        FLayers.Valid = true;
        FLayers.Below = QImage(FView.size(), QImage::Format_RGB32);
        QPainter below(&FLayers.Below);
        PaintPaper(below);
        PaintShapes(below, 0, key.First, errors);
        FLayers.Above = QImage(FView.size(), QImage::Format_ARGB32_Premultiplied);
        FLayers.Above.fill(Qt::transparent);
        QPainter above(&FLayers.Above);
        PaintShapes(above, key.Last, FShapes.size(), errors);
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, FLayers.Below);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    PaintShapes(painter, key.First, key.Last, errors);
    painter.drawImage(0, 0, FLayers.Above);
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
        if (FNodeMode == TNodeMode::Handles)
            DrawGrips(painter, *shape, FScrollX, FScrollY);
        else if (FNodeMode == TNodeMode::Nodes)
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
    DrawCircleInBox(painter, c, 10);
    DrawOpenEndedLine(painter, c.x() - 15, c.y(), c.x() + 15, c.y());
    DrawOpenEndedLine(painter, c.x(), c.y() - 15, c.x(), c.y() + 15);
}

} // namespace korvo
