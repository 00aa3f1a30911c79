#include "dialogs/plot_curve_panel.h"

#include "dialogs/line_sample.h"
#include "dialogs/named_widget.h"
#include "shapes/colour_map.h"
#include "shapes/plot_fit.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

namespace korvo {

namespace {

    constexpr int SwatchSize = 14;
    // Significant digits of the fitted gradient and intercept: a school graph is read to about that.
    constexpr int FitDigits = 4;

    QLabel* CheckLabel(const char* name, QWidget* parent)
    {
        auto* label = Named(new QLabel(parent), name);
        label->setWordWrap(true);
        return label;
    }

    QLabel* ProblemLabel(const char* name, QWidget* parent)
    {
        QLabel* label = CheckLabel(name, parent);
        label->setStyleSheet(QStringLiteral("color: #b00000"));
        return label;
    }

    QIcon Swatch(TColour colour)
    {
        QPixmap swatch(SwatchSize, SwatchSize);
        swatch.fill(Qt::black);
        QPixmap inside(SwatchSize - 2, SwatchSize - 2);
        inside.fill(ToQColor(colour));
        QPainter(&swatch).drawPixmap(1, 1, inside);
        return QIcon(swatch);
    }

    void SelectData(QComboBox* combo, const QVariant& data)
    {
        combo->setCurrentIndex(std::max(combo->findData(data), 0));
    }

    template <class E> E DataOf(const QComboBox* combo) { return static_cast<E>(combo->currentData().toInt()); }

    // Each sentence comes in both numbers as its own source text, so that a translation fills it like
    // any other; n fills in %1.
    QString Counted(int n, const char* one, const char* many)
    {
        return TPlotCurvePanel::tr(n == 1 ? one : many).arg(n);
    }

    QString TableNote(const TPastedTable& table, int outside)
    {
        QStringList lines { Counted(static_cast<int>(table.Points.size()),
            QT_TRANSLATE_NOOP("korvo::TPlotCurvePanel", "%1 point."),
            QT_TRANSLATE_NOOP("korvo::TPlotCurvePanel", "%1 points.")) };
        if (table.HeaderSkipped)
            lines << TPlotCurvePanel::tr("The first row was taken as a header.");
        if (table.SkippedRows > 0)
            lines << Counted(table.SkippedRows,
                QT_TRANSLATE_NOOP("korvo::TPlotCurvePanel", "%1 row that does not hold two numbers was skipped."),
                QT_TRANSLATE_NOOP("korvo::TPlotCurvePanel", "%1 rows that do not hold two numbers were skipped."));
        if (table.RowsOverLimit > 0)
            lines << Counted(table.RowsOverLimit,
                QT_TRANSLATE_NOOP("korvo::TPlotCurvePanel", "Only the first %2 rows are taken: %1 more was left out."),
                QT_TRANSLATE_NOOP("korvo::TPlotCurvePanel", "Only the first %2 rows are taken: %1 more were left out."))
                         .arg(QLocale().toString(MaxTableRows));
        if (outside > 0)
            lines << Counted(outside,
                QT_TRANSLATE_NOOP("korvo::TPlotCurvePanel", "%1 point lies outside the axes and is left out."),
                QT_TRANSLATE_NOOP("korvo::TPlotCurvePanel", "%1 points lie outside the axes and are left out."));
        return lines.join(QLatin1Char(' '));
    }

    int PointsOutside(const std::vector<TDataPoint>& points, const TPlotAxes& axes)
    {
        return static_cast<int>(std::count_if(points.begin(), points.end(), [&axes](const TDataPoint& p) {
            return p.X < axes.XMin || p.X > axes.XMax || p.Y < axes.YMin || p.Y > axes.YMax;
        }));
    }

