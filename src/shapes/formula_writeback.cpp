#include "shapes/formula.h"
#include "shapes/formula_chemistry.h"

namespace korvo {

namespace {

    bool IsMarkupChar(QChar c)
    {
        return c == QLatin1Char('_') || c == QLatin1Char('^') || c == QLatin1Char('{') || c == QLatin1Char('}');
    }

    // Typed text with its characters escaped where markup would read them. A backslash needs escaping
    // only where it would otherwise escape what follows it.
    class TMarkupWriter {
    public:
        void Literal(const QString& text)
        {
            for (const QChar c : text) {
                FlushBackslash(c);
                if (c == QLatin1Char('\\'))
                    FPendingBackslash = true;
                else
                    FText.append(IsMarkupChar(c) ? QStringLiteral("\\") + c : QString(c));
            }
        }

        void Script(const TFormulaRun& run)
        {
            FlushBackslash(QLatin1Char('_'));
            FText.append(run.Place == TRunPlace::Sub ? QLatin1Char('_') : QLatin1Char('^'));
            const QChar first = run.Text.front();
            // A lone sign keeps its braces, since a sign written bare takes the digits after it along.
            const bool single
                = run.Text.size() == 1 && !first.isSpace() && !first.isSurrogate() && !IsFormulaSign(first);
            if (single) {
                Literal(run.Text);
                return;
            }
            FText.append(QLatin1Char('{'));
            Literal(run.Text);
            FlushBackslash(QLatin1Char('}'));
            FText.append(QLatin1Char('}'));
        }

        QString Finish()
        {
            FlushBackslash(QChar());
            return FText;
        }

    private:
        void FlushBackslash(QChar next)
        {
            if (!FPendingBackslash)
                return;
            FPendingBackslash = false;
            FText.append(
                IsMarkupChar(next) || next == QLatin1Char('\\') ? QStringLiteral("\\\\") : QStringLiteral("\\"));
        }

        QString FText;
        bool FPendingBackslash = false;
    };

    QString Written(const TFormula& formula, bool markup)
    {
        TMarkupWriter writer;
        for (std::size_t i = 0; i < formula.Lines.size(); ++i) {
            if (i > 0)
                writer.Literal(QStringLiteral("\n"));
            for (const TFormulaRun& run : formula.Lines[i]) {
                if (markup && run.Place != TRunPlace::Line && !run.Text.isEmpty())
                    writer.Script(run);
                else
                    writer.Literal(run.Text);
            }
        }
        return writer.Finish();
    }

} // namespace

TTypedFormula WriteFormulaBack(const TFormula& formula)
{
    if (!IsPlain(formula)) {
        const QString plain = Written(formula, false);
        if (ParseFormula(plain, true) == formula)
            return { plain, true };
    }
    return { Written(formula, true), false };
}

} // namespace korvo
