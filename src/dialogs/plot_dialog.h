#pragma once

#include "shapes/plot_definition.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace korvo {

class TPlotAxesPanel;
class TPlotCurvePanel;

// "Plot graph": the axes and curves of a graph on graph paper. OK stays disabled, with the reason shown,
// until the axes can be drawn and every curve reads.
class TPlotFrm : public QDialog {
    Q_OBJECT

public:
    // The paper's major step (5, 10, or 0 for none) and the colours the curves are offered.
    TPlotFrm(int majorStep, std::vector<TColour> palette, QWidget* parent = nullptr);

    void SetDefinition(const TPlotDefinition& definition);
    // What the dialog shows; the axes as last drawable when they do not read now.
    TPlotDefinition Definition() const;
    // Why OK is disabled; empty when it is enabled.
    QString Problem() const;

private:
    void BuildLayout();
    void ShowCurveList();
    void CurveChosen(int row);
    void CurveEdited();
    void AddCurve();
    void RemoveCurve();
    void Check();

    TPlotAxesPanel* FAxes;
    QListWidget* FCurveList;
    QPushButton* FAdd;
    QPushButton* FRemove;
    TPlotCurvePanel* FCurve;
    QLabel* FProblem;
    QPushButton* FOk;
    std::vector<TPlotCurve> FCurves;
    TPlotAxes FLastAxes;
};

// "Plot graph...": shows the definition over the parent and gives the one accepted, or nothing when
// cancelled.
std::optional<TPlotDefinition> EditPlot(
    const TPlotDefinition& shown, int majorStep, std::vector<TColour> palette, QWidget* parent);

} // namespace korvo
