#include "dialogs/grid_dialog.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace korvo;

namespace {

TEST(GridDialog, StartsAtTwoMillimetresWithoutMajorLines)
{
    TGridFrm dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Graph paper settings"));
    EXPECT_EQ(dialog.SquareSize(), 2);
    EXPECT_EQ(dialog.MajorLines(), 0);
}

TEST(GridDialog, SettingsShowAsTheNearestOfferedChoice)
{
    struct Case {
        int size, choice, shownSize, shownChoice;
    };
    const Case cases[] = {
        { 5, 2, 5, 2 },
        { 1, 1, 1, 1 },
        { 10, 0, 10, 0 },
        { 3, 7, 10, 0 }, // sizes not offered show as 10 mm; unknown choices as none
        { 0, -1, 1, 0 }, // a damaged file's size of nothing shows as the finest squares
        { -4, 2, 1, 2 },
        { 1000000, 1, 10, 1 },
    };
    for (const Case& c : cases) {
        TGridFrm dialog;
        dialog.SetSquareSize(c.size);
        dialog.SetMajorLines(c.choice);
        EXPECT_EQ(dialog.SquareSize(), c.shownSize) << c.size;
        EXPECT_EQ(dialog.MajorLines(), c.shownChoice) << c.choice;
    }
}

TEST(GridDialog, ChoicesMadeWithTheMouseComeBackOnApply)
{
    TGridFrm dialog;
    const auto radio = [&dialog](const char* text) {
        for (QRadioButton* r : dialog.findChildren<QRadioButton*>()) {
            if (r->text() == QLatin1String(text))
                return r;
        }
        return static_cast<QRadioButton*>(nullptr);
    };
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseClick(radio("5 mm squares"), Qt::LeftButton);
        QTest::mouseClick(radio("every 10"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.SquareSize(), 5);
    EXPECT_EQ(dialog.MajorLines(), 2);

    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

} // namespace
