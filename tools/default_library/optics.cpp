// Optics and waves at half of real size: lenses and mirrors 40 mm high, glass blocks as the school
// sets have them. Rays are red so that they stand out from the apparatus they cross.

#include "tools/default_library/art.h"
#include "tools/default_library/pages.h"

#include "geometry/units.h"

#include <cmath>

namespace korvo::tools {

namespace {

    constexpr float Height = 40;
    constexpr TColour RayRed = Rgb(220, 0, 0);
    constexpr TColour Silvering = Rgb(200, 215, 225);

    TPolygon ConvergingLens()
    {
        TPath outline({ 4, 0 });
        outline.CurveTo({ 8, 13 }, { 8, 27 }, { 4, Height }).CurveTo({ 0, 27 }, { 0, 13 }, { 4, 0 });
        return Picture({ Curve(outline, Outline, GlassFill) });
    }

    TPolygon DivergingLens()
    {
        TPath outline({ 0, 0 });
        outline.LineTo({ 10, 0 })
            .CurveTo({ 6, 13 }, { 6, 27 }, { 10, Height })
            .LineTo({ 0, Height })
            .CurveTo({ 4, 27 }, { 4, 13 }, { 0, 0 });
        return Picture({ Curve(outline, Outline, GlassFill) });
    }

    // Ray diagrams draw a lens as a line: arrow heads pointing out for a converging lens, in for a
    // diverging one.
    TPolygon LensSymbol(bool converging)
    {
        const float tip = converging ? 0 : 3, base = converging ? 3 : 0;
        return Picture(
            { Line({ 3, 0 }, { 3, Height }), Polygon({ { 0, base }, { 3, tip }, { 6, base } }, Thin, clBlack),
                Polygon({ { 0, Height - base }, { 3, Height - tip }, { 6, Height - base } }, Thin, clBlack) });
    }

    // Short strokes behind a mirror's reflecting face: from the face at (x(y), y) back to the right.
    template <class F> void AddHatching(TParts& parts, F faceAt)
    {
        for (float y = 1; y + 3 <= Height; y += 3)
            parts.push_back(Line({ faceAt(y), y }, { faceAt(y) + 3, y + 3 }, Thin));
    }

    TPolygon PlaneMirror()
    {
        TParts parts { Rect({ 0, 0, 2, Height }, Outline, Silvering) };
        AddHatching(parts, [](float) { return 2.0f; });
        return Picture(std::move(parts));
    }

    // Curved mirrors are arcs of radius 60 mm, their reflecting face towards the left.
    constexpr float MirrorRadius = 60;

    float ArcDepth(float y)
    {
        const float fromMiddle = y - Height / 2;
        return std::sqrt(MirrorRadius * MirrorRadius - fromMiddle * fromMiddle);
    }

    TPolygon ConcaveMirror()
    {
        const float centre = -ArcDepth(0);
        TParts parts { Curve(TPath({ 0, 0 }).ArcTo({ 0, Height }, { centre, Height / 2 }, true), Thick, NoFillColour) };
        AddHatching(parts, [centre](float y) { return centre + ArcDepth(y); });
        return Picture(std::move(parts));
    }

    TPolygon ConvexMirror()
    {
        const float end = MirrorRadius - ArcDepth(0);
        TParts parts { Curve(
            TPath({ end, 0 }).ArcTo({ end, Height }, { MirrorRadius, Height / 2 }, false), Thick, NoFillColour) };
        AddHatching(parts, [](float y) { return MirrorRadius - ArcDepth(y); });
        return Picture(std::move(parts));
    }

    TPolygon SemicircularBlock()
    {
        return Picture(
            { Curve(TPath({ 0, 0 }).LineTo({ 50, 0 }).ArcTo({ 0, 0 }, { 25, 0 }, true), Outline, GlassFill) });
    }

    TPolygon RayBox()
    {
        return Picture({ Rect({ 0, 0, 36, 20 }, Outline, Rgb(60, 60, 70)),
            Rect({ 4, 4, 24, 16 }, Thin, Rgb(90, 90, 100)), Circle({ 14, 10 }, 4, Thin, FlameYellow),
            Rect({ 36, 3, 39, 17 }, Outline, Metal), Rect({ 36, 9.4f, 39, 10.6f }, NoLine, clWhite) });
    }

