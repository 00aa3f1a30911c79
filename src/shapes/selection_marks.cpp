#include "shapes/selection_marks.h"

#include "geometry/device_points.h"
#include "shapes/colour_map.h"
#include "shapes/pen_modes.h"

#include <QCoreApplication>

#include <exception>

namespace korvo {

namespace {

    constexpr TColour ControlLineColour = 0x00008080;

    bool IsOpenCurve(std::int32_t kind) { return kind == skOpenCurve || kind == skOpenCurveFilled; }
    bool IsClosedCurve(std::int32_t kind) { return kind == skClosedCurveAlt || kind == skClosedCurve; }

    // Tube bends repeat their corner points; only the first of each is marked.
    bool HasMarker(std::int32_t kind, int node)
    {
        return kind != skTubeBend || !(node == 4 || node == 5 || node >= 10);
    }

    bool IsRed(const TPolygon& shape, int node, int last)
    {
        const int selected = shape.FSelNode;
        if (selected < 0)
            return false;
        switch (shape.FKind) {
        case skCircle:
        case skTubeBend:
            return false;
        case skCurve:
            return node == selected && (node == 0 || node == 3);
        default:
            break;
        }
        if (IsOpenCurve(shape.FKind))
            return node == selected && node % 3 == 0;
        if (IsClosedCurve(shape.FKind)) {
            // First and last node coincide, so they light up together.
            if (selected == 0 || selected == last)
                return node == 0 || node == last;
            return node == selected && node % 3 == 0;
        }
        return node == selected;
    }

    using TLine = std::vector<int>;

    // Each control line as the node numbers it runs through.
    std::vector<TLine> ControlLines(std::int32_t kind, int last)
    {
        switch (kind) {
        case skCircle:
            return { { 1, 0, 11 }, { 2, 3, 4 }, { 5, 6, 7 }, { 8, 9, 10 } };
        case skCurve:
            return { { 0, 1 }, { 3, 2 } };
        case skTubeBend:
            return { { 0, 1 }, { 3, 2 }, { 6, 7 }, { 9, 8 } };
        default:
            break;
        }
        if (!IsOpenCurve(kind) && !IsClosedCurve(kind))
            return {};
        std::vector<TLine> lines { { 0, 1 } };
        for (int k = 3; k <= last; k += 3)
            lines.push_back(k < last ? TLine { k - 1, k, k + 1 } : TLine { k - 1, k });
        return lines;
    }

    void DrawControlLines(QPainter& painter, const TPolygon& shape, const TPointArray& points)
    {
        const int last = static_cast<int>(points.size()) - 1;
        painter.save();
        SetPenMode(painter, TPenMode::Xor);
        painter.setPen(QPen(ToQColor(ControlLineColour), 1));
        for (const TLine& line : ControlLines(shape.FKind, last)) {
            QPoint polyline[3];
            int n = 0;
            for (int node : line) {
                if (node > last)
                    break;
                polyline[n++] = points[static_cast<std::size_t>(node)];
            }
            if (n == static_cast<int>(line.size()))
                painter.drawPolyline(polyline, n);
        }
        painter.restore();
    }

} // namespace

void DrawGrips(QPainter& painter, const TPolygon& shape, int offsetX, int offsetY)
{
    // Text frames get smaller handles: 4 x 4 instead of 8 x 8, centred on the same spot.
    const int inset = shape.FKind == skText ? 2 : 0;
    const QColor gray = ToQColor(clGray);
    for (const TRect& grip : shape.FGrips) {
        const TRect r = grip.Offset(-offsetX, -offsetY);
        painter.fillRect(
            QRect(r.Left + inset, r.Top + inset, r.Right - r.Left - 2 * inset, r.Bottom - r.Top - 2 * inset), gray);
    }
}

void DrawNodes(QPainter& painter, const TPolygon& shape, int offsetX, int offsetY, float scale, TPointArray& points,
    TPaintErrors& errors)
{
    try {
        if (!ToDevicePoints(shape.FPoints, offsetX, offsetY, scale, points) || points.empty())
            return;
        const int last = static_cast<int>(points.size()) - 1;
        for (int i = 0; i <= last; ++i) {
            if (!HasMarker(shape.FKind, i))
                continue;
            const QPoint p = points[static_cast<std::size_t>(i)];
            painter.fillRect(QRect(p.x() - 3, p.y() - 3, 6, 6), ToQColor(IsRed(shape, i, last) ? clRed : clGray));
        }
        DrawControlLines(painter, shape, points);
    } catch (const std::exception& e) {
        errors.Add(QCoreApplication::translate("korvo::TPaintErrors", "Node selection "), shape.FKind,
            QString::fromUtf8(e.what()));
    }
}

} // namespace korvo
