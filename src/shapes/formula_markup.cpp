#include "shapes/formula.h"

#include "shapes/formula_chemistry.h"

#include <QRegularExpression>

namespace korvo {

namespace {

    struct TMarkedChar {
        QChar Char;
        TRunPlace Place = TRunPlace::Line;
        // Placed by markup, which wins over the chemistry rules.
        bool Marked = false;
    };

    bool IsEscapable(QChar c)
    {
        return c == QLatin1Char('_') || c == QLatin1Char('^') || c == QLatin1Char('{') || c == QLatin1Char('}')
            || c == QLatin1Char('\\');
    }

    bool IsScriptMark(QChar c) { return c == QLatin1Char('_') || c == QLatin1Char('^'); }

    // Reads the markup of one line; what cannot be read stays as typed.
    class TLineMarkup {
    public:
        explicit TLineMarkup(const QString& line)
            : FLine(line)
            , FClose(MatchBraces())
        {
        }

        std::vector<TMarkedChar> Read()
        {
            while (FAt < FLine.size()) {
                const QChar c = FLine[FAt];
                if (IsScriptMark(c) && ReadScript(c == QLatin1Char('_') ? TRunPlace::Sub : TRunPlace::Super))
                    continue;
                FChars.push_back({ ReadChar(), TRunPlace::Line, false });
            }
            return std::move(FChars);
        }

    private:
        bool IsEscapeAt(qsizetype i) const
        {
            return i + 1 < FLine.size() && FLine[i] == QLatin1Char('\\') && IsEscapable(FLine[i + 1]);
        }

        // One character, an escape standing for the character it escapes.
        QChar ReadChar()
        {
            if (IsEscapeAt(FAt))
                ++FAt;
            return FLine[FAt++];
        }

        // The `_` or `^` at FAt with its operand, when it has one it can read.
        bool ReadScript(TRunPlace place)
        {
            const qsizetype operand = FAt + 1;
            if (operand >= FLine.size())
                return false;
            const QChar c = FLine[operand];
            if (c == QLatin1Char('{'))
                return ReadGroup(place);
            if (c.isSpace() || IsScriptMark(c) || c == QLatin1Char('}') || c.isHighSurrogate())
                return false;
            FAt = operand;
            FChars.push_back({ ReadChar(), place, true });
            // Units are typed as `s^-1` far more often than with braces, and a lone raised sign before
            // a number on the line is never what was meant.
            if (IsFormulaSign(c)) {
                while (FAt < FLine.size() && IsAsciiDigit(FLine[FAt]))
                    FChars.push_back({ FLine[FAt++], place, true });
            }
            return true;
        }

        // A braced group closed on this line; braces inside it nest and are shown.
        bool ReadGroup(TRunPlace place)
        {
            const qsizetype open = FAt + 1;
            const qsizetype close = FClose[static_cast<std::size_t>(open)];
            if (close < 0 || close == open + 1)
                return false;
            FAt = open + 1;
            while (FAt < close)
                FChars.push_back({ ReadChar(), place, true });
            FAt = close + 1;
            return true;
        }

        // For each `{`, where the `}` that closes it stands, or -1; found in one pass so that long lines
        // of braces take no longer than other text.
        std::vector<qsizetype> MatchBraces() const
        {
            std::vector<qsizetype> close(static_cast<std::size_t>(FLine.size()), -1);
            std::vector<qsizetype> open;
            for (qsizetype i = 0; i < FLine.size(); ++i) {
                if (IsEscapeAt(i)) {
                    ++i;
                } else if (FLine[i] == QLatin1Char('{')) {
                    open.push_back(i);
                } else if (FLine[i] == QLatin1Char('}') && !open.empty()) {
                    close[static_cast<std::size_t>(open.back())] = i;
                    open.pop_back();
                }
            }
            return close;
        }

        const QString& FLine;
        const std::vector<qsizetype> FClose;
        qsizetype FAt = 0;
        std::vector<TMarkedChar> FChars;
    };

    TFormulaLine Runs(const std::vector<TMarkedChar>& chars)
    {
        TFormulaLine runs;
        for (const TMarkedChar& c : chars) {
            if (runs.empty() || runs.back().Place != c.Place)
                runs.push_back({ QString(), c.Place });
            runs.back().Text.append(c.Char);
        }
        return runs;
    }

    TFormulaLine ParseLine(const QString& line, bool chemistry)
    {
        std::vector<TMarkedChar> chars = TLineMarkup(line).Read();
        if (chemistry) {
            QString text;
            for (const TMarkedChar& c : chars)
                text.append(c.Char);
            const std::vector<TRunPlace> places = ChemistryPlaces(text);
            for (std::size_t i = 0; i < chars.size(); ++i) {
                if (!chars[i].Marked)
                    chars[i].Place = places[i];
            }
        }
        return Runs(chars);
    }

} // namespace

TFormula ParseFormula(const QString& typed, bool chemistry)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    TFormula formula;
    for (const QString& line : typed.split(lineEnd))
        formula.Lines.push_back(ParseLine(line, chemistry));
    return formula;
}

bool IsPlain(const TFormula& formula)
{
    for (const TFormulaLine& line : formula.Lines) {
        if (line.size() > 1 || (line.size() == 1 && line.front().Place != TRunPlace::Line))
            return false;
    }
    return true;
}

} // namespace korvo
