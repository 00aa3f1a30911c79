#include "shapes/formula.h"

#include <gtest/gtest.h>

using namespace korvo;

namespace {

TFormulaRun L(const char* text) { return { QString::fromUtf8(text), TRunPlace::Line }; }
TFormulaRun Sub(const char* text) { return { QString::fromUtf8(text), TRunPlace::Sub }; }
TFormulaRun Sup(const char* text) { return { QString::fromUtf8(text), TRunPlace::Super }; }

struct TRulesCase {
    const char* Typed;
    std::vector<TFormulaLine> Lines;
};

std::string Shown(const TFormula& formula)
{
    std::string shown;
    for (const TFormulaLine& line : formula.Lines) {
        shown += "|";
        for (const TFormulaRun& run : line)
            shown += (run.Place == TRunPlace::Sub            ? "_"
                             : run.Place == TRunPlace::Super ? "^"
                                                             : "")
                + std::string("[") + run.Text.toStdString() + "]";
    }
    return shown;
}

void ExpectRuns(const std::vector<TRulesCase>& cases, bool chemistry)
{
    for (const TRulesCase& c : cases) {
        const TFormula expected { c.Lines };
        const TFormula parsed = ParseFormula(QString::fromUtf8(c.Typed), chemistry);
        EXPECT_EQ(Shown(parsed), Shown(expected)) << c.Typed;
    }
}

TEST(FormulaRulesTest, ChemistryLowersCountsAndRaisesCharges)
{
    ExpectRuns(
        {
            { "H2O", { { L("H"), Sub("2"), L("O") } } },
            { "H2SO4", { { L("H"), Sub("2"), L("SO"), Sub("4") } } },
            { "2H2 + O2 → 2H2O", { { L("2H"), Sub("2"), L(" + O"), Sub("2"), L(" → 2H"), Sub("2"), L("O") } } },
            { "Cu2+", { { L("Cu"), Sup("2+") } } },
            { "SO42-", { { L("SO"), Sub("4"), Sup("2-") } } },
            { "Fe2(SO4)3", { { L("Fe"), Sub("2"), L("(SO"), Sub("4"), L(")"), Sub("3") } } },
            { "NaCl(aq)", { { L("NaCl(aq)") } } },
            { "CuSO4·5H2O", { { L("CuSO"), Sub("4"), L("·5H"), Sub("2"), L("O") } } },
            { "H+ and e-", { { L("H"), Sup("+"), L(" and e"), Sup("-") } } },
            { "Ca(OH)2", { { L("Ca(OH)"), Sub("2") } } },
            // A single digit before the sign of a species of several atoms counts the last atom.
            { "NH4+ + NO3-", { { L("NH"), Sub("4"), Sup("+"), L(" + NO"), Sub("3"), Sup("-") } } },
            { "Hg22+ [Cu(NH3)4]2+",
                { { L("Hg"), Sub("2"), Sup("2+"), L(" [Cu(NH"), Sub("3"), L(")"), Sub("4"), L("]"), Sup("2+") } } },
            { "Cu2+(aq) + 2e−", { { L("Cu"), Sup("2+"), L("(aq) + 2e"), Sup("−") } } },
            // Two-letter symbols only where the second letter is small; bonds and non-elements stay.
            { "Co2 CO2 D2O CH3-CH3 Q2 cm3",
                { { L("Co"), Sub("2"), L(" CO"), Sub("2"), L(" D"), Sub("2"), L("O CH"), Sub("3"), L("-CH"), Sub("3"),
                    L(" Q2 cm3") } } },
            // Markup wins: the 2 is lowered although the rules would make it the charge.
            { "Cu_2+ x^2", { { L("Cu"), Sub("2"), Sup("+"), L(" x"), Sup("2") } } },
            { "H2O\n2H2", { { L("H"), Sub("2"), L("O") }, { L("2H"), Sub("2") } } },
        },
        true);
}

TEST(FormulaRulesTest, MarkupRaisesAndLowersAndKeepsWhatItCannotRead)
{
    const QString longBad = QStringLiteral("x_{").repeated(20000);
    const std::string longBadText = longBad.toStdString();
    ExpectRuns(
        {
            { "H_2O", { { L("H"), Sub("2"), L("O") } } },
            { "cm^3 H2O", { { L("cm"), Sup("3"), L(" H2O") } } },
            { "SO_4^{2-}", { { L("SO"), Sub("4"), Sup("2-") } } },
            { "6.02 × 10^{23} m s^{-2}", { { L("6.02 × 10"), Sup("23"), L(" m s"), Sup("-2") } } },
            { "m s^-1 x_+12y e^- a^-b",
                { { L("m s"), Sup("-1"), L(" x"), Sub("+12"), L("y e"), Sup("-"), L(" a"), Sup("-"), L("b") } } },
            { "a\\_b \\^\\{\\}\\\\ a\\b", { { L("a_b ^{}\\ a\\b") } } },
            { "x_\\_ x^\\\\", { { L("x"), Sub("_"), L(" x"), Sup("\\") } } },
            { "x_{a{b}c}", { { L("x"), Sub("a{b}c") } } },
            // No markup in markup: the inner mark is shown.
            { "x^{a_b}", { { L("x"), Sup("a_b") } } },
            { "x_ x_ y x__2 x^} }", { { L("x_ x_ y x_"), Sub("2"), L(" x^} }") } } },
            { "x^{}", { { L("x^{}") } } },
            { "x_{2\ny}", { { L("x_{2") }, { L("y}") } } },
            { "a_1\r\nb^2\rc", { { L("a"), Sub("1") }, { L("b"), Sup("2") }, { L("c") } } },
            { "", { {} } },
            { longBadText.c_str(), { { L(longBadText.c_str()) } } },
        },
        false);
}

TEST(FormulaRulesTest, PlainIsOneRunOnEachLine)
{
    EXPECT_TRUE(IsPlain(ParseFormula(QStringLiteral("H2O\n\nx"), false)));
    EXPECT_FALSE(IsPlain(ParseFormula(QStringLiteral("H2O"), true)));
    EXPECT_FALSE(IsPlain(ParseFormula(QStringLiteral("^2"), false)));
}

} // namespace
