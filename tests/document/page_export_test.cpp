#include "document/drawing_file.h"
#include "document/page_export.h"

#include "support/temp_files.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

using PageExport = TTempFolderTest;

// A cropped picture takes in the margin round the shapes, or their pens where those reach further: at
// 4 pixels to the mm a pen of 41 units paints 29 pixels and reaches 3.5 mm beyond the outline, one of 5
// units paints 3 pixels.
TEST_F(PageExport, CropTakesInTheMarginOrAThickPenWhole)
{
    const struct {
        const char* name;
        std::int32_t penWidth;
        std::uint8_t penStyle;
        std::int32_t kind;
        QSize size;
    } cases[] = {
        { "a thin pen keeps the margin", 5, psSolid, skRectangle, { 96, 96 } },
        { "a thick pen reaches past it", 41, psSolid, skRectangle, { 108, 108 } },
        { "a clear pen paints nothing", 41, psClear, skRectangle, { 96, 96 } },
        { "a text paints no pen", 41, psSolid, skText, { 96, 96 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto shape = std::make_shared<TPolygon>();
        shape->SetKind(c.kind);
        shape->FPoints = { { 10, 10 }, { 10, 30 }, { 30, 30 }, { 30, 10 } };
        shape->FPen.Width = c.penWidth;
        shape->FPen.Style = c.penStyle;
        shape->CalcBounds(1);
        const QString png = Path(QStringLiteral("crop.png"));
        ExportPagePng({ shape }, png, 1, true);
        EXPECT_EQ(QImage(png).size(), c.size);
    }
}

} // namespace
