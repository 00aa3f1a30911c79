#include "import/svg_colour.h"

#include "import/svg_units.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace korvo {
namespace {

    double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

    // #rgb, #rgba, #rrggbb and #rrggbbaa; alpha last, as CSS writes it.
    std::optional<QColor> HexColour(QStringView hex)
    {
        bool ok = false;
        const uint value = hex.toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        auto nibble = [value](int index, int count) { return int((value >> (4 * (count - 1 - index))) & 0xF) * 17; };
        auto byte = [value](int index, int count) { return int((value >> (8 * (count - 1 - index))) & 0xFF); };
        switch (hex.size()) {
        case 3:
            return QColor(nibble(0, 3), nibble(1, 3), nibble(2, 3));
        case 4:
            return QColor(nibble(0, 4), nibble(1, 4), nibble(2, 4), nibble(3, 4));
        case 6:
            return QColor(byte(0, 3), byte(1, 3), byte(2, 3));
        case 8:
            return QColor(byte(0, 4), byte(1, 4), byte(2, 4), byte(3, 4));
        default:
            return std::nullopt;
        }
    }

    // One channel of rgb(): a number 0..255 or a percentage.
    std::optional<double> Channel(QStringView text)
    {
        const QStringView t = text.trimmed();
        const auto v = ParseSvgLength(t, 255);
        if (!v)
            return std::nullopt;
        return std::clamp(*v, 0.0, 255.0) / 255;
    }

    std::optional<QColor> FunctionColour(QStringView name, QStringView arguments)
    {
        static const QRegularExpression separators(QStringLiteral("[,\\s/]+"));
        const auto parts = arguments.split(separators, Qt::SkipEmptyParts);
        if (parts.size() != 3 && parts.size() != 4)
            return std::nullopt;
        double alpha = 1;
        if (parts.size() == 4) {
            const auto a = ParseSvgOpacity(parts[3]);
            if (!a)
                return std::nullopt;
            alpha = *a;
        }
        if (name == u"rgb" || name == u"rgba") {
            const auto r = Channel(parts[0]), g = Channel(parts[1]), b = Channel(parts[2]);
            if (!r || !g || !b)
                return std::nullopt;
            return QColor::fromRgbF(float(*r), float(*g), float(*b), float(alpha));
        }
        if (name == u"hsl" || name == u"hsla") {
            const auto h = ParseSvgLength(parts[0]);
            const auto s = ParseSvgLength(parts[1], 1), l = ParseSvgLength(parts[2], 1);
            if (!h || !s || !l)
                return std::nullopt;
            const double hue = std::fmod(std::fmod(*h, 360) + 360, 360) / 360;
            return QColor::fromHslF(float(hue), float(Clamp01(*s)), float(Clamp01(*l)), float(alpha));
        }
        return std::nullopt;
    }

} // namespace

std::optional<QColor> ParseSvgColour(QStringView text, const QColor& currentColour)
{
    const QStringView t = text.trimmed();
    if (t.startsWith(u'#'))
        return HexColour(t.mid(1));
    if (t.compare(u"currentColor", Qt::CaseInsensitive) == 0)
        return currentColour;
    if (t.compare(u"transparent", Qt::CaseInsensitive) == 0)
        return QColor(0, 0, 0, 0);
    const qsizetype open = t.indexOf(u'(');
    if (open > 0 && t.endsWith(u')'))
        return FunctionColour(t.left(open).trimmed().toString().toLower(), t.mid(open + 1, t.size() - open - 2));
    // QColor knows the SVG colour names; it would also take forms SVG does not (#AARRGGBB), so only
    // plain names reach it.
    for (const QChar c : t) {
        if (!c.isLetter())
            return std::nullopt;
    }
    const QColor named = QColor::fromString(t.toString().toLower());
    if (!named.isValid())
        return std::nullopt;
    return named;
}

QColor OverWhite(const QColor& colour, double opacity)
{
    const double a = Clamp01(opacity * colour.alphaF());
    auto blend = [a](double c) { return int(std::lround(c * 255 * a + 255 * (1 - a))); };
    return QColor(blend(colour.redF()), blend(colour.greenF()), blend(colour.blueF()));
}

std::optional<double> ParseSvgOpacity(QStringView text)
{
    const auto v = ParseSvgLength(text, 1);
    if (!v)
        return std::nullopt;
    return Clamp01(*v);
}

} // namespace korvo
