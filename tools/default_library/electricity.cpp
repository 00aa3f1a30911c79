// Circuit symbols in the forms of IEC 60617. Each symbol's leads end on whole millimetres at the
// edge of its picture: those ends are its terminals, and wires drawn on the 1 mm grid meet them.
// Two-terminal symbols are 20 mm from terminal to terminal.

#include "tools/default_library/art.h"
#include "tools/default_library/pages.h"

#include <cmath>

namespace korvo::tools {

namespace {

    constexpr float Span = 20;
    constexpr int LetterSize = 13;

    // The two leads of a symbol lying across, from the terminals in to its body.
    void AddLeads(TParts& parts, float y, float bodyLeft, float bodyRight)
    {
        parts.push_back(Line({ 0, y }, { bodyLeft, y }));
        parts.push_back(Line({ bodyRight, y }, { Span, y }));
    }

    // A contact of a switch: a small open circle on the lead's line.
    TPolygon Contact(float x, float y) { return Circle({ x, y }, 1, Outline, clWhite); }

    // A circle of 10 mm across the middle of the span, for meters and machines.
    TParts Ring()
    {
        TParts parts;
        AddLeads(parts, 5, 5, 15);
        parts.push_back(Circle({ 10, 5 }, 5, Outline, clWhite));
        return parts;
    }

    TPolygon Lettered(const char* letter)
    {
        TParts parts = Ring();
        parts.push_back(Label({ 10, 5 }, letter, LetterSize));
        return Picture(std::move(parts));
    }

    TPolygon Junction()
    {
        return Picture({ Line({ 0, 1 }, { 10, 1 }), Line({ 5, 1 }, { 5, 6 }), Circle({ 5, 1 }, 1, Outline, clBlack) });
    }

    TPolygon Crossing() { return Picture({ Line({ 0, 5 }, { 10, 5 }), Line({ 5, 0 }, { 5, 10 }) }); }

    // The long thin plate is the positive one.
    void AddCell(TParts& parts, float x)
    {
        parts.push_back(Line({ x, 0 }, { x, 10 }));
        parts.push_back(Line({ x + 2, 2.5f }, { x + 2, 7.5f }, Thick));
    }

    TPolygon Cell()
    {
        TParts parts;
        AddLeads(parts, 5, 9, 11);
        AddCell(parts, 9);
        return Picture(std::move(parts));
    }

    TPolygon Battery()
    {
        TParts parts { Line({ 0, 5 }, { 10, 5 }), Line({ 12, 5 }, { 18, 5 }), Line({ 20, 5 }, { 30, 5 }) };
        AddCell(parts, 10);
        AddCell(parts, 18);
        return Picture(std::move(parts));
    }

    TPolygon Lamp()
    {
        const float d = 4 * static_cast<float>(std::sqrt(0.5));
        TParts parts;
        AddLeads(parts, 4, 6, 14);
        parts.push_back(Circle({ 10, 4 }, 4, Outline, clWhite));
        parts.push_back(Line({ 10 - d, 4 - d }, { 10 + d, 4 + d }));
        parts.push_back(Line({ 10 - d, 4 + d }, { 10 + d, 4 - d }));
        return Picture(std::move(parts));
    }

    TPolygon Switch(bool closed)
    {
        const float y = closed ? 1 : 5;
        TParts parts;
        AddLeads(parts, y, 5, 15);
        parts.push_back(Line({ 6, y }, closed ? TMMPoint { 14, y } : TMMPoint { 14, 0 }));
        parts.push_back(Contact(6, y));
        parts.push_back(Contact(14, y));
        return Picture(std::move(parts));
    }

    TPolygon PushSwitch()
    {
        TParts parts;
        AddLeads(parts, 8, 5, 15);
        parts.push_back(Contact(6, 8));
        parts.push_back(Contact(14, 8));
        parts.push_back(Line({ 4, 5 }, { 16, 5 }));
        parts.push_back(Line({ 10, 5 }, { 10, 0 }));
        parts.push_back(Line({ 7, 0 }, { 13, 0 }));
        return Picture(std::move(parts));
    }

    TPolygon Resistor()
    {
        TParts parts;
        AddLeads(parts, 2, 5, 15);
        parts.push_back(Rect({ 5, 0, 15, 4 }, Outline, clWhite));
        return Picture(std::move(parts));
    }

