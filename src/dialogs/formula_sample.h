#pragma once

#include "shapes/font_cache.h"
#include "shapes/formula.h"
#include "shapes/polygon.h"

#include <QWidget>

#include <optional>

namespace korvo {

// The typed text as it will look on the page at zoom x1: laid out as a formula and painted by the
// shape painter, exactly as the drawing lays out and paints it.
class TFormulaSample : public QWidget {
public:
    explicit TFormulaSample(QWidget* parent = nullptr);

    // The font as a text shape stores it; a text nothing can store shows nothing.
    void Show(const TTypedFormula& typed, const TShapeFont& font);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<TPolygon> FLayout;
    TFontCache FFonts;
};

} // namespace korvo
