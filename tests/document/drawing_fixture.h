#pragma once

// A drawing filled from a drawing file built field by field, with the checks the editing tests
// share. Every shape carries a small id as its pen colour, so a test can name shapes after any
// reordering without relying on the product's own bookkeeping.

#include "document/drawing.h"
#include "document/shared_settings.h"
#include "geometry/units.h"
#include "shapes/error_reporter.h"

#include "support/record_fixture.h"
#include "support/temp_files.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <vector>

namespace korvo::test {

using TPoints = std::vector<std::pair<float, float>>;

inline TRecordFixture PathShape(std::uint32_t id, std::int32_t kind, TPoints points)
{
    TRecordFixture shape;
    shape.PenColour = id;
    shape.Kind = kind;
    shape.Points = std::move(points);
    return shape;
}

// A rectangle-like shape over (l, t)-(r, b) mm in the rectangle tool's point order.
inline TRecordFixture BoxShape(std::uint32_t id, float l, float t, float r, float b, std::int32_t kind = skRectangle)
{
    return PathShape(id, kind, { { l, t }, { l, b }, { r, b }, { r, t } });
}

// A group whose box is the box of its children's boxes.
inline TRecordFixture GroupShape(std::uint32_t id, std::vector<TRecordFixture> children)
{
    TRecordFixture group;
    group.PenColour = id;
    group.Kind = skGroup;
    std::array<float, 4> box = children.front().PointBox();
    for (const TRecordFixture& child : children) {
        const std::array<float, 4> b = child.PointBox();
        box = { std::min(box[0], b[0]), std::min(box[1], b[1]), std::max(box[2], b[2]), std::max(box[3], b[3]) };
    }
    group.Bounds = box;
    group.Children = std::move(children);
    return group;
}

class TReporterLog : public TErrorReporter {
public:
    void ReportError(const QString& message) override { Messages.append(message); }
    QStringList Messages;
};

// At zoom x1, 4 pixels to the millimetre, with no scroll offset unless a test sets one.
class TDrawingTest : public TTempFolderTest {
protected:
    TDrawingTest()
        : drawing(&reporter)
    {
        drawing.SetScale(BaseScale);
        drawing.SetViewSize(400, 300);
    }

    // Leaves the drawing saved, with no selection and no undo history.
    void Load(const std::vector<TRecordFixture>& shapes)
    {
        drawing.LoadFile(Fixture(QStringLiteral("scene.kv"), DrawingFixture(shapes)));
    }

    static std::uint32_t Id(const TPolygon* shape) { return shape->FPen.Colour; }

    std::vector<std::uint32_t> Ids() const
    {
        std::vector<std::uint32_t> ids;
        for (const TShapePtr& shape : drawing.Shapes())
            ids.push_back(Id(shape.get()));
        return ids;
    }

    std::vector<std::uint32_t> SelectedIds() const
    {
        std::vector<std::uint32_t> ids;
        for (const TPolygon* shape : drawing.Selection())
            ids.push_back(Id(shape));
        return ids;
    }

    int IndexOf(std::uint32_t id) const
    {
        const std::vector<std::uint32_t> ids = Ids();
        const auto it = std::find(ids.begin(), ids.end(), id);
        return it == ids.end() ? -1 : static_cast<int>(it - ids.begin());
    }

    const TPolygon& Shape(std::uint32_t id) const
    {
        return *drawing.Shapes().at(static_cast<std::size_t>(IndexOf(id)));
    }

    // Selects the shapes in the order given, and nothing else.
    void Select(const std::vector<std::uint32_t>& ids)
    {
        drawing.Deselect();
        for (std::uint32_t id : ids)
            drawing.ToggleSelected(IndexOf(id));
    }

    // Everything a file would keep of the drawing.
    QByteArray Snapshot() const { return EncodeDrawing(drawing.Shapes()); }

    // The selection refers only to shapes of the drawing, each at most once.
    void ExpectSoundSelection() const
    {
        std::set<const TPolygon*> shapes;
        for (const TShapePtr& shape : drawing.Shapes())
            shapes.insert(shape.get());
        std::set<const TPolygon*> seen;
        for (const TPolygon* shape : drawing.Selection()) {
            EXPECT_TRUE(shapes.count(shape)) << "a selected shape is not in the drawing";
            EXPECT_TRUE(seen.insert(shape).second) << "a shape is selected twice";
        }
    }

    TReporterLog reporter;
    TDrawing drawing;
};

inline void ExpectBox(const TMMRect& box, float l, float t, float r, float b, float tolerance = 1e-4f)
{
    EXPECT_NEAR(box.Left, l, tolerance);
    EXPECT_NEAR(box.Top, t, tolerance);
    EXPECT_NEAR(box.Right, r, tolerance);
    EXPECT_NEAR(box.Bottom, b, tolerance);
}

inline void ExpectPoints(const TMMArray& points, const TPoints& expected, float tolerance = 1e-4f)
{
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(points[i].X, expected[i].first, tolerance) << "point " << i;
        EXPECT_NEAR(points[i].Y, expected[i].second, tolerance) << "point " << i;
    }
}

} // namespace korvo::test
