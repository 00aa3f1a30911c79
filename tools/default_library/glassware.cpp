// Glassware at one third of real size. Necks, tubes and holes share the sizes in fits.h; every
// other size is rounded to whole millimetres.

#include "tools/default_library/art.h"
#include "tools/default_library/fits.h"
#include "tools/default_library/pages.h"

#include <cmath>

namespace korvo::tools {

namespace {

    using namespace fits;

    // A flask's neck: walls NeckBore apart, from the flared rim at the top to the shoulder.
    constexpr float NeckLeft = 10;
    constexpr float NeckRight = NeckLeft + NeckBore;

    TPolygon Beaker(float width, float height)
    {
        const float w = width, h = height;
        TParts parts;
        AddVessel(parts,
            Profile({ { 0, 0 }, { 1, 1.5f }, { 1, h, 1.5f }, { w - 1, h, 1.5f }, { w - 1, 1.5f }, { w, 0 } }),
            h * 0.45f);
        AddTicks(parts, { 3, h * 0.25f }, { 0, h * 0.15f }, 5, { 1.5f, 0 }, 2);
        return Picture(std::move(parts));
    }

    TPath ConicalOutline()
    {
        return Profile({ { NeckLeft - 1, 0 }, { NeckLeft, 1 }, { NeckLeft, 12, 3 }, { 0, 42 }, { 0, 46, 1.5f },
            { 28, 46, 1.5f }, { 28, 42 }, { NeckRight, 12, 3 }, { NeckRight, 1 }, { NeckRight + 1, 0 } });
    }

    TPolygon ConicalFlask()
    {
        TParts parts;
        AddVessel(parts, ConicalOutline(), 32);
        return Picture(std::move(parts));
    }

    // Round flasks: a bulb of radius 14 under the neck; the flat-bottomed one is cut off at y = 38.
    constexpr TMMPoint BulbCentre { 14, 26 };
    constexpr float BulbRadius = 14;

    TPath NeckDownToBulb()
    {
        const float shoulder
            = BulbCentre.Y - std::sqrt(BulbRadius * BulbRadius - (BulbCentre.X - NeckLeft) * (BulbCentre.X - NeckLeft));
        return TPath({ NeckLeft - 1, 0 }).LineTo({ NeckLeft, 1 }).LineTo({ NeckLeft, shoulder });
    }

    TPolygon RoundBottomFlask()
    {
        TPath outline = NeckDownToBulb();
        const TMMPoint shoulder = outline.Last();
        outline.ArcTo({ 2 * BulbCentre.X - shoulder.X, shoulder.Y }, BulbCentre, false)
            .LineTo({ NeckRight, 1 })
            .LineTo({ NeckRight + 1, 0 });
        TParts parts;
        AddVessel(parts, outline);
        return Picture(std::move(parts));
    }

    TPolygon FlatBottomFlask()
    {
        constexpr float base = 38;
        const float halfBase = std::sqrt(BulbRadius * BulbRadius - (base - BulbCentre.Y) * (base - BulbCentre.Y));
        TPath outline = NeckDownToBulb();
        const TMMPoint shoulder = outline.Last();
        outline.ArcTo({ BulbCentre.X - halfBase, base }, BulbCentre, false)
            .LineTo({ BulbCentre.X + halfBase, base })
            .ArcTo({ 2 * BulbCentre.X - shoulder.X, shoulder.Y }, BulbCentre, false)
            .LineTo({ NeckRight, 1 })
            .LineTo({ NeckRight + 1, 0 });
        TParts parts;
        AddVessel(parts, outline);
        return Picture(std::move(parts));
    }

    // Straight walls and a round bottom; the bore is the outer width, as glass is drawn as one line.
    TPath TubeOutline(float bore, float length)
    {
        const float r = bore / 2;
        return TPath({ 0, 0 })
            .LineTo({ 0, length - r })
            .ArcTo({ bore, length - r }, { r, length - r }, false)
            .LineTo({ bore, 0 });
    }

    TPolygon TestTube(float bore)
    {
        TParts parts;
        AddVessel(parts, TubeOutline(bore, 50));
        return Picture(std::move(parts));
    }

