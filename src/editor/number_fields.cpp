#include "editor/number_fields.h"

#include "dialogs/user_numbers.h"

#include <QLocale>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace korvo {

namespace {

    class TNumberKeys : public QValidator {
    public:
        using QValidator::QValidator;

        State validate(QString& input, int&) const override
        {
            return std::all_of(input.begin(), input.end(), TempEditKeyPress) ? Acceptable : Invalid;
        }
    };

    bool Within(double value, const TNumberRange& range) { return value >= range.Low && value <= range.High; }

} // namespace

bool TempEditKeyPress(QChar key)
{
    return key.isDigit() || key == QLatin1Char('-') || key == QLatin1Char('.') || QLocale().decimalPoint() == key;
}

TNumberEdit::TNumberEdit(
    const QString& text, std::optional<TNumberRange> range, QString refusal, TRefusalReport report, QWidget* parent)
    : QLineEdit(text, parent)
    , FRange(range)
    , FRefusal(std::move(refusal))
    , FReport(std::move(report))
    , FAccepted(text)
{
    setValidator(new TNumberKeys(this));
    connect(this, &QLineEdit::editingFinished, this, [this] { Take(); });
}

std::optional<double> TNumberEdit::Take()
{
    const std::optional<double> value = ReadNumber(text());
    if (value && (!FRange || Within(*value, *FRange))) {
        FAccepted = text();
        return value;
    }
    setText(FAccepted);
    FReport(FRefusal);
    return std::nullopt;
}

TTypedRangeSpinBox::TTypedRangeSpinBox(
    int low, int high, int value, TNumberRange typed, QString refusal, TRefusalReport report, QWidget* parent)
    : QSpinBox(parent)
    , FTyped(typed)
    , FRefusal(std::move(refusal))
    , FReport(std::move(report))
{
    setRange(low, high);
    setValue(value);
    // A value is taken when it is committed, so a refused one leaves the last committed value.
    setKeyboardTracking(false);
}

QValidator::State TTypedRangeSpinBox::validate(QString& text, int&) const
{
    if (!std::all_of(text.begin(), text.end(), TempEditKeyPress))
        return QValidator::Invalid;
    const std::optional<double> typed = ReadNumber(text);
    // What the arrows reached stands; typing may pass through any text on the way to a number it takes.
    return typed && (Within(*typed, FTyped) || *typed == value()) ? QValidator::Acceptable : QValidator::Intermediate;
}

int TTypedRangeSpinBox::valueFromText(const QString& text) const
{
    const std::optional<double> typed = ReadNumber(text);
    if (!typed)
        return value();
    return static_cast<int>(std::clamp(std::trunc(*typed), double(minimum()), double(maximum())));
}

void TTypedRangeSpinBox::fixup(QString&) const
{
    // The text stays as typed: the spin box's own fixup drops separators of thousands, and would take a
    // refused "9,9" as 99.
    FReport(FRefusal);
}

std::optional<int> TTypedRangeSpinBox::Take()
{
    QString typed = text();
    int pos = 0;
    const bool taken = validate(typed, pos) == QValidator::Acceptable;
    interpretText();
    return taken ? std::optional<int>(value()) : std::nullopt;
}

} // namespace korvo
