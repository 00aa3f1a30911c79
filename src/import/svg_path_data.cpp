#include "import/svg_path_data.h"

#include "import/svg_arc.h"

#include <charconv>
#include <cmath>
#include <string>

namespace korvo {

namespace {

    bool IsWhite(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }
    bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

    // Reads the d attribute's grammar: numbers, flags and separators, never more than the text holds.
    class TPathDataScanner {
    public:
        explicit TPathDataScanner(QStringView text)
            : FText(text)
        {
        }

        bool AtEnd()
        {
            SkipWhite();
            return FPos >= FText.size();
        }

        // The command letter at the current place, consumed; a null character when a number comes next.
        QChar TakeCommand()
        {
            SkipWhite();
            const QChar c = FText[FPos];
            if (c.isLetter() && c != u'e' && c != u'E') {
                ++FPos;
                return c;
            }
            return QChar();
        }

        // Whether another number follows, possibly after a comma, as an implicit repeat needs.
        bool NumberFollows()
        {
            SkipWhite();
            qsizetype p = FPos;
            if (p < FText.size() && FText[p] == u',')
                ++p;
            while (p < FText.size() && IsWhite(FText[p]))
                ++p;
            if (p < FText.size() && (FText[p] == u'+' || FText[p] == u'-'))
                ++p;
            return p < FText.size() && (IsDigit(FText[p]) || FText[p] == u'.');
        }

        bool Number(double& value)
        {
            SkipSeparator();
            const qsizetype start = FPos;
            if (FPos < FText.size() && (FText[FPos] == u'+' || FText[FPos] == u'-'))
                ++FPos;
            const qsizetype whole = SkipDigits();
            qsizetype fraction = 0;
            if (FPos < FText.size() && FText[FPos] == u'.') {
                ++FPos;
                fraction = SkipDigits();
            }
            if (whole == 0 && fraction == 0)
                return false;
            SkipExponent();
            return Convert(FText.mid(start, FPos - start), value) && std::isfinite(value);
        }

        // An arc flag is one character, so "0110" holds two flags and the start of a number.
        bool Flag(bool& value)
        {
            SkipSeparator();
            if (FPos >= FText.size() || (FText[FPos] != u'0' && FText[FPos] != u'1'))
                return false;
            value = FText[FPos++] == u'1';
            return true;
        }

    private:
        // The scanned number is plain ASCII, so it converts without a QString of its own; a long path
        // holds hundreds of thousands of them.
        bool Convert(QStringView number, double& value)
        {
            if (number.startsWith(u'+'))
                number = number.mid(1);
            FDigits.resize(static_cast<std::size_t>(number.size()));
            for (qsizetype i = 0; i < number.size(); ++i)
                FDigits[static_cast<std::size_t>(i)] = static_cast<char>(number[i].unicode());
            const char* end = FDigits.data() + FDigits.size();
            const auto [ptr, error] = std::from_chars(FDigits.data(), end, value);
            if (error == std::errc::result_out_of_range) {
                // Beyond a double's range either way: left to Qt, which says what such a number is.
                bool ok = false;
                value = number.toDouble(&ok);
                return ok;
            }
            return error == std::errc() && ptr == end;
        }

        void SkipWhite()
        {
            while (FPos < FText.size() && IsWhite(FText[FPos]))
                ++FPos;
        }

        void SkipSeparator()
        {
            SkipWhite();
            if (FPos < FText.size() && FText[FPos] == u',') {
                ++FPos;
                SkipWhite();
            }
        }

        qsizetype SkipDigits()
        {
            const qsizetype start = FPos;
            while (FPos < FText.size() && IsDigit(FText[FPos]))
                ++FPos;
            return FPos - start;
        }

        // An exponent only counts when digits follow it; otherwise the letter is the next command.
        void SkipExponent()
        {
            if (FPos >= FText.size() || (FText[FPos] != u'e' && FText[FPos] != u'E'))
                return;
            qsizetype p = FPos + 1;
            if (p < FText.size() && (FText[p] == u'+' || FText[p] == u'-'))
                ++p;
            if (p >= FText.size() || !IsDigit(FText[p]))
                return;
            FPos = p;
            SkipDigits();
        }

        QStringView FText;
        qsizetype FPos = 0;
        std::string FDigits;
    };

    // Turns commands into path elements, keeping the current point, the subpath's start and the last
    // control point that the smooth commands reflect.
    class TPathBuilder {
    public:
        TPathBuilder(QPainterPath& out, qint64& budget)
            : FOut(out)
            , FBudget(budget)
        {
        }

        // False when the data is wrong: the command is unknown or an argument is missing.
        bool Command(QChar command, TPathDataScanner& scanner);
        bool BudgetExhausted() const { return FExhausted; }

    private:
        bool Spend(qint64 points)
        {
            if (FBudget < points) {
                FExhausted = true;
                return false;
            }
            FBudget -= points;
            return true;
        }

        bool Point(TPathDataScanner& scanner, bool relative, QPointF& p)
        {
            double x = 0;
            double y = 0;
            if (!scanner.Number(x) || !scanner.Number(y))
                return false;
            p = relative ? FCurrent + QPointF(x, y) : QPointF(x, y);
            return true;
        }

        bool Coordinate(TPathDataScanner& scanner, bool relative, double from, double& value)
        {
            if (!scanner.Number(value))
                return false;
            if (relative)
                value += from;
            return true;
        }

