#include "editor/number_fields.h"

#include <QValidator>

#include <algorithm>

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

bool TempEditKeyPress(QChar key) { return key.isDigit() || key == QLatin1Char('-') || key == QLatin1Char('.'); }

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
    bool number = false;
    const double value = text().toDouble(&number);
    if (number && (!FRange || Within(value, *FRange))) {
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

QValidator::State TTypedRangeSpinBox::validate(QString& text, int& pos) const
{
    bool number = false;
    const int typed = text.toInt(&number);
    if (!number)
        return QSpinBox::validate(text, pos);
    // What the arrows reached stands; typing may pass through any number on the way to one it takes.
    return Within(typed, FTyped) || typed == value() ? QValidator::Acceptable : QValidator::Intermediate;
}

void TTypedRangeSpinBox::fixup(QString& text) const
{
    FReport(FRefusal);
    QSpinBox::fixup(text);
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
