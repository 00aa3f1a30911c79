// Heating and support at one third of real size, like the glassware: a flask on the gauze on the
// tripod stands over the burner's flame, and the clamp on the stand holds a burette or a test tube.

#include "tools/default_library/art.h"
#include "tools/default_library/fits.h"
#include "tools/default_library/pages.h"

#include <cmath>

namespace korvo::tools {

namespace {

    using namespace fits;

    enum class TFlame { None, Blue, Yellow };

    // The barrel is 4 mm wide at x = 11..15; a flame stands on it, so the burner's own parts start
    // below the flame's height.
    TPolygon BunsenBurner(TFlame flame)
    {
        const float f = flame == TFlame::None ? 0 : flame == TFlame::Blue ? 18 : 24;
        TParts parts;
        if (flame == TFlame::Blue) {
            parts.push_back(Curve(TPath({ 11.5f, f })
                                      .CurveTo({ 10, f - 8 }, { 12, f - 14 }, { 13, 0 })
                                      .CurveTo({ 14, f - 14 }, { 16, f - 8 }, { 14.5f, f }),
                Pen(FlameInner, 1), FlameOuter));
            parts.push_back(Curve(TPath({ 12, f })
                                      .CurveTo({ 12, f - 4 }, { 12.7f, f - 7 }, { 13, f - 8 })
                                      .CurveTo({ 13.3f, f - 7 }, { 14, f - 4 }, { 14, f }),
                NoLine, FlameInner));
        } else if (flame == TFlame::Yellow) {
            parts.push_back(Curve(TPath({ 11.5f, f })
                                      .CurveTo({ 8, f - 9 }, { 12, f - 16 }, { 13.5f, 0 })
                                      .CurveTo({ 15, f - 12 }, { 17, f - 8 }, { 14.5f, f }),
                Pen(FlameOrange, 1), FlameYellow));
            parts.push_back(Curve(TPath({ 12, f })
                                      .CurveTo({ 11, f - 5 }, { 12.5f, f - 9 }, { 13, f - 11 })
                                      .CurveTo({ 14, f - 8 }, { 14.5f, f - 4 }, { 14, f }),
                NoLine, Rgb(255, 245, 170)));
        }
        parts.push_back(Rect({ 15, f + 40, 26, f + 42.5f }, Outline, Metal));
        parts.push_back(Rect({ 11, f, 15, f + 44 }, Outline, Metal));
        parts.push_back(Rect({ 10, f + 33, 16, f + 39 }, Outline, Brass));
        if (flame != TFlame::Yellow)
            parts.push_back(Rect({ 12, f + 34.5f, 14, f + 37.5f }, Thin, clBlack));
        parts.push_back(Polygon({ { 2, f + 44 }, { 24, f + 44 }, { 26, f + 50 }, { 0, f + 50 } }, Outline, DarkMetal));
        return Picture(std::move(parts));
    }

    TPolygon SpiritLamp()
    {
        constexpr float f = 14;
        constexpr float top = f + 6;
        TPath body({ 9, top });
        body.LineTo({ 9, top + 2 })
            .CurveTo({ 2, top + 3 }, { 0, top + 6 }, { 0, top + 9 })
            .LineTo({ 0, top + 15 })
            .CurveTo({ 0, top + 16.5f }, { 0.5f, top + 17 }, { 2, top + 17 })
            .LineTo({ 22, top + 17 })
            .CurveTo({ 23.5f, top + 17 }, { 24, top + 16.5f }, { 24, top + 15 })
            .LineTo({ 24, top + 9 })
            .CurveTo({ 24, top + 6 }, { 22, top + 3 }, { 15, top + 2 })
            .LineTo({ 15, top });
        TParts parts { Curve(TPath({ 11, f })
                                 .CurveTo({ 9, f - 6 }, { 11, f - 10 }, { 12, 0 })
                                 .CurveTo({ 13, f - 10 }, { 15, f - 6 }, { 13, f }),
            Pen(FlameOrange, 1), FlameYellow) };
        AddVessel(parts, body, top + 10);
        parts.push_back(Rect({ 11, f, 13, f + 4 }, Thin, Rgb(245, 240, 225)));
        parts.push_back(Rect({ 8, f + 3, 16, f + 7 }, Outline, Metal));
        return Picture(std::move(parts));
    }

