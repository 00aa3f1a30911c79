#include "import/svg_style.h"

#include "import/svg_colour.h"
#include "import/svg_tree.h"
#include "import/svg_units.h"

#include <QHash>
#include <QRegularExpression>

#include <functional>

namespace korvo {
namespace {

    using TSetter = std::function<void(TSvgStyle&, const QString&, const TSvgStyle& parent)>;

    void SetOpacity(double& target, const QString& value)
    {
        if (const auto v = ParseSvgOpacity(value))
            target = *v;
    }

    std::vector<double> DashArray(const QString& value)
    {
        std::vector<double> dash;
        if (value.trimmed() == u"none")
            return dash;
        static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
        for (QStringView item : QStringView(value).split(separators, Qt::SkipEmptyParts)) {
            const auto length = ParseSvgLength(item);
            if (!length || *length < 0)
                return {};
            dash.push_back(*length);
        }
        // An odd list is repeated to make it even; all zeros is solid.
        if (dash.size() % 2 == 1)
            dash.insert(dash.end(), dash.begin(), dash.end());
        if (std::all_of(dash.begin(), dash.end(), [](double d) { return d == 0; }))
            dash.clear();
        return dash;
    }

    int FontWeight(const QString& value, int inherited)
    {
        if (value == u"bold" || value == u"bolder")
            return value == u"bolder" ? std::max(700, inherited + 300) : 700;
        if (value == u"normal")
            return 400;
        if (value == u"lighter")
            return std::min(400, inherited);
        bool ok = false;
        const int weight = value.toInt(&ok);
        return ok ? std::clamp(weight, 1, 1000) : inherited;
    }

    QString FirstFamily(const QString& value)
    {
        QString family = value.section(u',', 0, 0).trimmed();
        if (family.size() >= 2 && (family.front() == u'"' || family.front() == u'\''))
            family = family.mid(1, family.size() - 2);
        return family;
    }

    void Apply(TSvgStyle& style, const QString& name, const QString& value, const TSvgStyle& parent);

    // The font shorthand: words for the style, variant and weight, then the size with its unit (a line
    // height after a slash does not matter to one line) and the families. What it leaves out is normal.
    void SetFont(TSvgStyle& style, const QString& value, const TSvgStyle& parent)
    {
        static const QRegularExpression form(
            QStringLiteral("^\\s*((?:[a-z0-9-]+\\s+)*?)([0-9.]+(?:[a-z]+|%))(?:/\\S+)?\\s+(\\S.*)$"));
        const QRegularExpressionMatch match = form.match(value);
        if (!match.hasMatch())
            return;
        style.Italic = false;
        style.FontWeight = 400;
        static const QRegularExpression spaces(QStringLiteral("\\s+"));
        for (const QString& word : match.captured(1).split(spaces, Qt::SkipEmptyParts))
            Apply(style,
                word == u"italic" || word == u"oblique" ? QStringLiteral("font-style") : QStringLiteral("font-weight"),
                word, parent);
        Apply(style, QStringLiteral("font-size"), match.captured(2), parent);
        Apply(style, QStringLiteral("font-family"), match.captured(3), parent);
    }

