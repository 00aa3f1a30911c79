// Biology at a size for diagrams, not to scale: cells as big as the organs, as textbooks draw them.
// The parts keep the colours textbooks use (green chloroplasts, purple nuclei, red and blue blood).

#include "tools/default_library/art.h"
#include "tools/default_library/pages.h"

#include "geometry/units.h"

#include <cmath>

namespace korvo::tools {

namespace {

    constexpr TColour Cytoplasm = Rgb(255, 235, 230);
    constexpr TColour Nucleus = Rgb(170, 120, 200);
    constexpr TColour Chloroplast = Rgb(60, 160, 60);
    constexpr TColour PlantGreen = Rgb(200, 235, 190);
    constexpr TColour Vacuole = Rgb(235, 245, 255);
    constexpr TColour Flesh = Rgb(240, 160, 160);
    constexpr TColour Blood = Rgb(210, 40, 40);
    constexpr TColour Venous = Rgb(80, 110, 210);
    constexpr TColour Myelin = Rgb(250, 240, 200);

    TPolygon Blob(std::initializer_list<TMMPoint> points, TPen pen, TColour fill)
    {
        return Curve(SmoothThrough(points, true), pen, fill);
    }

    TPolygon AnimalCell()
    {
        return PictureAtOrigin(
            { Blob({ { 20, 0 }, { 36, 4 }, { 44, 18 }, { 38, 32 }, { 22, 38 }, { 6, 33 }, { 0, 18 }, { 5, 5 } },
                  Outline, Cytoplasm),
                Ellipse({ 14, 12, 28, 24 }, Outline, Nucleus), Ellipse({ 19, 16, 23, 20 }, Thin, Rgb(110, 60, 150)),
                Ellipse({ 32, 10, 38, 14 }, Thin, Rgb(240, 150, 100)),
                Ellipse({ 8, 26, 14, 30 }, Thin, Rgb(240, 150, 100)),
                Ellipse({ 30, 26, 35, 30 }, Thin, Rgb(240, 150, 100)) });
    }

    TPolygon PlantCell()
    {
        TParts parts { Curve(ClosedProfile({ { 0, 0, 3 }, { 30, 0, 3 }, { 30, 46, 3 }, { 0, 46, 3 } }),
                           Pen(Rgb(40, 130, 40), 4), PlantGreen),
            Curve(ClosedProfile({ { 2, 2, 2 }, { 28, 2, 2 }, { 28, 44, 2 }, { 2, 44, 2 } }), Thin, Cytoplasm),
            Curve(ClosedProfile({ { 7, 9, 5 }, { 25, 9, 5 }, { 25, 39, 5 }, { 7, 39, 5 } }), Thin, Vacuole),
            Ellipse({ 3, 4, 12, 12 }, Outline, Nucleus), Ellipse({ 6.5f, 7, 9, 9.5f }, Thin, Rgb(110, 60, 150)) };
        for (const TMMPoint at :
            { TMMPoint { 4, 18 }, { 4, 30 }, { 15, 4 }, { 22, 5 }, { 26, 22 }, { 26, 34 }, { 8, 41 }, { 18, 41 } })
            parts.push_back(Ellipse({ at.X - 1.5f, at.Y - 1, at.X + 1.5f, at.Y + 1 }, Thin, Chloroplast));
        return Picture(std::move(parts));
    }