    // The top ring is TripodTop wide at y = 0; the feet stand TripodHeight below it.
    TPolygon Tripod()
    {
        constexpr float w = TripodTop, h = TripodHeight;
        return Picture({ Rect({ w / 2 - 1.5f, 3, w / 2 + 1.5f, h }, Outline, Metal),
            Polygon({ { 3, 3 }, { 6, 3 }, { 2, h }, { 0, h } }, Outline, DarkMetal),
            Polygon({ { w - 6, 3 }, { w - 3, 3 }, { w, h }, { w - 2, h } }, Outline, DarkMetal),
            Rect({ 1, 0, w - 1, 3 }, Outline, DarkMetal) });
    }

    // Seen edge on, GauzeWidth wide: it lies on the tripod 3 mm further left than the tripod's top.
    TPolygon Gauze()
    {
        TMMArray mesh;
        for (float x = 0.5f; x < GauzeWidth; x += 1)
            mesh.push_back({ x, static_cast<int>(x) % 2 == 0 ? 0.5f : GauzeThickness - 0.5f });
        return Picture({ Rect({ 0, 0, GauzeWidth, GauzeThickness }, Outline, clWhite), Polyline(std::move(mesh), Thin),
            Rect({ 18, 0.3f, 38, GauzeThickness - 0.3f }, NoLine, Rgb(215, 215, 215)) });
    }

    TPolygon GauzeFromAbove()
    {
        constexpr float side = 40;
        TParts parts { Rect({ 0, 0, side, side }, Outline, clWhite) };
        for (float at = 2; at < side; at += 2) {
            parts.push_back(Line({ at, 0 }, { at, side }, Thin));
            parts.push_back(Line({ 0, at }, { side, at }, Thin));
        }
        parts.push_back(Circle({ side / 2, side / 2 }, 12, Thin, Rgb(215, 215, 215)));
        parts.push_back(Rect({ 0, 0, side, side }, Outline, NoFillColour));
        return Picture(std::move(parts));
    }

    // A clay sleeve along the middle of the wire from a to b.
    TPolygon ClaySleeve(TMMPoint a, TMMPoint b)
    {
        const float dx = b.X - a.X, dy = b.Y - a.Y;
        const float length = std::hypot(dx, dy);
        const float nx = -dy / length * 1.5f, ny = dx / length * 1.5f;
        const TMMPoint from { a.X + dx * 0.15f, a.Y + dy * 0.15f }, to { a.X + dx * 0.85f, a.Y + dy * 0.85f };
        return Polygon({ { from.X + nx, from.Y + ny }, { to.X + nx, to.Y + ny }, { to.X - nx, to.Y - ny },
                           { from.X - nx, from.Y - ny } },
            Outline, Rgb(245, 238, 220));
    }

    TPolygon PipeClayTriangle()
    {
        const TMMPoint top { 22, 6 }, left { 5, 35 }, right { 39, 35 };
        return Picture({ Line(top, { 22, 0 }), Line(left, { 0, 38 }), Line(right, { 44, 38 }),
            Polygon({ top, left, right }, Thin, NoFillColour), ClaySleeve(top, left), ClaySleeve(left, right),
            ClaySleeve(right, top) });
    }

    // The rod is 4 mm wide at x = 8..12; a burette clamped over a conical flask on the base reaches
    // into the flask's neck.
    TParts ClampStandParts()
    {
        return { Rect({ 8, 0, 12, 214 }, Outline, Metal), Rect({ 0, 214, 60, 220 }, Outline, DarkMetal) };
    }

