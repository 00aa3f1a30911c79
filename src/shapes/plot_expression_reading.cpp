#include "shapes/plot_expression_steps.h"

#include "geometry/units.h"

#include <QCoreApplication>
#include <cmath>

namespace korvo {

namespace {

    // Brackets, signs and powers inside each other; far beyond anything typed, well within the stack.
    constexpr int MaxNesting = 100;

    constexpr double RadiansPerDegree = Pi / 180;

    struct TFunctionName {
        const char* Name;
        double (*Radians)(double);
        double (*Degrees)(double);
    };

    // In degrees the trigonometric functions take and the inverse ones give degrees.
    const TFunctionName Functions[] = {
        { "sin", [](double a) { return std::sin(a); }, [](double a) { return std::sin(a * RadiansPerDegree); } },
        { "cos", [](double a) { return std::cos(a); }, [](double a) { return std::cos(a * RadiansPerDegree); } },
        { "tan", [](double a) { return std::tan(a); }, [](double a) { return std::tan(a * RadiansPerDegree); } },
        { "asin", [](double v) { return std::asin(v); }, [](double v) { return std::asin(v) / RadiansPerDegree; } },
        { "acos", [](double v) { return std::acos(v); }, [](double v) { return std::acos(v) / RadiansPerDegree; } },
        { "atan", [](double v) { return std::atan(v); }, [](double v) { return std::atan(v) / RadiansPerDegree; } },
        { "sqrt", [](double v) { return std::sqrt(v); }, nullptr },
        { "exp", [](double v) { return std::exp(v); }, nullptr },
        { "ln", [](double v) { return std::log(v); }, nullptr },
        { "log", [](double v) { return std::log10(v); }, nullptr },
        { "abs", [](double v) { return std::fabs(v); }, nullptr },
    };

    const TFunctionName* FindFunction(const QString& name)
    {
        for (const TFunctionName& function : Functions)
            if (name == QLatin1String(function.Name))
                return &function;
        return nullptr;
    }

    // Thrown from deep inside the descent and caught once in Read.
    struct TReadFailure {
        TExpressionError Error;
    };

    class TStepReader {
        Q_DECLARE_TR_FUNCTIONS(korvo::PlotExpression)

    public:
        TStepReader(const std::vector<TExpressionToken>& tokens, TAngleUnit angles)
            : FTokens(tokens)
            , FAngles(angles)
        {
        }

        std::variant<TExpressionNode, TExpressionError> Read()
        {
            try {
                SkipLeftSide();
                if (Next().Kind == TTokenKind::End)
                    Fail(tr("empty expression"));
                ReadSum();
                if (Next().Kind != TTokenKind::End)
                    FailUnexpected();
                return std::move(FRead);
            } catch (const TReadFailure& failure) {
                return failure.Error;
            }
        }

    private:
        const TExpressionToken& Next() const { return FTokens[FAt]; }

        // Teachers write the "y =" that the dialog shows before the field.
        void SkipLeftSide()
        {
            if (Next().Kind == TTokenKind::Name && Next().Text.toLower() == QLatin1String("y") && FTokens[1].Is('='))
                FAt = 2;
        }

        [[noreturn]] void Fail(const QString& message) const { throw TReadFailure { { message, Next().Position } }; }

        [[noreturn]] void FailUnexpected() const
        {
            Fail(Next().Kind == TTokenKind::End ? tr("unexpected end") : tr("unexpected %1").arg(Next().Text));
        }

        void Emit(TExpressionOp op, double number = 0, double (*function)(double) = nullptr)
        {
            FRead.Steps.push_back({ op, number, function });
            if (op == TExpressionOp::Number || op == TExpressionOp::X)
                ++FHeld;
            else if (op != TExpressionOp::Negate && op != TExpressionOp::Function)
                --FHeld;
            if (FHeld > ExpressionStackLimit)
                Fail(tr("nested too deeply"));
        }