    // A cross-section of a leaf: cuticle and upper epidermis, palisade cells, spongy cells with air
    // spaces, lower epidermis with a stoma between two guard cells.
    TPolygon LeafSection()
    {
        constexpr float width = 80;
        TParts parts { Rect({ 0, 0, width, 44 }, Outline, Rgb(245, 250, 240)) };
        for (float x = 0; x < width; x += 5)
            parts.push_back(Rect({ x, 1, x + 5, 5 }, Thin, Rgb(240, 250, 235)));
        for (float x = 0; x < width; x += 4) {
            parts.push_back(Curve(ClosedProfile({ { x + 0.3f, 5.5f, 1.5f }, { x + 3.7f, 5.5f, 1.5f },
                                      { x + 3.7f, 20, 1.5f }, { x + 0.3f, 20, 1.5f } }),
                Thin, PlantGreen));
            for (float y = 8; y < 19; y += 4)
                parts.push_back(Circle({ x + 2, y }, 0.8f, NoLine, Chloroplast));
        }
        for (float x = 2; x < width - 2; x += 7) {
            const float lift = std::fmod(x, 14) < 7 ? 0 : 3;
            parts.push_back(Ellipse({ x, 22 + lift, x + 6, 27 + lift }, Thin, PlantGreen));
            parts.push_back(Ellipse({ x + 3, 30 - lift, x + 9, 35 - lift }, Thin, PlantGreen));
        }
        for (float x = 0; x < width; x += 5) {
            if (x == 35 || x == 40)
                continue;
            parts.push_back(Rect({ x, 39, x + 5, 43 }, Thin, Rgb(240, 250, 235)));
        }
        parts.push_back(Ellipse({ 35, 38.5f, 39.5f, 43.5f }, Thin, Chloroplast));
        parts.push_back(Ellipse({ 40.5f, 38.5f, 45, 43.5f }, Thin, Chloroplast));
        parts.push_back(Line({ 0, 0.5f }, { width, 0.5f }, Pen(Rgb(120, 160, 80), 2)));
        return Picture(std::move(parts));
    }

    TPolygon FlowerParts()
    {
        TParts parts { Rect({ 28, 50, 32, 75 }, Outline, Rgb(90, 170, 70)),
            Blob({ { 30, 46 }, { 20, 48 }, { 12, 42 }, { 22, 40 } }, Outline, Rgb(120, 190, 90)),
            Blob({ { 30, 46 }, { 40, 48 }, { 48, 42 }, { 38, 40 } }, Outline, Rgb(120, 190, 90)),
            Blob({ { 26, 42 }, { 10, 36 }, { 0, 14 }, { 6, 4 }, { 18, 22 } }, Outline, Rgb(245, 150, 190)),
            Blob({ { 34, 42 }, { 50, 36 }, { 60, 14 }, { 54, 4 }, { 42, 22 } }, Outline, Rgb(245, 150, 190)),
            Ellipse({ 22, 40, 38, 48 }, Outline, Rgb(140, 200, 100)) };
        for (const float side : { -1.0f, 1.0f }) {
            for (const float spread : { 7.0f, 12.0f }) {
                const TMMPoint anther { 30 + side * spread, 18 + spread / 2 };
                parts.push_back(Line({ 30 + side * 3, 41 }, anther, Outline));
                parts.push_back(
                    Ellipse({ anther.X - 2, anther.Y - 3, anther.X + 2, anther.Y + 1 }, Thin, Rgb(250, 210, 40)));
            }
        }
        parts.push_back(Blob({ { 30, 28 }, { 31.5f, 32 }, { 35, 38 }, { 30, 44 }, { 25, 38 }, { 28.5f, 32 } }, Outline,
            Rgb(150, 210, 110)));
        parts.push_back(Ellipse({ 27, 37, 29.5f, 39.5f }, Thin, clWhite));
        parts.push_back(Ellipse({ 30.5f, 37, 33, 39.5f }, Thin, clWhite));
        parts.push_back(Ellipse({ 27, 12, 33, 16 }, Outline, Rgb(120, 180, 80)));
        parts.push_back(Rect({ 29.25f, 16, 30.75f, 29 }, Thin, Rgb(150, 210, 110)));
        return PictureAtOrigin(std::move(parts));
    }

    TPolygon RootHairCell()
    {
        TPath outline({ 0, 2 });
        outline.CurveTo({ 0, 0.5f }, { 0.5f, 0 }, { 2, 0 })
            .LineTo({ 34, 0 })
            .CurveTo({ 35.5f, 0 }, { 36, 0.5f }, { 36, 2 })
            .LineTo({ 36, 6 })
            .CurveTo({ 50, 5 }, { 62, 6 }, { 72, 8 })
            .CurveTo({ 75, 9 }, { 75, 12 }, { 72, 12 })
            .CurveTo({ 62, 11 }, { 48, 11 }, { 36, 12 })
            .LineTo({ 36, 14 })
            .CurveTo({ 36, 15.5f }, { 35.5f, 16 }, { 34, 16 })
            .LineTo({ 2, 16 })
            .CurveTo({ 0.5f, 16 }, { 0, 15.5f }, { 0, 14 })
            .Close();
        return Picture({ Curve(outline, Outline, Cytoplasm), Ellipse({ 8, 3, 28, 13 }, Thin, Vacuole),
            Ellipse({ 40, 6.5f, 46, 11 }, Outline, Nucleus) });
    }

