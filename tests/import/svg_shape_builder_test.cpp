#include "import/svg_shape_builder.h"

#include <gtest/gtest.h>

namespace korvo {
namespace {

    TEST(SvgShapeBuilder, EmptyPathAddsNothing)
    {
        std::vector<TPolygon> shapes;
        AppendPathShapes(QPainterPath(), TSvgPaint(), shapes);
        EXPECT_TRUE(shapes.empty());
    }

} // namespace
} // namespace korvo