    const QHash<QString, TSetter>& Setters()
    {
        static const QHash<QString, TSetter> setters {
            { QStringLiteral("fill"), [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.Fill = v; } },
            { QStringLiteral("stroke"), [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.Stroke = v; } },
            { QStringLiteral("fill-opacity"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { SetOpacity(s.FillOpacity, v); } },
            { QStringLiteral("stroke-opacity"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { SetOpacity(s.StrokeOpacity, v); } },
            { QStringLiteral("opacity"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle& p) {
                    if (const auto o = ParseSvgOpacity(v))
                        s.Opacity = p.Opacity * *o;
                } },
            { QStringLiteral("stroke-width"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) {
                    if (const auto w = ParseSvgLength(v, 1); w && *w >= 0)
                        s.StrokeWidth = *w;
                } },
            { QStringLiteral("vector-effect"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) {
                    s.NonScalingStroke = v.trimmed() == u"non-scaling-stroke";
                } },
            { QStringLiteral("stroke-dasharray"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.Dash = DashArray(v); } },
            { QStringLiteral("color"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle& p) {
                    if (const auto c = ParseSvgColour(v, p.Colour))
                        s.Colour = *c;
                } },
            { QStringLiteral("fill-rule"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) {
                    s.FillRule = v.trimmed() == u"evenodd" ? Qt::OddEvenFill : Qt::WindingFill;
                } },
            { QStringLiteral("marker-start"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.MarkerStart = v; } },
            { QStringLiteral("marker-end"), [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.MarkerEnd = v; } },
            { QStringLiteral("marker"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.MarkerStart = s.MarkerEnd = v; } },
            { QStringLiteral("font-family"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.FontFamily = FirstFamily(v); } },
            { QStringLiteral("font-size"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle& p) {
                    const QString t = v.trimmed();
                    const double em = t.endsWith(u"em") ? p.FontSize / 16 : 1;
                    if (const auto size = ParseSvgLength(t, p.FontSize); size && *size > 0)
                        s.FontSize = *size * em;
                } },
            { QStringLiteral("font-weight"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle& p) {
                    s.FontWeight = FontWeight(v.trimmed(), p.FontWeight);
                } },
            { QStringLiteral("font-style"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) {
                    s.Italic = v.trimmed() == u"italic" || v.trimmed() == u"oblique";
                } },
            { QStringLiteral("font"), SetFont },
            { QStringLiteral("text-decoration"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) {
                    s.Underline = v.contains(u"underline");
                    s.StrikeOut = v.contains(u"line-through");
                } },
            { QStringLiteral("text-anchor"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.TextAnchor = v.trimmed(); } },
            { QStringLiteral("xml:space"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.KeepsSpace = v.trimmed() == u"preserve"; } },
            { QStringLiteral("visibility"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.Visible = v.trimmed() == u"visible"; } },
            { QStringLiteral("display"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.Displayed = v.trimmed() != u"none"; } },
            { QStringLiteral("clip-path"), [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.ClipPath = v; } },
            { QStringLiteral("mask"), [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.Mask = v; } },
            { QStringLiteral("filter"), [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.Filter = v; } },
            { QStringLiteral("stop-color"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { s.StopColour = v; } },
            { QStringLiteral("stop-opacity"),
                [](TSvgStyle& s, const QString& v, const TSvgStyle&) { SetOpacity(s.StopOpacity, v); } },
        };
        return setters;
    }

    void Apply(TSvgStyle& style, const QString& name, const QString& value, const TSvgStyle& parent)
    {
        if (value.trimmed() == u"inherit")
            return;
        if (const auto setter = Setters().constFind(name); setter != Setters().constEnd())
            (*setter)(style, value, parent);
    }

} // namespace

TSvgStyle CascadeSvgStyle(const TSvgNode& node, const TSvgStyle& parent, const TSvgStyleSheet& sheet)
{
    TSvgStyle style = parent;
    style.Displayed = true;
    style.NonScalingStroke = false;
    style.ClipPath.clear();
    style.Mask.clear();
    style.Filter.clear();
    style.StopColour = QStringLiteral("black");
    style.StopOpacity = 1;
    for (const auto& [name, value] : node.Attributes)
        Apply(style, name, value, parent);
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    const QStringList classes = node.Attribute(u"class").split(spaces, Qt::SkipEmptyParts);
    for (const auto& [name, value] : sheet.Matching(node.Name, classes, node.Attribute(u"id")))
        Apply(style, name, value, parent);
    for (const auto& [name, value] : ParseSvgDeclarations(node.Attribute(u"style")))
        Apply(style, name, value, parent);
    return style;
}

} // namespace korvo
