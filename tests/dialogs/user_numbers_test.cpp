#include "dialogs/user_numbers.h"

#include "support/default_locale.h"

#include <gtest/gtest.h>

using namespace korvo;
using korvo::test::TDefaultLocale;

namespace {

constexpr auto German = QLocale::German;
constexpr auto French = QLocale::French;
constexpr auto Spanish = QLocale::Spanish;
constexpr auto English = QLocale::English;
constexpr auto C = QLocale::C;

// A comma or a point is always the decimal separator: a separator of thousands makes no number, so
// nothing typed is read as a thousand times what the teacher meant.
TEST(UserNumbers, ReadTheUsersDecimalSeparatorOrAPoint)
{
    const struct {
        QLocale::Language language;
        const char* typed;
        std::optional<double> read;
    } cases[] = {
        { German, "2,5", 2.5 },
        { German, "2.5", 2.5 },
        { German, " -0,25 ", -0.25 },
        { German, "1.234", 1.234 },
        { German, "1.234,5", std::nullopt },
        { German, "2,5,1", std::nullopt },
        { German, "1e999", std::nullopt },
        { German, "", std::nullopt },
        { French, "2,5", 2.5 },
        { French, "1\u202F234", std::nullopt },
        { Spanish, "2,5", 2.5 },
        { Spanish, "2.5", 2.5 },
        { C, "2.5", 2.5 },
        { C, "2,5", std::nullopt },
        { English, "1,500", std::nullopt },
    };
    for (const auto& c : cases) {
        const TDefaultLocale locale { QLocale(c.language) };
        EXPECT_EQ(ReadNumber(QString::fromUtf8(c.typed)), c.read)
            << QLocale::languageToCode(c.language).toStdString() << " \"" << c.typed << '"';
    }
}

TEST(UserNumbers, ShowInTheUsersLanguageWithoutGroups)
{
    const struct {
        QLocale::Language language;
        double value;
        const char* shown;
    } cases[] = {
        { German, 0.5, "0,5" },
        { French, 1234.5, "1234,5" },
        { Spanish, -2, "-2" },
        { C, 0.1, "0.1" },
        { English, 12345, "12345" },
    };
    for (const auto& c : cases) {
        const TDefaultLocale locale { QLocale(c.language) };
        EXPECT_EQ(ShowNumber(c.value), QLatin1String(c.shown)) << c.value;
    }
}

} // namespace
