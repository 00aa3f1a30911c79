#include "document/emf/emf_picture.h"

#include "document/recording_device_metric.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QTextItem>

#include <cmath>

namespace korvo {

namespace {

    enum : std::uint32_t { PsSolid = 0, PsDash = 1, PsDot = 2, PsDashDot = 3, PsDashDotDot = 4, PsNull = 5 };
    enum : std::uint32_t { BsSolid = 0, BsNull = 1, BsHatched = 2 };

    std::uint32_t PenStyle(const QPen& pen)
    {
        if (pen.style() == Qt::NoPen)
            return PsNull;
        const QList<qreal> dashes = pen.style() == Qt::CustomDashLine ? pen.dashPattern() : QList<qreal>();
        if (dashes == QList<qreal> { 3, 3 })
            return PsDot;
        if (dashes == QList<qreal> { 18, 6 })
            return PsDash;
        if (dashes == QList<qreal> { 9, 6, 3, 6 })
            return PsDashDot;
        if (dashes == QList<qreal> { 9, 3, 3, 3, 3, 3 })
            return PsDashDotDot;
        return PsSolid;
    }

    // The platform's hatch numbers in the order of Qt's hatch patterns.
    std::uint32_t Hatch(Qt::BrushStyle style)
    {
        switch (style) {
        case Qt::VerPattern:
            return 1;
        case Qt::FDiagPattern:
            return 2;
        case Qt::BDiagPattern:
            return 3;
        case Qt::CrossPattern:
            return 4;
        case Qt::DiagCrossPattern:
            return 5;
        default:
            return 0;
        }
    }

} // namespace

TEmfPicture::TEmfPicture(QSize size, int pixelsPerInch)
    : FSize(size)
    , FPixelsPerInch(pixelsPerInch)
    , FEngine(std::make_unique<TEmfPaintEngine>(size, pixelsPerInch))
{
}

TEmfPicture::~TEmfPicture() = default;

QPaintEngine* TEmfPicture::paintEngine() const { return FEngine.get(); }

QByteArray TEmfPicture::Bytes() { return FEngine->Recorder().Finish(); }

int TEmfPicture::metric(PaintDeviceMetric metric) const { return RecordingDeviceMetric(metric, FSize, FPixelsPerInch); }

TEmfPaintEngine::TEmfPaintEngine(QSize size, int pixelsPerInch)
    : QPaintEngine(AllFeatures)
    , FRecorder(size, pixelsPerInch)
    , FPixelsPerInch(pixelsPerInch)
{
}

bool TEmfPaintEngine::begin(QPaintDevice*) { return true; }

bool TEmfPaintEngine::end() { return true; }

void TEmfPaintEngine::updateState(const QPaintEngineState& state)
{
    if (state.state() & DirtyPen) {
        FPen = state.pen();
        FPenDirty = true;
    }
    if (state.state() & DirtyBrush) {
        FBrush = state.brush();
        FBrushDirty = true;
    }
    if (state.state() & DirtyTransform) {
        FTransform = state.transform();
        FPenDirty = true;
    }
}

QPoint TEmfPaintEngine::Map(const QPointF& p) const { return FTransform.map(p).toPoint(); }

void TEmfPaintEngine::ApplyPenAndBrush()
{
    if (FPenDirty) {
        // Pen widths grow with the painter's scale, as Qt draws them.
        const qreal scale = std::sqrt(std::abs(FTransform.determinant()));
        FRecorder.SelectPen(PenStyle(FPen), std::max(1, qRound(FPen.widthF() * scale)), FPen.color().rgb());
        FPenDirty = false;
    }
    if (FBrushDirty) {
        const Qt::BrushStyle style = FBrush.style();
        const std::uint32_t kind = style == Qt::NoBrush ? BsNull : style == Qt::SolidPattern ? BsSolid : BsHatched;
        FRecorder.SelectBrush(kind, FBrush.color().rgb(), Hatch(style));
        FBrushDirty = false;
    }
}

bool TEmfPaintEngine::DrawOpenStroke(const QPainterPath& path)
{
    // Readers of metafiles treat lone open figures best as plain curves and lines, not as paths.
    const int count = path.elementCount();
    if (FBrush.style() != Qt::NoBrush || count < 2 || !path.elementAt(0).isMoveTo())
        return false;
    bool lines = true;
    bool curves = true;
    std::vector<QPoint> points { Map(path.elementAt(0)) };
    for (int i = 1; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        lines = lines && e.isLineTo();
        curves = curves && !e.isLineTo() && !e.isMoveTo();
        points.push_back(Map(e));
    }
    if (lines)
        FRecorder.Polyline(points);
    else if (curves)
        FRecorder.PolyBezier(points);
    return lines || curves;
}

void TEmfPaintEngine::drawPath(const QPainterPath& path)
{
    ApplyPenAndBrush();
    if (DrawOpenStroke(path))
        return;
    FRecorder.SetFillMode(
        path.fillRule() == Qt::WindingFill ? TEmfRecorder::TFill::Winding : TEmfRecorder::TFill::Alternate);
    FRecorder.BeginPath();
    QPointF figureStart;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            figureStart = e;
            FRecorder.MoveTo(Map(e));
        } else if (e.isLineTo()) {
            // A line back to where the figure started is how a closed figure ends.
            const bool closes = e == figureStart && (i + 1 == path.elementCount() || path.elementAt(i + 1).isMoveTo());
            if (closes)
                FRecorder.CloseFigure();
            else
                FRecorder.LineTo(Map(e));
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            FRecorder.BezierTo(Map(e), Map(path.elementAt(i + 1)), Map(path.elementAt(i + 2)));
            i += 2;
        }
    }
    FRecorder.EndPath(FBrush.style() != Qt::NoBrush, FPen.style() != Qt::NoPen);
}

void TEmfPaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode)
{
    ApplyPenAndBrush();
    std::vector<QPoint> mapped;
    mapped.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        mapped.push_back(Map(points[i]));
    if (mode == PolylineMode) {
        FRecorder.Polyline(mapped);
        return;
    }
    FRecorder.SetFillMode(mode == WindingMode ? TEmfRecorder::TFill::Winding : TEmfRecorder::TFill::Alternate);
    FRecorder.Polygon(mapped);
}

void TEmfPaintEngine::drawTextItem(const QPointF& p, const QTextItem& textItem)
{
    const QFont font = textItem.font();
    const QString text = textItem.text();
    const qreal scale = std::sqrt(std::abs(FTransform.determinant()));
    const qreal angle = std::atan2(FTransform.m12(), FTransform.m11()) * 180.0 / 3.14159265358979323846;
    const qreal pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * FPixelsPerInch / 72.0;
    const QFontMetricsF metrics(font);
    std::vector<int> advances;
    qreal done = 0;
    int placed = 0;
    for (const QChar c : text) {
        done += metrics.horizontalAdvance(c) * scale;
        advances.push_back(qRound(done) - placed);
        placed = qRound(done);
    }
    // QPainter follows every text item with its underline and strike-out as lines of their own, which
    // readers play back whether or not they honour a font's flags; so the font record leaves them out.
    FRecorder.SelectFont(qRound(pixels * scale), qRound(-angle * 10), font.weight(), font.italic(), font.family());
    FRecorder.SetTextColour(FPen.color().rgb());
    FRecorder.Text(Map(p), text, advances);
}

void TEmfPaintEngine::drawPixmap(const QRectF&, const QPixmap&, const QRectF&) { }

} // namespace korvo
