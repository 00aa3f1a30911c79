// Forces and motion at a quarter of real size. Force arrows are not apparatus: their lengths are
// whole centimetres, for drawings to a scale such as 1 cm for 1 N.

#include "tools/default_library/art.h"
#include "tools/default_library/pages.h"

#include "geometry/units.h"

#include <cmath>

namespace korvo::tools {

namespace {

    // A coil seen from the side: a zigzag between x = left and left + width, from top to bottom.
    TPolygon Coil(float left, float width, float top, float bottom, int turns)
    {
        const float middle = left + width / 2;
        const float step = (bottom - top - 4) / (2 * turns);
        TMMArray points { { middle, top }, { middle, top + 2 } };
        for (int i = 0; i < 2 * turns; ++i)
            points.push_back({ i % 2 == 0 ? left : left + width, top + 2 + step * (i + 0.5f) });
        points.push_back({ middle, bottom - 2 });
        points.push_back({ middle, bottom });
        return Polyline(std::move(points));
    }

    // A ring to hang something from, centred on x, its top at y.
    TPolygon Ring(float x, float y) { return Circle({ x, y + 3 }, 3, Outline, NoFillColour); }

    // A hook open to the right, hanging from (x, y).
    TPolygon Hook(float x, float y)
    {
        return Curve(TPath({ x, y })
                         .LineTo({ x, y + 4 })
                         .ArcTo({ x + 4, y + 4 }, { x + 2, y + 4 }, false)
                         .LineTo({ x + 4, y + 3 }),
            Outline, NoFillColour);
    }

    TPolygon Spring() { return Picture({ Coil(0, 8, 6, 50, 8), Ring(4, 0), Hook(4, 50) }); }

    TPolygon SpringBalance()
    {
        TParts parts { Ring(6, 0), Line({ 6, 6 }, { 6, 10 }), Rect({ 0, 10, 12, 62 }, Outline, Metal),
            Rect({ 4, 14, 8, 58 }, Thin, clWhite) };
        AddTicks(parts, { 4, 16 }, { 0, 2 }, 21, { 1, 0 }, 5);
        parts.push_back(Polygon({ { 8, 30 }, { 10.5f, 28.5f }, { 10.5f, 31.5f } }, Thin, clRed));
        parts.push_back(Line({ 6, 62 }, { 6, 66 }));
        parts.push_back(Hook(6, 66));
        return Picture(std::move(parts));
    }

    TPolygon NewtonMeter()
    {
        TParts parts { Ring(8, 0), Line({ 8, 6 }, { 8, 8 }), Rect({ 0, 8, 16, 70 }, Outline, Rgb(235, 245, 250)),
            Coil(3, 6, 12, 44, 8), Rect({ 5, 44, 7, 66 }, Thin, Metal), Line({ 3, 44 }, { 9, 44 }) };
        AddTicks(parts, { 16, 14 }, { 0, 5 }, 11, { -1.5f, 0 }, 5);
        parts.push_back(Label({ 11.5f, 13 }, "0", 6));
        parts.push_back(Label({ 11.5f, 38 }, "5", 6));
        parts.push_back(Label({ 11, 63 }, "10", 6));
        parts.push_back(Label({ 11.5f, 68 }, "N", 6, clBlack, true));
        parts.push_back(Line({ 6, 70 }, { 6, 74 }));
        parts.push_back(Hook(6, 74));
        return Picture(std::move(parts));
    }

    // A bench pulley: the wheel's top and right edge lie on whole millimetres, where the string runs.
    TPolygon Pulley()
    {
        constexpr TMMPoint axle { 10, 8 };
        return Picture({ Polygon({ axle, { 0, 20 }, { 0, 26 }, { 6, 26 }, { 12, 10 } }, Outline, DarkMetal),
            Circle(axle, 8, Outline, Metal), Circle(axle, 6.5f, Thin, NoFillColour),
            Circle(axle, 1.5f, Outline, DarkMetal), Rect({ 0, 26, 8, 32 }, Outline, DarkMetal) });
    }

    // A slotted mass seen a little from above: a short cylinder with the slot cut to its centre.
    void AddSlottedMass(TParts& parts, float top)
    {
        parts.push_back(Ellipse({ 0, top + 2, 20, top + 8 }, Outline, Brass));
        parts.push_back(Rect({ 0, top + 3, 20, top + 5 }, NoLine, Brass));
        parts.push_back(Line({ 0, top + 3 }, { 0, top + 5 }));
        parts.push_back(Line({ 20, top + 3 }, { 20, top + 5 }));
        parts.push_back(Ellipse({ 0, top, 20, top + 6 }, Outline, Rgb(235, 205, 120)));
        parts.push_back(
            Polygon({ { 10, top + 3 }, { 10, top + 6 }, { 11, top + 6 }, { 11, top + 3 } }, Thin, DarkMetal));
    }

