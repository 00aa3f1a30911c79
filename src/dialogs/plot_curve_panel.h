#pragma once

#include "shapes/plot_definition.h"
#include "shapes/plot_table.h"

#include <QGroupBox>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace korvo {

// What keeps a curve from being drawn: a function that does not read, a table without points; empty when
// nothing does.
QString CurveProblem(const TPlotCurve& curve);

// One curve of a graph: a function of x or measured points, with its markers, line, colour and style.
class TPlotCurvePanel : public QGroupBox {
    Q_OBJECT

public:
    // The colours offered are the palette's.
    TPlotCurvePanel(std::vector<TColour> palette, QWidget* parent);

    void SetCurve(const TPlotCurve& curve);
    TPlotCurve Curve() const;
    // The axes the measured points are counted against; nothing while the axes do not read.
    void SetAxes(const std::optional<TPlotAxes>& axes);

signals:
    void Changed();

private:
    QWidget* BuildFunctionPage();
    QWidget* BuildTablePage();
    QLayout* BuildLookRow();
    void Connect();
    void AddColour(TColour colour);
    void PasteTable();
    // The checks shown under the fields: the function's error, the table's note and the fitted line.
    void ShowChecks();
    void ShowFunctionCheck(const TPlotCurve& curve);
    void ShowTableCheck(const TPlotCurve& curve);

    std::optional<TPlotAxes> FAxes;
    // Rows over the limit that the last paste left out.
    int FRowsLeftOnPaste = 0;
    QRadioButton* FFunction;
    QRadioButton* FTable;
    QStackedWidget* FPages;
    QLineEdit* FExpression;
    QComboBox* FAngles;
    QLabel* FExpressionCheck;
    QPlainTextEdit* FTableText;
    QPushButton* FPaste;
    QLabel* FTableNote;
    QComboBox* FMarker;
    QComboBox* FLine;
    QLabel* FFit;
    QCheckBox* FFitOnGraph;
    QComboBox* FColour;
    QComboBox* FStyle;
};

} // namespace korvo
