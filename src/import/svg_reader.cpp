#include "import/svg_reader.h"

#include "import/svg_clip.h"
#include "import/svg_limits.h"
#include "import/svg_outline.h"
#include "import/svg_shape_builder.h"
#include "import/svg_text.h"
#include "import/svg_units.h"

#include <QCoreApplication>
#include <algorithm>

namespace korvo {
namespace {

    // The shape builder leaves its shapes' device boxes at one pixel per mm; groups follow it, and
    // whoever places the picture works them out again at the view's scale.
    constexpr float ShapeBuilderScale = 1;

    // Elements drawn only where another element refers to them, or never.
    bool IsDefinition(const QString& name)
    {
        static const QStringList names { "defs", "symbol", "clipPath", "mask", "marker", "linearGradient",
            "radialGradient", "pattern", "filter", "style", "title", "desc", "metadata", "font", "font-face", "script",
            "view", "cursor" };
        return names.contains(name);
    }

    bool IsContainer(const QString& name)
    {
        return name == u"g" || name == u"a" || name == u"svg" || name == u"switch";
    }

    // Elements that draw what Korvo's shapes cannot hold: embedded documents, video, text flowed into
    // a frame (an editor's draft of SVG that most programs draw as nothing).
    bool IsOtherDrawing(const QString& name)
    {
        static const QStringList names { "foreignObject", "flowRoot", "video", "canvas", "iframe" };
        return names.contains(name);
    }

    bool IsMarkable(const QString& name)
    {
        return name == u"path" || name == u"line" || name == u"polyline" || name == u"polygon";
    }

    // A filter that only blurs draws a soft shadow or glow of its element, not the element itself.
    bool OnlyBlurs(const TSvgTree& tree, const QString& filter)
    {
        const int index = tree.Find(filter);
        if (index < 0)
            return false;
        const std::vector<int>& steps = tree.Nodes[static_cast<std::size_t>(index)].Children;
        const auto blur = [&tree](int step) {
            const TSvgNode& node = tree.Nodes[static_cast<std::size_t>(step)];
            return node.IsText() || node.Name == u"feGaussianBlur";
        };
        return !steps.empty() && std::all_of(steps.begin(), steps.end(), blur);
    }

    std::optional<QRectF> ViewBox(const TSvgNode& node)
    {
        const std::vector<double> box = ParseSvgNumbers(node.Attribute(u"viewBox"));
        if (box.size() != 4 || box[2] <= 0 || box[3] <= 0)
            return std::nullopt;
        return QRectF(box[0], box[1], box[2], box[3]);
    }

    // Widens the box to every point of the shapes.
    void AddPointsBounds(const std::vector<TPolygon>& shapes, TMMRect& box)
    {
        for (const TPolygon& shape : shapes) {
            for (const TMMPoint& p : shape.FPoints)
                box = { std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X),
                    std::max(box.Bottom, p.Y) };
            AddPointsBounds(shape.FChildren, box);
        }
    }

    QPainterPath BoxArea(std::int32_t kind, const QRectF& box)
    {
        QPainterPath area;
        if (kind == skRectangle)
            area.addRect(box);
        else
            area.addEllipse(box);
        return area;
    }

    std::optional<QRectF> Intersect(const std::optional<QRectF>& a, const QRectF& b)
    {
        return a ? a->intersected(b) : b;
    }

} // namespace

TSvgReader::TSvgReader(const TSvgTree& tree, TSvgImport& result, bool keepsFaint)
    : Tree(tree)
    , Result(result)
    , Sheet(tree.StyleSheet)
    , Paints(tree, Sheet, result.LeftOut)
    , PointBudget(SvgLimits::MaxPoints)
    , KeepsFaint(keepsFaint)
    , Backdrop(QRectF(), keepsFaint)
{
}

