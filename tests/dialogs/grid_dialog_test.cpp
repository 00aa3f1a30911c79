#include "dialogs/grid_dialog.h"

#include "dialog_test_support.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace korvo;

namespace {

QRadioButton* Radio(const QWidget& dialog, const char* text)
{
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
        if (radio->text() == QLatin1String(text))
            return radio;
    }
    return nullptr;
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

TEST(GridDialog, SettingsShowAsTheNearestOfferedChoice)
{
    EXPECT_EQ(TGridFrm().Settings().SquareSize, 2) << "a new dialog";
    EXPECT_EQ(TGridFrm().Settings().MajorLines, 0) << "a new dialog";
    struct Case {
        TPaperSettings stored;
        const char *squares, *major;
    };
    const Case cases[] = {
        { { 5, 2 }, "5 mm squares", "every 10" },
        { { 1, 1 }, "1 mm squares", "every  5" },
        { { 10, 0 }, "10 mm squares", "none" },
        { { 3, 7 }, "10 mm squares", "none" }, // sizes not offered show as 10 mm, unknown choices as none
        { { 0, -1 }, "1 mm squares", "none" }, // a damaged file: no size shows as the finest squares
        { { -4, 2 }, "1 mm squares", "every 10" },
        { { 1000000, 1 }, "10 mm squares", "every  5" },
    };
    for (const Case& c : cases) {
        TGridFrm dialog;
        dialog.SetSettings(c.stored);
        EXPECT_TRUE(Radio(dialog, c.squares)->isChecked()) << c.stored.SquareSize;
        EXPECT_TRUE(Radio(dialog, c.major)->isChecked()) << c.stored.MajorLines;
    }
}

TEST(GridDialog, MouseChoicesAreAppliedToTheGraphPaperAndCancelKeepsThem)
{
    TDrawing drawing;
    drawing.AddBoxShape({ 0, 0, 200, 100 }, TTool::GraphPaper, TBrush {}, TPen {});
    WhenShown([](QWidget& dialog) {
        EXPECT_TRUE(Radio(dialog, "10 mm squares")->isChecked());
        Click(Radio(dialog, "5 mm squares"));
        Click(Radio(dialog, "every 10"));
        Click(Part<QPushButton>(dialog, "SpeedButton1"));
    });
    drawing.SetPaperSettings(0, EditPaperSettings(drawing.GetPaperSettings(0)).value());
    EXPECT_EQ(drawing.GetPaperSettings(0).SquareSize, 5);
    EXPECT_EQ(drawing.GetPaperSettings(0).MajorLines, 2);

    WhenShown([](QWidget& dialog) {
        Click(Radio(dialog, "1 mm squares"));
        Click(Part<QPushButton>(dialog, "SpeedButton2"));
    });
    EXPECT_FALSE(EditPaperSettings(drawing.GetPaperSettings(0)).has_value());
}

TEST(GridDialog, ArrowKeysChooseEnterAppliesEscapeCancels)
{
    WhenShown([](QWidget& dialog) {
        EXPECT_EQ(QApplication::focusWidget(), Radio(dialog, "2 mm squares"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Radio(dialog, "every  5")) << "Tab enters a group at its choice";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    const std::optional<TPaperSettings> applied = EditPaperSettings({ 2, 1 });
    ASSERT_TRUE(applied.has_value());
    EXPECT_EQ(applied->SquareSize, 5);
    EXPECT_EQ(applied->MajorLines, 2);

    WhenShown([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(EditPaperSettings({ 5, 2 }).has_value());
}

} // namespace
