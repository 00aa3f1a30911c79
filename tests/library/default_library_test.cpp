// The library built for shipping with the program, as the program loads it.

#include "library/library_test_support.h"
#include "shapes/code_page.h"
#include "shapes/shape_thumbnail.h"
#include "support/paint_helpers.h"

#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace korvo;
using namespace korvo::test;

namespace {

class DefaultLibrary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FLibrary.LoadFile(QStringLiteral(KORVO_DEFAULT_LIBRARY))); }

    std::int32_t PageNamed(const char* name) const
    {
        return static_cast<std::int32_t>(FLibrary.Pages().indexOf(QByteArray(name)));
    }

    TRecordingReporter FReporter;
    TPolyLib FLibrary { FReporter };
};

std::string Name(const TLibShape& entry) { return DecodeText(entry.FName, DefaultCharset).toStdString(); }

TEST_F(DefaultLibrary, HasSevenPagesOfNamedPicturesPlacedAtTheOrigin)
{
    ASSERT_GE(FLibrary.Pages().size(), 7);
    EXPECT_GE(FLibrary.Entries().size(), 90u);
    for (std::int32_t page = 0; page < FLibrary.Pages().size(); ++page) {
        const std::vector<TLibShape*> entries = FLibrary.PageEntries(page);
        EXPECT_FALSE(entries.empty()) << FLibrary.GetPageName(page).constData();
        QSet<QByteArray> names;
        for (const TLibShape* entry : entries) {
            SCOPED_TRACE(Name(*entry));
            EXPECT_FALSE(names.contains(entry->FName)) << "the same name twice on a page";
            names.insert(entry->FName);
            const TPolygon& shape = entry->FShape;
            EXPECT_TRUE(!shape.IsGroup() || shape.ChildCount() >= 2);
            EXPECT_EQ(shape.FBounds.Left, 0.0f);
            EXPECT_EQ(shape.FBounds.Top, 0.0f);
        }
    }
}

TEST_F(DefaultLibrary, EveryPictureShowsInItsThumbnail)
{
    TFontCache fonts;
    for (const auto& entry : FLibrary.Entries()) {
        QImage row = WhiteCanvas(240, 60);
        QPainter painter(&row);
        TShapePainter shapes(painter, TPaintTarget::Screen, 96, fonts);
        const TRect used = DrawThumbnail(shapes, painter, entry->FShape, { 2, 1, 238, 59 });
        painter.end();
        EXPECT_GT(InkIn(row, used.ToQRect()), 0) << Name(*entry);
        EXPECT_TRUE(shapes.Errors().IsEmpty()) << Name(*entry);
    }
}

// The picture's extent, from its parts' own bounds: a group's bounds are kept only to a device pixel.
TMMRect Extent(const TPolygon& shape)
{
    if (!shape.IsGroup())
        return shape.FBounds;
    TMMRect r = shape.FChildren.front().FBounds;
    for (const TPolygon& child : shape.FChildren) {
        r = { std::min(r.Left, child.FBounds.Left), std::min(r.Top, child.FBounds.Top),
            std::max(r.Right, child.FBounds.Right), std::max(r.Bottom, child.FBounds.Bottom) };
    }
    return r;
}

// A symbol's terminals are the ends of its leads at the edge of the picture, where wires meet them.
TEST_F(DefaultLibrary, ElectricalTerminalsLieOnWholeMillimetres)
{
    const std::int32_t page = PageNamed("Electricity");
    ASSERT_GE(page, 0);
    const auto onEdge
        = [](float v, float low, float high) { return std::abs(v - low) < 1e-4f || std::abs(v - high) < 1e-4f; };
    const auto whole = [](float v) { return std::abs(v - std::round(v)) < 1e-4f; };
    for (const TLibShape* entry : FLibrary.PageEntries(page)) {
        SCOPED_TRACE(Name(*entry));
        const TMMRect extent = Extent(entry->FShape);
        int terminals = 0;
        for (const TPolygon& part : entry->FShape.FChildren) {
            if (part.FKind != skLine && part.FKind != skOpenPolygon)
                continue;
            for (const TMMPoint end : { part.FPoints.front(), part.FPoints.back() }) {
                if (!onEdge(end.X, extent.Left, extent.Right) && !onEdge(end.Y, extent.Top, extent.Bottom))
                    continue;
                ++terminals;
                EXPECT_TRUE(whole(end.X) && whole(end.Y)) << "terminal at " << end.X << ", " << end.Y;
            }
        }
        EXPECT_GE(terminals, 1);
    }
}

} // namespace
