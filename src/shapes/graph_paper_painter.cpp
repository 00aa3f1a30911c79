#include "shapes/graph_paper_painter.h"

#include "geometry/rounding.h"

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
    };

    QPoint ToDevice(double x, double y, const TPaperView& view)
    {
        return { Saturate32(static_cast<std::int64_t>(Round(x * view.Scale)) - view.OffsetX),
            Saturate32(static_cast<std::int64_t>(Round(y * view.Scale)) - view.OffsetY) };
    }

    // Cuts the line in millimetres down to the part near the visible area. Lines of a sheet far larger
    // than any view would otherwise reach device coordinates that the rasteriser drops altogether.
    bool ClipToView(double& x1, double& y1, double& x2, double& y2, const TPaperView& view)
    {
        const QRectF area = view.Visible.adjusted(-64, -64, 64, 64);
        const double left = (area.left() + view.OffsetX) / view.Scale;
        const double right = (area.right() + view.OffsetX) / view.Scale;
        const double top = (area.top() + view.OffsetY) / view.Scale;
        const double bottom = (area.bottom() + view.OffsetY) / view.Scale;
        double t0 = 0;
        double t1 = 1;
        const double dx = x2 - x1;
        const double dy = y2 - y1;
        const double p[] = { -dx, dx, -dy, dy };
        const double q[] = { x1 - left, right - x1, y1 - top, bottom - y1 };
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0)
                    return false;
                continue;
            }
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
        if (t0 > t1)
            return false;
        x2 = x1 + t1 * dx;
        y2 = y1 + t1 * dy;
        x1 += t0 * dx;
        y1 += t0 * dy;
        return true;
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
        for (double r = first; r <= last; ++r) {
            if (major != 0) {
                pen.setWidth(std::fmod(r, major) == 0 ? widths.Major : widths.Minor);
                painter.setPen(pen);
            }
            double x1 = from.X + r * sx;
            double y1 = from.Y + r * sy;
            double x2 = to.X + r * sx;
            double y2 = to.Y + r * sy;
            if (ClipToView(x1, y1, x2, y2, view))
                painter.drawLine(ToDevice(x1, y1, view), ToDevice(x2, y2, view));
        }
    }

    bool DrawablePaper(const TPolygon& paper, float scale)
    {
        const int square = paper.FFont.Size();
        return paper.PointCount() >= 4 && square > 0 && square * static_cast<double>(scale) >= 1.0;
    }

    TPaperView ViewOf(const QPainter& painter, int offsetX, int offsetY, float scale)
    {
        QRectF visible = painter.transform().inverted().mapRect(
            QRectF(0, 0, painter.device()->width(), painter.device()->height()));
        if (painter.hasClipping())
            visible = visible.intersected(painter.clipBoundingRect());
        return { offsetX, offsetY, scale, visible };
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
