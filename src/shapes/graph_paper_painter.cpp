#include "shapes/graph_paper_painter.h"

#include "geometry/clip_line.h"
#include "geometry/rounding.h"
#include "shapes/paint_tools.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvo {

namespace {

    struct TLineWidths {
        int Minor;
        int Major;
    };

    struct TPaperView {
        int OffsetX;
        int OffsetY;
        float Scale;
        // The painter's visible area in its own coordinates, so lines off it are not even visited.
        QRectF Visible;
        QRectF Reach;
    };

    // Round(v * Scale) - Offset for each coordinate, as a whole pixel that may lie far outside the view.
    QPointF ToDevice(double x, double y, const TPaperView& view)
    {
        return { static_cast<double>(Round(x * view.Scale)) - view.OffsetX,
            static_cast<double>(Round(y * view.Scale)) - view.OffsetY };
    }

    // The range of line numbers whose lines can touch the visible area: lines are spaced stepPixels
    // apart along the unit direction (ux, uy), starting from the device position of `origin`.
    std::pair<double, double> VisibleLines(
        QPointF origin, double ux, double uy, double stepPixels, const QRectF& visible)
    {
        const QPointF corners[]
            = { visible.topLeft(), visible.topRight(), visible.bottomLeft(), visible.bottomRight() };
        double low = std::numeric_limits<double>::infinity();
        double high = -std::numeric_limits<double>::infinity();
        for (const QPointF& c : corners) {
            const double t = (c.x() - origin.x()) * ux + (c.y() - origin.y()) * uy;
            low = std::min(low, t);
            high = std::max(high, t);
        }
        return { std::ceil(low / stepPixels), std::floor(high / stepPixels) };
    }

    // One family: lines parallel to from -> to, stepping one square at a time along from -> across.
    void DrawFamily(QPainter& painter, QPen pen, TMMPoint from, TMMPoint to, TMMPoint across, int square, int major,
        TLineWidths widths, const TPaperView& view)
    {
        const double ax = static_cast<double>(across.X) - from.X;
        const double ay = static_cast<double>(across.Y) - from.Y;
        const double length = std::hypot(ax, ay);
        const double lw = std::nearbyint(length);
        const double lastLine = std::trunc(lw / square);
        const double sx = lw != 0 ? square * ax / lw : 0;
        const double sy = lw != 0 ? square * ay / lw : 0;
        double first = 0;
        double last = lastLine;
        if (length > 0 && lw > 0) {
            const QPointF origin(from.X * view.Scale - view.OffsetX, from.Y * view.Scale - view.OffsetY);
            const double margin = std::max(widths.Major, widths.Minor);
            const auto [low, high] = VisibleLines(origin, ax / length, ay / length, std::hypot(sx, sy) * view.Scale,
                view.Visible.adjusted(-margin, -margin, margin, margin));
            first = std::max(first, low);
            last = std::min(last, high);
        }
        // End points are rounded to whole pixels before anything is cut, so a line keeps its pixels
        // wherever the view cuts it; thin solid lines on a raster image are filled to keep them too.
        const bool raster = PaintsPixels(painter);
        for (double r = first; r <= last; ++r) {
            if (major != 0) {
                pen.setWidth(std::fmod(r, major) == 0 ? widths.Major : widths.Minor);
                painter.setPen(pen);
            }
            QPointF a = ToDevice(from.X + r * sx, from.Y + r * sy, view);
            QPointF b = ToDevice(to.X + r * sx, to.Y + r * sy, view);
            if (raster && IsThinSolid(pen))
                FillThinLine(painter, a, b, view.Reach);
            else if (ClipLine(a, b, view.Reach))
                painter.drawLine(QLineF(a, b));
        }
    }

    bool DrawablePaper(const TPolygon& paper, float scale)
    {
        const int square = paper.FFont.Size();
        return paper.PointCount() >= 4 && square > 0 && square * static_cast<double>(scale) >= 1.0;
    }

    TPaperView ViewOf(const QPainter& painter, int offsetX, int offsetY, float scale)
    {
        return { offsetX, offsetY, scale, VisibleArea(painter), LineReach(painter) };
    }

    void DrawFamilies(QPainter& painter, const TPolygon& paper, QPen pen, TLineWidths first, TLineWidths second,
        const TPaperView& view)
    {
        const int major = GraphPaperMajorStep(paper);
        const TMMPoint p0 = paper.GetPoint(0);
        const TMMPoint p1 = paper.GetPoint(1);
        const TMMPoint p3 = paper.GetPoint(3);
        painter.setPen(pen);
        DrawFamily(painter, pen, p0, p1, p3, paper.FFont.Size(), major, first, view);
        painter.setPen(pen);
        DrawFamily(painter, pen, p0, p3, p1, paper.FFont.Size(), major, second, view);
    }

} // namespace

int GraphPaperMajorStep(const TPolygon& paper)
{
    if (paper.FFont.Colour == clRed)
        return 10;
    if (paper.FFont.Colour == clBlue)
        return 5;
    return 0;
}

void DrawGraphPaper(QPainter& painter, const TPolygon& paper, int offsetX, int offsetY, float scale, QPen pen)
{
    if (!DrawablePaper(paper, scale))
        return;
    const int w = paper.FPen.Width;
    const TLineWidths widths { w, 2 * w };
    DrawFamilies(painter, paper, pen, widths, widths, ViewOf(painter, offsetX, offsetY, scale));
}

void DrawGraphPaperOnDevice(
    QPainter& painter, const TPolygon& paper, int offsetX, int offsetY, float scale, QPen pen, int logPixelsY)
{
    if (!DrawablePaper(paper, scale))
        return;
    // Without major lines every line keeps the device pen width as it was set up for the shape.
    const int w = std::max(MulDiv(pen.width(), logPixelsY, 1440), 1);
    const bool major = GraphPaperMajorStep(paper) != 0;
    const TLineWidths first { major ? w : pen.width(), 3 * w };
    const TLineWidths second { major ? w : pen.width(), 2 * w };
    DrawFamilies(painter, paper, pen, first, second, ViewOf(painter, offsetX, offsetY, scale));
}

} // namespace korvo
