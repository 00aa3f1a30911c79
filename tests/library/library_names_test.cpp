#include "library/library_names.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace korvo;

namespace {

// German names for two shipped names, as a loaded translation file gives them.
class TLibraryNamesGerman : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArrayView(context) != "korvo::LibraryNames")
            return {};
        const QString text = QString::fromUtf8(source);
        if (text == u"Beaker, small")
            return QStringLiteral("Becherglas, klein");
        if (text == u"Büchner funnel")
            return QStringLiteral("Büchnertrichter");
        return {};
    }
    bool isEmpty() const override { return false; }
};

class LibraryNames : public testing::Test {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&FGerman); }
    void TearDown() override { QCoreApplication::removeTranslator(&FGerman); }

    TLibraryNamesGerman FGerman;
};

// Names are stored as Windows-1252 bytes; the ü of a stored name must still find its translation.
TEST_F(LibraryNames, ShippedNamesAreShownTranslatedAndUserNamesAsTheyAre)
{
    const struct {
        QByteArray Stored;
        QString Shown;
    } cases[] = {
        { "Beaker, small", QStringLiteral("Becherglas, klein") },
        { "B\xFC"
          "chner funnel",
            QStringLiteral("Büchnertrichter") },
        { "My beaker", QStringLiteral("My beaker") },
        { "Gef\xE4\xDF", QStringLiteral("Gefäß") },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShownLibraryName(c.Stored), c.Shown) << c.Stored.constData();
}

// Confirming the shown name unchanged keeps the stored English; anything else typed is stored.
TEST_F(LibraryNames, ConfirmingTheShownNameKeepsTheStoredOne)
{
    const struct {
        QByteArray Stored;
        QByteArray Typed;
        QByteArray Kept;
    } cases[] = {
        { "Beaker, small", "Becherglas, klein", "Beaker, small" },
        { "Beaker, small", "Becherglas, gro\xDF", "Becherglas, gro\xDF" },
        { "Beaker, small", "Beaker, small", "Beaker, small" },
        { "My beaker", "My beaker", "My beaker" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConfirmedLibraryName(c.Stored, c.Typed), c.Kept) << c.Typed.constData();
}

} // namespace
