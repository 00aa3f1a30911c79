#include "import/svg_shape_builder.h"

namespace korvo {

void AppendPathShapes(const QPainterPath& pathMm, const TSvgPaint& paint, std::vector<TPolygon>& out)
{
    Q_UNUSED(pathMm);
    Q_UNUSED(paint);
    Q_UNUSED(out);
}

void AppendBoxShape(std::int32_t kind, const QRectF& boxMm, const TSvgPaint& paint, std::vector<TPolygon>& out)
{
    Q_UNUSED(kind);
    Q_UNUSED(boxMm);
    Q_UNUSED(paint);
    Q_UNUSED(out);
}

void AppendTextShape(const TSvgText& text, std::vector<TPolygon>& out)
{
    Q_UNUSED(text);
    Q_UNUSED(out);
}

} // namespace korvo
