#pragma once

#include "shapes/plot_definition.h"

#include <QGroupBox>

#include <variant>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace korvo {

// The axes of a graph: ranges, the value of a square or of a major line, numbers, titles and arrow heads.
// The paper's major step (every 5th or 10th line, 0 for none) decides what "one major line" is worth.
class TPlotAxesPanel : public QGroupBox {
    Q_OBJECT

public:
    TPlotAxesPanel(int majorStep, QWidget* parent);

    void SetAxes(const TPlotAxes& axes);
    // The axes as typed, or a sentence saying what keeps them from being drawn.
    std::variant<TPlotAxes, QString> Axes() const;

signals:
    void Changed();

private:
    void BuildLayout();
    void ShowNumbersChoice();
    // How many squares the typed values are given for: 1, or the paper's major step.
    int SquaresPerStep() const;
    std::variant<TPlotAxes, QString> ReadRanges() const;

    int FMajorStep;
    QLineEdit* FXMin;
    QLineEdit* FXMax;
    QLineEdit* FYMin;
    QLineEdit* FYMax;
    QComboBox* FStepKind;
    QLineEdit* FXStep;
    QLineEdit* FYStep;
    QComboBox* FNumbers;
    QSpinBox* FNumbersEvery;
    QComboBox* FNumberColour;
    QLineEdit* FXTitle;
    QLineEdit* FYTitle;
    QCheckBox* FArrows;
};

} // namespace korvo
