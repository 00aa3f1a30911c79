#include "document/drawing.h"

#include "document/paint_layers.h"
#include "document/parallel_paint.h"
#include "document/view_tiles.h"

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
#include <numeric>
#include <optional>
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

    // Where the grid ends, in page pixels along one direction. The view's own end stops it at the page or at
    // the view's far edge, whichever comes first. Kept tiles take it to the page's edge instead, which
    // shows the same lines within the view and does not move while the view scrolls over the page.
    int GridEnd(int view, int page, int scroll, bool forTiles)
    {
        if (forTiles && view <= page)
            return std::max(page, scroll + view);
        return std::min(view, page) + scroll;
    }

} // namespace

void TDrawing::Paint() { Compose(true); }

void TDrawing::PaintAnew() { Compose(false); }

void TDrawing::Compose(bool reuseTiles)
{
    try {
        // Every paint covers the whole view, so an image a viewer still holds is left to it unchanged
        // instead of being copied only to be painted over.
        if (FView.size() != QSize(FViewWidth, FViewHeight) || !FView.isDetached())
            FView = QImage(FViewWidth, FViewHeight, QImage::Format_RGB32);
        TPaintErrors errors;
        if (!FView.isNull()) {
            if (!FHoldLayers)
                PaintPage(reuseTiles, errors);
            QPainter painter(&FView);
            if (FHoldLayers)
                PaintOverLayers(painter, errors);
            DrawSelection(painter, errors);
            DrawCentre(painter);
        }
        emit ViewPainted(FView);
        if (FReporter)
            errors.ReportTo(*FReporter);
    } catch (const std::exception& e) {
        if (FReporter)
            FReporter->ReportError(QString::fromUtf8(e.what()));
    }
}

QRect TDrawing::ViewArea() const { return { FScrollX, FScrollY, FViewWidth, FViewHeight }; }

QPoint TDrawing::GridEnds(bool forTiles) const
{
    const int pageWidth = Round(static_cast<double>(PageWidthMM) * FScale);
    const int pageHeight = Round(static_cast<double>(PageHeightMM) * FScale);
    return { GridEnd(FViewWidth, pageWidth, FScrollX, forTiles), GridEnd(FViewHeight, pageHeight, FScrollY, forTiles) };
}

void TDrawing::PaintPage(bool reuseTiles, TPaintErrors& errors)
{
    const QPoint gridEnds = GridEnds(reuseTiles);
    const TPagePainter page { [this](const QRect& area) { return ShapesMeeting(area); },
        [this, gridEnds](QPainter& painter, const QRect& area, const QRect&, const std::vector<std::size_t>& shapes,
            TPaintErrors& pieceErrors) {
            PaintPaper(painter, area.topLeft(), gridEnds);
            PaintListedShapes(painter, area.topLeft(), shapes, pieceErrors);
        } };
    const TViewTiles::TKey key { FScale, FShowGrid, gridEnds.x(), gridEnds.y(),
        FBackground ? FBackground->cacheKey() : 0, FBackgroundX, FBackgroundY };
    RecordPaintedShapes(reuseTiles, key, page, errors);
    if (!reuseTiles) {
        PaintInPieces(FView, ViewArea(), FPaintOnEveryCore, page, errors);
        return;
    }
    FTiles.Compose(FView, ViewArea(), key, FPaintOnEveryCore, page, errors);
}

std::vector<TPaintItem> TDrawing::ShapesMeeting(const QRect& area) const
{
    std::vector<TPaintItem> items;
    for (std::size_t i = 0; i < FShapes.size(); ++i) {
        const std::optional<TRect>& reach = FPainted.Reach(i);
        // A shape whose reach has no limit may paint anywhere in the area.
        const QRect pixels = reach ? reach->ToQRect() : area;
        if (pixels.intersects(area))
            items.push_back({ i, pixels });
    }
    return items;
}

void TDrawing::RecordPaintedShapes(
    bool reuseTiles, const TViewTiles::TKey& key, const TPagePainter& page, TPaintErrors& errors)
{
    if (!FShapesChanged && FPainted.Covers(FShapes.size(), FScale))
        return;
    const std::optional<QRect> changed = FPainted.Update(FShapes, FScale, ScreenPixelsPerInch());
    // At another scale alone the shapes are only measured again: the tiles are kept by scale.
    if (!FShapesChanged)
        return;
    FShapesChanged = false;
    // A paint of the whole view paints the change anyway; the kept tiles then only let it go.
    if (changed && reuseTiles)
        FTiles.RepaintOver(*changed, ViewArea(), key, page, errors);
    else if (changed)
        FTiles.DropOver(*changed, key);
    else
        FTiles.Drop();
}