        bool Take(char symbol)
        {
            if (!Next().Is(symbol))
                return false;
            ++FAt;
            return true;
        }

        void Expect(char symbol)
        {
            if (!Take(symbol))
                Next().Kind == TTokenKind::End ? Fail(tr("missing %1").arg(QLatin1Char(symbol))) : FailUnexpected();
        }

        // The operator and its right-hand operand, if the operator comes next.
        bool TakeOperation(char symbol, TExpressionOp op, void (TStepReader::*readOperand)())
        {
            if (!Take(symbol))
                return false;
            (this->*readOperand)();
            Emit(op);
            return true;
        }

        bool TakeImpliedProduct()
        {
            if (Next().Kind != TTokenKind::Name && !Next().Is('('))
                return false;
            ReadPower();
            Emit(TExpressionOp::Multiply);
            return true;
        }

        void ReadSum()
        {
            ReadProduct();
            while (TakeOperation('+', TExpressionOp::Add, &TStepReader::ReadProduct)
                || TakeOperation('-', TExpressionOp::Subtract, &TStepReader::ReadProduct)) { }
        }

        void ReadProduct()
        {
            ReadSigned();
            while (TakeOperation('*', TExpressionOp::Multiply, &TStepReader::ReadSigned)
                || TakeOperation('/', TExpressionOp::Divide, &TStepReader::ReadSigned) || TakeImpliedProduct()) { }
        }

        // Every way into a deeper level passes here, so this one count bounds the recursion.
        void ReadSigned()
        {
            if (++FNesting > MaxNesting)
                Fail(tr("nested too deeply"));
            if (Take('-')) {
                ReadSigned();
                Emit(TExpressionOp::Negate);
            } else if (Take('+'))
                ReadSigned();
            else
                ReadPower();
            --FNesting;
        }

        void ReadPower()
        {
            ReadOperand();
            if (Take('^')) {
                ReadSigned();
                Emit(TExpressionOp::Power);
            }
        }

        void ReadOperand()
        {
            const TExpressionToken& token = Next();
            if (token.Kind == TTokenKind::Number) {
                if (!std::isfinite(token.Number))
                    Fail(tr("number too large"));
                ++FAt;
                Emit(TExpressionOp::Number, token.Number);
            } else if (token.Kind == TTokenKind::Name)
                ReadName();
            else if (Take('(')) {
                ReadSum();
                Expect(')');
            } else
                FailUnexpected();
        }

        void ReadName()
        {
            const QString name = Next().Text == QChar(0x03C0) ? QStringLiteral("pi") : Next().Text.toLower();
            if (const TFunctionName* function = FindFunction(name))
                return ReadCall(*function, name);
            if (name == QLatin1String("x"))
                Emit(TExpressionOp::X);
            else if (name == QLatin1String("pi"))
                Emit(TExpressionOp::Number, Pi);
            else if (name == QLatin1String("e"))
                Emit(TExpressionOp::Number, std::exp(1.0));
            else
                Fail(tr("unknown name %1").arg(Next().Text));
            ++FAt;
        }

        // Only a bracketed argument: "sin 2x" could mean sin(2)x or sin(2x).
        void ReadCall(const TFunctionName& function, const QString& name)
        {
            ++FAt;
            if (!Next().Is('('))
                Fail(tr("( expected after %1").arg(name));
            ReadOperand();
            const bool inDegrees = FAngles == TAngleUnit::Degrees && function.Degrees;
            Emit(TExpressionOp::Function, 0, inDegrees ? function.Degrees : function.Radians);
        }

        const std::vector<TExpressionToken>& FTokens;
        const TAngleUnit FAngles;
        size_t FAt = 0;
        int FNesting = 0;
        int FHeld = 0;
        TExpressionNode FRead;
    };

} // namespace

std::variant<TExpressionNode, TExpressionError> ReadExpressionSteps(
    const std::vector<TExpressionToken>& tokens, TAngleUnit angles)
{
    return TStepReader(tokens, angles).Read();
}

} // namespace korvo