    TPolygon SlottedMass()
    {
        TParts parts;
        AddSlottedMass(parts, 0);
        return Picture(std::move(parts));
    }

    TPolygon MassesOnHanger()
    {
        TParts parts { Hook(10, 0), Line({ 10, 0 }, { 10, 24 }, Thick) };
        for (float top = 24; top >= 8; top -= 4)
            AddSlottedMass(parts, top);
        return Picture(std::move(parts));
    }

    TPolygon Trolley()
    {
        return Picture({ Rect({ 60, 4, 66, 6 }, Outline, Metal), Rect({ 0, 0, 60, 10 }, Outline, Rgb(200, 60, 50)),
            Circle({ 10, 12 }, 4, Outline, DarkMetal), Circle({ 50, 12 }, 4, Outline, DarkMetal),
            Circle({ 10, 12 }, 1, Thin, Metal), Circle({ 50, 12 }, 1, Thin, Metal) });
    }

    TPolygon ForceArrow(float length)
    {
        return Picture({ Line({ 0, 2 }, { length - 4, 2 }, Thick),
            Polygon({ { length - 5, 0 }, { length, 2 }, { length - 5, 4 } }, Thin, clBlack) });
    }

    TPolygon Pendulum()
    {
        constexpr float pivotX = 26, length = 56;
        const float swing = 20 * static_cast<float>(Pi) / 180;
        const TMMPoint pivot { pivotX, 3 };
        TParts parts { Rect({ 0, 0, 52, 3 }, Outline, Metal) };
        for (const float side : { -1.0f, 1.0f }) {
            const TMMPoint bob { pivotX + side * length * std::sin(swing), 3 + length * std::cos(swing) };
            parts.push_back(Line(pivot, bob, Pen(clGray, 1, psDot)));
            parts.push_back(Circle(bob, 4, Pen(clGray, 1, psDot), NoFillColour));
        }
        parts.push_back(Line(pivot, { pivotX, 3 + length }, Thin));
        parts.push_back(Circle({ pivotX, 3 + length + 4 }, 4, Outline, DarkMetal));
        return Picture(std::move(parts));
    }

    // A plank marked every 10 mm from its middle, which rests on the pivot's point.
    TPolygon Lever()
    {
        TParts parts { Polygon({ { 50, 4 }, { 44, 14 }, { 56, 14 } }, Outline, DarkMetal),
            Rect({ 0, 0, 100, 4 }, Outline, Wood) };
        AddTicks(parts, { 10, 0 }, { 10, 0 }, 9, { 0, 1.5f }, 0);
        return Picture(std::move(parts));
    }

    TPolygon Ramp() { return Picture({ Polygon({ { 0, 40 }, { 150, 40 }, { 150, 0 } }, Outline, Wood) }); }

    TPolygon Stopwatch()
    {
        TParts parts { Rect({ 10, 0, 14, 3 }, Outline, Metal), Rect({ 11, 3, 13, 5 }, Outline, Metal),
            Circle({ 12, 17 }, 12, Outline, Metal), Circle({ 12, 17 }, 10, Thin, clWhite) };
        for (int i = 0; i < 12; ++i) {
            const double a = i * Pi / 6;
            const auto c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
            parts.push_back(Line({ 12 + 8.5f * c, 17 + 8.5f * s }, { 12 + 10 * c, 17 + 10 * s }, Thin));
        }
        parts.push_back(Line({ 12, 17 }, { 16, 11 }));
        parts.push_back(Circle({ 12, 17 }, 1, NoLine, clBlack));
        return Picture(std::move(parts));
    }

} // namespace

TPicturePage ForcesPage()
{
    TPicturePage page { QString::fromUtf8(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Forces and motion")), {} };
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Spring"), Spring());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Spring balance"), SpringBalance());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Newton meter"), NewtonMeter());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Pulley"), Pulley());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Slotted mass"), SlottedMass());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Slotted masses on hanger"), MassesOnHanger());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Trolley"), Trolley());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Ramp"), Ramp());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Force arrow, 1 cm"), ForceArrow(10));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Force arrow, 2 cm"), ForceArrow(20));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Force arrow, 3 cm"), ForceArrow(30));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Force arrow, 4 cm"), ForceArrow(40));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Force arrow, 5 cm"), ForceArrow(50));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Pendulum"), Pendulum());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Lever and pivot"), Lever());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Stopwatch"), Stopwatch());
    return page;
}

} // namespace korvo::tools