    // A ray with its arrow head halfway along, as ray diagrams draw them.
    void AddRay(TParts& parts, float y, float length)
    {
        const float middle = length / 2;
        parts.push_back(Line({ 0, y }, { length, y }, Pen(RayRed, 2)));
        parts.push_back(Polygon(
            { { middle - 2.5f, y - 2 }, { middle + 2.5f, y }, { middle - 2.5f, y + 2 } }, Pen(RayRed, 1), RayRed));
    }

    TPolygon Rays(int count)
    {
        TParts parts;
        for (int i = 0; i < count; ++i)
            AddRay(parts, 2 + 8.0f * i, 60);
        return Picture(std::move(parts));
    }

    TPolygon Eye()
    {
        TPath lids({ 0, 10 });
        lids.CurveTo({ 8, 0 }, { 22, 0 }, { 30, 10 }).CurveTo({ 22, 20 }, { 8, 20 }, { 0, 10 });
        return Picture({ Curve(lids, Outline, clWhite), Circle({ 15, 10 }, 6.5f, Thin, Rgb(90, 140, 200)),
            Circle({ 15, 10 }, 3, NoLine, clBlack), Circle({ 16.5f, 8.5f }, 1, NoLine, clWhite),
            Curve(lids, Outline, NoFillColour) });
    }

    TPolygon Screen()
    {
        return Picture(
            { Rect({ 2, 0, 6, Height }, Outline, clWhite), Rect({ 0, Height, 8, Height + 3 }, Outline, DarkMetal) });
    }

    TPolygon TransverseWave()
    {
        return Picture({ Line({ 0, 8 }, { 60, 8 }, Pen(clGray, 1, psDot)),
            Built(skOpenCurveFilled, { 0, 0, 30, 16 }, Outline, NoFillColour, &TPolygon::MakeSine),
            Built(skOpenCurveFilled, { 30, 0, 60, 16 }, Outline, NoFillColour, &TPolygon::MakeSine) });
    }

    // Compressions and rarefactions: lines crowding and spreading along the direction of travel.
    TPolygon LongitudinalWave()
    {
        TParts parts;
        for (int i = 0; i <= 40; ++i) {
            const auto x = static_cast<float>(2 * i + 1.2 * std::sin(2 * Pi * i / 10));
            parts.push_back(Line({ x, 0 }, { x, 16 }, Thin));
        }
        return Picture(std::move(parts));
    }

    // Pieces of a barrier from top to bottom, with slits between them.
    TPolygon Barrier(std::initializer_list<TMMRect> pieces)
    {
        TParts parts;
        for (const TMMRect& piece : pieces)
            parts.push_back(Rect(piece, Outline, DarkMetal));
        return Picture(std::move(parts));
    }

    TPolygon ObjectArrow()
    {
        return Picture({ Line({ 3, Height }, { 3, 5 }), Polygon({ { 0, 6 }, { 3, 0 }, { 6, 6 } }, Thin, clBlack) });
    }

} // namespace

TPicturePage OpticsPage()
{
    TPicturePage page { QString::fromUtf8(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Optics and waves")), {} };
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Converging lens"), ConvergingLens());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Diverging lens"), DivergingLens());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Converging lens (ray diagram)"), LensSymbol(true));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Diverging lens (ray diagram)"), LensSymbol(false));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Plane mirror"), PlaneMirror());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Concave mirror"), ConcaveMirror());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Convex mirror"), ConvexMirror());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Rectangular glass block"),
        Picture({ Rect({ 0, 0, 50, 30 }, Outline, GlassFill) }));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Semicircular glass block"), SemicircularBlock());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Triangular glass block"),
        Picture({ Polygon({ { 0, 0 }, { 0, 40 }, { 40, 40 } }, Outline, GlassFill) }));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Prism"),
        Picture({ Polygon({ { 20, 0 }, { 0, 34.64f }, { 40, 34.64f } }, Outline, GlassFill) }));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Ray box"), RayBox());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Light ray"), Rays(1));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Light rays, parallel"), Rays(3));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Object (arrow)"), ObjectArrow());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Eye"), Eye());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Screen"), Screen());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Wave, transverse"), TransverseWave());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Wave, longitudinal"), LongitudinalWave());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Barrier with slit"),
        Barrier({ { 0, 0, 3, 18 }, { 0, 22, 3, Height } }));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Barrier with double slit"),
        Barrier({ { 0, 0, 3, 15 }, { 0, 17, 3, 23 }, { 0, 25, 3, Height } }));
    return page;
}

} // namespace korvo::tools
