#pragma once

#include "import/svg_backdrop.h"
#include "import/svg_css.h"
#include "import/svg_import.h"
#include "import/svg_paint.h"
#include "import/svg_style.h"
#include "import/svg_tree.h"

#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <optional>
#include <vector>

namespace korvo {

// Walks a parsed picture in drawing order and turns each element into Korvo shapes, following use
// references and counting what cannot be taken in.
class TSvgReader {
public:
    // Faint gradients (soft shadows and highlights) are left out unless kept.
    TSvgReader(const TSvgTree& tree, TSvgImport& result, bool keepsFaint);

    // Reads the whole picture into the result; returns an empty string or the reason it was refused.
    QString Read();

private:
    // What an element inherits from the elements around it.
    struct TFrame {
        TSvgStyle Style;
        QTransform ToPage; // user units to mm on the page
        QSizeF Viewport; // in user units, for percentages
        std::optional<QRectF> Clip; // in mm
    };

    void Walk(int index, const TFrame& parent, std::vector<TPolygon>& out);
    bool Enter(const TSvgNode& node, TFrame& frame);
    void Group(const std::vector<int>& children, const TFrame& frame, std::vector<TPolygon>& out);
    void Use(const TSvgNode& node, TFrame frame, std::vector<TPolygon>& out);
    void Shape(const TSvgNode& node, const TFrame& frame, std::vector<TPolygon>& out);
    TFrame Viewport(const TSvgNode& node, TFrame frame, QRectF area) const;

    const TSvgTree& Tree;
    TSvgImport& Result;
    TSvgStyleSheet Sheet;
    TSvgPaintResolver Paints;
    qint64 PointBudget;
    qint64 ReferencedCharacters = 0;
    bool KeepsFaint;
    TSvgBackdrop Backdrop;
    int Drawn = 0;
    std::vector<int> UseChain;
    QString Error;
};

} // namespace korvo
