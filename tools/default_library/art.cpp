#include "tools/default_library/art.h"

#include "geometry/units.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace korvo::tools {

const TPen Outline = Pen(clBlack, 2);
const TPen Thin = Pen(clBlack, 1);
const TPen Thick = Pen(clBlack, 4);
const TPen NoLine = Pen(clBlack, 1, psClear);

namespace {

    constexpr const char* LabelFace = "Arial";

    // Character cell measures of the label face, in ems: the platform places text by the top of
    // its cell, and capitals are centred on the point asked for.
    constexpr double Ascent = 0.905;
    constexpr double CapHeight = 0.716;
    constexpr double CellHeight = 1.15;

    // Advance widths of the label face in thousandths of an em, for centring without a font
    // engine at build time (the builder must give the same file on every machine). Digits and
    // most small letters take the common width.
    constexpr int CommonWidth = 556;
    struct TWidthGroup {
        const char* Characters;
        int Width;
    };
    constexpr TWidthGroup Widths[] = { { "ijl", 222 }, { "Ift ./:", 278 }, { "r-()", 333 }, { "+=~", 584 },
        { "FTZ", 611 }, { "ABEKPSVXY", 667 }, { "CDHNRUw", 722 }, { "GOQ", 778 }, { "Mm", 833 }, { "W", 944 } };

    int Advance(char32_t c)
    {
        for (const TWidthGroup& group : Widths) {
            if (c > 0 && c < 128 && std::strchr(group.Characters, static_cast<int>(c)))
                return group.Width;
        }
        return CommonWidth;
    }

    double EmMillimetres(int points) { return points * ScreenPixelsPerInch() / 72.0 / BaseScale; }

    void Check(bool done, const char* what)
    {
        if (!done)
            throw std::runtime_error(what);
    }

} // namespace

TPolygon Line(TMMPoint a, TMMPoint b, TPen pen, std::uint8_t lineEnd)
{
    return Points(skLine, { a, b }, pen, NoFillColour, lineEnd);
}

TPolygon Polyline(TMMArray points, TPen pen, std::uint8_t lineEnd)
{
    return Points(skOpenPolygon, std::move(points), pen, NoFillColour, lineEnd);
}

TPolygon Polygon(TMMArray points, TPen pen, TColour fill) { return Points(skPolygon, std::move(points), pen, fill); }

TPolygon Rect(TMMRect r, TPen pen, TColour fill) { return Box(skRectangle, r, pen, fill); }

TPolygon Ellipse(TMMRect r, TPen pen, TColour fill) { return Box(skCircle, r, pen, fill); }

TPolygon Circle(TMMPoint c, float radius, TPen pen, TColour fill)
{
    return Ellipse({ c.X - radius, c.Y - radius, c.X + radius, c.Y + radius }, pen, fill);
}

TPolygon Curve(TMMArray points, TPen pen, TColour fill)
{
    const bool closed = points.front() == points.back();
    return Points(closed ? skClosedCurve : skOpenCurveFilled, std::move(points), pen, fill);
}

TPolygon Curve(const TPath& path, TPen pen, TColour fill) { return Curve(path.Points(), pen, fill); }

void AddVessel(TParts& parts, const TPath& outline) { parts.push_back(Curve(outline, Outline, GlassFill)); }

void AddVessel(TParts& parts, const TPath& outline, float liquidLevel)
{
    // Glass, then the liquid, then the outline again, so the liquid never hides the glass line.
    parts.push_back(Curve(outline, NoLine, GlassFill));
    parts.push_back(Curve(outline.Below(liquidLevel), NoLine, LiquidFill));
    parts.push_back(Curve(outline, Outline, NoFillColour));
}

TPolygon TubeAcross(TMMRect r) { return Box(skTube, r, Outline, GlassFill); }

TPolygon TubeDown(TMMRect r) { return Box(skTubeVertical, r, Outline, GlassFill); }

TPolygon Bend(TMMRect box, TBendCorner corner)
{
    TPolygon bend = Built(skTubeBend, box, Outline, GlassFill, &TPolygon::MakeTubeBend);
    if (corner == TBendCorner::TopRight || corner == TBendCorner::BottomRight)
        Check(bend.Mirror(false, BaseScale), "a tube bend could not be mirrored");
    if (corner == TBendCorner::BottomLeft || corner == TBendCorner::BottomRight)
        Check(bend.Mirror(true, BaseScale), "a tube bend could not be mirrored");
    return bend;
}

void AddTicks(TParts& parts, TMMPoint start, TMMPoint step, int count, TMMPoint mark, int longEvery)
{
    for (int i = 0; i < count; ++i) {
        const TMMPoint from { start.X + step.X * i, start.Y + step.Y * i };
        const float length = longEvery > 0 && i % longEvery == 0 ? 2.0f : 1.0f;
        parts.push_back(Line(from, { from.X + mark.X * length, from.Y + mark.Y * length }, Thin));
    }
}

TPolygon Label(TMMPoint centre, const char* text, int points, TColour colour, bool bold)
{
    const QString s = QString::fromUtf8(text);
    double width = 0;
    for (const char32_t c : s.toUcs4())
        width += Advance(c) / 1000.0;
    const double em = EmMillimetres(points);
    const auto left = static_cast<float>(centre.X - width * em / 2);
    const auto top = static_cast<float>(centre.Y + CapHeight * em / 2 - Ascent * em);
    TTextStyle style { LabelFace, points };
    style.Bold = bold;
    style.Colour = colour;
    return Text(
        { left, top, static_cast<float>(left + width * em), static_cast<float>(top + CellHeight * em) }, s, style);
}

void AddMoved(TParts& into, TParts parts, TMMPoint by)
{
    for (TPolygon& part : parts) {
        Check(part.MoveBy(by.X, by.Y, BaseScale), "a part could not be moved");
        into.push_back(std::move(part));
    }
}

TPolygon PictureAtOrigin(TParts parts)
{
    TMMPoint topLeft = { parts.front().FBounds.Left, parts.front().FBounds.Top };
    for (const TPolygon& part : parts) {
        topLeft.X = std::min(topLeft.X, part.FBounds.Left);
        topLeft.Y = std::min(topLeft.Y, part.FBounds.Top);
    }
    TParts placed;
    AddMoved(placed, std::move(parts), { -topLeft.X, -topLeft.Y });
    return Picture(std::move(placed));
}

TPolygon Picture(TParts parts) { return parts.size() == 1 ? std::move(parts.front()) : Group(std::move(parts)); }

} // namespace korvo::tools
