#include "dialogs/formula_sample.h"

#include "geometry/units.h"
#include "shapes/shape_painter.h"

#include <QCoreApplication>
#include <QPainter>

namespace korvo {

namespace {

    // Pixels between the sample's edge and the text.
    constexpr int Margin = 6;

} // namespace

TFormulaSample::TFormulaSample(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FormulaSample"));
    setAccessibleName(QCoreApplication::translate("korvo::TTextFrm", "Sample"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void TFormulaSample::Show(const TTypedFormula& typed, const TShapeFont& font)
{
    // A level text frame at the page's corner; its lines follow downwards.
    TPolygon textTemplate;
    textTemplate.SetKind(skText);
    textTemplate.SetFont(font);
    textTemplate.FPoints = { { 0, 0 }, { 0, 1 }, { 1, 1 }, { 1, 0 } };
    FLayout = MakeFormulaGroup(typed, textTemplate, BaseScale);
    update();
}

void TFormulaSample::paintEvent(QPaintEvent*)
{
    if (!FLayout)
        return;
    QPainter painter(this);
    painter.setClipRect(rect());
    TShapePainter shapes(painter, TPaintTarget::Screen, ScreenPixelsPerInch(), FFonts);
    const TRect& box = FLayout->FDevRect;
    shapes.Draw(*FLayout, box.Left - Margin, box.Top - Margin, BaseScale);
}

} // namespace korvo
