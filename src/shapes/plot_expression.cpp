#include "shapes/plot_expression.h"

#include "shapes/plot_expression_steps.h"

#include <QCoreApplication>
#include <array>
#include <cmath>
#include <limits>

namespace korvo {

namespace {

    // Longer text is surely pasted by mistake, and every step costs each of thousands of samples.
    constexpr int MaxExpressionLength = 1000;
    // The typed text as far as the error line shows it.
    constexpr int ShownExpressionLength = 40;

    constexpr double NoValue = std::numeric_limits<double>::quiet_NaN();

    double Apply(TExpressionOp op, double a, double b)
    {
        switch (op) {
        case TExpressionOp::Add:
            return a + b;
        case TExpressionOp::Subtract:
            return a - b;
        case TExpressionOp::Multiply:
            return a * b;
        case TExpressionOp::Divide:
            return b == 0 ? NoValue : a / b;
        default:
            return std::pow(a, b);
        }
    }

} // namespace

QString ExpressionErrorText(const QString& expression, const TExpressionError& error)
{
    if (expression.trimmed().isEmpty())
        return error.Message;
    // As typed, blanks included, so that the position counts along what is shown.
    const QString shown = expression.size() > ShownExpressionLength
        ? expression.left(ShownExpressionLength - 1) + QChar(0x2026)
        : expression;
    return QCoreApplication::translate("korvo::PlotExpression", "%1: %2 at %3")
        .arg(shown, error.Message)
        .arg(error.Position);
}

std::variant<TPlotExpression, TExpressionError> TPlotExpression::Parse(
    const QString& text, TAngleUnit angles, QChar decimalComma)
{
    if (text.size() > MaxExpressionLength)
        return TExpressionError {
            QCoreApplication::translate("korvo::PlotExpression", "longer than %1 characters").arg(MaxExpressionLength),
            MaxExpressionLength + 1
        };
    auto read = ReadExpressionSteps(SplitExpression(text, decimalComma), angles);
    if (auto* error = std::get_if<TExpressionError>(&read))
        return *error;
    TPlotExpression expression;
    expression.FRoot = std::make_shared<const TExpressionNode>(std::move(std::get<TExpressionNode>(read)));
    expression.FAngles = angles;
    return expression;
}

double TPlotExpression::operator()(double x) const
{
    if (!FRoot)
        return NoValue;
    std::array<double, ExpressionStackLimit> held;
    int top = -1;
    for (const TExpressionStep& step : FRoot->Steps) {
        switch (step.Op) {
        case TExpressionOp::Number:
            held[++top] = step.Number;
            break;
        case TExpressionOp::X:
            held[++top] = x;
            break;
        case TExpressionOp::Negate:
            held[top] = -held[top];
            break;
        case TExpressionOp::Function:
            held[top] = step.Function(held[top]);
            break;
        default:
            --top;
            held[top] = Apply(step.Op, held[top], held[top + 1]);
        }
    }
    // Poles and overflow have no value on a graph either.
    return std::isfinite(held[0]) ? held[0] : NoValue;
}

} // namespace korvo
