#pragma once

#include <QString>

#include <memory>
#include <variant>

namespace korvo {

enum class TAngleUnit { Radians, Degrees };

// Where a typed expression stops making sense. Position counts characters from 1; Message names what
// was found there, as the dialog shows it after the expression: "unexpected ^ at 3".
struct TExpressionError {
    QString Message;
    int Position = 0;
};

// The text shown under an expression that does not read: "x^^2: unexpected ^ at 3".
QString ExpressionErrorText(const QString& expression, const TExpressionError& error);

struct TExpressionNode;

// A function y = f(x) as a teacher types it: numbers with a decimal point (or the given decimal comma),
// + - * / ^ and the typographic minus and times signs, brackets, the functions sin cos tan asin acos
// atan sqrt exp ln log abs, the constants pi and e. Only arithmetic is ever evaluated.
class TPlotExpression {
public:
    static std::variant<TPlotExpression, TExpressionError> Parse(
        const QString& text, TAngleUnit angles, QChar decimalComma = QLatin1Char('.'));

    // NaN where the function has no value (outside a domain, division by zero).
    double operator()(double x) const;

private:
    std::shared_ptr<const TExpressionNode> FRoot;
    TAngleUnit FAngles = TAngleUnit::Radians;
};

} // namespace korvo
