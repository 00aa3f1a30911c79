#include "tools/shape_builders.h"

#include "geometry/units.h"

namespace korvo::tools {

namespace {

    constexpr float Scale = BaseScale;

    TPolygon Styled(std::int32_t kind, TPen pen, TColour fill)
    {
        TPolygon shape;
        shape.SetKind(kind);
        shape.FPen = pen;
        shape.FBrush.SetFill(fill);
        return shape;
    }

} // namespace

TPen Pen(TColour colour, std::int32_t width, std::uint8_t style) { return { colour, style, width }; }

TPolygon Box(std::int32_t kind, TMMRect r, TPen pen, TColour fill)
{
    TPolygon shape = Styled(kind, pen, fill);
    shape.SetFromRect(r, Scale);
    shape.CalcGrips();
    return shape;
}

TPolygon Points(std::int32_t kind, TMMArray points, TPen pen, TColour fill, std::uint8_t lineEnd)
{
    TPolygon shape = Styled(kind, pen, fill);
    shape.FPoints = std::move(points);
    shape.FLineEnd = lineEnd;
    shape.CalcBounds(Scale);
    shape.CalcGrips();
    return shape;
}

TPolygon Built(std::int32_t kind, TMMRect r, TPen pen, TColour fill, void (TPolygon::*build)(const TMMRect&, float))
{
    TPolygon shape = Styled(kind, pen, fill);
    (shape.*build)(r, Scale);
    shape.CalcGrips();
    return shape;
}

TPolygon Text(TMMRect frame, const QString& text, const TTextStyle& style)
{
    TPolygon shape;
    shape.SetKind(skText);
    shape.FFont.SetFace(style.Face);
    shape.FFont.SetSize(style.Size);
    shape.FFont.SetCharset(style.Charset);
    shape.FFont.SetBold(style.Bold);
    shape.FFont.SetItalic(style.Italic);
    shape.FFont.SetUnderline(style.Underline);
    shape.FFont.SetOrientation(style.Orientation);
    shape.FFont.Colour = style.Colour;
    shape.FText = EncodeText(text, style.Charset).value();
    shape.SetFromRect(frame, Scale);
    shape.CalcGrips();
    return shape;
}

TPolygon GraphPaper(TMMRect r, std::int32_t squareSize, TColour majorLines)
{
    TPolygon shape = Built(skGraphPaper, r, Pen(0x00C08000), NoFillColour, &TPolygon::MakeGraphPaper);
    shape.FFont.SetSize(squareSize);
    shape.FFont.Colour = majorLines;
    return shape;
}

TPolygon Group(std::vector<TPolygon> children)
{
    TPolygon group;
    group.SetKind(skGroup);
    for (TPolygon& child : children)
        group.AddToGroup(std::move(child), Scale);
    return group;
}

} // namespace korvo::tools
