#include "dialogs/text_dialog.h"

#include "dialog_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace korvo;

namespace {

class TextDialog : public ::testing::Test {
protected:
    template <class T> T* Named(const char* name) const { return Part<T>(dialog, name); }
    QPlainTextEdit* Memo() const { return Named<QPlainTextEdit>("Memo"); }
    QLineEdit* SizeEdit() const { return Named<QLineEdit>("SizeEdit"); }
    QString SizeRow() const { return Named<QListWidget>("SizeListbox")->currentItem()->text(); }
    bool Checked(const char* name) const { return Named<QToolButton>(name)->isChecked(); }
    void Click(const char* name) const { QTest::mouseClick(Named<QAbstractButton>(name), Qt::LeftButton); }
    static void ClickRow(QListWidget* list, QListWidgetItem* row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
    }
    static TShapeFont Font(int size)
    {
        TShapeFont font;
        font.SetFace("Liberation Serif");
        font.SetSize(size);
        return font;
    }

    TTextFrm dialog;
};

TEST_F(TextDialog, TypedTextWithLineBreaksSizeAndStyleComeBackOnApply)
{
    EXPECT_EQ(SizeEdit()->text(), QStringLiteral("10"));
    EXPECT_EQ(SizeRow(), QStringLiteral("10"));
    EXPECT_FALSE(Named<QPushButton>("OKBtn")->isEnabled()) << "nothing to apply in an empty text";
    WhenShown([this](QWidget&) {
        QTest::keyClicks(Memo(), QStringLiteral("Beaker"));
        QTest::keyClick(Memo(), Qt::Key_Return);
        QTest::keyClicks(Memo(), QStringLiteral("250 ml"));
        EXPECT_TRUE(dialog.isVisible()) << "Enter in the text makes a new line, it does not apply";
        QTest::keyClick(SizeEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(SizeEdit(), QStringLiteral("1x3"));
        EXPECT_EQ(SizeEdit()->text(), QStringLiteral("13")) << "letters are not taken";
        EXPECT_EQ(SizeRow(), QStringLiteral("10")) << "a size not in the list leaves its selection";
        Click("ItalicBtn");
        Click("UnderLineBtn");
        Click("OKBtn");
    });
    const std::optional<TShapeText> result = dialog.Ask();
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Text, QByteArray("Beaker\r\n250 ml"));
    EXPECT_EQ(result->Font.Face(), QByteArray("Arial"));
    EXPECT_EQ(result->Font.Size(), 13);
    EXPECT_FALSE(result->Font.Bold());
    EXPECT_TRUE(result->Font.Italic());
    EXPECT_TRUE(result->Font.Underline());
}

TEST_F(TextDialog, SizeAndTypefaceRowsAreChosenWithMouseAndArrowKeys)
{
    auto* sizes = Named<QListWidget>("SizeListbox");
    ClickRow(sizes, sizes->findItems(QStringLiteral("24"), Qt::MatchExactly).first());
    EXPECT_EQ(SizeEdit()->text(), QStringLiteral("24"));
    QTest::keyClick(sizes, Qt::Key_Down);
    EXPECT_EQ(SizeEdit()->text(), QStringLiteral("26"));

    auto* faces = Named<QListWidget>("FontListbox");
    ClickRow(faces, faces->item(0));
    QTest::keyClick(faces, Qt::Key_End);
    Memo()->setPlainText(QStringLiteral("x"));
    EXPECT_EQ(dialog.Result()->Font.Size(), 26);
    EXPECT_EQ(dialog.Result()->Font.Face(), faces->item(faces->count() - 1)->text().toLatin1());
}

TEST_F(TextDialog, EditingShowsTwoPointsLessAndStoresTheSameSizeAgain)
{
    TDrawing drawing;
    TShapeFont font = Font(12);
    font.SetBold(true);
    drawing.AddText("Two\r\nlines", font, 10, 10);
    ASSERT_EQ(drawing.GetText(0)->Font.Size(), 14);
    WhenShown([this](QWidget&) {
        EXPECT_EQ(SizeEdit()->text(), QStringLiteral("12"));
        EXPECT_EQ(SizeRow(), QStringLiteral("12"));
        EXPECT_TRUE(Checked("BoldBtn"));
        EXPECT_FALSE(Checked("ItalicBtn"));
        EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("Two\nlines"));
        Click("OKBtn");
    });
    const TShapeText edited = dialog.Edit(drawing.GetText(0)).value();
    drawing.SetText(edited.Text, edited.Font, 0);
    const TShapeText stored = drawing.GetText(0).value();
    EXPECT_EQ(stored.Text, QByteArray("Two\r\nlines"));
    EXPECT_EQ(stored.Font.Size(), 14);
    EXPECT_TRUE(stored.Font.Bold());
    EXPECT_EQ(stored.Font.Face(), QByteArray("Liberation Serif"));
}

TEST_F(TextDialog, CancelGivesNothingWhateverWasChanged)
{
    WhenShown([this](QWidget&) {
        QTest::keyClicks(Memo(), QStringLiteral("changed"));
        Click("BoldBtn");
        Click("CancelBtn");
    });
    EXPECT_FALSE(dialog.Edit(TShapeText { "kept", Font(14) }).has_value());
    WhenShown([this](QWidget&) { QTest::keyClick(Memo(), Qt::Key_Escape); });
    EXPECT_FALSE(dialog.Ask().has_value());
}

