#include "dialogs/stored_text.h"
#include "dialogs/typeface_list.h"

#include "shapes/code_page.h"

#include <gtest/gtest.h>

using namespace korvo;

namespace {

TEST(StoredText, TakesTheFontsCodePageOrOneThatHoldsTextAndFace)
{
    struct Case {
        const char16_t *text, *face;
        std::uint8_t charset, stored;
    };
    const Case cases[] = {
        { u"Two\nlines", u"Arial", 1, 1 },
        { u"abc", u"Arial", 161, 161 }, // the font's own character set is kept while it suffices
        { u"Δt = 5 s", u"Arial", 1, 161 },
        { u"Δt = 5 s", u"Arial", 204, 161 },
        { u"Сила", u"Arial", 1, 204 },
        { u"abc", u"Ελληνικά", 1, 161 },
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        TShapeFont font;
        font.SetCharset(c.charset);
        const std::optional<TShapeText> stored = StoredText(text, QString::fromUtf16(c.face), font);
        ASSERT_TRUE(stored.has_value()) << text.toStdString();
        EXPECT_EQ(stored->Font.Charset(), c.stored) << text.toStdString();
        EXPECT_EQ(DecodeText(stored->Font.Face(), c.stored), QString::fromUtf16(c.face));
        EXPECT_EQ(EditorText(stored->Text, c.stored), text) << "never a '?' for what was typed";
    }
    EXPECT_FALSE(StoredText(QStringLiteral("Δ שלום"), QStringLiteral("Arial"), {}));
    EXPECT_FALSE(StoredText(QStringLiteral("שלום"), QStringLiteral("Ελληνικά"), {}));
}

TEST(StoredText, LinesEndInCarriageReturnLineFeedAndLoneLineFeedsAreDropped)
{
    EXPECT_EQ(StoredText(QStringLiteral("a\n\nb"), QStringLiteral("Arial"), {})->Text, QByteArray("a\r\n\r\nb"));
    EXPECT_EQ(EditorText("a\r\nb\rc\nd", 1), QStringLiteral("a\nb\ncd"));
}

TEST(TypefaceList, OffersOnlyNamesAStoredFontCanHold)
{
    EXPECT_TRUE(StorableFaceName(QString(31, QLatin1Char('x'))));
    EXPECT_FALSE(StorableFaceName(QString(32, QLatin1Char('x'))));
    EXPECT_TRUE(StorableFaceName(QStringLiteral("Ελληνικά")));
    EXPECT_FALSE(StorableFaceName(QStringLiteral("Ελληνικά שלום")));
    const QStringList families = { QStringLiteral("Serif"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Sans Serif"), QStringLiteral("Monospace"), QStringLiteral("DejaVu Serif") };
    EXPECT_EQ(
        RealFamilies(families), QStringList({ QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Serif") }));
}

} // namespace
