#include "shapes/plot_expression.h"

#include "geometry/units.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvo;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr TAngleUnit Rad = TAngleUnit::Radians;
constexpr TAngleUnit Deg = TAngleUnit::Degrees;

struct TValueCase {
    const char* Typed;
    double X;
    double Expected;
    TAngleUnit Angles = Rad;
    char DecimalComma = '.';
};

QString Typed(const char* text) { return QString::fromUtf8(text); }

std::string Nested(int depth, const char* open, const char* middle, const char* close)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += open;
    text += middle;
    for (int i = 0; i < depth; ++i)
        text += close;
    return text;
}

TEST(PlotExpressionTest, EvaluatesWhatTeachersType)
{
    const std::string deep = Nested(99, "(", "x", ")");
    std::string sum = "x";
    for (int i = 0; i < 499; ++i)
        sum += "+x";
    const TValueCase cases[] = {
        { "x^2", 3, 9 },
        { "y = 2x + 1", 2, 5 },
        { "2(x+1)", 1, 4 },
        { "(x+1)(x-1)", 3, 8 },
        { "3sin(x)", Pi / 2, 3 },
        { "1/2x", 4, 2 },
        { "-x^2", 3, -9 },
        { "-2^2", 0, -4 },
        { "--x", 3, 3 },
        { "x*-2", 3, -6 },
        { "2^3^2", 0, 512 },
        { "2^-1", 0, 0.5 },
        { "2^-x^2", 1, 0.5 },
        { "sin(x)^2 + cos(x)^2", 0.7, 1 },
        { "x − 1", 3, 2 },
        { "2 × x ÷ 4", 6, 3 },
        { "x² + x³", 2, 12 },
        { "2,5x", 2, 5, Rad, ',' },
        { "2.5x", 2, 5, Rad, ',' },
        { "1.5e3 + 2E-3", 0, 1500.002 },
        { "2e", 0, 2 * std::exp(1.0) },
        { "2e^x", 0, 2 },
        { ".5x", 4, 2 },
        { "pi + π", 0, 2 * Pi },
        { "SIN(X)", Pi / 2, 1 },
        { "sin(30) + cos(60)", 0, 1, Deg },
        { "tan(45)", 0, 1, Deg },
        { "asin(0.5) + acos(0.5) + atan(1)", 0, 135, Deg },
        { "asin(1)", 0, Pi / 2 },
        { "sqrt(x) + exp(0) + ln(e) + log(1000) + abs(-2)", 16, 11 },
        { "sqrt(x)", -1, NaN },
        { "1/x", 0, NaN },
        { "ln(x)", 0, NaN },
        { "exp(x)", 1000, NaN },
        { "x^0.5", -4, NaN },
        { deep.c_str(), 7, 7 },
        { sum.c_str(), 1, 500 },
    };
    for (const TValueCase& c : cases) {
        const auto parsed = TPlotExpression::Parse(Typed(c.Typed), c.Angles, QLatin1Char(c.DecimalComma));
        if (const auto* error = std::get_if<TExpressionError>(&parsed)) {
            ADD_FAILURE() << c.Typed << " -> " << ExpressionErrorText(Typed(c.Typed), *error).toStdString();
            continue;
        }
        const double value = std::get<TPlotExpression>(parsed)(c.X);
        if (std::isnan(c.Expected))
            EXPECT_TRUE(std::isnan(value)) << c.Typed << " = " << value;
        else
            EXPECT_NEAR(value, c.Expected, 1e-12 * std::max(1.0, std::fabs(c.Expected))) << c.Typed;
    }
}

TEST(PlotExpressionTest, SaysWhereAnExpressionStopsReading)
{
    const std::string tooDeep = Nested(200, "(", "x", ")");
    const std::string tooManySigns = std::string(200, '-') + "x";
    const std::string tooLong = std::string(1001, '1');
    // Long text is cut to 39 characters and an ellipsis.
    const std::string tooDeepShown = std::string(39, '(') + "…: nested too deeply at 101";
    const std::string tooManySignsShown = std::string(39, '-') + "…: nested too deeply at 101";
    const std::string tooLongShown = std::string(39, '1') + "…: longer than 1000 characters at 1001";
    const struct {
        const char* Typed;
        const char* Shown;
        char DecimalComma = '.';
    } cases[] = {
        { "x^^2", "x^^2: unexpected ^ at 3" },
        { "", "empty expression" },
        { "   ", "empty expression" },
        { "y =", "y =: empty expression at 4" },
        { "x+", "x+: unexpected end at 3" },
        { "(x+1", "(x+1: missing ) at 5" },
        { "x+1)", "x+1): unexpected ) at 4" },
        { "sqrt()", "sqrt(): unexpected ) at 6" },
        { "sin x", "sin x: ( expected after sin at 5" },
        { "foo(x)", "foo(x): unknown name foo at 1" },
        { "2y", "2y: unknown name y at 2" },
        { "x = 1", "x = 1: unexpected = at 3" },
        { "x>1", "x>1: unexpected > at 2" },
        { "2 3", "2 3: unexpected 3 at 3" },
        { "1.2.3", "1.2.3: unexpected .3 at 4" },
        { "2,5", "2,5: unexpected , at 2" },
        { "2;5", "2;5: unexpected ; at 2", ',' },
        { "1e999", "1e999: number too large at 1" },
        { tooDeep.c_str(), tooDeepShown.c_str() },
        { tooManySigns.c_str(), tooManySignsShown.c_str() },
        { tooLong.c_str(), tooLongShown.c_str() },
    };
    for (const auto& c : cases) {
        const auto parsed = TPlotExpression::Parse(Typed(c.Typed), Rad, QLatin1Char(c.DecimalComma));
        const auto* error = std::get_if<TExpressionError>(&parsed);
        ASSERT_NE(error, nullptr) << c.Typed;
        EXPECT_EQ(ExpressionErrorText(Typed(c.Typed), *error).toStdString(), c.Shown);
    }
}

} // namespace
