#include "import/svg_units.h"

#include <QtMath>

#include <cmath>

namespace korvo {
namespace {

    // Reads one number at pos (sign, digits, fraction, exponent) and advances past it.
    std::optional<double> ReadNumber(QStringView text, qsizetype& pos)
    {
        const qsizetype start = pos;
        auto digits = [&] {
            const qsizetype from = pos;
            while (pos < text.size() && text[pos].isDigit())
                ++pos;
            return pos > from;
        };
        if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
            ++pos;
        bool any = digits();
        if (pos < text.size() && text[pos] == u'.') {
            ++pos;
            any = digits() || any;
        }
        if (!any) {
            pos = start;
            return std::nullopt;
        }
        if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
            const qsizetype mark = pos++;
            if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
                ++pos;
            if (!digits())
                pos = mark;
        }
        bool ok = false;
        const double value = text.mid(start, pos - start).toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            pos = start;
            return std::nullopt;
        }
        return value;
    }

    void SkipSeparators(QStringView text, qsizetype& pos)
    {
        while (pos < text.size() && (text[pos].isSpace() || text[pos] == u','))
            ++pos;
    }

    double UnitFactor(QStringView unit, double percentBase, bool& known)
    {
        known = true;
        if (unit.isEmpty() || unit == u"px")
            return 1;
        if (unit == u"pt")
            return 96.0 / 72;
        if (unit == u"pc")
            return 16;
        if (unit == u"mm")
            return SvgUnitsPerMm;
        if (unit == u"cm")
            return SvgUnitsPerMm * 10;
        if (unit == u"in")
            return 96;
        if (unit == u"em")
            return 16;
        if (unit == u"ex")
            return 8;
        if (unit == u"%")
            return percentBase / 100;
        known = false;
        return 0;
    }

    // The transform one function of a transform list stands for, or empty when its arguments are wrong.
    std::optional<QTransform> TransformFunction(QStringView name, const std::vector<double>& a)
    {
        const std::size_t n = a.size();
        if (name == u"matrix" && n == 6)
            return QTransform(a[0], a[1], a[2], a[3], a[4], a[5]);
        if (name == u"translate" && (n == 1 || n == 2))
            return QTransform::fromTranslate(a[0], n == 2 ? a[1] : 0);
        if (name == u"scale" && (n == 1 || n == 2))
            return QTransform::fromScale(a[0], n == 2 ? a[1] : a[0]);
        if (name == u"rotate" && (n == 1 || n == 3)) {
            const double cx = n == 3 ? a[1] : 0;
            const double cy = n == 3 ? a[2] : 0;
            return QTransform::fromTranslate(-cx, -cy) * QTransform().rotate(a[0]) * QTransform::fromTranslate(cx, cy);
        }
        if (name == u"skewX" && n == 1)
            return QTransform(1, 0, std::tan(qDegreesToRadians(a[0])), 1, 0, 0);
        if (name == u"skewY" && n == 1)
            return QTransform(1, std::tan(qDegreesToRadians(a[0])), 0, 1, 0, 0);
        return std::nullopt;
    }

} // namespace

std::vector<double> ParseSvgNumbers(QStringView text)
{
    std::vector<double> numbers;
    qsizetype pos = 0;
    SkipSeparators(text, pos);
    while (const auto n = ReadNumber(text, pos)) {
        numbers.push_back(*n);
        SkipSeparators(text, pos);
    }
    return numbers;
}

std::optional<double> ParseSvgLength(QStringView text, double percentBase)
{
    const QStringView trimmed = text.trimmed();
    qsizetype pos = 0;
    const auto number = ReadNumber(trimmed, pos);
    if (!number)
        return std::nullopt;
    bool known = false;
    const double factor = UnitFactor(trimmed.mid(pos).trimmed(), percentBase, known);
    if (!known)
        return std::nullopt;
    return *number * factor;
}

QTransform ViewBoxTransform(const QRectF& viewBox, QSizeF viewport, QStringView preserveAspectRatio)
{
    if (viewBox.width() <= 0 || viewBox.height() <= 0)
        return {};
    double sx = viewport.width() / viewBox.width();
    double sy = viewport.height() / viewBox.height();
    const QStringView par = preserveAspectRatio.trimmed();
    const QStringView align = par.startsWith(u"defer") ? par.mid(5).trimmed() : par;
    double dx = 0;
    double dy = 0;
    if (!align.startsWith(u"none")) {
        const double s = align.contains(u"slice") ? std::max(sx, sy) : std::min(sx, sy);
        const double spareX = viewport.width() - viewBox.width() * s;
        const double spareY = viewport.height() - viewBox.height() * s;
        // xMidYMid when the attribute is absent or unknown, as SVG says.
        dx = align.startsWith(u"xMin") ? 0 : align.startsWith(u"xMax") ? spareX : spareX / 2;
        dy = align.contains(u"YMin") ? 0 : align.contains(u"YMax") ? spareY : spareY / 2;
        sx = sy = s;
    }
    return QTransform::fromTranslate(-viewBox.x(), -viewBox.y()) * QTransform::fromScale(sx, sy)
        * QTransform::fromTranslate(dx, dy);
}

bool KeepsBoxes(const QTransform& t) { return (t.m12() == 0 && t.m21() == 0) || (t.m11() == 0 && t.m22() == 0); }

QTransform ParseSvgTransform(QStringView text)
{
    QTransform total;
    qsizetype pos = 0;
    SkipSeparators(text, pos);
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'(', pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u')', open);
        if (close < 0)
            return {};
        const auto item = TransformFunction(
            text.mid(pos, open - pos).trimmed(), ParseSvgNumbers(text.mid(open + 1, close - open - 1)));
        if (!item)
            return {};
        // The list applies right to left: the last function acts on the points first.
        total = *item * total;
        pos = close + 1;
        SkipSeparators(text, pos);
    }
    return total;
}

} // namespace korvo
