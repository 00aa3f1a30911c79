#include "import/svg_path_data.h"

#include <gtest/gtest.h>

namespace korvo {
namespace {

    TEST(SvgPathData, EmptyDataIsNoPath)
    {
        QPainterPath path;
        qint64 budget = 100;
        EXPECT_TRUE(ParseSvgPathData(u"", path, budget));
        EXPECT_TRUE(path.isEmpty());
    }

} // namespace
} // namespace korvo
