#include "import/svg_shape_builder.h"

#include "geometry/rounding.h"
#include "geometry/units.h"
#include "shapes/code_page.h"
#include "shapes/colour_map.h"
#include "shapes/font_cache.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    // Text is measured this many pixels high and scaled, so the metrics do not round to whole pixels.
    constexpr int MeasuringHeight = 1000;
    // Weights from semi-bold up draw bold; a shape's font has only the two.
    constexpr int BoldFrom = 600;
    constexpr std::int32_t MostPoints = 1000;

    // Korvo draws a text of p points p x (screen pixels per inch) / 72 pixels high at zoom x1, where the
    // page shows BaseScale pixels to the mm, and the text tool frames its texts there. An imported text
    // is sized and framed the same way, so that at 100 % it stands as large beside the picture's shapes
    // as in the picture; printed, it comes out as much larger as Korvo's own texts do (about 6 %).
    double MmPerPoint() { return ScreenPixelsPerInch() / 72.0 / BaseScale; }

    // SVG's generic families, named by faces that every desktop maps onto one it has. A text that
    // names no family is drawn in serif, as browsers draw it.
    QString FaceFor(const QString& family)
    {
        const QString generic = family.trimmed().toLower();
        if (generic.isEmpty() || generic == u"serif")
            return QStringLiteral("Times New Roman");
        if (generic == u"monospace")
            return QStringLiteral("Courier New");
        if (generic == u"sans-serif")
            return QStringLiteral("Arial");
        return family.trimmed();
    }

    // Korvo's angles count counter-clockwise in tenths, SVG's clockwise in degrees.
    std::int32_t OrientationFor(double rotationDegrees)
    {
        const double tenths = std::fmod(-rotationDegrees * 10, 3600.0);
        return std::isfinite(tenths) ? (Round(tenths) + 3600) % 3600 : 0;
    }

    TShapeFont FontFor(const TSvgText& text, std::uint8_t charset)
    {
        TShapeFont font;
        font.SetCharset(charset);
        font.SetFace(EncodeText(FaceFor(text.Family), charset).value_or(QByteArrayLiteral("Arial")));
        font.SetSize(std::clamp(Round(text.SizeMm / MmPerPoint()), 1, MostPoints));
        font.SetBold(text.Weight >= BoldFrom);
        font.SetItalic(text.Italic);
        font.SetUnderline(text.Underline);
        font.SetStrikeOut(text.StrikeOut);
        font.SetOrientation(OrientationFor(text.RotationDegrees));
        font.Colour = ColourFromRgb(text.Colour.rgb());
        return font;
    }

    double AnchorShare(TSvgTextAnchor anchor)
    {
        switch (anchor) {
        case TSvgTextAnchor::Middle:
            return 0.5;
        case TSvgTextAnchor::End:
            return 1;
        default:
            return 0;
        }
    }

} // namespace

bool AppendTextShape(const TSvgText& text, std::vector<TPolygon>& out)
{
    const std::optional<std::uint8_t> charset = CharsetFor(text.Text, DefaultCharset);
    const std::optional<QByteArray> bytes = charset ? EncodeText(text.Text, *charset) : std::nullopt;
    if (!bytes)
        return false;
    if (bytes->isEmpty())
        return true;
    TPolygon shape;
    shape.SetKind(skText);
    shape.FText = *bytes;
    shape.SetFont(FontFor(text, *charset));

    // The frame's corners: from the top of the text cell, down its height and along its width, all
    // turned about the anchor on the baseline.
    TFontCache fonts;
    const TFontCache::TEntry& measured = fonts.Get(shape.FFont.Record(), MeasuringHeight);
    const QFontMetricsF metrics(measured.Font);
    const double mmPerPixel = shape.FFont.Size() * MmPerPoint() / MeasuringHeight;
    const double width = metrics.horizontalAdvance(text.Text) * mmPerPixel;
    const double height = metrics.height() * mmPerPixel;
    const double angle = text.RotationDegrees * Pi / 180;
    const QPointF along(std::cos(angle), std::sin(angle));
    const QPointF down(-along.y(), along.x());
    const QPointF topLeft
        = text.BaselineMm - along * (width * AnchorShare(text.Anchor)) - down * (measured.Ascent * mmPerPixel);
    for (const QPointF p :
        { topLeft, topLeft + down * height, topLeft + down * height + along * width, topLeft + along * width }) {
        const TMMPoint mm { static_cast<float>(p.x()), static_cast<float>(p.y()) };
        if (!std::isfinite(mm.X) || !std::isfinite(mm.Y))
            return true;
        shape.FPoints.push_back(mm);
    }
    shape.CalcBounds(1);
    out.push_back(std::move(shape));
    return true;
}

} // namespace korvo
