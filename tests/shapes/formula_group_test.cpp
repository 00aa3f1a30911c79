#include "shapes/formula.h"

#include "shapes/code_page.h"
#include "shapes/shape_painter.h"
#include "support/paint_helpers.h"
#include "support/shape_round_trip.h"

#include <QPainter>

#include <limits>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

constexpr float Scale = 4;

TPolygon TextTemplate(int size, const char* face = "Arial", std::uint8_t charset = DefaultCharset)
{
    TPolygon text;
    text.SetKind(skText);
    text.FFont.SetFace(face);
    text.FFont.SetSize(size);
    text.FFont.SetCharset(charset);
    text.FFont.Colour = clBlue;
    text.FPoints = { { 10, 10 }, { 10, 20 }, { 40, 20 }, { 40, 10 } };
    text.CalcBounds(Scale);
    return text;
}

TPolygon Group(const char* typed, bool chemistry, const TPolygon& textTemplate = TextTemplate(12))
{
    const std::optional<TPolygon> group
        = MakeFormulaGroup({ QString::fromUtf8(typed), chemistry }, textTemplate, Scale);
    EXPECT_TRUE(group) << typed;
    return group.value_or(TPolygon());
}

TTypedFormula ReadBack(const TPolygon& group)
{
    const std::optional<TFormulaGroupInfo> info = ReadFormulaGroup(group);
    EXPECT_TRUE(info);
    return info ? info->Typed : TTypedFormula();
}

std::string Text(const TTypedFormula& typed)
{
    return (typed.Chemistry ? "chemistry: " : "markup: ") + typed.Text.toStdString();
}

// The typed text comes back as typed from the group's own text and, without it, from the runs.
TEST(FormulaGroupTest, TypedFormulaSurvivesSaveAndLoad)
{
    struct TCase {
        const char* Typed;
        bool Chemistry;
        TTypedFormula FromRuns;
    };
    const std::vector<TCase> cases = {
        { "cm^3 6.02 × 10^{23} m s^{-2}", false, { QStringLiteral("cm^3 6.02 × 10^{23} m s^{-2}"), false } },
        { "Cu2+", true, { QStringLiteral("Cu2+"), true } },
        // Chemistry gives the same runs, so a group without its typed text reopens as chemistry.
        { "H_2SO_4", false, { QStringLiteral("H2SO4"), true } },
        { "x^2 + H2O", true, { QStringLiteral("x^2 + H_2O"), false } },
        { "x_\\_ a\\\\_b \\{_{ }", false, { QStringLiteral("x_\\_ a\\\\_b \\{_{ }"), false } },
        { "H_2O\n\nx^2", false, { QStringLiteral("H_2O\n\nx^2"), false } },
        { "^{-}1\nx_1", false, { QStringLiteral("^{-}1\nx_1"), false } },
        { "λ = 500 nm, R_1 = 10 Ω, Ωő_µ", false, { QStringLiteral("λ = 500 nm, R_1 = 10 Ω, Ωő_µ"), false } },
    };
    for (const TCase& c : cases) {
        TPolygon loaded = SavedAndLoaded(Group(c.Typed, c.Chemistry));
        EXPECT_EQ(Text(ReadBack(loaded)), Text({ QString::fromUtf8(c.Typed), c.Chemistry }));
        loaded.FText.clear();
        EXPECT_EQ(Text(ReadBack(loaded)), Text(c.FromRuns)) << c.Typed;
    }
}

TEST(FormulaGroupTest, RunsAreTextShapesInReadingOrderWithCharsetsThatHoldThem)
{
    const TPolygon group = Group("R_1 = 10 Ωő", false);
    std::vector<std::pair<QString, std::uint8_t>> runs;
    for (const TPolygon& child : group.FChildren) {
        EXPECT_EQ(child.FKind, skText);
        EXPECT_EQ(child.FFont.Colour, clBlue);
        runs.emplace_back(DecodeText(child.FText, child.FFont.Charset()), child.FFont.Charset());
    }
    const std::vector<std::pair<QString, std::uint8_t>> expected = { { QStringLiteral("R"), 1 },
        { QStringLiteral("1"), 1 }, { QStringLiteral(" = 10 Ω"), 161 }, { QStringLiteral("ő"), 238 } };
    EXPECT_EQ(runs, expected);
    EXPECT_EQ(group.FChildren[1].FFont.Size(), 7) << "60 % of 12 points";
}

TEST(FormulaGroupTest, SymbolFontKeepsItsCharsetWhereItHoldsTheRun)
{
    const TPolygon group = Group("α_1 − β H", false, TextTemplate(12, "Symbol", SymbolCharset));
    ASSERT_EQ(group.ChildCount(), 4);
    EXPECT_EQ(group.FChildren[0].FText, QByteArray("a"));
    EXPECT_EQ(group.FChildren[2].FFont.Charset(), SymbolCharset);
    EXPECT_EQ(group.FChildren[3].FFont.Charset(), DefaultCharset) << "the symbol set has no Latin H";
    EXPECT_EQ(group.FChildren[3].FFont.Face(), QByteArray("Symbol"));
    EXPECT_EQ(ReadFormulaGroup(group)->Formula, ParseFormula(QStringLiteral("α_1 − β H"), false));
}