QString TSvgReader::Read()
{
    const TSvgNode& root = Tree.Root();
    const std::optional<QRectF> viewBox = ViewBox(root);
    const QSizeF fallback = viewBox ? viewBox->size() : QSizeF(0, 0);
    const double width = ParseSvgLength(root.Attribute(u"width"), fallback.width()).value_or(fallback.width());
    const double height = ParseSvgLength(root.Attribute(u"height"), fallback.height()).value_or(fallback.height());
    const auto inRange = [](double units) { return units >= 0 && units / SvgUnitsPerMm <= SvgLimits::MaxPictureMm; };
    if (!inRange(width) || !inRange(height))
        return QCoreApplication::translate(
            "korvo::SvgImport", "The picture's width or height is negative or larger than %1 m.")
            .arg(SvgLimits::MaxPictureMm / 1000);
    TFrame frame;
    frame.ToPage = QTransform::fromScale(1 / SvgUnitsPerMm, 1 / SvgUnitsPerMm);
    frame.Viewport = QSizeF(width, height);
    frame = Viewport(root, frame, QRectF(0, 0, width, height));
    frame.Style = CascadeSvgStyle(root, TSvgStyle(), Sheet);
    // The picture is what shows through its own frame; what lies outside it is not part of the picture.
    if (width > 0 && height > 0) {
        frame.Clip = QRectF(0, 0, width / SvgUnitsPerMm, height / SvgUnitsPerMm);
        Backdrop = TSvgBackdrop(*frame.Clip, KeepsFaint);
    }
    for (const int child : root.Children)
        Walk(child, frame, Result.Shapes);
    Result.LeftOut.Other += Backdrop.FaintLeftOut();
    Result.Bounds = { 0, 0, float(width / SvgUnitsPerMm), float(height / SvgUnitsPerMm) };
    // A picture that does not give its size reaches from the origin as far as it draws.
    if (width <= 0 || height <= 0)
        AddPointsBounds(Result.Shapes, Result.Bounds);
    return Error;
}

TSvgReader::TFrame TSvgReader::Viewport(const TSvgNode& node, TFrame frame, QRectF area) const
{
    const std::optional<QRectF> viewBox = ViewBox(node);
    const QTransform place = QTransform::fromTranslate(area.x(), area.y());
    if (!viewBox) {
        frame.ToPage = place * frame.ToPage;
        return frame;
    }
    frame.ToPage
        = ViewBoxTransform(*viewBox, area.size(), node.Attribute(u"preserveAspectRatio")) * place * frame.ToPage;
    frame.Viewport = viewBox->size();
    return frame;
}

void TSvgReader::Walk(int index, const TFrame& parent, std::vector<TPolygon>& out)
{
    const TSvgNode& node = Tree.Nodes[static_cast<std::size_t>(index)];
    if (!Error.isEmpty() || node.IsText() || IsDefinition(node.Name))
        return;
    if (++Drawn > SvgLimits::MaxDrawnElements) {
        Error = QCoreApplication::translate("korvo::SvgImport", "The picture draws more than %1 elements.")
                    .arg(SvgLimits::MaxDrawnElements);
        return;
    }
    TFrame frame = parent;
    if (!Enter(node, frame))
        return;
    if (node.Name == u"svg") {
        const auto length = [&](QStringView name, double base, double otherwise) {
            return ParseSvgLength(node.Attribute(name), base).value_or(otherwise);
        };
        const QSizeF size = parent.Viewport;
        frame = Viewport(node, frame,
            { length(u"x", size.width(), 0), length(u"y", size.height(), 0),
                length(u"width", size.width(), size.width()), length(u"height", size.height(), size.height()) });
    }
    if (node.Name == u"switch") {
        const auto first = std::find_if(node.Children.begin(), node.Children.end(), [this](int child) {
            // Korvo knows no extensions, so a child that requires one is passed over.
            const TSvgNode& option = Tree.Nodes[static_cast<std::size_t>(child)];
            return !option.IsText() && option.Attribute(u"requiredExtensions").isEmpty();
        });
        Group(first == node.Children.end() ? std::vector<int>() : std::vector<int> { *first }, frame, out);
    } else if (IsContainer(node.Name)) {
        Group(node.Children, frame, out);
    } else if (node.Name == u"use") {
        Use(node, frame, out);
    } else if (node.Name == u"text") {
        AppendSvgText({ Tree, Sheet, Paints, Result.LeftOut, ReferencedCharacters, Error }, index, frame.Style,
            frame.ToPage, frame.Clip, out);
    } else if (node.Name == u"image") {
        ++Result.LeftOut.Bitmaps;
    } else if (IsOtherDrawing(node.Name)) {
        ++Result.LeftOut.Other;
    } else {
        Shape(node, frame, out);
    }
}

// Takes in the element's own style, transform and clip; false when it draws nothing or is left out.
bool TSvgReader::Enter(const TSvgNode& node, TFrame& frame)
{
    frame.Style = CascadeSvgStyle(node, frame.Style, Sheet);
    if (!frame.Style.Displayed)
        return false;
    frame.ToPage = ParseSvgTransform(node.Attribute(u"transform")) * frame.ToPage;
    const auto given = [](const QString& value) { return !value.isEmpty() && value.trimmed() != u"none"; };
    // A blur taken in solid would darken and widen the whole picture, so its element stays out with it;
    // an element whose filter recolours or lights it keeps its own colours.
    if (given(frame.Style.Filter)) {
        ++Result.LeftOut.Filters;
        if (OnlyBlurs(Tree, frame.Style.Filter))
            return false;
    }
    if (given(frame.Style.Mask))
        ++Result.LeftOut.Clips;
    if (given(frame.Style.ClipPath)) {
        if (const auto clip = ClipRectangle(Tree, frame.Style.ClipPath, frame.ToPage))
            frame.Clip = Intersect(frame.Clip, *clip);
        else
            ++Result.LeftOut.Clips;
    }
    return true;
}

