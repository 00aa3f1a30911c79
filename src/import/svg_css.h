#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

namespace korvo {

// Property name and value pairs in the order they apply (a later one wins).
using TSvgDeclarations = std::vector<std::pair<QString, QString>>;

// The declarations of a style attribute or rule body: "name: value; ...", !important dropped.
TSvgDeclarations ParseSvgDeclarations(QStringView text);

// A <style> sheet's rules whose selectors are simple: *, an element name, .class and #id, alone or
// joined (rect.a#b), in comma lists. Rules with combinators, pseudo-classes or attribute tests
// match nothing; @-rules are skipped.
class TSvgStyleSheet {
public:
    explicit TSvgStyleSheet(QStringView text = {});

    // The declarations of every matching rule, by specificity and then file order.
    TSvgDeclarations Matching(const QString& element, const QStringList& classes, const QString& id) const;

private:
    struct TSelector {
        QString Element; // empty for any
        QStringList Classes;
        QString Id;
        int Specificity = 0;
        bool Matches(const QString& element, const QStringList& classes, const QString& id) const;
    };
    struct TRule {
        TSelector Selector;
        TSvgDeclarations Declarations;
    };

    void AddRule(QStringView selectors, QStringView body);
    static bool ParseSelector(QStringView text, TSelector& selector);

    std::vector<TRule> Rules;
};

} // namespace korvo