    // As the graph reads it: a decimal comma as well as a point, whatever the user's locale.
    std::variant<TPlotExpression, TExpressionError> ParseCurveFunction(const TPlotCurve& curve)
    {
        return TPlotExpression::Parse(curve.Expression, curve.Angles, QLatin1Char(','));
    }

} // namespace

QString CurveProblem(const TPlotCurve& curve)
{
    if (curve.IsFunction) {
        const auto parsed = ParseCurveFunction(curve);
        const auto* error = std::get_if<TExpressionError>(&parsed);
        return error ? ExpressionErrorText(curve.Expression, *error) : QString();
    }
    if (curve.Table.size() > MaxPlotTableLength)
        return TPlotCurvePanel::tr("The table is longer than a graph keeps: shorten its rows or take fewer.");
    if (ReadPastedTable(curve.Table).Points.empty())
        return TPlotCurvePanel::tr("The table holds no points: type or paste two columns, x then y.");
    return QString();
}

TPlotCurvePanel::TPlotCurvePanel(std::vector<TColour> palette, QWidget* parent)
    : QGroupBox(tr("Curve"), parent)
    , FFunction(Named(new QRadioButton(tr("Function"), this), "FunctionRadio"))
    , FTable(Named(new QRadioButton(tr("Measured points"), this), "TableRadio"))
    , FPages(new QStackedWidget(this))
    , FExpression(Named(new QLineEdit(this), "ExpressionEdit"))
    , FAngles(Named(new QComboBox(this), "AnglesCombo"))
    , FExpressionCheck(ProblemLabel("ExpressionCheck", this))
    , FTableText(Named(new QPlainTextEdit(this), "TableEdit"))
    , FPaste(Named(new QPushButton(tr("Paste"), this), "PasteBtn"))
    , FTableNote(CheckLabel("TableNote", this))
    , FMarker(Named(new QComboBox(this), "MarkerCombo"))
    , FLine(Named(new QComboBox(this), "LineCombo"))
    , FFit(CheckLabel("FitLabel", this))
    , FFitOnGraph(Named(new QCheckBox(tr("Write on the graph"), this), "FitOnGraphCheck"))
    , FColour(Named(new QComboBox(this), "ColourCombo"))
    , FStyle(Named(new QComboBox(this), "StyleCombo"))
{
    setObjectName(QStringLiteral("CurveBox"));
    FExpression->setMaxLength(MaxPlotTextLength);
    FAngles->addItem(tr("radians"), static_cast<int>(TAngleUnit::Radians));
    FAngles->addItem(tr("degrees"), static_cast<int>(TAngleUnit::Degrees));
    const std::pair<TPlotMarker, QString> markers[]
        = { { TPlotMarker::None, tr("none") }, { TPlotMarker::Cross, tr("× cross") },
              { TPlotMarker::Plus, tr("+ plus") }, { TPlotMarker::Circle, tr("○ ring") },
              { TPlotMarker::Disc, tr("● dot") }, { TPlotMarker::Square, tr("□ square") } };
    for (const auto& [marker, caption] : markers)
        FMarker->addItem(caption, static_cast<int>(marker));
    const std::pair<TPlotLine, QString> lines[]
        = { { TPlotLine::None, tr("no line") }, { TPlotLine::Straight, tr("straight lines") },
              { TPlotLine::Smooth, tr("smooth curve") }, { TPlotLine::BestFit, tr("best-fit straight line") } };
    for (const auto& [line, caption] : lines)
        FLine->addItem(caption, static_cast<int>(line));
    for (const TColour colour : palette)
        AddColour(colour);
    // The drawing's own thin solid and dotted lines.
    FStyle->addItem(LineSampleIcon({ clBlack, psSolid, 1 }, leNone), tr("solid"), psSolid);
    FStyle->addItem(LineSampleIcon({ clBlack, psDot, 1 }, leNone), tr("dotted"), psDot);

    FPages->addWidget(BuildFunctionPage());
    FPages->addWidget(BuildTablePage());
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(FFunction);
    kinds->addWidget(FTable);
    kinds->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addWidget(FPages);
    layout->addLayout(BuildLookRow());
    layout->addWidget(FFit);
    Connect();
    SetCurve(TPlotCurve {});
}

QWidget* TPlotCurvePanel::BuildFunctionPage()
{
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(tr("y ="), page);
    caption->setBuddy(FExpression);
    row->addWidget(caption);
    row->addWidget(FExpression, 1);
    row->addWidget(FAngles);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(FExpressionCheck);
    layout->addStretch();
    return page;
}

QWidget* TPlotCurvePanel::BuildTablePage()
{
    auto* page = new QWidget(this);
    FTableText->setPlaceholderText(tr("x and y in two columns, separated by a tab, a semicolon or a comma"));
    FTableText->setTabChangesFocus(true);
    auto* row = new QHBoxLayout;
    row->addWidget(FTableText, 1);
    row->addWidget(FPaste, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(FTableNote);
    return page;
}

QLayout* TPlotCurvePanel::BuildLookRow()
{
    auto* grid = new QGridLayout;
    const std::pair<QString, QWidget*> fields[]
        = { { tr("Markers"), FMarker }, { tr("Line"), FLine }, { tr("Colour"), FColour }, { tr("Style"), FStyle } };
    int column = 0;
    for (const auto& [caption, field] : fields) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, 0, column);
        grid->addWidget(field, 1, column++);
    }
    grid->addWidget(FFitOnGraph, 1, column);
    return grid;
}

void TPlotCurvePanel::Connect()
{
    connect(FFunction, &QRadioButton::toggled, this, [this](bool function) {
        FPages->setCurrentIndex(function ? 0 : 1);
        emit Changed();
    });
    connect(FExpression, &QLineEdit::textChanged, this, &TPlotCurvePanel::Changed);
    connect(FTableText, &QPlainTextEdit::textChanged, this, &TPlotCurvePanel::Changed);
    for (QComboBox* combo : { FAngles, FMarker, FLine, FColour, FStyle })
        connect(combo, &QComboBox::currentIndexChanged, this, &TPlotCurvePanel::Changed);
    connect(FFitOnGraph, &QCheckBox::toggled, this, &TPlotCurvePanel::Changed);
    connect(FPaste, &QPushButton::clicked, this, &TPlotCurvePanel::PasteTable);
    connect(this, &TPlotCurvePanel::Changed, this, &TPlotCurvePanel::ShowChecks);
}

