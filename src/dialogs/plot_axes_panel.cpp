#include "dialogs/plot_axes_panel.h"

#include "dialogs/named_widget.h"
#include "dialogs/user_numbers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace korvo {

namespace {

    // What the numbers choice stands for besides "none" (0).
    constexpr int AtMajorLines = -1;
    constexpr int EveryNSquares = -2;
    constexpr int MostSquaresBetweenNumbers = 100;

    QLineEdit* NumberEdit(const char* name, QWidget* parent)
    {
        auto* edit = Named(new QLineEdit(parent), name);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
        return edit;
    }

} // namespace

TPlotAxesPanel::TPlotAxesPanel(int majorStep, QWidget* parent)
    : QGroupBox(tr("Axes"), parent)
    , FMajorStep(majorStep)
    , FXMin(NumberEdit("XMinEdit", this))
    , FXMax(NumberEdit("XMaxEdit", this))
    , FYMin(NumberEdit("YMinEdit", this))
    , FYMax(NumberEdit("YMaxEdit", this))
    , FStepKind(Named(new QComboBox(this), "StepCombo"))
    , FXStep(NumberEdit("XStepEdit", this))
    , FYStep(NumberEdit("YStepEdit", this))
    , FNumbers(Named(new QComboBox(this), "NumbersCombo"))
    , FNumbersEvery(Named(new QSpinBox(this), "NumbersSpin"))
    , FNumberColour(Named(new QComboBox(this), "NumberColourCombo"))
    , FXTitle(Named(new QLineEdit(this), "XTitleEdit"))
    , FYTitle(Named(new QLineEdit(this), "YTitleEdit"))
    , FArrows(Named(new QCheckBox(tr("Arrow heads"), this), "ArrowsCheck"))
{
    setObjectName(QStringLiteral("AxesBox"));
    FStepKind->addItem(tr("One square is worth"), 1);
    if (FMajorStep > 0) {
        FStepKind->addItem(tr("One major line is worth"), FMajorStep);
        FNumbers->addItem(tr("at the major lines"), AtMajorLines);
    }
    FNumbers->addItem(tr("every N squares"), EveryNSquares);
    FNumbers->addItem(tr("none"), 0);
    FNumbersEvery->setRange(1, MostSquaresBetweenNumbers);
    FNumberColour->addItem(tr("in black"), true);
    FNumberColour->addItem(tr("in the paper's colour"), false);
    FXTitle->setMaxLength(MaxPlotTextLength);
    FYTitle->setMaxLength(MaxPlotTextLength);
    FXTitle->setPlaceholderText(tr("t / s"));
    FYTitle->setPlaceholderText(tr("v / m s^{-1}"));
    BuildLayout();

    for (QLineEdit* edit : { FXMin, FXMax, FYMin, FYMax, FXStep, FYStep, FXTitle, FYTitle })
        connect(edit, &QLineEdit::textChanged, this, &TPlotAxesPanel::Changed);
    for (QComboBox* combo : { FStepKind, FNumbers, FNumberColour })
        connect(combo, &QComboBox::currentIndexChanged, this, &TPlotAxesPanel::Changed);
    connect(FNumbers, &QComboBox::currentIndexChanged, this, &TPlotAxesPanel::ShowNumbersChoice);
    connect(FNumbersEvery, &QSpinBox::valueChanged, this, &TPlotAxesPanel::Changed);
    connect(FArrows, &QCheckBox::toggled, this, &TPlotAxesPanel::Changed);
}

void TPlotAxesPanel::BuildLayout()
{
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("from"), this), 0, 1);
    grid->addWidget(new QLabel(tr("to"), this), 0, 2);
    grid->addWidget(FStepKind, 0, 3);
    grid->addWidget(new QLabel(tr("Title"), this), 0, 4);
    const struct {
        QString Caption;
        QLineEdit *Min, *Max, *Step, *Title;
    } rows[] = { { tr("x axis"), FXMin, FXMax, FXStep, FXTitle }, { tr("y axis"), FYMin, FYMax, FYStep, FYTitle } };
    int row = 1;
    for (const auto& r : rows) {
        auto* caption = new QLabel(r.Caption, this);
        caption->setBuddy(r.Min);
        grid->addWidget(caption, row, 0);
        grid->addWidget(r.Min, row, 1);
        grid->addWidget(r.Max, row, 2);
        grid->addWidget(r.Step, row, 3);
        grid->addWidget(r.Title, row, 4);
        ++row;
    }
    grid->setColumnStretch(4, 1);

    auto* numbers = new QHBoxLayout;
    auto* caption = new QLabel(tr("Numbers"), this);
    caption->setBuddy(FNumbers);
    numbers->addWidget(caption);
    numbers->addWidget(FNumbers);
    numbers->addWidget(FNumbersEvery);
    numbers->addWidget(FNumberColour);
    numbers->addStretch();
    numbers->addWidget(FArrows);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(numbers);
}

