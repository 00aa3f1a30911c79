// The texts a stored graph keeps, on arbitrary bytes: an expression read in both angle units and both
// decimal marks, evaluated and sampled; and a pasted table, clipped and fitted.

#include "shapes/plot_expression.h"
#include "shapes/plot_fit.h"
#include "shapes/plot_sampling.h"
#include "shapes/plot_table.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const korvo::TPlotWindow window { -3, 3, -3, 3, 10, 10 };
    for (const korvo::TAngleUnit angles : { korvo::TAngleUnit::Radians, korvo::TAngleUnit::Degrees }) {
        for (const QChar decimalComma : { QLatin1Char('.'), QLatin1Char(',') }) {
            const auto read = korvo::TPlotExpression::Parse(text, angles, decimalComma);
            if (const auto* error = std::get_if<korvo::TExpressionError>(&read))
                korvo::ExpressionErrorText(text, *error);
            else
                korvo::SampleFunction(std::get<korvo::TPlotExpression>(read), window);
        }
    }
    const korvo::TPastedTable table = korvo::ReadPastedTable(text);
    korvo::ClipToWindow(table.Points, window);
    korvo::FitStraightLine(table.Points);
    return 0;
}