    // Holes every 10 mm; a tube stands in a hole at the hole's centre less half its bore, on the
    // bottom shelf at y = 36.
    TPolygon TestTubeRack()
    {
        constexpr float width = 48;
        TParts parts { Rect({ 0, 0, width, 3 }, Outline, Rgb(235, 205, 160)) };
        for (float centre = 9; centre < width; centre += 10)
            parts.push_back(Ellipse({ centre - 4, 0.5f, centre + 4, 2.5f }, Thin, Rgb(120, 80, 40)));
        parts.push_back(Rect({ 0, 3, width, 8 }, Outline, Wood));
        parts.push_back(Rect({ 1, 8, 4, 36 }, Outline, Wood));
        parts.push_back(Rect({ width - 4, 8, width - 1, 36 }, Outline, Wood));
        parts.push_back(Rect({ 0, 36, width, 40 }, Outline, Wood));
        return Picture(std::move(parts));
    }

    TPolygon MeasuringCylinder()
    {
        TParts parts;
        AddVessel(parts, Profile({ { 4, 0 }, { 5, 1.5f }, { 5, 68 }, { 15, 68 }, { 15, 1.5f }, { 16, 0 } }), 28);
        AddTicks(parts, { 5, 8 }, { 0, 2 }, 30, { 2, 0 }, 5);
        parts.push_back(Polygon({ { 2, 68 }, { 18, 68 }, { 20, 72 }, { 0, 72 } }, Outline, GlassFill));
        return Picture(std::move(parts));
    }

    // The body is a TubeBore tube from x = 3, so that it sits in the clamp's jaws like a test tube.
    TPolygon Burette()
    {
        constexpr float tube = 125;
        TParts parts { TubeDown({ 3, 0, 9, tube }), Rect({ 3.25f, 15, 8.75f, tube }, NoLine, LiquidFill) };
        AddTicks(parts, { 3, 6 }, { 0, 4 }, 29, { 1.5f, 0 }, 5);
        AddVessel(parts,
            Profile({ { 3, tube }, { 5, tube + 5 }, { 5, tube + 23 }, { 5.6f, tube + 28 }, { 6.4f, tube + 28 },
                { 7, tube + 23 }, { 7, tube + 5 }, { 9, tube } }),
            tube);
        parts.push_back(Ellipse({ 3, tube + 7, 9, tube + 14 }, Outline, GlassFill));
        parts.push_back(Rect({ 0, tube + 9.5f, 12, tube + 11.5f }, Outline, DarkMetal));
        return Picture(std::move(parts));
    }

    TPolygon Pipette()
    {
        TPath outline({ 4, 0 });
        outline.LineTo({ 4, 50 })
            .CurveTo({ 4, 54 }, { 0, 56 }, { 0, 62 })
            .LineTo({ 0, 78 })
            .CurveTo({ 0, 84 }, { 4, 86 }, { 4, 90 })
            .LineTo({ 4, 142 })
            .LineTo({ 4.6f, 150 })
            .LineTo({ 5.4f, 150 })
            .LineTo({ 6, 142 })
            .LineTo({ 6, 90 })
            .CurveTo({ 6, 86 }, { 10, 84 }, { 10, 78 })
            .LineTo({ 10, 62 })
            .CurveTo({ 10, 56 }, { 6, 54 }, { 6, 50 })
            .LineTo({ 6, 0 })
            .Close();
        TParts parts;
        AddVessel(parts, outline);
        parts.push_back(Line({ 3, 30 }, { 7, 30 }, Thin));
        return Picture(std::move(parts));
    }

    TPolygon DroppingPipette()
    {
        TParts parts;
        AddVessel(
            parts, Profile({ { 2.5f, 14 }, { 2.5f, 38 }, { 3.6f, 48 }, { 4.4f, 48 }, { 5.5f, 38 }, { 5.5f, 14 } }));
        parts.push_back(Rect({ 2, 9, 6, 17 }, Outline, Rubber));
        parts.push_back(Ellipse({ 0, 0, 8, 12 }, Outline, Rubber));
        return Picture(std::move(parts));
    }

