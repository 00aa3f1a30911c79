#include "dialogs/user_numbers.h"

#include <QLocale>

#include <cmath>

namespace korvo {

namespace {

    // A separator between thousands is refused: "1.234" is 1.234 to a teacher who writes a decimal point,
    // never 1234, and "1,5" in an English locale is no number rather than 15.
    QLocale WithoutGroups(QLocale locale)
    {
        locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return locale;
    }

} // namespace

QString ShowNumber(double value)
{
    return WithoutGroups(QLocale()).toString(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<double> ReadNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool read = false;
    double value = WithoutGroups(QLocale()).toDouble(trimmed, &read);
    // Teachers copy numbers from anywhere, so a decimal point reads in a decimal-comma locale too.
    if (!read)
        value = WithoutGroups(QLocale::c()).toDouble(trimmed, &read);
    if (!read || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace korvo