        // A drawing command after a close starts its subpath where the closed one started.
        void StartIfClosed()
        {
            if (FClosed) {
                FOut.moveTo(FCurrent);
                FClosed = false;
            }
        }

        bool MoveTo(QPointF p)
        {
            if (!Spend(1))
                return false;
            FOut.moveTo(p);
            FCurrent = FStart = FControl = p;
            FClosed = false;
            return true;
        }

        bool LineTo(QPointF p)
        {
            if (!Spend(1))
                return false;
            StartIfClosed();
            FOut.lineTo(p);
            FCurrent = FControl = p;
            return true;
        }

        bool CubicTo(QPointF c1, QPointF c2, QPointF p)
        {
            if (!Spend(3))
                return false;
            StartIfClosed();
            FOut.cubicTo(c1, c2, p);
            FCurrent = p;
            FControl = c2;
            return true;
        }

        // A quadratic curve is the cubic whose control points lie two thirds of the way to its one.
        bool QuadTo(QPointF c, QPointF p)
        {
            const QPointF from = FCurrent;
            const bool done = CubicTo(from + (c - from) * (2.0 / 3), p + (c - p) * (2.0 / 3), p);
            FControl = c;
            return done;
        }

        bool ArcTo(const TSvgArc& arc)
        {
            // An arc that ends where it starts is left out.
            if (arc.End == FCurrent)
                return true;
            const std::vector<QPointF> points = ArcAsCubics(FCurrent, arc);
            if (points.empty())
                return LineTo(arc.End);
            for (std::size_t i = 0; i + 2 < points.size(); i += 3) {
                if (!CubicTo(points[i], points[i + 1], points[i + 2]))
                    return false;
            }
            return true;
        }

        bool Close()
        {
            FOut.closeSubpath();
            FCurrent = FControl = FStart;
            FClosed = true;
            return true;
        }

        bool Arguments(QChar command, TPathDataScanner& scanner);
        bool Arc(TPathDataScanner& scanner, bool relative);

        QPainterPath& FOut;
        qint64& FBudget;
        bool FExhausted = false;
        bool FClosed = false;
        QPointF FCurrent;
        QPointF FStart;
        QPointF FControl;
        QChar FLast;
    };

    bool TPathBuilder::Command(QChar command, TPathDataScanner& scanner)
    {
        if (FLast.isNull() && command.toUpper() != u'M')
            return false;
        const bool done = Arguments(command, scanner);
        FLast = command;
        return done;
    }

    bool TPathBuilder::Arguments(QChar command, TPathDataScanner& scanner)
    {
        const bool relative = command.isLower();
        // The smooth commands reflect the last control point only after a curve of their own degree.
        const bool afterCubic = QStringLiteral("CcSs").contains(FLast);
        const bool afterQuadratic = QStringLiteral("QqTt").contains(FLast);
        QPointF c1;
        QPointF c2;
        QPointF p;
        double v = 0;
        switch (command.toUpper().unicode()) {
        case u'M':
            return Point(scanner, relative, p) && MoveTo(p);
        case u'L':
            return Point(scanner, relative, p) && LineTo(p);
        case u'H':
            return Coordinate(scanner, relative, FCurrent.x(), v) && LineTo({ v, FCurrent.y() });
        case u'V':
            return Coordinate(scanner, relative, FCurrent.y(), v) && LineTo({ FCurrent.x(), v });
        case u'C':
            return Point(scanner, relative, c1) && Point(scanner, relative, c2) && Point(scanner, relative, p)
                && CubicTo(c1, c2, p);
        case u'S':
            c1 = afterCubic ? 2 * FCurrent - FControl : FCurrent;
            return Point(scanner, relative, c2) && Point(scanner, relative, p) && CubicTo(c1, c2, p);
        case u'Q':
            return Point(scanner, relative, c1) && Point(scanner, relative, p) && QuadTo(c1, p);
        case u'T':
            c1 = afterQuadratic ? 2 * FCurrent - FControl : FCurrent;
            return Point(scanner, relative, p) && QuadTo(c1, p);
        case u'A':
            return Arc(scanner, relative);
        case u'Z':
            return Close();
        default:
            return false;
        }
    }

    bool TPathBuilder::Arc(TPathDataScanner& scanner, bool relative)
    {
        TSvgArc arc;
        return scanner.Number(arc.Rx) && scanner.Number(arc.Ry) && scanner.Number(arc.RotationDegrees)
            && scanner.Flag(arc.LargeArc) && scanner.Flag(arc.Sweep) && Point(scanner, relative, arc.End) && ArcTo(arc);
    }

    // After a moveto, further coordinate pairs are lines of the same relativity.
    QChar RepeatOf(QChar command)
    {
        if (command == u'M')
            return u'L';
        if (command == u'm')
            return u'l';
        return command;
    }

} // namespace

bool ParseSvgPathData(QStringView d, QPainterPath& out, qint64& pointBudget)
{
    TPathDataScanner scanner(d);
    TPathBuilder builder(out, pointBudget);
    QChar command;
    while (!scanner.AtEnd()) {
        const QChar next = scanner.TakeCommand();
        if (!next.isNull())
            command = next;
        else if (command.isNull() || command.toUpper() == u'Z' || !scanner.NumberFollows())
            return true;
        else
            command = RepeatOf(command);
        if (!builder.Command(command, scanner))
            return !builder.BudgetExhausted();
    }
    return true;
}

} // namespace korvo
