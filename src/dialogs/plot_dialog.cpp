#include "dialogs/plot_dialog.h"

#include "dialogs/plot_axes_panel.h"
#include "dialogs/plot_curve_panel.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvo {

namespace {

    QString CurveCaption(const TPlotCurve& curve)
    {
        return curve.IsFunction ? TPlotFrm::tr("y = %1").arg(curve.Expression) : TPlotFrm::tr("measured points");
    }

} // namespace

TPlotFrm::TPlotFrm(int majorStep, std::vector<TColour> palette, QWidget* parent)
    : QDialog(parent)
    , FAxes(new TPlotAxesPanel(majorStep, this))
    , FCurveList(new QListWidget(this))
    , FAdd(new QPushButton(tr("Add"), this))
    , FRemove(new QPushButton(tr("Remove"), this))
    , FCurve(new TPlotCurvePanel(std::move(palette), this))
    , FProblem(new QLabel(this))
    , FOk(nullptr)
{
    setObjectName(QStringLiteral("PlotFrm"));
    setWindowTitle(tr("Plot graph"));
    FCurveList->setObjectName(QStringLiteral("CurveList"));
    FAdd->setObjectName(QStringLiteral("AddCurveBtn"));
    FRemove->setObjectName(QStringLiteral("RemoveCurveBtn"));
    FProblem->setObjectName(QStringLiteral("ProblemLabel"));
    FProblem->setWordWrap(true);
    FProblem->setStyleSheet(QStringLiteral("color: #b00000"));
    BuildLayout();
    connect(FAxes, &TPlotAxesPanel::Changed, this, &TPlotFrm::Check);
    connect(FCurve, &TPlotCurvePanel::Changed, this, &TPlotFrm::CurveEdited);
    connect(FCurveList, &QListWidget::currentRowChanged, this, &TPlotFrm::CurveChosen);
    connect(FAdd, &QPushButton::clicked, this, &TPlotFrm::AddCurve);
    connect(FRemove, &QPushButton::clicked, this, &TPlotFrm::RemoveCurve);
}

void TPlotFrm::BuildLayout()
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    FOk = buttons->button(QDialogButtonBox::Ok);
    FOk->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(FAdd);
    listButtons->addWidget(FRemove);
    listButtons->addStretch();
    auto* list = new QHBoxLayout;
    list->addWidget(FCurveList, 1);
    list->addLayout(listButtons);
    auto* curvesBox = new QGroupBox(tr("Curves"), this);
    auto* curves = new QVBoxLayout(curvesBox);
    curves->addLayout(list);
    curves->addWidget(FCurve, 1);
    FCurveList->setMaximumHeight(FCurveList->fontMetrics().height() * 5);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FAxes);
    layout->addWidget(curvesBox, 1);
    layout->addWidget(FProblem);
    layout->addWidget(buttons);
}

void TPlotFrm::SetDefinition(const TPlotDefinition& definition)
{
    FLastAxes = definition.Axes;
    FAxes->SetAxes(definition.Axes);
    FCurves = definition.Curves;
    ShowCurveList();
    FCurveList->setCurrentRow(FCurves.empty() ? -1 : 0);
    Check();
}

TPlotDefinition TPlotFrm::Definition() const
{
    const auto axes = FAxes->Axes();
    const auto* read = std::get_if<TPlotAxes>(&axes);
    return { read ? *read : FLastAxes, FCurves };
}

QString TPlotFrm::Problem() const { return FProblem->text(); }

void TPlotFrm::ShowCurveList()
{
    const QSignalBlocker blocker(FCurveList);
    const int row = FCurveList->currentRow();
    FCurveList->clear();
    for (const TPlotCurve& curve : FCurves)
        FCurveList->addItem(CurveCaption(curve));
    FCurveList->setCurrentRow(std::min(row, static_cast<int>(FCurves.size()) - 1));
}

void TPlotFrm::CurveChosen(int row)
{
    const bool chosen = row >= 0 && row < static_cast<int>(FCurves.size());
    FCurve->setEnabled(chosen);
    FRemove->setEnabled(chosen);
    if (chosen)
        FCurve->SetCurve(FCurves[static_cast<std::size_t>(row)]);
}

void TPlotFrm::CurveEdited()
{
    const int row = FCurveList->currentRow();
    if (row < 0 || row >= static_cast<int>(FCurves.size()))
        return;
    FCurves[static_cast<std::size_t>(row)] = FCurve->Curve();
    FCurveList->item(row)->setText(CurveCaption(FCurves[static_cast<std::size_t>(row)]));
    Check();
}

void TPlotFrm::AddCurve()
{
    FCurves.emplace_back();
    ShowCurveList();
    FCurveList->setCurrentRow(static_cast<int>(FCurves.size()) - 1);
    Check();
}

void TPlotFrm::RemoveCurve()
{
    const int row = FCurveList->currentRow();
    if (row < 0 || row >= static_cast<int>(FCurves.size()))
        return;
    FCurves.erase(FCurves.begin() + row);
    ShowCurveList();
    CurveChosen(FCurveList->currentRow());
    Check();
}

void TPlotFrm::Check()
{
    FAdd->setEnabled(static_cast<int>(FCurves.size()) < MaxPlotCurves);
    const auto axes = FAxes->Axes();
    const auto* read = std::get_if<TPlotAxes>(&axes);
    FCurve->SetAxes(read ? std::optional(*read) : std::nullopt);
    QString problem = read ? QString() : std::get<QString>(axes);
    for (std::size_t i = 0; i < FCurves.size() && problem.isEmpty(); ++i) {
        const QString curveProblem = CurveProblem(FCurves[i]);
        if (!curveProblem.isEmpty())
            problem = tr("Curve %1: %2").arg(static_cast<int>(i) + 1).arg(curveProblem);
    }
    FProblem->setText(problem);
    FOk->setEnabled(problem.isEmpty());
}

std::optional<TPlotDefinition> EditPlot(
    const TPlotDefinition& shown, int majorStep, std::vector<TColour> palette, QWidget* parent)
{
    TPlotFrm dialog(majorStep, std::move(palette), parent);
    dialog.SetDefinition(shown);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Definition();
}

} // namespace korvo
