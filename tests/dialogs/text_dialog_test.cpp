#include "dialogs/text_dialog.h"

#include "shapes/code_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace korvo;

namespace {

class TextDialog : public ::testing::Test {
protected:
    template <class T> T* Part(const char* name) const { return dialog.findChild<T*>(QLatin1String(name)); }

    void Type(const QString& text) { QTest::keyClicks(Part<QPlainTextEdit>("Memo"), text); }
    // Letters a keyboard of another language gives; key events here only carry ASCII.
    void Input(const QString& text) { Part<QPlainTextEdit>("Memo")->insertPlainText(text); }

    TShapeFont Font(int size, bool bold = false)
    {
        TShapeFont font;
        font.SetFace("Liberation Serif");
        font.SetSize(size);
        font.SetBold(bold);
        return font;
    }

    TTextFrm dialog;
};

TEST_F(TextDialog, StartsEmptyAtTenPointsWithApplyDisabled)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text properties"));
    EXPECT_EQ(Part<QLineEdit>("SizeEdit")->text(), QStringLiteral("10"));
    EXPECT_EQ(Part<QListWidget>("SizeListbox")->currentItem()->text(), QStringLiteral("10"));
    EXPECT_EQ(Part<QListWidget>("SizeListbox")->count(), 16);
    EXPECT_EQ(Part<QPushButton>("OKBtn")->text(), QStringLiteral("apply"));
    EXPECT_FALSE(Part<QPushButton>("OKBtn")->isEnabled());
    EXPECT_EQ(Part<QLabel>("Label2")->text(), QStringLiteral("style"));
    const QListWidget* faces = Part<QListWidget>("FontListbox");
    ASSERT_GT(faces->count(), 0);
    for (int i = 1; i < faces->count(); ++i)
        EXPECT_LE(faces->item(i - 1)->text().compare(faces->item(i)->text(), Qt::CaseInsensitive), 0);
}

TEST_F(TextDialog, EditingShowsTwoPointsLessAndGivesTheSameBack)
{
    dialog.LoadFrom(Font(14, true), "Two\r\nlines");
    EXPECT_EQ(Part<QLineEdit>("SizeEdit")->text(), QStringLiteral("12"));
    EXPECT_EQ(Part<QListWidget>("SizeListbox")->currentItem()->text(), QStringLiteral("12"));
    EXPECT_TRUE(Part<QToolButton>("BoldBtn")->isChecked());
    EXPECT_FALSE(Part<QToolButton>("ItalicBtn")->isChecked());
    EXPECT_EQ(Part<QPlainTextEdit>("Memo")->toPlainText(), QStringLiteral("Two\nlines"));
    const TShapeText result = dialog.Result();
    EXPECT_EQ(result.Text, QByteArray("Two\r\nlines"));
    EXPECT_EQ(result.Font.Size(), 12);
    EXPECT_TRUE(result.Font.Bold());
    EXPECT_EQ(result.Font.Face(), QByteArray("Liberation Serif"));
}

TEST_F(TextDialog, TypedTextSizeAndStyleMakeTheResult)
{
    Type(QStringLiteral("Beaker"));
    QTest::keyClick(Part<QPlainTextEdit>("Memo"), Qt::Key_Return);
    Type(QStringLiteral("250 ml"));
    EXPECT_TRUE(Part<QPushButton>("OKBtn")->isEnabled());

    QLineEdit* size = Part<QLineEdit>("SizeEdit");
    size->selectAll();
    QTest::keyClicks(size, QStringLiteral("1x3"));
    EXPECT_EQ(size->text(), QStringLiteral("13")) << "letters are not taken";
    EXPECT_EQ(Part<QListWidget>("SizeListbox")->currentItem()->text(), QStringLiteral("10"))
        << "a size not in the list leaves its selection";
    QTest::mouseClick(Part<QToolButton>("ItalicBtn"), Qt::LeftButton);
    QTest::mouseClick(Part<QToolButton>("UnderLineBtn"), Qt::LeftButton);

    const TShapeText result = dialog.Result();
    EXPECT_EQ(result.Text, QByteArray("Beaker\r\n250 ml"));
    EXPECT_EQ(result.Font.Size(), 13);
    EXPECT_FALSE(result.Font.Bold());
    EXPECT_TRUE(result.Font.Italic());
    EXPECT_TRUE(result.Font.Underline());
}

TEST_F(TextDialog, ClickingASizeRowSetsTheSize)
{
    QListWidget* sizes = Part<QListWidget>("SizeListbox");
    QListWidgetItem* row = sizes->findItems(QStringLiteral("24"), Qt::MatchExactly).first();
    QTest::mouseClick(sizes->viewport(), Qt::LeftButton, {}, sizes->visualItemRect(row).center());
    EXPECT_EQ(Part<QLineEdit>("SizeEdit")->text(), QStringLiteral("24"));
    EXPECT_EQ(dialog.Result().Font.Size(), 24);
}

TEST_F(TextDialog, TextOutsideTheCodePageChoosesACharacterSetThatHoldsIt)
{
    Input(QStringLiteral("Δt = 5 s"));
    const TShapeText greek = dialog.Result();
    EXPECT_EQ(greek.Font.Charset(), 161);
    EXPECT_EQ(DecodeText(greek.Text, 161), QStringLiteral("Δt = 5 s")) << "never a '?' for what was typed";

    Input(QStringLiteral(" שלום"));
    EXPECT_FALSE(Part<QPushButton>("OKBtn")->isEnabled()) << "no single character set holds Greek and Hebrew";
    EXPECT_FALSE(Part<QLabel>("CharsetNote")->text().isEmpty());
}

TEST_F(TextDialog, CancelGivesNothingAndApplyTheText)
{
    Type(QStringLiteral("kept"));
    QTimer::singleShot(0, &dialog, [this] { QTest::mouseClick(Part<QPushButton>("CancelBtn"), Qt::LeftButton); });
    EXPECT_FALSE(dialog.Ask().has_value());
    QTimer::singleShot(0, &dialog, [this] { QTest::mouseClick(Part<QPushButton>("OKBtn"), Qt::LeftButton); });
    const auto result = dialog.Ask();
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Text, QByteArray("kept")) << "the dialog keeps its text between uses";
}

} // namespace