void TDrawing::HoldUnselectedShapes(bool hold)
{
    FHoldLayers = hold;
    if (!hold)
        FLayers = {};
}

void TDrawing::PaintPaper(QPainter& painter, QPoint origin, QPoint gridEnds) const
{
    painter.fillRect(QRect(0, 0, painter.device()->width(), painter.device()->height()), Qt::white);
    DrawBackground(painter, origin);
    if (FShowGrid)
        DrawGrid(painter, origin, gridEnds);
}

void TDrawing::PaintListedShapes(
    QPainter& painter, QPoint origin, const std::vector<std::size_t>& shapes, TPaintErrors& errors) const
{
    TShapePainter painterOfShapes(painter, TPaintTarget::Screen, ScreenPixelsPerInch(), FFonts);
    // Hatches are tied to the page, so strips painted apart from each other meet without a seam.
    painter.setBrushOrigin(-origin);
    for (const std::size_t i : shapes)
        painterOfShapes.Draw(*FShapes[i], origin.x(), origin.y(), FScale);
    errors.Merge(painterOfShapes.Errors());
}

void TDrawing::PaintShapes(
    QPainter& painter, QPoint origin, std::pair<std::size_t, std::size_t> range, TPaintErrors& errors) const
{
    std::vector<std::size_t> shapes(range.second - range.first);
    std::iota(shapes.begin(), shapes.end(), range.first);
    PaintListedShapes(painter, origin, shapes, errors);
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
        const QPoint scroll(FScrollX, FScrollY);
        PaintPaper(below, scroll, GridEnds(false));
        PaintShapes(below, scroll, { 0, key.First }, errors);
        FLayers.Above = QImage(FView.size(), QImage::Format_ARGB32_Premultiplied);
        FLayers.Above.fill(Qt::transparent);
        QPainter above(&FLayers.Above);
        PaintShapes(above, scroll, { key.Last, FShapes.size() }, errors);
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, FLayers.Below);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    PaintShapes(painter, { FScrollX, FScrollY }, { key.First, key.Last }, errors);
    painter.drawImage(0, 0, FLayers.Above);
}

void TDrawing::DrawBackground(QPainter& painter, QPoint origin) const
{
    if (!FBackground)
        return;
    // Each picture pixel covers 25/96 mm of the page.
    const int width = Round(FBackground->width() * static_cast<double>(FScale) * 25 / 96);
    const int height = Round(FBackground->height() * static_cast<double>(FScale) * 25 / 96);
    const QPoint at = MMToDevice({ FBackgroundX, FBackgroundY }, origin.x(), origin.y());
    painter.drawImage(QRect(at.x(), at.y(), width, height), *FBackground);
}

void TDrawing::DrawGrid(QPainter& painter, QPoint origin, QPoint ends) const
{
    const bool fine = FScale > BaseScale;
    const int step = fine ? Round(FScale) : Round(static_cast<double>(FScale) * 10);
    if (step <= 0)
        return;
    const QColor light = ToQColor(GridColour);
    const QColor dark = ToQColor(CentimetreColour);
    // Lines count from the page's origin, so every tenth fine line is a centimetre line.
    const auto colourOf = [&](std::int64_t t) { return fine && t % 10 == 0 ? dark : light; };
    // Lines past the painter's far edge would not show.
    const auto drawLines = [&](int end, int scroll, int extent, auto drawOne) {
        const std::int64_t last = std::min<std::int64_t>(end, static_cast<std::int64_t>(scroll) + extent) / step;
        for (std::int64_t t = std::max<std::int64_t>(0, scroll / step); t <= last; ++t) {
            painter.setPen(QPen(colourOf(t), 1));
            drawOne(static_cast<int>(step * t - scroll));
        }
    };
    const int right = ends.x() - origin.x();
    const int bottom = ends.y() - origin.y();
    const int width = painter.device()->width();
    const int height = painter.device()->height();
    drawLines(ends.x(), origin.x(), width, [&](int x) { DrawOpenEndedLine(painter, x, -origin.y(), x, bottom); });
    drawLines(ends.y(), origin.y(), height, [&](int y) { DrawOpenEndedLine(painter, -origin.x(), y, right, y); });
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
