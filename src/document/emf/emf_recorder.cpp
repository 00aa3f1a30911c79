#include "document/emf/emf_recorder.h"

#include "geometry/units.h"
#include "shapes/colour_map.h"

#include <algorithm>
#include <cstdlib>

namespace korvo {

namespace {

    enum : std::uint32_t {
        EmrHeader = 1,
        EmrPolyBezier = 2,
        EmrPolygon = 3,
        EmrPolyline = 4,
        EmrPolyBezierTo = 5,
        EmrEof = 14,
        EmrSetBkMode = 18,
        EmrSetPolyFillMode = 19,
        EmrSetTextAlign = 22,
        EmrSetTextColor = 24,
        EmrMoveToEx = 27,
        EmrSelectObject = 37,
        EmrCreatePen = 38,
        EmrCreateBrushIndirect = 39,
        EmrDeleteObject = 40,
        EmrLineTo = 54,
        EmrBeginPath = 59,
        EmrEndPath = 60,
        EmrCloseFigure = 61,
        EmrFillPath = 62,
        EmrStrokeAndFillPath = 63,
        EmrStrokePath = 64,
        EmrExtCreateFontIndirectW = 82,
        EmrExtTextOutW = 84,
    };

    // Our own objects live in three handles; the stock ones stand in while a new one replaces them.
    enum : std::uint32_t { PenHandle = 1, BrushHandle = 2, FontHandle = 3, HandleCount = 4 };
    enum : std::uint32_t {
        NullBrush = 0x80000005,
        BlackPen = 0x80000007,
        NullPen = 0x80000008,
        SystemFont = 0x8000000D
    };
    enum : std::uint32_t { Transparent = 1, TextAlignBaseline = 24, GraphicsModeCompatible = 1 };
    constexpr std::uint32_t Signature = 0x464D4520;
    constexpr std::uint32_t HeaderSize = 108;
    constexpr int LogFontFaceChars = 32;