TEST_F(TextDialog, TabVisitsEveryControlFromTheTextAndEnterPressesTheFocusedButton)
{
    WhenShown([this](QWidget& shown) {
        EXPECT_EQ(QApplication::focusWidget(), Memo());
        QTest::keyClicks(Memo(), QStringLiteral("ok"));
        for (const char* name : { "FontListbox", "SizeEdit", "SizeListbox", "BoldBtn", "ItalicBtn", "UnderLineBtn",
                 "SubscriptBtn", "SuperscriptBtn", "ChemistryBox", "OKBtn" }) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(name));
        }
        QTest::keyClick(&shown, Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.Ask().has_value());
}

TEST_F(TextDialog, AFaceThatIsNotInstalledStaysAndTheListKeepsItsSelection)
{
    auto* faces = Named<QListWidget>("FontListbox");
    ClickRow(faces, faces->item(0));
    TShapeFont font = Font(14);
    font.SetFace("Not Installed Anywhere");
    dialog.LoadFrom(font, "abc");
    EXPECT_EQ(faces->currentRow(), 0);
    EXPECT_EQ(dialog.Result()->Font.Face(), QByteArray("Not Installed Anywhere"));
}

TEST_F(TextDialog, TextNoSingleCharacterSetHoldsCannotBeApplied)
{
    // Key events carry only Latin-1 here, so the letters of other keyboards arrive as input.
    Memo()->insertPlainText(QStringLiteral("Δt = 5 s"));
    EXPECT_TRUE(Named<QPushButton>("OKBtn")->isEnabled());
    EXPECT_FALSE(Named<QLabel>("CharsetNote")->isVisibleTo(&dialog));
    Memo()->insertPlainText(QStringLiteral(" שלום"));
    EXPECT_FALSE(Named<QPushButton>("OKBtn")->isEnabled());
    EXPECT_TRUE(Named<QLabel>("CharsetNote")->isVisibleTo(&dialog));
}

TEST_F(TextDialog, ANewTextIsBlackAndLevelWhileAnEditedOneKeepsColourAndTurn)
{
    TShapeFont turned = Font(14);
    turned.SetOrientation(900);
    turned.Colour = clRed;
    WhenShown([this](QWidget&) { Click("OKBtn"); });
    const TShapeText edited = dialog.Edit(TShapeText { "up", turned }).value();
    EXPECT_EQ(edited.Font.Orientation(), 900);
    EXPECT_EQ(edited.Font.Colour, clRed);

    WhenShown([this](QWidget&) { Click("OKBtn"); });
    const TShapeText added = dialog.Ask().value();
    EXPECT_EQ(added.Text, QByteArray("up")) << "the dialog keeps what it last held";
    EXPECT_EQ(added.Font.Size(), 12);
    EXPECT_EQ(added.Font.Orientation(), 0);
    EXPECT_EQ(added.Font.Colour, clBlack);
}

TEST_F(TextDialog, DamagedSizesShowAsTheNearestTheSizeFieldHolds)
{
    for (auto [stored, shown] : { std::pair { 2, "0" }, { -40, "0" }, { 10001, "9999" }, { 1000000000, "9999" } }) {
        dialog.LoadFrom(Font(stored), "abc");
        EXPECT_EQ(SizeEdit()->text(), QLatin1String(shown)) << stored;
        EXPECT_EQ(dialog.Result()->Font.Size(), SizeEdit()->text().toInt());
    }
    QTest::keyClicks(SizeEdit(), QStringLiteral("1"));
    EXPECT_EQ(SizeEdit()->text(), QStringLiteral("9999")) << "a fifth digit is refused";
}

} // namespace

TEST_F(TextDialog, SubscriptAndSuperscriptKeysWrapTheSelectedCharactersOfEachLine)
{
    constexpr Qt::KeyboardModifiers Sub = Qt::ControlModifier;
    constexpr Qt::KeyboardModifiers Super = Qt::ControlModifier | Qt::ShiftModifier;
    struct Case {
        const char* typed;
        int from, to;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* then;
        const char* marked;
    };
    const Case cases[] = {
        { "H2O", 1, 2, Qt::Key_Equal, Sub, "", "H_2O" },
        { "SO42-", 3, 5, Qt::Key_Plus, Super, "", "SO4^{2-}" },
        { "cm", 2, 2, Qt::Key_Plus, Super, "3", "cm^{3}" },
        { "ab\ncd", 1, 4, Qt::Key_Equal, Sub, "", "a_b\n_cd" },
    };
    WhenShown([&](QWidget& shown) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.typed);
            Memo()->setPlainText(QString::fromLatin1(c.typed));
            QTextCursor cursor = Memo()->textCursor();
            cursor.setPosition(c.from);
            cursor.setPosition(c.to, QTextCursor::KeepAnchor);
            Memo()->setTextCursor(cursor);
            QTest::keyClick(Memo(), c.key, c.modifiers);
            QTest::keyClicks(Memo(), QString::fromLatin1(c.then));
            EXPECT_EQ(Memo()->toPlainText(), QString::fromLatin1(c.marked));
        }
        QTest::keyClick(&shown, Qt::Key_Escape);
    });
    dialog.Ask();
}
