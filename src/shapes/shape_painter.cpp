#include "shapes/shape_painter.h"

#include "geometry/device_points.h"
#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/arrow_head.h"
#include "shapes/colour_map.h"
#include "shapes/graph_paper_painter.h"
#include "shapes/paint_tools.h"
#include "shapes/pen_width.h"
#include "shapes/shape_kind_traits.h"
#include "shapes/text_lines.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <exception>

namespace korvo {

namespace {

    bool IsBezierCount(std::size_t count) { return count >= 4 && (count - 1) % 3 == 0; }

    int PointCount(const TPointArray& points) { return static_cast<int>(points.size()); }

    int PenPixels(const TPen& pen, TPaintTarget target, int logPixelsY, float scale)
    {
        // A dotted pen keeps its pixel width everywhere.
        if (target == TPaintTarget::Screen || pen.Style == psDot)
            return pen.Width;
        const int pixelsPerInch = target == TPaintTarget::Device ? logPixelsY : Round(scale * MMPerInch);
        return std::max(MulDiv(pen.Width, pixelsPerInch, PenUnitsPerInch), 1);
    }

} // namespace

double PenReach(const TPolygon& shape, TPaintTarget target, int logPixelsY, float scale)
{
    const TPaintFamily family = KindTraits(shape.FKind).Paint;
    if (shape.FPen.Style == psClear || family == TPaintFamily::Group || family == TPaintFamily::Text)
        return 0;
    return (std::max(PenPixels(shape.FPen, target, logPixelsY, scale), 1) - 1) / 2.0;
}

TShapePainter::TShapePainter(QPainter& painter, TPaintTarget target, int logPixelsY, TFontCache& fonts)
    : FPainter(painter)
    , FTarget(target)
    , FLogPixelsY(logPixelsY)
    , FFonts(fonts)
{
}

void TShapePainter::Draw(const TPolygon& shape, int offsetX, int offsetY, float scale)
{
    try {
        DrawKind(shape, { offsetX, offsetY, scale });
    } catch (const std::exception& e) {
        FErrors.Add(
            QCoreApplication::translate("korvo::TPaintErrors", "Draw "), shape.FKind, QString::fromUtf8(e.what()));
    }
}

void TShapePainter::SetUpPen(const TPolygon& shape, float scale)
{
    FPen = ToQPen(shape.FPen, PenPixels(shape.FPen, FTarget, FLogPixelsY, scale));
    FPainter.setPen(FPen);
    FPainter.setBrush(ToQBrush(shape.FBrush));
}

void TShapePainter::DrawKind(const TPolygon& shape, const TView& view)
{
    const TKindTraits& traits = KindTraits(shape.FKind);
    if (traits.Paint == TPaintFamily::Group) {
        for (const TPolygon& child : shape.FChildren)
            Draw(child, view.OffsetX, view.OffsetY, view.Scale);
        return;
    }
    SetUpPen(shape, view.Scale);
    if (!ToDevicePoints(shape.FPoints, view.OffsetX, view.OffsetY, view.Scale, FPoints) || FPoints.empty())
        return;
    DrawFamily(shape, traits.Paint, view);
    if (traits.PaintsLineEnding)
        DrawLineEnding(shape, view.Scale);
}

void TShapePainter::DrawFamily(const TPolygon& shape, TPaintFamily family, const TView& view)
{
    switch (family) {
    case TPaintFamily::Circle:
        DrawBezierShape(shape, true, true, shape.FPen.Style != psClear);
        break;
    case TPaintFamily::Polyline:
        DrawPolylineOpenEnded(FPainter, FPoints.data(), PointCount(FPoints));
        break;
    case TPaintFamily::ClosedCurve:
        DrawBezierShape(shape, true, true, false);
        StrokeBezier(FPoints.data(), FPoints.size());
        break;
    case TPaintFamily::Text:
        DrawText(shape, view);
        break;
    case TPaintFamily::TubeBend:
        DrawTubeBend(shape);
        break;
    case TPaintFamily::OpenCurve:
        StrokeBezier(FPoints.data(), FPoints.size());
        break;
    case TPaintFamily::GraphPaper:
        if (FTarget == TPaintTarget::Device)
            DrawGraphPaperOnDevice(FPainter, shape, view.OffsetX, view.OffsetY, view.Scale, FPen, FLogPixelsY);
        else
            DrawGraphPaper(FPainter, shape, view.OffsetX, view.OffsetY, view.Scale, FPen);
        break;
    case TPaintFamily::TubeAcross:
    case TPaintFamily::TubeUpright:
        DrawTube(shape, family == TPaintFamily::TubeUpright);
        break;
    case TPaintFamily::FilledOpenCurve:
        DrawBezierShape(shape, false, true, false);
        StrokeBezier(FPoints.data(), FPoints.size());
        break;
    case TPaintFamily::OpenPolygon:
        DrawOpenPolygon(shape);
        break;
    default:
        FPainter.drawPolygon(FPoints.data(), PointCount(FPoints), Qt::OddEvenFill);
        break;
    }
}

bool TShapePainter::BuildBezierPath(const QPoint* points, std::size_t count)
{
    // The platform draws nothing for a point count that does not make whole segments.
    if (!IsBezierCount(count))
        return false;
    FPath.clear();
    FPath.setFillRule(Qt::OddEvenFill);
    FPath.moveTo(points[0]);
    for (std::size_t i = 1; i + 2 < count; i += 3)
        FPath.cubicTo(points[i], points[i + 1], points[i + 2]);
    return true;
}

void TShapePainter::StrokeBezier(const QPoint* points, std::size_t count)
{
    if (BuildBezierPath(points, count))
        FPainter.strokePath(FPath, FPen);
}

void TShapePainter::DrawBezierShape(const TPolygon& shape, bool closeFigure, bool fill, bool stroke)
{
    if (!BuildBezierPath(FPoints.data(), FPoints.size()))
        return;
    if (closeFigure)
        FPath.closeSubpath();
    if (fill)
        FPainter.fillPath(FPath, ToQBrush(shape.FBrush));
    if (stroke)
        FPainter.strokePath(FPath, FPen);
}

void TShapePainter::DrawTubeBend(const TPolygon& shape)
{
    // Only the two arcs are outlined; the straight ends of the wall stay open.
    DrawBezierShape(shape, true, true, false);
    if (FPoints.size() >= 10) {
        StrokeBezier(FPoints.data(), 4);
        StrokeBezier(FPoints.data() + 6, 4);
    }
}

void TShapePainter::DrawTube(const TPolygon& shape, bool vertical)
{
    if (FPoints.size() < 4)
        return;
    FPainter.setPen(Qt::NoPen);
    FPainter.drawPolygon(FPoints.data(), PointCount(FPoints), Qt::OddEvenFill);
    // The walls are always solid, whatever the shape's pen style.
    TPen solid = shape.FPen;
    solid.Style = psSolid;
    FPainter.setPen(ToQPen(solid, FPen.width()));
    const QPoint* p = FPoints.data();
    const std::array<QPoint, 4> walls = vertical ? std::array<QPoint, 4> { p[0], p[1], p[2], p[3] }
                                                 : std::array<QPoint, 4> { p[0], p[3], p[1], p[2] };
    DrawPolylineOpenEnded(FPainter, walls.data(), 2);
    DrawPolylineOpenEnded(FPainter, walls.data() + 2, 2);
}

void TShapePainter::DrawOpenPolygon(const TPolygon& shape)
{
    if (shape.FBrush.Style != bsClear) {
        FPainter.setPen(Qt::NoPen);
        FPainter.drawPolygon(FPoints.data(), PointCount(FPoints), Qt::OddEvenFill);
        FPainter.setPen(FPen);
    }
    DrawPolylineOpenEnded(FPainter, FPoints.data(), PointCount(FPoints));
}

void TShapePainter::DrawText(const TPolygon& shape, const TView& view)
{
    if (shape.PointCount() < 2)
        return;
    const auto corner = [&view](TMMPoint p) {
        return QPoint(
            Saturate32(static_cast<std::int64_t>(Round(static_cast<double>(p.X) * view.Scale)) - view.OffsetX),
            Saturate32(static_cast<std::int64_t>(Round(static_cast<double>(p.Y) * view.Scale)) - view.OffsetY));
    };
    // On a device the characters keep their nominal point size; the frame still follows the scale.
    const float textScale = FTarget == TPaintTarget::Device ? BaseScale : view.Scale;
    FPainter.setBrush(Qt::NoBrush);
    DrawTextLines(FPainter, FFonts, shape.FFont, corner(shape.GetPoint(0)), shape.FText, textScale,
        corner(shape.GetPoint(1)), FLogPixelsY);
}

void TShapePainter::DrawLineEnding(const TPolygon& shape, float scale)
{
    if (shape.FLineEnd != leCircle && shape.FLineEnd != leArrow && shape.FLineEnd != leArrowMedium
        && shape.FLineEnd != leArrowSmall)
        return;
    // The ending is filled with the line colour, even on a line without fill, and outlined thinly.
    FPainter.setBrush(ToQColor(shape.FPen.Colour));
    QPen thin = FPen;
    thin.setWidth(1);
    FPainter.setPen(thin);
    const QPoint end = FPoints.back();
    if (shape.FLineEnd == leCircle) {
        DrawCircleInBox(FPainter, end, Round(scale));
        return;
    }
    if (FPoints.size() < 2)
        return;
    const std::array<QPoint, 3> head = CalcArrowHead(FPoints, shape.FLineEnd, scale);
    FPainter.drawPolygon(head.data(), 3);
}

} // namespace korvo
