#include "shapes/plot_group.h"

#include "shapes/plot_group_parts.h"

namespace korvo {

namespace {

    // Two decimals, as a teacher writes them, without the "-0.00" that rounding leaves of tiny values.
    QString TwoDecimals(double v)
    {
        const QString text = QString::number(v, 'f', 2);
        return text == QStringLiteral("-0.00") ? QStringLiteral("0.00") : text;
    }

} // namespace

std::optional<TPlotGroup> MakePlotGroup(const TPlotDefinition& definition, const TPolygon& paper, float scale)
{
    const std::optional<TPlotFrame> frame = TPlotFrame::Of(definition.Axes, paper);
    // A definition the group's text could not give back, one over the limits among them, is not drawn.
    const QByteArray text = WritePlotDefinition(definition);
    if (!frame || ReadPlotDefinition(text) != definition)
        return std::nullopt;
    TPlotGroup plot;
    TPolygon& group = plot.Group;
    group.SetKind(skGroup);
    group.FText = text;
    group.FChildren.push_back(paper);
    const TColour textColour = definition.Axes.BlackNumbers ? clBlack : paper.FPen.Colour;
    if (!AddAxes(*frame, definition.Axes, textColour, scale, group.FChildren))
        return std::nullopt;
    for (const TPlotCurve& curve : definition.Curves) {
        if (!AddCurve(*frame, curve, scale, group.FChildren, plot.Omissions))
            return std::nullopt;
    }
    for (TPolygon& child : group.FChildren)
        child.CalcBounds(scale);
    group.CalcGroupBounds(scale);
    group.CalcGrips();
    return plot;
}

std::optional<TPlotGroupInfo> ReadPlotGroup(const TPolygon& group)
{
    if (!group.IsGroup() || group.FChildren.empty() || group.FChildren.front().FKind != skGraphPaper)
        return std::nullopt;
    std::optional<TPlotDefinition> definition = ReadPlotDefinition(group.FText);
    if (!definition)
        return std::nullopt;
    return TPlotGroupInfo { std::move(*definition), group.FChildren.front() };
}

QString FitLineText(const TFittedLine& line)
{
    const QString sign = line.Intercept < 0 && TwoDecimals(line.Intercept) != QStringLiteral("0.00")
        ? QStringLiteral("-")
        : QStringLiteral("+");
    return QStringLiteral("y = %1x %2 %3").arg(TwoDecimals(line.Gradient), sign, TwoDecimals(std::abs(line.Intercept)));
}

} // namespace korvo
