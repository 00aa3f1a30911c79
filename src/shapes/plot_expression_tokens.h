#pragma once

#include <QString>

#include <vector>

namespace korvo {

enum class TTokenKind { Number, Name, Symbol, End };

// One piece of a typed expression, with its Text as typed. A symbol is any other character, the
// typographic signs mapped to the ASCII operator they stand for; the reader reports one it does not
// expect where it reaches it. A number too large for a double is infinite. Position counts characters
// from 1 in the typed text.
struct TExpressionToken {
    TTokenKind Kind = TTokenKind::End;
    QString Text;
    double Number = 0;
    QChar Symbol;
    int Position = 0;

    bool Is(char symbol) const { return Kind == TTokenKind::Symbol && Symbol == QLatin1Char(symbol); }
};

// The tokens of the text, ending with an End token.
std::vector<TExpressionToken> SplitExpression(const QString& text, QChar decimalComma);

} // namespace korvo
