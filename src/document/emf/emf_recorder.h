#pragma once

#include "shapes/byte_stream.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

namespace korvo {

// Writes enhanced-metafile records, keeping to the widely supported ones: 32-bit polygons and
// polylines, paths with Bezier segments, simple pens and brushes, wide-character text with its
// font. Coordinates are device pixels of a reference device of the given resolution.
class TEmfRecorder {
public:
    // A picture of `size` pixels at `pixelsPerInch`.
    TEmfRecorder(QSize size, int pixelsPerInch);

    enum class TFill { Alternate = 1, Winding = 2 };

    // Pens and brushes by platform style numbers; style 5 / 1 is none.
    void SelectPen(std::uint32_t style, int width, QRgb colour);
    void SelectBrush(std::uint32_t style, QRgb colour, std::uint32_t hatch);
    // Fonts carry no underline or strike-out flags: the painter draws those as lines of their own.
    void SelectFont(int height, int escapement, int weight, bool italic, const QString& face);
    void SetTextColour(QRgb colour);
    void SetFillMode(TFill fill);

    void Polygon(const std::vector<QPoint>& points);
    void Polyline(const std::vector<QPoint>& points);
    // An open run of cubic segments: a start point, then three points per segment.
    void PolyBezier(const std::vector<QPoint>& points);
    // A path: figures start with MoveTo and continue with lines and cubic segments.
    void BeginPath();
    void MoveTo(QPoint p);
    void LineTo(QPoint p);
    void BezierTo(QPoint c1, QPoint c2, QPoint end);
    void CloseFigure();
    void EndPath(bool fill, bool stroke);
    // Text whose baseline starts at `at`, with each character's advance in pixels.
    void Text(QPoint at, const QString& text, const std::vector<int>& advances);

    // The whole file: header, the records so far, end of file.
    QByteArray Finish();

private:
    void Record(std::uint32_t type, const std::vector<std::uint32_t>& values);
    void BeginRecord(std::uint32_t type, std::uint32_t size);
    void WriteRect(const QRect& r);
    void WritePoints(const std::vector<QPoint>& points);
    void PointsRecord(std::uint32_t type, const std::vector<QPoint>& points);
    // The text as 16-bit units, cut or padded with zeros to `units`.
    void WriteUtf16(const QString& text, int units);
    void Include(const QRect& r);
    static QRect BoundsOf(const std::vector<QPoint>& points);
    void Select(std::uint32_t handle);

    QSize FSize;
    int FPixelsPerInch;
    TByteWriter FBody;
    std::uint32_t FRecords = 0;
    QRect FBounds;
    int FFontHeight = 0;
    std::vector<QPoint> FPath;
};

} // namespace korvo