    // Funnel stems are NarrowTube wide at x = 11, so they go through a stopper's hole.
    TPath FunnelOutline()
    {
        return Profile({ { 0, 0 }, { 11, 17, 1.5f }, { 11, 40 }, { 13, 38 }, { 13, 17, 1.5f }, { 24, 0 } });
    }

    TPolygon FilterFunnel(bool withPaper)
    {
        TParts parts;
        AddVessel(parts, FunnelOutline());
        if (withPaper)
            parts.push_back(Polygon({ { 2, 0.5f }, { 12, 12 }, { 22, 0.5f } }, Thin, Rgb(250, 250, 240)));
        return Picture(std::move(parts));
    }

    // The stem is NarrowTube wide at x = 6, under a bulb open at the top.
    TPolygon ThistleFunnel()
    {
        TPath outline({ 2, 0 });
        outline.CurveTo({ 0.5f, 2 }, { 0, 4 }, { 0, 6 })
            .CurveTo({ 0, 9 }, { 4, 11 }, { 6, 13 })
            .LineTo({ 6, 75 })
            .LineTo({ 8, 75 })
            .LineTo({ 8, 13 })
            .CurveTo({ 10, 11 }, { 14, 9 }, { 14, 6 })
            .CurveTo({ 14, 4 }, { 13.5f, 2 }, { 12, 0 });
        TParts parts;
        AddVessel(parts, outline);
        return Picture(std::move(parts));
    }

    TPolygon SeparatingFunnel()
    {
        TPath body({ 10, 4 });
        body.LineTo({ 10, 8 })
            .CurveTo({ 3, 9 }, { 0, 13 }, { 0, 19 })
            .CurveTo({ 0, 26 }, { 9, 40 }, { 11, 48 })
            .LineTo({ 11, 55 })
            .LineTo({ 13, 55 })
            .LineTo({ 13, 48 })
            .CurveTo({ 15, 40 }, { 24, 26 }, { 24, 19 })
            .CurveTo({ 24, 13 }, { 21, 9 }, { 14, 8 })
            .LineTo({ 14, 4 });
        TParts parts { TubeDown({ 11, 55, 13, 70 }), Curve(body, NoLine, GlassFill),
            Curve(body.Below(22), NoLine, Rgb(255, 240, 170)), Curve(body.Below(32), NoLine, LiquidFill),
            Curve(body, Outline, NoFillColour), Line({ 1.5f, 32 }, { 22.5f, 32 }, Thin) };
        parts.push_back(Polygon({ { 9, 0 }, { 15, 0 }, { 14, 5 }, { 10, 5 } }, Outline, GlassFill));
        parts.push_back(Ellipse({ 9, 53, 15, 58 }, Outline, GlassFill));
        parts.push_back(Rect({ 5, 54.5f, 19, 56.5f }, Outline, DarkMetal));
        return Picture(std::move(parts));
    }

    TPolygon BuchnerFunnel()
    {
        const TPath outline
            = Profile({ { 0, 0 }, { 0, 12 }, { 11, 18 }, { 11, 30 }, { 13, 30 }, { 13, 18 }, { 24, 12 }, { 24, 0 } });
        return Picture({ Curve(outline, Outline, Porcelain), Line({ 1, 10 }, { 23, 10 }, Pen(clBlack, 2, psDot)) });
    }

    // A conical flask with a side arm for the pump's tubing.
    TPolygon BuchnerFlask()
    {
        TParts parts { TubeAcross({ NeckRight - 1, 5, 28, 7 }) };
        AddVessel(parts, ConicalOutline());
        return Picture(std::move(parts));
    }

    TPolygon LiebigCondenser()
    {
        TParts parts { TubeDown({ 20, 14, 22, 20 }), TubeDown({ 108, 0, 110, 6 }),
            Polygon({ { 15, 9 }, { 18, 6 }, { 112, 6 }, { 115, 9 }, { 115, 11 }, { 112, 14 }, { 18, 14 }, { 15, 11 } },
                Outline, LiquidFill),
            TubeAcross({ 0, 9, 130, 11 }) };
        return Picture(std::move(parts));
    }