    // The boss takes the stand's rod at x = 6..10; the jaws hold a TubeBore tube at x = 42..48.
    TParts BossAndClampParts()
    {
        constexpr float jaws = 42;
        return { Rect({ 12, 4, jaws - 2, 6 }, Outline, Metal), Rect({ 0, 2, 1.5f, 8 }, Outline, DarkMetal),
            Rect({ 1.5f, 4.5f, 4, 5.5f }, Thin, Metal), Rect({ 4, 1, 12, 9 }, Outline, DarkMetal),
            Rect({ jaws - 2, 0, jaws + TubeBore + 2, 1.5f }, Outline, Metal),
            Rect({ jaws - 2, 0, jaws, 10 }, Outline, Wood),
            Rect({ jaws + TubeBore, 0, jaws + TubeBore + 2, 10 }, Outline, Wood),
            Line({ jaws + TubeBore + 2, 5 }, { jaws + TubeBore + 6, 5 }),
            Rect({ jaws + TubeBore + 6, 3, jaws + TubeBore + 7, 7 }, Outline, Metal) };
    }

    TPolygon ClampStandWithClamp()
    {
        TParts parts = ClampStandParts();
        AddMoved(parts, BossAndClampParts(), { 2, 60 });
        return Picture(std::move(parts));
    }

    TPolygon HeatProofMat()
    {
        return Picture({ Polygon({ { 6, 0 }, { 66, 0 }, { 60, 6 }, { 0, 6 } }, Outline, Rgb(205, 200, 190)),
            Rect({ 0, 6, 60, 10 }, Outline, Rgb(150, 145, 135)),
            Polygon({ { 60, 6 }, { 66, 0 }, { 66, 4 }, { 60, 10 } }, Outline, Rgb(120, 115, 105)) });
    }

    TPolygon WaterBath()
    {
        TParts parts { Polygon({ { 0, 6 }, { 6, 0 }, { 70, 0 }, { 64, 6 } }, Outline, Rgb(215, 215, 220)) };
        for (const float x : { 12.0f, 30.0f, 48.0f }) {
            parts.push_back(Ellipse({ x, 1, x + 12, 5 }, Outline, LiquidFill));
            parts.push_back(Ellipse({ x + 3, 2, x + 9, 4 }, Thin, LiquidFill));
        }
        parts.push_back(Rect({ 0, 6, 64, 36 }, Outline, Metal));
        parts.push_back(Polygon({ { 64, 6 }, { 70, 0 }, { 70, 30 }, { 64, 36 } }, Outline, Rgb(160, 160, 165)));
        parts.push_back(Circle({ 52, 28 }, 3.5f, Outline, DarkMetal));
        parts.push_back(Line({ 52, 28 }, { 54, 26 }, Outline));
        parts.push_back(Circle({ 42, 28 }, 1.2f, Thin, NorthRed));
        return Picture(std::move(parts));
    }

    TPolygon Tongs()
    {
        return Picture({ Polyline({ { 0, 0 }, { 38, 8 }, { 44, 13 }, { 50, 12 }, { 54, 9 } }, Thick),
            Polyline({ { 0, 16 }, { 38, 8 }, { 44, 3 }, { 50, 4 }, { 54, 7 } }, Thick),
            Circle({ 38, 8 }, 1.5f, Thin, Metal) });
    }

    TPolygon TestTubeHolder()
    {
        return Picture({ Rect({ 0, 3, 40, 9 }, Outline, Wood), Polyline({ { 40, 4 }, { 52, 4 } }),
            Polyline({ { 40, 8 }, { 52, 8 } }), Ellipse({ 50, 0, 62, 12 }, Outline, NoFillColour) });
    }

} // namespace

TPicturePage HeatingPage()
{
    TPicturePage page { QString::fromUtf8(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Heating and support")), {} };
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Bunsen burner"), BunsenBurner(TFlame::None));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Bunsen burner, air hole open"), BunsenBurner(TFlame::Blue));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Bunsen burner, air hole closed"), BunsenBurner(TFlame::Yellow));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Spirit lamp"), SpiritLamp());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Tripod"), Tripod());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Gauze"), Gauze());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Gauze, seen from above"), GauzeFromAbove());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Pipe-clay triangle"), PipeClayTriangle());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Clamp stand"), Picture(ClampStandParts()));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Boss and clamp"), Picture(BossAndClampParts()));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Clamp stand with boss and clamp"), ClampStandWithClamp());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Heat-proof mat"), HeatProofMat());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Water bath"), WaterBath());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Tongs"), Tongs());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Test tube holder"), TestTubeHolder());
    return page;
}

} // namespace korvo::tools