    // A resistor 3 mm down, for the symbols that draw across it.
    TParts LowResistor()
    {
        TParts parts;
        AddLeads(parts, 5, 5, 15);
        parts.push_back(Rect({ 5, 3, 15, 7 }, Outline, clWhite));
        return parts;
    }

    TPolygon VariableResistor()
    {
        TParts parts = LowResistor();
        parts.push_back(Line({ 4, 10 }, { 15, 0 }));
        parts.push_back(Polygon({ { 15, 0 }, { 14.6f, 2.5f }, { 12.8f, 0.9f } }, Thin, clBlack));
        return Picture(std::move(parts));
    }

    TPolygon Thermistor()
    {
        TParts parts = LowResistor();
        parts.push_back(Polyline({ { 3, 10 }, { 6, 10 }, { 15, 0 } }));
        return Picture(std::move(parts));
    }

    TPolygon Fuse() { return Picture({ Rect({ 5, 0, 15, 4 }, Outline, clWhite), Line({ 0, 2 }, { Span, 2 }) }); }

    TPolygon Galvanometer()
    {
        TParts parts = Ring();
        parts.push_back(Line({ 10, 8.5f }, { 10, 2.5f }));
        parts.push_back(Polygon({ { 10, 1.5f }, { 11, 3.5f }, { 9, 3.5f } }, Thin, clBlack));
        return Picture(std::move(parts));
    }

    // A diode pointing right, its triangle and bar 6 mm high about the lead at y.
    void AddDiode(TParts& parts, float y)
    {
        AddLeads(parts, y, 7, 12);
        parts.push_back(Polygon({ { 7, y - 3 }, { 7, y + 3 }, { 12, y } }, Outline, clBlack));
        parts.push_back(Line({ 12, y - 3 }, { 12, y + 3 }));
    }

    // An arrow of light, its head at the end.
    void AddLightArrow(TParts& parts, TMMPoint from, TMMPoint to)
    {
        const float dx = to.X - from.X, dy = to.Y - from.Y;
        const float length = std::hypot(dx, dy);
        const float ux = dx / length, uy = dy / length;
        const TMMPoint base { to.X - ux * 1.8f, to.Y - uy * 1.8f };
        parts.push_back(Line(from, base, Thin));
        parts.push_back(
            Polygon({ to, { base.X - uy * 0.8f, base.Y + ux * 0.8f }, { base.X + uy * 0.8f, base.Y - ux * 0.8f } },
                Thin, clBlack));
    }

    TPolygon Diode()
    {
        TParts parts;
        AddDiode(parts, 3);
        return Picture(std::move(parts));
    }

    TPolygon Led()
    {
        TParts parts;
        AddDiode(parts, 8);
        AddLightArrow(parts, { 9, 4 }, { 13, 0 });
        AddLightArrow(parts, { 12, 5 }, { 16, 1 });
        return Picture(std::move(parts));
    }

    TPolygon Ldr()
    {
        TParts parts;
        AddLeads(parts, 9, 6, 14);
        parts.push_back(Circle({ 10, 9 }, 6, Outline, NoFillColour));
        parts.push_back(Rect({ 6, 7, 14, 11 }, Outline, clWhite));
        AddLightArrow(parts, { 3, 0 }, { 6.5f, 3.5f });
        AddLightArrow(parts, { 7, 0 }, { 10, 3 });
        return Picture(std::move(parts));
    }

    TPolygon Capacitor()
    {
        TParts parts;
        AddLeads(parts, 5, 9, 11);
        parts.push_back(Line({ 9, 0 }, { 9, 10 }));
        parts.push_back(Line({ 11, 0 }, { 11, 10 }));
        return Picture(std::move(parts));
    }

    TPolygon Bell()
    {
        const TPath dome = TPath({ 5, 5 }).ArcTo({ 15, 5 }, { 10, 5 }, true);
        return Picture({ Curve(dome, Outline, clWhite), Line({ 5, 5 }, { 15, 5 }),
            Polyline({ { 0, 10 }, { 7, 10 }, { 7, 5 } }), Polyline({ { 13, 5 }, { 13, 10 }, { Span, 10 } }) });
    }