    std::uint32_t U(int v) { return static_cast<std::uint32_t>(v); }

} // namespace

TEmfRecorder::TEmfRecorder(QSize size, int pixelsPerInch)
    : FSize(size)
    , FPixelsPerInch(std::max(pixelsPerInch, 1))
{
    Record(EmrSetBkMode, { Transparent });
    Record(EmrSetTextAlign, { TextAlignBaseline });
    Record(EmrSetPolyFillMode, { static_cast<std::uint32_t>(TFill::Alternate) });
}

void TEmfRecorder::BeginRecord(std::uint32_t type, std::uint32_t size)
{
    FBody.WriteUInt32(type);
    FBody.WriteUInt32(size);
    ++FRecords;
}

void TEmfRecorder::Record(std::uint32_t type, const std::vector<std::uint32_t>& values)
{
    BeginRecord(type, static_cast<std::uint32_t>(8 + 4 * values.size()));
    for (std::uint32_t v : values)
        FBody.WriteUInt32(v);
}

void TEmfRecorder::WriteRect(const QRect& r)
{
    for (int v : { r.left(), r.top(), r.right(), r.bottom() })
        FBody.WriteInt32(v);
}

void TEmfRecorder::WritePoints(const std::vector<QPoint>& points)
{
    for (const QPoint& p : points) {
        FBody.WriteInt32(p.x());
        FBody.WriteInt32(p.y());
    }
}

void TEmfRecorder::WriteUtf16(const QString& text, int units)
{
    for (int i = 0; i < units; ++i) {
        const char16_t c = i < text.size() ? text[i].unicode() : 0;
        FBody.WriteUInt8(static_cast<std::uint8_t>(c & 0xFF));
        FBody.WriteUInt8(static_cast<std::uint8_t>(c >> 8));
    }
}

void TEmfRecorder::Include(const QRect& r) { FBounds = FBounds.isNull() ? r : FBounds.united(r); }

QRect TEmfRecorder::BoundsOf(const std::vector<QPoint>& points)
{
    QRect r;
    for (const QPoint& p : points)
        r = r.isNull() ? QRect(p, p) : r.united(QRect(p, p));
    return r;
}

void TEmfRecorder::Select(std::uint32_t handle) { Record(EmrSelectObject, { handle }); }

void TEmfRecorder::SelectPen(std::uint32_t style, int width, QRgb colour)
{
    Select(BlackPen);
    Record(EmrDeleteObject, { PenHandle });
    if (style == 5) {
        Select(NullPen);
        return;
    }
    Record(EmrCreatePen, { PenHandle, style, U(width), 0, ColourFromRgb(colour) });
    Select(PenHandle);
}

void TEmfRecorder::SelectBrush(std::uint32_t style, QRgb colour, std::uint32_t hatch)
{
    Select(NullBrush);
    Record(EmrDeleteObject, { BrushHandle });
    if (style == 1) {
        Select(NullBrush);
        return;
    }
    Record(EmrCreateBrushIndirect, { BrushHandle, style, ColourFromRgb(colour), hatch });
    Select(BrushHandle);
}

void TEmfRecorder::SelectFont(int height, int escapement, int weight, bool italic, const QString& face)
{
    FFontHeight = std::abs(height);
    Select(SystemFont);
    Record(EmrDeleteObject, { FontHandle });
    BeginRecord(EmrExtCreateFontIndirectW, 12 + 92);
    FBody.WriteUInt32(FontHandle);
    for (int v : { -height, 0, escapement, escapement, weight })
        FBody.WriteInt32(v);
    // Italic, no underline, no strike-out, Unicode character set, precisions and quality, pitch.
    for (std::uint8_t b : { std::uint8_t(italic), std::uint8_t(0), std::uint8_t(0), std::uint8_t(1), std::uint8_t(0),
             std::uint8_t(0), std::uint8_t(0), std::uint8_t(0) })
        FBody.WriteUInt8(b);
    WriteUtf16(face.left(LogFontFaceChars - 1), LogFontFaceChars);
    Select(FontHandle);
}

void TEmfRecorder::SetTextColour(QRgb colour) { Record(EmrSetTextColor, { ColourFromRgb(colour) }); }

void TEmfRecorder::SetFillMode(TFill fill) { Record(EmrSetPolyFillMode, { static_cast<std::uint32_t>(fill) }); }

void TEmfRecorder::PointsRecord(std::uint32_t type, const std::vector<QPoint>& points)
{
    const QRect bounds = BoundsOf(points);
    BeginRecord(type, static_cast<std::uint32_t>(28 + 8 * points.size()));
    WriteRect(bounds);
    FBody.WriteUInt32(static_cast<std::uint32_t>(points.size()));
    WritePoints(points);
    Include(bounds);
}

void TEmfRecorder::Polygon(const std::vector<QPoint>& points) { PointsRecord(EmrPolygon, points); }

void TEmfRecorder::Polyline(const std::vector<QPoint>& points) { PointsRecord(EmrPolyline, points); }

void TEmfRecorder::PolyBezier(const std::vector<QPoint>& points) { PointsRecord(EmrPolyBezier, points); }

void TEmfRecorder::BeginPath()
{
    FPath.clear();
    Record(EmrBeginPath, {});
}

void TEmfRecorder::MoveTo(QPoint p)
{
    Record(EmrMoveToEx, { U(p.x()), U(p.y()) });
    FPath.push_back(p);
}

void TEmfRecorder::LineTo(QPoint p)
{
    Record(EmrLineTo, { U(p.x()), U(p.y()) });
    FPath.push_back(p);
}

void TEmfRecorder::BezierTo(QPoint c1, QPoint c2, QPoint end)
{
    const std::vector<QPoint> points { c1, c2, end };
    PointsRecord(EmrPolyBezierTo, points);
    FPath.insert(FPath.end(), points.begin(), points.end());
}

void TEmfRecorder::CloseFigure() { Record(EmrCloseFigure, {}); }

void TEmfRecorder::EndPath(bool fill, bool stroke)
{
    Record(EmrEndPath, {});
    if (!fill && !stroke)
        return;
    const std::uint32_t type = fill && stroke ? EmrStrokeAndFillPath : fill ? EmrFillPath : EmrStrokePath;
    const QRect bounds = BoundsOf(FPath);
    BeginRecord(type, 24);
    WriteRect(bounds);
    Include(bounds);
}

void TEmfRecorder::Text(QPoint at, const QString& text, const std::vector<int>& advances)
{
    const auto chars = static_cast<std::uint32_t>(text.size());
    const std::uint32_t stringBytes = (chars * 2 + 3) / 4 * 4;
    constexpr std::uint32_t FixedBytes = 76;
    const std::uint32_t offDx = FixedBytes + stringBytes;
    BeginRecord(EmrExtTextOutW, offDx + 4 * chars);
    int width = 0;
    for (int a : advances)
        width += a;
    // The text's cell: the font's height above the baseline and a quarter of it below, for descenders.
    const QRect bounds(at.x(), at.y() - FFontHeight, std::max(width, 1), std::max(FFontHeight * 5 / 4, 1));
    WriteRect(bounds);
    FBody.WriteUInt32(GraphicsModeCompatible);
    // Scales from page units to 0.01 mm.
    const float scale = static_cast<float>(2540.0 / FPixelsPerInch);
    FBody.WriteFloat32(scale);
    FBody.WriteFloat32(scale);
    FBody.WriteInt32(at.x());
    FBody.WriteInt32(at.y());
    FBody.WriteUInt32(chars);
    FBody.WriteUInt32(FixedBytes);
    FBody.WriteUInt32(0);
    WriteRect(QRect());
    FBody.WriteUInt32(offDx);
    WriteUtf16(text, static_cast<int>(stringBytes / 2));
    for (std::uint32_t i = 0; i < chars; ++i)
        FBody.WriteInt32(i < advances.size() ? advances[i] : 0);
    Include(bounds);
    // Some readers gather texts that follow one another, with only fonts and colours between them,
    // into the lines of one paragraph and space those lines by their own line height, which moves a
    // line of another size off its baseline. Any other record in between keeps each text where it
    // is; the current position is the one that changes nothing drawn.
    Record(EmrMoveToEx, { U(at.x()), U(at.y()) });
}

QByteArray TEmfRecorder::Finish()
{
    constexpr std::uint32_t EofSize = 20;
    const QByteArray body = FBody.Take();
    TByteWriter file;
    file.WriteUInt32(EmrHeader);
    file.WriteUInt32(HeaderSize);
    // An empty picture still gets a frame of its own size.
    const QRect bounds = FBounds.isNull() ? QRect(0, 0, 0, 0) : FBounds;
    for (int v : { bounds.left(), bounds.top(), bounds.right(), bounds.bottom() })
        file.WriteInt32(v);
    const auto hundredths = [this](int pixels) { return static_cast<std::int32_t>(pixels * 2540.0 / FPixelsPerInch); };
    for (int v : { 0, 0, hundredths(FSize.width()), hundredths(FSize.height()) })
        file.WriteInt32(v);
    file.WriteUInt32(Signature);
    file.WriteUInt32(0x10000);
    file.WriteUInt32(static_cast<std::uint32_t>(HeaderSize + body.size() + EofSize));
    file.WriteUInt32(FRecords + 2);
    file.WriteUInt32(HandleCount);
    file.WriteUInt32(0);
    file.WriteUInt32(0);
    file.WriteUInt32(0);
    // The reference device: an A4 sheet at the picture's resolution, so one pixel is 25.4 / ppi mm.
    file.WriteInt32(static_cast<std::int32_t>(210 * FPixelsPerInch / MMPerInch));
    file.WriteInt32(static_cast<std::int32_t>(297 * FPixelsPerInch / MMPerInch));
    file.WriteInt32(210);
    file.WriteInt32(297);
    file.WriteUInt32(0);
    file.WriteUInt32(0);
    file.WriteUInt32(0);
    file.WriteInt32(210000);
    file.WriteInt32(297000);
    file.WriteBytes(body);
    file.WriteUInt32(EmrEof);
    file.WriteUInt32(EofSize);
    file.WriteUInt32(0);
    file.WriteUInt32(16);
    file.WriteUInt32(EofSize);
    return file.Take();
}

} // namespace korvo
