#pragma once

#include <QLineEdit>
#include <QSpinBox>

#include <functional>
#include <optional>

namespace korvo {

// The number boxes of the transform tool bars. What the user types counts only once it reads as a
// number the box takes; anything else is refused when it is committed (Enter, leaving the box, or the
// tool bar's command reading it): the box shows its previous value again and the user is told why,
// so a mistyped value is never applied and never ignored without a word.

using TRefusalReport = std::function<void(const QString& message)>;

// The key filter of the number boxes: a number is typed with digits, "-", "." and the decimal separator
// of the user's language only; any other character is dropped as it is typed.
bool TempEditKeyPress(QChar key);

struct TNumberRange {
    double Low;
    double High;
};

// An edit box for a number, held to a range when it has one.
class TNumberEdit : public QLineEdit {
public:
    TNumberEdit(const QString& text, std::optional<TNumberRange> range, QString refusal, TRefusalReport report,
        QWidget* parent);

    // The typed number, committed as the box's value; nothing when it was refused.
    std::optional<double> Take();

private:
    std::optional<TNumberRange> FRange;
    QString FRefusal;
    TRefusalReport FReport;
    QString FAccepted;
};

// A spin box whose arrows step through its whole range while typed values are held to a narrower one.
class TTypedRangeSpinBox : public QSpinBox {
public:
    TTypedRangeSpinBox(
        int low, int high, int value, TNumberRange typed, QString refusal, TRefusalReport report, QWidget* parent);

    // The typed value, committed as the box's value; nothing when it was refused.
    std::optional<int> Take();

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    // Called for a text that cannot be taken as it stands: that is the moment of refusal.
    void fixup(QString&) const override;
    // A typed number with a fraction stands for its whole part.
    int valueFromText(const QString& text) const override;

private:
    TNumberRange FTyped;
    QString FRefusal;
    TRefusalReport FReport;
};

} // namespace korvo