// Children become one group when there are several shapes, the shape itself when there is one.
void TSvgReader::Group(const std::vector<int>& children, const TFrame& frame, std::vector<TPolygon>& out)
{
    std::vector<TPolygon> parts;
    for (const int child : children)
        Walk(child, frame, parts);
    if (parts.size() == 1) {
        out.push_back(std::move(parts.front()));
        return;
    }
    if (parts.empty())
        return;
    TPolygon group;
    group.SetKind(skGroup);
    std::size_t members = 0;
    for (const TPolygon& part : parts)
        members += part.IsGroup() ? part.FChildren.size() : 1;
    group.FChildren.reserve(members);
    for (TPolygon& part : parts)
        group.AddToGroup(std::move(part), ShapeBuilderScale);
    group.CalcGroupBounds(ShapeBuilderScale);
    out.push_back(std::move(group));
}

void TSvgReader::Use(const TSvgNode& node, TFrame frame, std::vector<TPolygon>& out)
{
    const int target = Tree.Find(node.Attribute(u"href"));
    if (target < 0)
        return;
    if (std::find(UseChain.begin(), UseChain.end(), target) != UseChain.end()) {
        Error = QCoreApplication::translate(
            "korvo::SvgImport", "The picture's <use> elements refer to each other in a loop.");
        return;
    }
    if (UseChain.size() >= SvgLimits::MaxUseNesting) {
        Error = QCoreApplication::translate("korvo::SvgImport", "The picture nests <use> elements more than %1 deep.")
                    .arg(SvgLimits::MaxUseNesting);
        return;
    }
    const QSizeF size = frame.Viewport;
    const auto length = [&](QStringView name, double base) { return ParseSvgLength(node.Attribute(name), base); };
    frame.ToPage
        = QTransform::fromTranslate(length(u"x", size.width()).value_or(0), length(u"y", size.height()).value_or(0))
        * frame.ToPage;
    UseChain.push_back(target);
    const TSvgNode& referenced = Tree.Nodes[static_cast<std::size_t>(target)];
    if (referenced.Name == u"symbol") {
        TFrame inner = frame;
        if (Enter(referenced, inner)) {
            const QRectF area(0, 0, length(u"width", size.width()).value_or(size.width()),
                length(u"height", size.height()).value_or(size.height()));
            Group(referenced.Children, Viewport(referenced, inner, area), out);
        }
    } else {
        Walk(target, frame, out);
    }
    UseChain.pop_back();
}

void TSvgReader::Shape(const TSvgNode& node, const TFrame& frame, std::vector<TPolygon>& out)
{
    TSvgOutline outline;
    if (!SvgOutline(node, frame.Viewport, outline, PointBudget)) {
        Error = QCoreApplication::translate("korvo::SvgImport", "The picture has more than %1 points.")
                    .arg(SvgLimits::MaxPoints);
        return;
    }
    if (outline.Path.isEmpty() || !frame.Style.Visible)
        return;
    const TSvgLayer layer = Paints.Resolve(frame.Style, { outline.Path.boundingRect(), frame.Viewport, frame.ToPage },
        StrokeScale(outline.Path, frame.ToPage), IsMarkable(node.Name));
    if (!layer.Paints())
        return;
    if (outline.BoxKind != 0 && KeepsBoxes(frame.ToPage)) {
        QRectF box = frame.ToPage.mapRect(outline.Box);
        if (frame.Clip && outline.BoxKind == skRectangle)
            box = box.intersected(*frame.Clip);
        if (!frame.Clip || frame.Clip->contains(box)) {
            if (!box.isEmpty())
                AppendBoxShape(outline.BoxKind, box, Backdrop.Settle(layer, BoxArea(outline.BoxKind, box)), out);
            return;
        }
    }
    QPainterPath path = frame.ToPage.map(outline.Path);
    if (frame.Clip)
        path = ClipToRectangle(path, *frame.Clip, layer.Fill.style() != Qt::NoBrush);
    path.setFillRule(layer.Paint.Rule);
    if (!path.isEmpty())
        AppendPathShapes(path, Backdrop.Settle(layer, path), out);
}

} // namespace korvo
