#include "document/drawing.h"

#include "geometry/rounding.h"
#include "geometry/units.h"
#include "import/svg_import.h"
#include "shapes/file_io.h"
#include "shapes/pen_width.h"
#include "shapes/shape_painter.h"

#include <algorithm>

namespace korvo {

namespace {

    // The group operations act one level deep, so the groups of a picture give their shapes up to
    // the one group that holds the whole picture.
    void CollectLeaves(TPolygon shape, std::vector<TPolygon>& leaves)
    {
        if (!shape.IsGroup()) {
            leaves.push_back(std::move(shape));
            return;
        }
        for (TPolygon& child : shape.FChildren)
            CollectLeaves(std::move(child), leaves);
    }

    // The box of every point, in millimetres, widened by as much as each shape's pen paints beyond its
    // points at 100 %, so that a thick outline lands at the point too rather than over the page's edge;
    // false when there are no points.
    bool InkBox(const std::vector<TPolygon>& shapes, TMMRect& box)
    {
        bool any = false;
        for (const TPolygon& shape : shapes) {
            const auto reach = static_cast<float>(
                PenReach(shape, TPaintTarget::Screen, ScreenPixelsPerInch(), BaseScale) / BaseScale);
            for (const TMMPoint& p : shape.FPoints) {
                const TMMRect ink { p.X - reach, p.Y - reach, p.X + reach, p.Y + reach };
                box = any ? TMMRect { std::min(box.Left, ink.Left), std::min(box.Top, ink.Top),
                    std::max(box.Right, ink.Right), std::max(box.Bottom, ink.Bottom) }
                          : ink;
                any = true;
            }
        }
        return any;
    }

    // At most 1: a picture larger than the page is shrunk to fit it, a smaller one keeps its true size.
    double FitFactor(const TMMRect& box)
    {
        const double width = static_cast<double>(box.Right) - box.Left;
        const double height = static_cast<double>(box.Bottom) - box.Top;
        double factor = 1.0;
        if (width > PageWidthMM)
            factor = PageWidthMM / width;
        if (height > PageHeightMM)
            factor = std::min(factor, PageHeightMM / height);
        return factor;
    }

    // Lines and letters shrink with the picture, so that it keeps its look; none vanishes, and a line
    // that becomes finer than the thinnest pen fades instead.
    void ShrinkStyle(TPolygon& shape, double factor)
    {
        // A text paints no line, so its pen stays as it was.
        if (shape.FKind == skText)
            shape.FFont.SetSize(std::max(1, Round(shape.FFont.Size() * factor)));
        else if (shape.FPen.Width > 0)
            SetPenWidth(shape.FPen, shape.FPen.Width * factor, shape.FBrush);
    }

} // namespace

bool TDrawing::InsertPicture(std::vector<TPolygon> shapes, TMMPoint topLeft)
{
    std::vector<TPolygon> leaves;
    for (TPolygon& shape : shapes)
        CollectLeaves(std::move(shape), leaves);
    TMMRect box;
    if (!InkBox(leaves, box))
        return false;
    const TDrawingUpdate update(*this);
    SaveUndo(ulImportPicture);
    const double factor = FitFactor(box);
    for (TPolygon& leaf : leaves) {
        for (TMMPoint& p : leaf.FPoints) {
            p = { static_cast<float>(topLeft.X + (static_cast<double>(p.X) - box.Left) * factor),
                static_cast<float>(topLeft.Y + (static_cast<double>(p.Y) - box.Top) * factor) };
        }
        if (factor < 1.0)
            ShrinkStyle(leaf, factor);
        leaf.CalcBounds(FScale);
    }
    auto picture = std::make_shared<TPolygon>();
    if (leaves.size() == 1) {
        *picture = std::move(leaves.front());
    } else {
        picture->SetKind(skGroup);
        for (TPolygon& leaf : leaves)
            picture->AddToGroup(std::move(leaf), FScale);
    }
    Append(std::move(picture), true);
    return true;
}

QString TDrawing::ImportPicture(const QByteArray& bytes, const QString& name, TMMPoint topLeft)
{
    TSvgImport picture = ReadSvg(bytes);
    if (!picture.Error.isEmpty())
        throw EFileError(tr("%1 cannot be imported. %2").arg(name, picture.Error));
    const QString note = LeftOutNote(picture.LeftOut);
    if (!InsertPicture(std::move(picture.Shapes), topLeft)) {
        const QString nothing = tr("%1 cannot be imported. The picture holds nothing that Korvo can draw.");
        throw EFileError(note.isEmpty() ? nothing.arg(name) : nothing.arg(name) + QLatin1Char(' ') + note);
    }
    return note;
}

} // namespace korvo