    TPolygon Buzzer()
    {
        const TPath bowl = TPath({ 15, 2 }).ArcTo({ 5, 2 }, { 10, 2 }, true);
        return Picture({ Curve(bowl, Outline, clWhite), Line({ 5, 2 }, { 15, 2 }),
            Polyline({ { 0, 0 }, { 7, 0 }, { 7, 2 } }), Polyline({ { 13, 2 }, { 13, 0 }, { Span, 0 } }) });
    }

    TPolygon Loudspeaker()
    {
        return Picture({ Line({ 0, 6 }, { 6, 6 }), Line({ 0, 10 }, { 6, 10 }), Rect({ 6, 4, 10, 12 }, Outline, clWhite),
            Polygon({ { 10, 4 }, { 16, 0 }, { 16, 16 }, { 10, 12 } }, Outline, clWhite) });
    }

    TPolygon Microphone()
    {
        TParts parts;
        AddLeads(parts, 5, 5, 15);
        parts.push_back(Circle({ 10, 5 }, 5, Outline, clWhite));
        parts.push_back(Line({ 5, 0 }, { 5, 10 }));
        return Picture(std::move(parts));
    }

    // Four turns from y = 1 to 13 on the line x, bulging to the right or to the left.
    TPolygon Coil(float x, bool bulgingRight)
    {
        TPath path({ x, 1 });
        for (float y = 1; y < 13; y += 3)
            path.ArcTo({ x, y + 3 }, { x, y + 1.5f }, bulgingRight);
        return Curve(path, Outline, NoFillColour);
    }

    TPolygon Transformer()
    {
        return Picture({ Line({ 0, 1 }, { 8, 1 }), Line({ 0, 13 }, { 8, 13 }), Coil(8, true),
            Line({ 14, 0 }, { 14, 14 }), Line({ 16, 0 }, { 16, 14 }), Coil(22, false), Line({ 22, 1 }, { 30, 1 }),
            Line({ 22, 13 }, { 30, 13 }) });
    }

    TPolygon Earth()
    {
        return Picture({ Line({ 5, 0 }, { 5, 5 }), Line({ 0, 5 }, { 10, 5 }), Line({ 2, 7 }, { 8, 7 }),
            Line({ 4, 9 }, { 6, 9 }) });
    }

    TPolygon AcSupply()
    {
        TParts parts = Ring();
        parts.push_back(Built(skOpenCurveFilled, { 7, 3.5f, 13, 6.5f }, Outline, NoFillColour, &TPolygon::MakeSine));
        return Picture(std::move(parts));
    }

    TPolygon DcSupply()
    {
        TParts parts = Ring();
        parts.push_back(Line({ 7, 4 }, { 13, 4 }));
        parts.push_back(Line({ 7, 6.5f }, { 8.5f, 6.5f }));
        parts.push_back(Line({ 9.25f, 6.5f }, { 10.75f, 6.5f }));
        parts.push_back(Line({ 11.5f, 6.5f }, { 13, 6.5f }));
        return Picture(std::move(parts));
    }

} // namespace

TPicturePage ElectricityPage()
{
    TPicturePage page { QString::fromUtf8(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Electricity")), {} };
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Wire junction"), Junction());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Wires crossing, not joined"), Crossing());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Cell"), Cell());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Battery"), Battery());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Lamp"), Lamp());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Switch, open"), Switch(false));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Switch, closed"), Switch(true));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Push switch"), PushSwitch());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Resistor"), Resistor());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Variable resistor"), VariableResistor());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Fuse"), Fuse());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Ammeter"), Lettered("A"));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Voltmeter"), Lettered("V"));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Galvanometer"), Galvanometer());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Diode"), Diode());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "LED"), Led());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "LDR"), Ldr());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Thermistor"), Thermistor());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Capacitor"), Capacitor());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Motor"), Lettered("M"));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Generator"), Lettered("G"));
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Bell"), Bell());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Buzzer"), Buzzer());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Loudspeaker"), Loudspeaker());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Microphone"), Microphone());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Transformer"), Transformer());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "Earth"), Earth());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "a.c. supply"), AcSupply());
    page.Add(QT_TRANSLATE_NOOP("korvo::LibraryNames", "d.c. supply"), DcSupply());
    return page;
}

} // namespace korvo::tools