void TPlotAxesPanel::ShowNumbersChoice()
{
    const int choice = FNumbers->currentData().toInt();
    FNumbersEvery->setEnabled(choice == EveryNSquares);
    FNumberColour->setEnabled(choice != 0);
}

void TPlotAxesPanel::SetAxes(const TPlotAxes& axes)
{
    FXMin->setText(ShowNumber(axes.XMin));
    FXMax->setText(ShowNumber(axes.XMax));
    FYMin->setText(ShowNumber(axes.YMin));
    FYMax->setText(ShowNumber(axes.YMax));
    FStepKind->setCurrentIndex(0);
    FXStep->setText(ShowNumber(axes.XPerSquare));
    FYStep->setText(ShowNumber(axes.YPerSquare));
    const int every = std::clamp(axes.NumbersEvery, 0, MostSquaresBetweenNumbers);
    const int choice = every == 0 ? 0 : every == FMajorStep ? AtMajorLines : EveryNSquares;
    FNumbers->setCurrentIndex(FNumbers->findData(choice));
    FNumbersEvery->setValue(std::max(every, 1));
    FNumberColour->setCurrentIndex(FNumberColour->findData(axes.BlackNumbers));
    FXTitle->setText(axes.XTitle);
    FYTitle->setText(axes.YTitle);
    FArrows->setChecked(axes.Arrows);
    ShowNumbersChoice();
}

int TPlotAxesPanel::SquaresPerStep() const { return FStepKind->currentData().toInt(); }

std::variant<TPlotAxes, QString> TPlotAxesPanel::ReadRanges() const
{
    TPlotAxes axes;
    const struct {
        const QLineEdit* Edit;
        double& Value;
        QString Name;
    } fields[] = {
        { FXMin, axes.XMin, tr("the start of the x axis") },
        { FXMax, axes.XMax, tr("the end of the x axis") },
        { FYMin, axes.YMin, tr("the start of the y axis") },
        { FYMax, axes.YMax, tr("the end of the y axis") },
        { FXStep, axes.XPerSquare, tr("the value along x") },
        { FYStep, axes.YPerSquare, tr("the value along y") },
    };
    for (const auto& field : fields) {
        const std::optional<double> value = ReadNumber(field.Edit->text());
        if (!value)
            return tr("Type a number for %1.").arg(field.Name);
        field.Value = *value;
    }
    if (!(axes.XMax > axes.XMin))
        return tr("The x axis must end at a larger value than it starts at.");
    if (!(axes.YMax > axes.YMin))
        return tr("The y axis must end at a larger value than it starts at.");
    if (!(axes.XPerSquare > 0) || !(axes.YPerSquare > 0))
        return tr("The value of a square or a major line must be more than nothing.");
    axes.XPerSquare /= SquaresPerStep();
    axes.YPerSquare /= SquaresPerStep();
    return axes;
}

std::variant<TPlotAxes, QString> TPlotAxesPanel::Axes() const
{
    std::variant<TPlotAxes, QString> read = ReadRanges();
    auto* axes = std::get_if<TPlotAxes>(&read);
    if (!axes)
        return read;
    const int choice = FNumbers->currentData().toInt();
    axes->NumbersEvery = choice == AtMajorLines ? FMajorStep : choice == EveryNSquares ? FNumbersEvery->value() : 0;
    axes->BlackNumbers = FNumberColour->currentData().toBool();
    axes->XTitle = FXTitle->text();
    axes->YTitle = FYTitle->text();
    axes->Arrows = FArrows->isChecked();
    return read;
}

} // namespace korvo
