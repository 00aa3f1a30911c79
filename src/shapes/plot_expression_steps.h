#pragma once

#include "shapes/plot_expression.h"
#include "shapes/plot_expression_tokens.h"

#include <cstdint>
#include <variant>
#include <vector>

namespace korvo {

enum class TExpressionOp : std::uint8_t { Number, X, Add, Subtract, Multiply, Divide, Power, Negate, Function };

struct TExpressionStep {
    TExpressionOp Op = TExpressionOp::Number;
    double Number = 0;
    double (*Function)(double) = nullptr;
};

// The values an evaluation may hold at once; the reader refuses an expression that would need more.
constexpr int ExpressionStackLimit = 256;

// A read expression as steps in postfix order. Evaluating them with a small value stack, instead of
// walking a tree, keeps deeply bracketed input from recursing and keeps each sample cheap.
struct TExpressionNode {
    std::vector<TExpressionStep> Steps;
};

// Reads the tokens by the usual precedence: ^ (from the right) above a sign, above × and /, above +
// and -; so -x^2 is -(x^2) and 2^-1 a half. An operand followed by a name or an opening bracket
// multiplies as if × stood between: 2x, 2(x+1), (x+1)(x-1), 3sin(x); so 1/2x is x/2, as in 1/2 mv².
std::variant<TExpressionNode, TExpressionError> ReadExpressionSteps(
    const std::vector<TExpressionToken>& tokens, TAngleUnit angles);

} // namespace korvo