    TPolygon EvaporatingBasin()
    {
        TPath outline({ 0, 0 });
        outline.CurveTo({ 1, 6 }, { 5, 9 }, { 10, 9 }).LineTo({ 16, 9 }).CurveTo({ 21, 9 }, { 25, 6 }, { 26, 0 });
        TParts parts;
        AddVessel(parts, outline, 5);
        return Picture(std::move(parts));
    }

    TPolygon CrucibleAndLid()
    {
        TParts parts { Curve(Profile({ { 1, 2 }, { 3, 14, 1.5f }, { 11, 14, 1.5f }, { 13, 2 } }), Outline, Porcelain) };
        parts.push_back(Rect({ 0, 1, 14, 2.5f }, Outline, Porcelain));
        parts.push_back(Rect({ 5.5f, 0, 8.5f, 1 }, Outline, Porcelain));
        return Picture(std::move(parts));
    }

    TPolygon WatchGlass()
    {
        TPath outline({ 0, 0 });
        outline.CurveTo({ 6, 4 }, { 18, 4 }, { 24, 0 }).CurveTo({ 18, 2.7f }, { 6, 2.7f }, { 0, 0 });
        return Picture({ Curve(outline, Outline, GlassFill) });
    }

    TPolygon GasJarAndLid()
    {
        TParts parts;
        AddVessel(parts, Profile({ { 0, 2 }, { 1, 3 }, { 1, 60, 2 }, { 19, 60, 2 }, { 19, 3 }, { 20, 2 } }));
        parts.push_back(Rect({ 0, 0, 20, 2 }, Outline, Rgb(235, 240, 240)));
        return Picture(std::move(parts));
    }

    TPolygon Trough()
    {
        TParts parts;
        AddVessel(parts, Profile({ { 0, 0 }, { 1, 1 }, { 1, 30, 2 }, { 89, 30, 2 }, { 89, 1 }, { 90, 0 } }), 10);
        return Picture(std::move(parts));
    }

    // Stands in the trough under a gas jar: the delivery tube goes in at the side, the gas out at the top.
    TPolygon BeehiveShelf()
    {
        TPath dome({ 0, 10 });
        dome.CurveTo({ 0, 3 }, { 6, 0 }, { 12, 0 }).CurveTo({ 18, 0 }, { 24, 3 }, { 24, 10 }).Close();
        return Picture({ Curve(dome, Outline, Porcelain), Rect({ 10, 0, 14, 1.5f }, Thin, clWhite),
            Rect({ 2, 6, 6, 10 }, Thin, clWhite) });
    }

    // Delivery tubes are NarrowTube wide; their bends are boxes of four tube widths.
    constexpr float BendBox = 4 * NarrowTube;

    TPolygon StraightTube() { return Picture({ TubeDown({ 0, 0, NarrowTube, 40 }) }); }

    TPolygon RightAngledTube()
    {
        return Picture({ Bend({ 0, 0, BendBox, BendBox }, TBendCorner::TopLeft),
            TubeAcross({ BendBox, 0, 48, NarrowTube }), TubeDown({ 0, BendBox, NarrowTube, 38 }) });
    }

    TPolygon BentTube()
    {
        constexpr float right = 58;
        return Picture(
            { TubeDown({ 0, BendBox, NarrowTube, 38 }), Bend({ 0, 0, BendBox, BendBox }, TBendCorner::TopLeft),
                TubeAcross({ BendBox, 0, right - BendBox, NarrowTube }),
                Bend({ right - BendBox, 0, right, BendBox }, TBendCorner::TopRight),
                TubeDown({ right - NarrowTube, BendBox, right, 58 }) });
    }

    TPolygon UTube()
    {
        constexpr float legs = 32;
        return Picture(
            { TubeDown({ 0, 0, NarrowTube, legs }), TubeDown({ 2 * BendBox - NarrowTube, 0, 2 * BendBox, legs }),
                Bend({ 0, legs, BendBox, legs + BendBox }, TBendCorner::BottomLeft),
                Bend({ BendBox, legs, 2 * BendBox, legs + BendBox }, TBendCorner::BottomRight) });
    }

