#include "dialogs/plot_numbers.h"

#include <QLocale>

#include <cmath>

namespace korvo {

QString ShowNumber(double value)
{
    QLocale locale;
    // Thousands are not grouped: a grouped number would not read back in every locale.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<double> ReadNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool read = false;
    double value = QLocale().toDouble(trimmed, &read);
    // Teachers copy numbers from anywhere, so a decimal point reads in a decimal-comma locale too.
    if (!read)
        value = QLocale::c().toDouble(trimmed, &read);
    if (!read || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace korvo