void ExpectSameRuns(const TPolygon& a, const TPolygon& b)
{
    ASSERT_EQ(a.ChildCount(), b.ChildCount());
    for (std::size_t i = 0; i < a.FChildren.size(); ++i) {
        EXPECT_EQ(a.FChildren[i].FFont.Orientation(), b.FChildren[i].FFont.Orientation());
        for (int p = 0; p < 4; ++p) {
            EXPECT_NEAR(a.FChildren[i].GetPoint(p).X, b.FChildren[i].GetPoint(p).X, 1e-3) << i;
            EXPECT_NEAR(a.FChildren[i].GetPoint(p).Y, b.FChildren[i].GetPoint(p).Y, 1e-3) << i;
        }
    }
}

// A formula in a turned text is the formula turned as one.
TEST(FormulaGroupTest, TurnedTextTurnsTheWholeFormula)
{
    const char* typed = "x^{3+}\nm_0";
    TPolygon turnedTemplate = TextTemplate(12);
    ASSERT_TRUE(turnedTemplate.RotateAbout(30, 10, 10));
    const TPolygon turned = Group(typed, false, turnedTemplate);
    TPolygon expected = Group(typed, false);
    ASSERT_TRUE(expected.RotateGroupAbout(30, 10, 10, Scale));
    ExpectSameRuns(turned, expected);
    TPolygon withoutTyped = turned;
    withoutTyped.FText.clear();
    const std::optional<TFormulaGroupInfo> info = ReadFormulaGroup(withoutTyped);
    ASSERT_TRUE(info);
    EXPECT_EQ(Text(info->Typed), Text({ QString::fromUtf8(typed), false }));
    // The template read back rebuilds the group where it was.
    const TPolygon rebuilt = Group(typed, false, info->Template);
    ExpectSameRuns(rebuilt, turned);
}

struct TInk {
    int Top = 1 << 30;
    int Bottom = -1;
};

// The rows with ink between two columns.
TInk InkRows(const QImage& image, int left, int right)
{
    TInk ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < right; ++x) {
            if (!IsWhite(image, QPoint(x, y))) {
                ink.Top = std::min(ink.Top, y);
                ink.Bottom = std::max(ink.Bottom, y);
            }
        }
    }
    return ink;
}

// At 30 points a line is 40 pixels: a lowered digit sits about 7 pixels below the line, a raised one
// about 13 above, and both are about 60 % as tall as a digit on the line.
TEST(FormulaGroupTest, PaintsLoweredAndRaisedDigitsSmaller)
{
    const TPolygon group = Group("2_2 2^2", false, TextTemplate(30));
    QImage image = WhiteCanvas(400, 200);
    QPainter painter(&image);
    TFontCache fonts;
    TShapePainter(painter, TPaintTarget::Screen, 96, fonts).Draw(group, 0, 0, Scale);
    painter.end();
    std::vector<TInk> inks;
    for (const TPolygon& child : group.FChildren)
        inks.push_back(InkRows(image, child.FDevRect.Left, child.FDevRect.Right));
    ASSERT_EQ(inks.size(), 4U);
    const int digit = inks[0].Bottom - inks[0].Top;
    EXPECT_NEAR(inks[1].Bottom - inks[0].Bottom, 40 / 6.0, 2);
    EXPECT_NEAR(inks[2].Bottom - inks[3].Bottom, 40 / 3.0, 2);
    EXPECT_NEAR(inks[1].Bottom - inks[1].Top, digit * 0.6, 2);
    EXPECT_NEAR(inks[3].Bottom - inks[3].Top, digit * 0.6, 2);
}

TEST(FormulaGroupTest, WhatCannotBeAFormulaGroup)
{
    EXPECT_FALSE(MakeFormulaGroup({ QStringLiteral("\n"), false }, TextTemplate(12), Scale)) << "no characters";
    EXPECT_FALSE(MakeFormulaGroup({ QString::fromUtf8("H_2 😀"), false }, TextTemplate(12), Scale))
        << "no character set holds it";
    TPolygon notTexts = Group("H_2O", false);
    notTexts.FChildren[1].SetKind(skRectangle);
    EXPECT_FALSE(ReadFormulaGroup(notTexts));
    EXPECT_FALSE(ReadFormulaGroup(TextTemplate(12)));
}

// Texts grouped by hand, however far apart, give a bounded number of lines; a frame that is not a
// number makes no formula.
TEST(FormulaGroupTest, FarApartOrBrokenTextsAreReadSafely)
{
    TPolygon group = Group("a\nb", false);
    for (TMMPoint& p : group.FChildren[1].FPoints)
        p.Y += 1e30f;
    const std::optional<TFormulaGroupInfo> info = ReadFormulaGroup(group);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Formula.Lines.size(), 102U) << "the gap is read as a hundred empty lines";
    group.FChildren[1].FPoints[2].X = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(ReadFormulaGroup(group));
}

// Another program changed a run: the runs win over the typed text the group still keeps.
TEST(FormulaGroupTest, ChangedRunsWinOverTheKeptText)
{
    TPolygon group = Group("H_2O", false);
    group.FChildren[2].FText = "S";
    EXPECT_EQ(Text(ReadBack(group)), Text({ QStringLiteral("H2S"), true }));
}

} // namespace
