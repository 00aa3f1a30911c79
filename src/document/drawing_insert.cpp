#include "document/drawing.h"

#include "geometry/rounding.h"
#include "import/svg_import.h"
#include "shapes/file_io.h"
#include "shapes/pen_width.h"

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

    // The box of every point, in millimetres; false when there are none.
    bool PointBox(const std::vector<TPolygon>& shapes, TMMRect& box)
    {
        bool any = false;
        for (const TPolygon& shape : shapes) {
            for (const TMMPoint& p : shape.FPoints) {
                box = any ? TMMRect { std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X),
                    std::max(box.Bottom, p.Y) }
                          : TMMRect { p.X, p.Y, p.X, p.Y };
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
    if (!PointBox(leaves, box))
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