void TPlotCurvePanel::AddColour(TColour colour)
{
    // Palette colours have no names; the swatch says it all, and the tip gives the value.
    FColour->addItem(Swatch(colour), QString(), colour);
    FColour->setItemData(FColour->count() - 1, ToQColor(colour).name(), Qt::ToolTipRole);
}

void TPlotCurvePanel::PasteTable()
{
    const QString pasted = QGuiApplication::clipboard()->text();
    if (pasted.isEmpty())
        return;
    // Rows beyond the limit are never drawn; they are left out of the text too, which a graph could
    // not otherwise keep. The note still says how many there were.
    const int over = ReadPastedTable(pasted).RowsOverLimit;
    QStringList rows = pasted.split(QLatin1Char('\n'));
    if (over > 0)
        rows.resize(std::max<qsizetype>(rows.size() - over, 0));
    FRowsLeftOnPaste = over;
    FTableText->setPlainText(rows.join(QLatin1Char('\n')));
}

void TPlotCurvePanel::SetCurve(const TPlotCurve& curve)
{
    const QSignalBlocker blocker(this);
    FRowsLeftOnPaste = 0;
    (curve.IsFunction ? FFunction : FTable)->setChecked(true);
    FPages->setCurrentIndex(curve.IsFunction ? 0 : 1);
    FExpression->setText(curve.Expression);
    SelectData(FAngles, static_cast<int>(curve.Angles));
    FTableText->setPlainText(curve.Table);
    SelectData(FMarker, static_cast<int>(curve.Marker));
    SelectData(FLine, static_cast<int>(curve.Line));
    FFitOnGraph->setChecked(curve.ShowFitOnGraph);
    // A colour from another palette, or a style of another program, is kept as it is.
    if (FColour->findData(curve.Colour) < 0)
        AddColour(curve.Colour);
    SelectData(FColour, curve.Colour);
    if (FStyle->findData(curve.PenStyle) < 0)
        FStyle->addItem(tr("as it was"), curve.PenStyle);
    SelectData(FStyle, curve.PenStyle);
    ShowChecks();
}

TPlotCurve TPlotCurvePanel::Curve() const
{
    TPlotCurve curve;
    curve.IsFunction = FFunction->isChecked();
    curve.Expression = FExpression->text();
    curve.Angles = DataOf<TAngleUnit>(FAngles);
    curve.Table = FTableText->toPlainText();
    curve.Marker = DataOf<TPlotMarker>(FMarker);
    curve.Line = DataOf<TPlotLine>(FLine);
    curve.ShowFitOnGraph = FFitOnGraph->isChecked();
    curve.Colour = FColour->currentData().toUInt();
    curve.PenStyle = static_cast<std::uint8_t>(FStyle->currentData().toInt());
    return curve;
}

void TPlotCurvePanel::SetAxes(const std::optional<TPlotAxes>& axes)
{
    FAxes = axes;
    ShowChecks();
}

void TPlotCurvePanel::ShowChecks()
{
    const TPlotCurve curve = Curve();
    // A function is its own line; only measured points have a line of best fit.
    if (auto* model = qobject_cast<QStandardItemModel*>(FLine->model()))
        model->item(FLine->findData(static_cast<int>(TPlotLine::BestFit)))->setEnabled(!curve.IsFunction);
    if (curve.IsFunction)
        ShowFunctionCheck(curve);
    else
        ShowTableCheck(curve);
}

void TPlotCurvePanel::ShowFunctionCheck(const TPlotCurve& curve)
{
    FExpressionCheck->setText(CurveProblem(curve));
    FFit->clear();
    FFitOnGraph->setEnabled(false);
}

void TPlotCurvePanel::ShowTableCheck(const TPlotCurve& curve)
{
    TPastedTable table = ReadPastedTable(curve.Table);
    table.RowsOverLimit = std::max(table.RowsOverLimit, FRowsLeftOnPaste);
    FTableNote->setText(TableNote(table, FAxes ? PointsOutside(table.Points, *FAxes) : 0));
    const bool bestFit = curve.Line == TPlotLine::BestFit;
    FFitOnGraph->setEnabled(bestFit);
    if (!bestFit) {
        FFit->clear();
        return;
    }
    const std::optional<TFittedLine> fit = FitStraightLine(table.Points);
    const QLocale locale;
    FFit->setText(fit
            ? tr("Best-fit line: gradient %1, intercept %2")
                  .arg(locale.toString(fit->Gradient, 'g', FitDigits), locale.toString(fit->Intercept, 'g', FitDigits))
            : tr("A best-fit line needs points at two different values of x."));
}

} // namespace korvo