    // The nozzle is a NarrowTube on the left, for the delivery tube's rubber sleeve.
    TPolygon GasSyringe()
    {
        const TPath barrel = Profile({ { 70, 0 }, { 10, 0 }, { 8, 4 }, { 8, 8 }, { 10, 12 }, { 70, 12 } });
        TParts parts { TubeAcross({ 0, 5, 9, 7 }), Curve(barrel, NoLine, GlassFill), TubeAcross({ 48, 4.5f, 86, 7.5f }),
            Rect({ 44, 1, 48, 11 }, Outline, Rubber), Rect({ 86, 0, 88, 12 }, Outline, GlassFill),
            Curve(barrel, Outline, NoFillColour) };
        AddTicks(parts, { 12, 0 }, { 2, 0 }, 28, { 0, 1.5f }, 5);
        return Picture(std::move(parts));
    }

    // The stem is NarrowTube wide at x = 1, to go through a stopper's hole.
    TPolygon Thermometer()
    {
        TPath stem({ 1, 94 });
        stem.LineTo({ 1, 1 }).ArcTo({ 3, 1 }, { 2, 1 }, true).LineTo({ 3, 94 });
        TParts parts { Curve(stem, Outline, GlassFill), Rect({ 1.6f, 45, 2.4f, 94 }, NoLine, clRed) };
        AddTicks(parts, { 1, 10 }, { 0, 4 }, 21, { 0.5f, 0 }, 5);
        parts.push_back(Ellipse({ 0, 92, 4, 100 }, Outline, clRed));
        return Picture(std::move(parts));
    }

    // Holes are NarrowTube wide on whole millimetres.
    TPolygon Stopper(std::initializer_list<float> holes)
    {
        TParts parts { Polygon({ { 0, 0 }, { StopperTop, 0 }, { StopperTop - 1, StopperHeight }, { 1, StopperHeight } },
            Outline, Rubber) };
        for (const float hole : holes)
            parts.push_back(Rect({ hole, 0, hole + NarrowTube, StopperHeight }, Thin, clWhite));
        return Picture(std::move(parts));
    }

} // namespace

TPicturePage GlasswarePage()
{
    TPicturePage page { QString::fromUtf8(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Glassware")), {} };
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Beaker, small"), Beaker(18, 24));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Beaker, large"), Beaker(26, 32));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Conical flask"), ConicalFlask());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Round-bottom flask"), RoundBottomFlask());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Flat-bottom flask"), FlatBottomFlask());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Test tube"), TestTube(TubeBore));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Boiling tube"), TestTube(NeckBore));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Test tube rack"), TestTubeRack());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Measuring cylinder"), MeasuringCylinder());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Burette"), Burette());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Pipette"), Pipette());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Dropping pipette"), DroppingPipette());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Filter funnel"), FilterFunnel(false));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Filter funnel with filter paper"), FilterFunnel(true));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Thistle funnel"), ThistleFunnel());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Separating funnel"), SeparatingFunnel());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Büchner funnel"), BuchnerFunnel());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Büchner flask"), BuchnerFlask());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Liebig condenser"), LiebigCondenser());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Evaporating basin"), EvaporatingBasin());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Crucible and lid"), CrucibleAndLid());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Watch glass"), WatchGlass());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Gas jar and lid"), GasJarAndLid());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Trough"), Trough());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Beehive shelf"), BeehiveShelf());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Delivery tube, straight"), StraightTube());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Delivery tube, right-angled"), RightAngledTube());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Delivery tube, bent"), BentTube());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Delivery tube, U-shaped"), UTube());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Gas syringe"), GasSyringe());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Thermometer"), Thermometer());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Stopper"), Stopper({}));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Stopper, one hole"), Stopper({ 4 }));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Stopper, two holes"), Stopper({ 2, 6 }));
    return page;
}

} // namespace korvo::tools
