#include "shapes/plot_expression_tokens.h"

#include <cmath>

namespace korvo {

namespace {

    // Signs that word processors put in pasted formulas, read as the ASCII operator they stand for.
    QChar AsciiSymbol(QChar c)
    {
        switch (c.unicode()) {
        case 0x2212: // minus sign
        case 0x2013: // en dash, which word processors put for a spaced minus
            return QLatin1Char('-');
        case 0x00D7: // multiplication sign
        case 0x00B7: // middle dot
        case 0x22C5: // dot operator
            return QLatin1Char('*');
        case 0x00F7: // division sign
            return QLatin1Char('/');
        default:
            return c;
        }
    }

    int SuperscriptDigit(QChar c) { return int(QStringView(u"⁰¹²³⁴⁵⁶⁷⁸⁹").indexOf(c)); }

    bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

    bool IsAsciiLetter(QChar c)
    {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    }

    class TSplitter {
    public:
        TSplitter(const QString& text, QChar decimalComma)
            : FText(text)
            , FDecimalComma(decimalComma)
        {
        }

        std::vector<TExpressionToken> Split()
        {
            while (FAt < FText.size()) {
                const QChar c = FText[FAt];
                if (c.isSpace())
                    ++FAt;
                else if (IsDigit(c) || (IsDecimalMark(c) && IsDigit(CharAt(FAt + 1))))
                    SplitNumber();
                else if (IsAsciiLetter(c))
                    SplitName();
                else if (c == QChar(0x03C0)) // pi
                    Add(TTokenKind::Name, 1);
                else if (SuperscriptDigit(c) >= 0)
                    SplitSuperscript();
                else
                    Add(TTokenKind::Symbol, 1, 0, AsciiSymbol(c));
            }
            FTokens.push_back({ TTokenKind::End, QString(), 0, QChar(), int(FText.size()) + 1 });
            return std::move(FTokens);
        }

    private:
        QChar CharAt(qsizetype i) const { return i < FText.size() ? FText[i] : QChar(); }

        bool IsDecimalMark(QChar c) const { return c == QLatin1Char('.') || c == FDecimalComma; }

        void Add(TTokenKind kind, qsizetype length, double number = 0, QChar symbol = QChar())
        {
            FTokens.push_back({ kind, FText.mid(FAt, length), number, symbol, int(FAt) + 1 });
            FAt += length;
        }

        qsizetype DigitsFrom(qsizetype i) const
        {
            while (IsDigit(CharAt(i)))
                ++i;
            return i;
        }

        // Digits, a decimal mark and digits, and an exponent "e-3" only where digits follow, so that
        // "2e" and "2e^x" stay products with the constant e.
        void SplitNumber()
        {
            qsizetype end = DigitsFrom(FAt);
            if (IsDecimalMark(CharAt(end)))
                end = DigitsFrom(end + 1);
            if (CharAt(end).toLower() == QLatin1Char('e')) {
                const qsizetype sign = CharAt(end + 1) == QLatin1Char('+') || CharAt(end + 1) == QLatin1Char('-');
                if (IsDigit(CharAt(end + 1 + sign)))
                    end = DigitsFrom(end + 1 + sign);
            }
            QString ascii = FText.mid(FAt, end - FAt);
            ascii.replace(FDecimalComma, QLatin1Char('.'));
            bool ok = false;
            const double value = ascii.toDouble(&ok);
            Add(TTokenKind::Number, end - FAt, ok ? value : HUGE_VAL);
        }

        void SplitName()
        {
            qsizetype end = FAt;
            while (IsAsciiLetter(CharAt(end)))
                ++end;
            Add(TTokenKind::Name, end - FAt);
        }

        // "x²" is read as "x^2", and a run of superscript digits as one exponent.
        void SplitSuperscript()
        {
            qsizetype end = FAt;
            double exponent = 0;
            for (; SuperscriptDigit(CharAt(end)) >= 0; ++end)
                exponent = exponent * 10 + SuperscriptDigit(CharAt(end));
            FTokens.push_back({ TTokenKind::Symbol, FText.mid(FAt, end - FAt), 0, QLatin1Char('^'), int(FAt) + 1 });
            Add(TTokenKind::Number, end - FAt, exponent);
        }

        const QString& FText;
        const QChar FDecimalComma;
        qsizetype FAt = 0;
        std::vector<TExpressionToken> FTokens;
    };

} // namespace

std::vector<TExpressionToken> SplitExpression(const QString& text, QChar decimalComma)
{
    return TSplitter(text, decimalComma).Split();
}

} // namespace korvo