    TPolygon RedBloodCell()
    {
        const TPath side = SmoothThrough(
            { { 36, 0 }, { 40, 3 }, { 37.5f, 10 }, { 40, 17 }, { 36, 20 }, { 32, 17 }, { 34.5f, 10 }, { 32, 3 } },
            true);
        return PictureAtOrigin({ Circle({ 10, 10 }, 10, Outline, Blood),
            Circle({ 10, 10 }, 4.5f, NoLine, Rgb(235, 110, 110)), Curve(side, Outline, Blood) });
    }

    TPolygon Neurone()
    {
        TParts parts;
        for (int i = 0; i < 7; ++i) {
            const double a = Pi / 2 + i * 2 * Pi / 7;
            const auto c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
            const TMMPoint root { 14 + 6 * c, 14 + 6 * s }, tip { 14 + 13 * c, 14 + 13 * s };
            parts.push_back(Line(root, tip, Outline));
            parts.push_back(Line(tip, { tip.X + 3 * c - 2 * s, tip.Y + 3 * s + 2 * c }, Thin));
            parts.push_back(Line(tip, { tip.X + 3 * c + 2 * s, tip.Y + 3 * s - 2 * c }, Thin));
        }
        parts.push_back(TubeAcross({ 18, 13, 104, 15 }));
        for (float x = 24; x < 96; x += 12)
            parts.push_back(Curve(
                ClosedProfile({ { x, 11, 2 }, { x + 10, 11, 2 }, { x + 10, 17, 2 }, { x, 17, 2 } }), Outline, Myelin));
        for (const float dy : { -5.0f, 0.0f, 5.0f }) {
            parts.push_back(Line({ 104, 14 }, { 112, 14 + dy }, Outline));
            parts.push_back(Circle({ 112.5f, 14 + dy }, 1.3f, Outline, Nucleus));
        }
        parts.push_back(
            Blob({ { 14, 6 }, { 21, 10 }, { 20, 19 }, { 12, 22 }, { 6, 16 }, { 8, 9 } }, Outline, Cytoplasm));
        parts.push_back(Circle({ 14, 14 }, 3, Outline, Nucleus));
        return PictureAtOrigin(std::move(parts));
    }

    TPolygon Microscope()
    {
        constexpr TColour body = Rgb(230, 230, 235);
        return Picture({ Polygon({ { 4, 78 }, { 40, 78 }, { 42, 84 }, { 2, 84 } }, Outline, DarkMetal),
            Curve(TPath({ 30, 78 })
                      .LineTo({ 30, 56 })
                      .CurveTo({ 42, 48 }, { 42, 24 }, { 28, 14 })
                      .LineTo({ 22, 20 })
                      .CurveTo({ 32, 28 }, { 33, 46 }, { 23, 56 })
                      .LineTo({ 23, 78 })
                      .Close(),
                Outline, body),
            Rect({ 0, 52, 30, 56 }, Outline, DarkMetal), Circle({ 13, 66 }, 4, Outline, Metal),
            Polygon({ { 6, 12 }, { 16, 4 }, { 24, 14 }, { 14, 22 } }, Outline, body),
            Polygon({ { 3, 6 }, { 10, 0 }, { 13, 4 }, { 6, 10 } }, Outline, Metal),
            Polygon({ { 14, 22 }, { 21, 17 }, { 23, 21 }, { 16, 26 } }, Outline, body),
            Rect({ 15, 26, 19, 38 }, Outline, Metal), Rect({ 15.5f, 38, 18.5f, 44 }, Outline, Metal),
            Circle({ 34, 40 }, 4, Outline, Metal), Circle({ 34, 40 }, 2, Thin, DarkMetal) });
    }

