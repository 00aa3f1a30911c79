#include "dialogs/plot_dialog.h"

#include "dialog_test_support.h"
#include "shapes/plot_table.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>

using namespace korvo;

namespace {

// Paper with a major line every 5th square.
constexpr int MajorStep = 5;

TPlotDefinition Entered()
{
    TPlotDefinition plot;
    plot.Axes = { -2.5, 12, 0.125, 90, 0.2, 2, 5, false, QStringLiteral("t / s"), QStringLiteral("v / m s^-1"), true };
    TPlotCurve sine;
    sine.Expression = QStringLiteral("sin(x)");
    sine.Angles = TAngleUnit::Degrees;
    sine.Table = QStringLiteral("kept\t1");
    sine.Line = TPlotLine::Smooth;
    sine.Colour = clBlue;
    sine.PenStyle = psDot;
    TPlotCurve readings;
    readings.IsFunction = false;
    readings.Table = QStringLiteral("t;v\n0;1\n2;5\n");
    readings.Marker = TPlotMarker::Square;
    readings.Line = TPlotLine::BestFit;
    readings.ShowFitOnGraph = true;
    // Not among the colours offered.
    readings.Colour = 0x00123456;
    plot.Curves = { sine, readings };
    return plot;
}

void Type(TPlotFrm& dialog, const char* field, const char* text)
{
    QLineEdit* edit = Part<QLineEdit>(dialog, field);
    ASSERT_NE(edit, nullptr) << field;
    edit->setText(QString::fromUtf8(text));
}

TEST(PlotDialog, GivesBackWhatItShowsAndEnablesOKOnlyForAGraphThatCanBeDrawn)
{
    const struct {
        const char* name;
        std::function<void(TPlotFrm&)> edit;
        // Empty for OK enabled.
        const char* problem;
    } cases[] = {
        { "shown as stored", [](TPlotFrm&) {}, "" },
        { "a doubled operator", [](TPlotFrm& d) { Type(d, "ExpressionEdit", "x^^2"); },
            "Curve 1: x^^2: unexpected ^ at 3" },
        { "a reversed x range", [](TPlotFrm& d) { Type(d, "XMaxEdit", "-3"); },
            "The x axis must end at a larger value than it starts at." },
        { "an empty y range", [](TPlotFrm& d) { Type(d, "YMaxEdit", "0.125"); },
            "The y axis must end at a larger value than it starts at." },
        { "a word for a number", [](TPlotFrm& d) { Type(d, "XMinEdit", "ten"); },
            "Type a number for the start of the x axis." },
        { "a square worth nothing", [](TPlotFrm& d) { Type(d, "YStepEdit", "0"); },
            "The value of a square or a major line must be more than nothing." },
        { "a table without numbers",
            [](TPlotFrm& d) {
                Part<QRadioButton>(d, "TableRadio")->setChecked(true);
                Part<QPlainTextEdit>(d, "TableEdit")->setPlainText(QStringLiteral("time\ttemperature\n"));
            },
            "Curve 1: The table holds no points: type or paste two columns, x then y." },
    };
    const TPlotDefinition entered = Entered();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPlotFrm dialog(MajorStep, { clBlack, clRed, clBlue });
        dialog.SetDefinition(entered);
        c.edit(dialog);
        EXPECT_EQ(dialog.Problem(), QString::fromUtf8(c.problem));
        EXPECT_EQ(Part<QPushButton>(dialog, "OKBtn")->isEnabled(), !*c.problem);
        if (!*c.problem) {
            EXPECT_TRUE(dialog.Definition() == entered);
        }
    }
}

TEST(PlotDialog, ReadsTheValueOfAMajorLineAndTheUsersDecimalComma)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TPlotFrm dialog(MajorStep, { clBlack });
    dialog.SetDefinition(Entered());
    EXPECT_EQ(Part<QLineEdit>(dialog, "XMinEdit")->text(), QStringLiteral("-2,5"));
    Part<QComboBox>(dialog, "StepCombo")->setCurrentIndex(1);
    Type(dialog, "XStepEdit", "2,5");
    Type(dialog, "YStepEdit", "10");
    Type(dialog, "XMaxEdit", "7.5");
    const TPlotAxes axes = dialog.Definition().Axes;
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(axes.XPerSquare, 0.5);
    EXPECT_EQ(axes.YPerSquare, 2);
    EXPECT_EQ(axes.XMax, 7.5);
}

TEST(PlotDialog, APasteOfTooManyRowsKeepsTheRowsTakenAndSaysHowManyWereLeft)
{
    QString rows = QStringLiteral("t\tT\n");
    for (int i = 0; i < 100000; ++i)
        rows += QStringLiteral("%1\t%2\n").arg(i).arg(i % 50);
    QGuiApplication::clipboard()->setText(rows);
    TPlotFrm dialog(MajorStep, { clBlack });
    dialog.SetDefinition(Entered());
    Part<QListWidget>(dialog, "CurveList")->setCurrentRow(1);
    QTest::mouseClick(Part<QPushButton>(dialog, "PasteBtn"), Qt::LeftButton);
    const TPlotCurve pasted = dialog.Definition().Curves.at(1);
    EXPECT_EQ(ReadPastedTable(pasted.Table).Points.size(), static_cast<std::size_t>(MaxTableRows));
    EXPECT_LE(pasted.Table.size(), MaxPlotTableLength);
    EXPECT_TRUE(Part<QLabel>(dialog, "TableNote")->text().contains(QStringLiteral("90000 more were left out")));
    EXPECT_TRUE(dialog.Problem().isEmpty());
}

} // namespace
