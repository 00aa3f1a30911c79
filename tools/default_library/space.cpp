// Earth and space, and magnets, at a size for diagrams: the planets' sizes are in proportion to
// each other only roughly, their distances not at all.

#include "tools/default_library/art.h"
#include "tools/default_library/pages.h"

#include "geometry/units.h"

#include <algorithm>
#include <cmath>

namespace korvo::tools {

namespace {

    constexpr TColour SunYellow = Rgb(255, 210, 40);
    constexpr TColour Ocean = Rgb(70, 130, 220);
    constexpr TColour Land = Rgb(90, 170, 80);
    constexpr TColour MoonLit = Rgb(245, 245, 225);
    constexpr TColour MoonDark = Rgb(70, 70, 85);

    TPolygon Sun()
    {
        constexpr TMMPoint centre { 25, 25 };
        TParts parts;
        for (int i = 0; i < 16; ++i) {
            const double a = i * Pi / 8;
            const auto c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
            const float outer = i % 2 == 0 ? 25 : 21;
            parts.push_back(Line({ centre.X + 17 * c, centre.Y + 17 * s },
                { centre.X + outer * c, centre.Y + outer * s }, Pen(Rgb(240, 150, 20), 3)));
        }
        parts.push_back(Circle(centre, 15, Pen(Rgb(240, 150, 20), 2), SunYellow));
        return PictureAtOrigin(std::move(parts));
    }

    TPolygon Planets()
    {
        struct TPlanet {
            const char* Name;
            float Radius;
            TColour Colour;
            bool Rings = false;
        };
        const TPlanet planets[] = { { "Mercury", 1.5f, Rgb(170, 160, 150) }, { "Venus", 3, Rgb(230, 200, 130) },
            { "Earth", 3.2f, Ocean }, { "Mars", 2, Rgb(210, 100, 60) }, { "Jupiter", 10, Rgb(215, 170, 120) },
            { "Saturn", 8.5f, Rgb(230, 205, 140), true }, { "Uranus", 5, Rgb(150, 215, 225) },
            { "Neptune", 5, Rgb(70, 100, 210) } };
        constexpr float axis = 12, ringReach = 14, gap = 4;
        TParts parts;
        float x = 0;
        for (const TPlanet& p : planets) {
            // Each planet gets room for its name, or for its rings when they are wider.
            const float half = std::max(p.Rings ? ringReach : p.Radius, 8.0f);
            const float centre = x + half;
            parts.push_back(Circle({ centre, axis }, p.Radius, Thin, p.Colour));
            if (p.Rings)
                parts.push_back(Ellipse({ centre - ringReach, axis - 3, centre + ringReach, axis + 3 },
                    Pen(Rgb(180, 150, 90), 2), NoFillColour));
            parts.push_back(Label({ centre, axis + 15 }, p.Name, 7));
            x += 2 * half + gap;
        }
        return PictureAtOrigin(std::move(parts));
    }

    TPolygon EarthWithAxis()
    {
        constexpr TMMPoint centre { 20, 22 };
        const double tilt = 23.5 * Pi / 180;
        const auto dx = static_cast<float>(std::sin(tilt)), dy = static_cast<float>(std::cos(tilt));
        return PictureAtOrigin({ Circle(centre, 15, Outline, Ocean),
            Curve(SmoothThrough(
                      { { 12, 12 }, { 20, 10 }, { 22, 16 }, { 17, 22 }, { 18, 30 }, { 13, 27 }, { 9, 19 } }, true),
                Thin, Land),
            Curve(SmoothThrough({ { 25, 20 }, { 31, 17 }, { 33, 24 }, { 27, 30 }, { 24, 26 } }, true), Thin, Land),
            Line({ centre.X - 15 * dy, centre.Y + 15 * dx }, { centre.X + 15 * dy, centre.Y - 15 * dx },
                Pen(clWhite, 1, psDot)),
            Line({ centre.X + 21 * dx, centre.Y + 21 * dy }, { centre.X - 21 * dx, centre.Y - 21 * dy }, Outline),
            Label({ centre.X - 21 * dx - 3, centre.Y - 21 * dy + 1 }, "N", 9, clBlack, true) });
    }

    // The lit part of the Moon lies between the bright limb, a half circle, and the terminator, a
    // half ellipse as wide as the cosine of the phase angle; phase 0 is new, 0.5 full.
    void AddMoonPhase(TParts& parts, TMMPoint c, float r, double phase)
    {
        parts.push_back(Circle(c, r, Thin, MoonDark));
        if (phase == 0)
            return;
        const double cosine = std::cos(2 * Pi * phase);
        const bool waxing = phase < 0.5;
        const auto terminator = static_cast<float>(r * std::abs(cosine));
        const TMMPoint top { c.X, c.Y - r }, bottom { c.X, c.Y + r };
        TPath path(top);
        path.ArcTo(bottom, c, waxing);
        if (terminator < 0.01f)
            path.LineTo(top);
        else
            path.EllipseArcTo(top, c, terminator, r, waxing == (cosine < 0));
        parts.push_back(Curve(path, NoLine, MoonLit));
        parts.push_back(Circle(c, r, Thin, NoFillColour));
    }

    TPolygon MoonPhases()
    {
        TParts parts;
        for (int i = 0; i < 8; ++i)
            AddMoonPhase(parts, { 6 + 15.0f * i, 6 }, 6, i / 8.0);
        return Picture(std::move(parts));
    }

    TPolygon PlottingCompass()
    {
        return Picture({ Circle({ 10, 10 }, 10, Outline, clWhite),
            Polygon({ { 10, 2 }, { 12, 10 }, { 8, 10 } }, Thin, NorthRed),
            Polygon({ { 10, 18 }, { 12, 10 }, { 8, 10 } }, Thin, clWhite), Circle({ 10, 10 }, 0.8f, NoLine, clBlack) });
    }

    TPolygon BarMagnet()
    {
        return Picture({ Rect({ 0, 0, 30, 10 }, Outline, NorthRed), Rect({ 30, 0, 60, 10 }, Outline, SouthBlue),
            Label({ 6, 5 }, "N", 12, clWhite, true), Label({ 54, 5 }, "S", 12, clWhite, true) });
    }

    TPolygon HorseshoeMagnet()
    {
        TPath outline({ 0, 36 });
        outline.LineTo({ 0, 15 })
            .ArcTo({ 30, 15 }, { 15, 15 }, true)
            .LineTo({ 30, 36 })
            .LineTo({ 22, 36 })
            .LineTo({ 22, 15 })
            .ArcTo({ 8, 15 }, { 15, 15 }, false)
            .LineTo({ 8, 36 })
            .Close();
        return Picture({ Curve(outline, Outline, Rgb(200, 40, 40)), Rect({ 0, 28, 8, 36 }, Outline, NorthRed),
            Rect({ 22, 28, 30, 36 }, Outline, SouthBlue), Label({ 4, 32 }, "N", 10, clWhite, true),
            Label({ 26, 32 }, "S", 10, clWhite, true) });
    }

} // namespace

TPicturePage SpacePage()
{
    TPicturePage page { QString::fromUtf8(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Earth and space")), {} };
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Sun"), Sun());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Planets in a row"), Planets());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Earth with axis"), EarthWithAxis());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Moon phases"), MoonPhases());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Plotting compass"), PlottingCompass());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Bar magnet"), BarMagnet());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Horseshoe magnet"), HorseshoeMagnet());
    return page;
}

} // namespace korvo::tools
