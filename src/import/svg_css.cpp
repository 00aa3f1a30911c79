#include "import/svg_css.h"

#include <algorithm>

namespace korvo {
namespace {

    QString WithoutComments(QStringView text)
    {
        QString out;
        qsizetype pos = 0;
        while (pos < text.size()) {
            const qsizetype open = text.indexOf(u"/*", pos);
            if (open < 0) {
                out += text.mid(pos);
                break;
            }
            out += text.mid(pos, open - pos);
            const qsizetype close = text.indexOf(u"*/", open + 2);
            if (close < 0)
                break;
            pos = close + 2;
        }
        return out;
    }

    bool IsNameChar(QChar c) { return c.isLetterOrNumber() || c == u'-' || c == u'_'; }

    // The end of the block that opens at text[open] == '{', or the text's size when it is unclosed.
    qsizetype BlockEnd(QStringView text, qsizetype open)
    {
        int depth = 0;
        for (qsizetype i = open; i < text.size(); ++i) {
            if (text[i] == u'{')
                ++depth;
            else if (text[i] == u'}' && --depth == 0)
                return i;
        }
        return text.size();
    }

} // namespace

TSvgDeclarations ParseSvgDeclarations(QStringView text)
{
    TSvgDeclarations declarations;
    for (QStringView item : text.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype colon = item.indexOf(u':');
        if (colon <= 0)
            continue;
        QStringView value = item.mid(colon + 1).trimmed();
        const qsizetype important = value.indexOf(u"!important", 0, Qt::CaseInsensitive);
        if (important >= 0)
            value = value.left(important).trimmed();
        declarations.emplace_back(item.left(colon).trimmed().toString().toLower(), value.toString());
    }
    return declarations;
}

TSvgStyleSheet::TSvgStyleSheet(QStringView text)
{
    const QString sheet = WithoutComments(text);
    qsizetype pos = 0;
    while (pos < sheet.size()) {
        const qsizetype open = sheet.indexOf(u'{', pos);
        const qsizetype semicolon = sheet.indexOf(u';', pos);
        const QStringView prelude = QStringView(sheet).mid(pos, (open < 0 ? sheet.size() : open) - pos).trimmed();
        if (prelude.startsWith(u'@') && semicolon >= 0 && (open < 0 || semicolon < open)) {
            pos = semicolon + 1; // @import, @charset
            continue;
        }
        if (open < 0)
            break;
        const qsizetype close = BlockEnd(sheet, open);
        if (!prelude.startsWith(u'@'))
            AddRule(prelude, QStringView(sheet).mid(open + 1, close - open - 1));
        pos = close + 1;
    }
}

void TSvgStyleSheet::AddRule(QStringView selectors, QStringView body)
{
    const TSvgDeclarations declarations = ParseSvgDeclarations(body);
    for (QStringView text : selectors.split(u',')) {
        TRule rule;
        if (!ParseSelector(text.trimmed(), rule.Selector))
            continue;
        rule.Declarations = declarations;
        Rules.push_back(std::move(rule));
    }
}

bool TSvgStyleSheet::ParseSelector(QStringView text, TSelector& selector)
{
    if (text.isEmpty())
        return false;
    qsizetype pos = 0;
    auto name = [&] {
        const qsizetype from = pos;
        while (pos < text.size() && IsNameChar(text[pos]))
            ++pos;
        return text.mid(from, pos - from).toString();
    };
    if (text[0] == u'*')
        ++pos;
    else if (IsNameChar(text[0])) {
        selector.Element = name();
        selector.Specificity += 1;
    }
    while (pos < text.size()) {
        const QChar kind = text[pos++];
        const QString part = name();
        if (part.isEmpty())
            return false;
        if (kind == u'.') {
            selector.Classes.append(part);
            selector.Specificity += 100;
        } else if (kind == u'#') {
            selector.Id = part;
            selector.Specificity += 10000;
        } else {
            return false;
        }
    }
    return true;
}

bool TSvgStyleSheet::TSelector::Matches(const QString& element, const QStringList& classes, const QString& id) const
{
    if (!Element.isEmpty() && Element != element)
        return false;
    if (!Id.isEmpty() && Id != id)
        return false;
    return std::all_of(Classes.begin(), Classes.end(), [&](const QString& c) { return classes.contains(c); });
}

TSvgDeclarations TSvgStyleSheet::Matching(const QString& element, const QStringList& classes, const QString& id) const
{
    std::vector<const TRule*> matching;
    for (const TRule& rule : Rules) {
        if (rule.Selector.Matches(element, classes, id))
            matching.push_back(&rule);
    }
    std::stable_sort(matching.begin(), matching.end(),
        [](const TRule* a, const TRule* b) { return a->Selector.Specificity < b->Selector.Specificity; });
    TSvgDeclarations out;
    for (const TRule* rule : matching)
        out.insert(out.end(), rule->Declarations.begin(), rule->Declarations.end());
    return out;
}

} // namespace korvo