    TPolygon MagnifyingGlass()
    {
        return Picture({ Polygon({ { 25, 22 }, { 22, 25 }, { 36, 39 }, { 39, 36 } }, Outline, Rgb(60, 40, 30)),
            Circle({ 15, 15 }, 15, Thick, Rgb(225, 240, 250)),
            Curve(TPath({ 7, 11 }).ArcTo({ 11, 7 }, { 15, 15 }, true), Pen(clWhite, 2), NoFillColour) });
    }

    TPolygon PetriDish()
    {
        TParts parts { Ellipse({ 0, 4, 40, 16 }, Outline, Rgb(240, 245, 245)),
            Rect({ 0, 6, 40, 10 }, NoLine, Rgb(240, 245, 245)), Line({ 0, 6 }, { 0, 10 }), Line({ 40, 6 }, { 40, 10 }),
            Ellipse({ 0, 0, 40, 12 }, Outline, Rgb(250, 235, 170)) };
        for (const TMMPoint at : { TMMPoint { 12, 5 }, { 22, 4 }, { 27, 7 }, { 16, 8 }, { 30, 4 } })
            parts.push_back(Circle(at, 1, Thin, Rgb(240, 240, 230)));
        return Picture(std::move(parts));
    }

    // Seen from the front, so the heart's right side, with the blood from the body, is on the left.
    TPolygon Heart()
    {
        return PictureAtOrigin({ Rect({ 8, 0, 14, 16 }, Outline, Venous),
            Curve(TPath({ 20, 14 })
                      .LineTo({ 20, 6 })
                      .CurveTo({ 20, -4 }, { 38, -4 }, { 38, 6 })
                      .LineTo({ 38, 12 })
                      .LineTo({ 33, 12 })
                      .LineTo({ 33, 7 })
                      .CurveTo({ 33, 2 }, { 25, 2 }, { 25, 7 })
                      .LineTo({ 25, 14 })
                      .Close(),
                Outline, Blood),
            Rect({ 14, 4, 20, 14 }, Outline, Venous),
            Blob({ { 26, 12 }, { 6, 14 }, { 2, 28 }, { 12, 46 }, { 26, 58 } }, Outline, Venous),
            Blob({ { 26, 12 }, { 44, 14 }, { 50, 28 }, { 42, 46 }, { 26, 58 } }, Outline, Blood),
            Line({ 26, 28 }, { 26, 56 }, Outline), Line({ 8, 26 }, { 24, 28 }, Thin),
            Line({ 28, 28 }, { 47, 26 }, Thin) });
    }

    TPolygon Lungs()
    {
        TParts parts { Blob({ { 20, 14 }, { 4, 22 }, { 0, 50 }, { 10, 60 }, { 22, 52 }, { 24, 30 } }, Outline, Flesh),
            Blob({ { 36, 14 }, { 52, 22 }, { 56, 50 }, { 46, 60 }, { 34, 52 }, { 32, 30 } }, Outline, Flesh),
            TubeDown({ 26, 0, 30, 22 }), Bend({ 14, 22, 30, 38 }, TBendCorner::BottomRight),
            Bend({ 26, 22, 42, 38 }, TBendCorner::BottomLeft) };
        for (float y = 3; y < 22; y += 3)
            parts.push_back(Line({ 26, y }, { 30, y }, Thin));
        for (const float side : { -1.0f, 1.0f }) {
            const float x = 28 + side * 14;
            parts.push_back(Line({ x, 38 }, { x - side * 4, 48 }, Thin));
            parts.push_back(Line({ x, 38 }, { x + side * 3, 50 }, Thin));
            parts.push_back(Line({ x, 38 }, { x + side * 6, 42 }, Thin));
        }
        return PictureAtOrigin(std::move(parts));
    }

} // namespace

TPicturePage BiologyPage()
{
    TPicturePage page { QString::fromUtf8(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Biology")), {} };
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Animal cell"), AnimalCell());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Plant cell"), PlantCell());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Leaf, cross-section"), LeafSection());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Flower, parts"), FlowerParts());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Root hair cell"), RootHairCell());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Red blood cell"), RedBloodCell());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Neurone"), Neurone());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Microscope"), Microscope());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Magnifying glass"), MagnifyingGlass());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Petri dish"), PetriDish());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Heart"), Heart());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Lungs"), Lungs());
    return page;
}

} // namespace korvo::tools
