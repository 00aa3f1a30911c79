#include "drawing_fixture.h"

#include <QMimeData>
#include <QSvgRenderer>

#include <functional>

using namespace korvo;
using namespace korvo::test;

namespace {

class Clipboard : public TDrawingTest {
protected:
    void SetUp() override
    {
        TDrawingTest::SetUp();
        Load({ BoxShape(1, 10, 10, 20, 20), GroupShape(2, { BoxShape(3, 30, 10, 40, 20), BoxShape(4, 45, 10, 50, 30) }),
            BoxShape(5, 60, 60, 70, 70) });
    }

    // The boxes of the shapes from index `first` on.
    std::vector<TMMRect> BoxesFrom(int first) const
    {
        std::vector<TMMRect> boxes;
        for (std::size_t i = static_cast<std::size_t>(first); i < drawing.Shapes().size(); ++i)
            boxes.push_back(drawing.Shapes()[i]->FBounds);
        return boxes;
    }

    void ExpectMovedBy(const std::vector<TMMRect>& boxes, const std::vector<TMMRect>& from, float d) const
    {
        ASSERT_EQ(boxes.size(), from.size());
        for (std::size_t i = 0; i < boxes.size(); ++i)
            ExpectBox(boxes[i], from[i].Left + d, from[i].Top + d, from[i].Right + d, from[i].Bottom + d);
    }
};

TEST_F(Clipboard, PastesTwiceAtTheSameOffsetAndUndoesOnlyTheLast)
{
    Select({ 2, 1 });
    drawing.CopySelection();
    EXPECT_EQ(drawing.ClipboardCount(), 2);
    const std::vector<TMMRect> copied { Shape(2).FBounds, Shape(1).FBounds };

    drawing.Paste();
    ExpectMovedBy(BoxesFrom(3), copied, 2);
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t> { 1, 2, 5, 2, 1 })) << "copies in selection order, in front";
    EXPECT_EQ(drawing.SelCount(), 2);
    EXPECT_EQ(drawing.Selection()[0], drawing.Shapes()[3].get());
    EXPECT_EQ(drawing.GetUndoCaption(), QStringLiteral("Undo paste"));
    const TPolygon& group = *drawing.Shapes()[3];
    ASSERT_EQ(group.FChildren.size(), 2u);
    ExpectBox(group.FChildren[0].FBounds, 32, 12, 42, 22);

    drawing.Paste();
    ExpectMovedBy(BoxesFrom(5), copied, 2);
    EXPECT_EQ(drawing.ShapeCount(), 7);
    EXPECT_EQ(drawing.Selection()[0], drawing.Shapes()[5].get()) << "the second set is selected";

    drawing.Undo();
    EXPECT_EQ(drawing.ShapeCount(), 5);
    ExpectMovedBy(BoxesFrom(3), copied, 2);
    ExpectSoundSelection();
}

TEST_F(Clipboard, SurvivesANewDrawing)
{
    Select({ 5 });
    drawing.CopySelection();
    drawing.Clear();
    drawing.Paste();
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t> { 5 }));
    ExpectBox(drawing.Shapes()[0]->FBounds, 62, 62, 72, 72);
}

TEST_F(Clipboard, CutThenPasteBringsTheShapesBackOffset)
{
    Select({ 1 });
    drawing.CopySelection();
    drawing.DeleteSelection();
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t> { 2, 5 }));
    drawing.Paste();
    EXPECT_EQ(Ids(), (std::vector<std::uint32_t> { 2, 5, 1 }));
    ExpectBox(Shape(1).FBounds, 12, 12, 22, 22);
}

TEST_F(Clipboard, CopiesDoNotFollowLaterEditsOfTheOriginals)
{
    Select({ 1 });
    drawing.CopySelection();
    drawing.MoveSelection(40, 0);
    drawing.Paste();
    ExpectBox(drawing.Shapes().back()->FBounds, 12, 12, 22, 22);
}

TEST_F(Clipboard, CopiesLeaveThePickedNodeWithTheOriginal)
{
    drawing.SetSelectedNode(0, 2);
    Select({ 1 });
    drawing.CopySelection();
    drawing.Paste();
    EXPECT_EQ(drawing.GetSelectedNode(3), -1);
}

TEST_F(Clipboard, TransformsOfCopiesLeaveTheClipboardAndUndoWithTheirCopies)
{
    const std::pair<const char*, std::function<void()>> transforms[] = {
        { "Undo resize selection", [this] { drawing.ScaleSelection(200, TApplyTo::Copy); } },
        { "Undo rotation", [this] { drawing.RotateSelectionAboutCentre(90, TApplyTo::Copy); } },
    };
    for (const auto& [caption, transform] : transforms) {
        SCOPED_TRACE(caption);
        Load({ BoxShape(1, 10, 10, 20, 20), BoxShape(2, 30, 10, 40, 20), BoxShape(5, 60, 60, 70, 70) });
        Select({ 2 });
        drawing.CopySelection();
        Select({ 5, 1 });
        const QByteArray before = Snapshot();
        transform();
        EXPECT_EQ(Ids(), (std::vector<std::uint32_t> { 1, 2, 5, 5, 1 }));
        EXPECT_EQ(drawing.Selection()[0], drawing.Shapes()[3].get()) << "the copies, in selection order";
        EXPECT_EQ(drawing.Selection()[1], drawing.Shapes()[4].get());
        ExpectBox(drawing.Shapes()[0]->FBounds, 10, 10, 20, 20);
        EXPECT_NE(drawing.Shapes()[4]->FBounds, drawing.Shapes()[0]->FBounds) << "the copy is transformed";
        EXPECT_EQ(drawing.GetUndoCaption(), QLatin1String(caption));
        drawing.Undo();
        EXPECT_EQ(Snapshot(), before) << "one step takes the copies away";
        EXPECT_FALSE(drawing.CanUndo());
        drawing.Paste();
        EXPECT_EQ(Ids(), (std::vector<std::uint32_t> { 1, 2, 5, 2 })) << "the clipboard still holds what was copied";
    }
}

TEST_F(Clipboard, PasteWithNothingCopiedChangesNothing)
{
    const QByteArray before = Snapshot();
    drawing.Paste();
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(drawing.CanUndo());
    Select({});
    drawing.CopySelection();
    EXPECT_EQ(drawing.ClipboardCount(), 0) << "copying nothing empties the clipboard";
}

TEST_F(Clipboard, SystemClipboardGetsTheSelectionAsVectorAndPixels)
{
    SetPrinterPixelsPerInch(600);
    Select({ 1 });
    const std::unique_ptr<QMimeData> data = drawing.SelectionMimeData();
    // 10 mm at 600 pixels per inch.
    const int side = qRound(10 * 600 / 25.4);
    EXPECT_TRUE(data->data(QStringLiteral("image/x-emf")).startsWith(QByteArray("\x01\0\0\0", 4)));
    EXPECT_EQ(data->data(QStringLiteral("image/emf")), data->data(QStringLiteral("image/x-emf")));
    EXPECT_TRUE(QSvgRenderer(data->data(QStringLiteral("image/svg+xml"))).isValid());
    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")));
    EXPECT_NEAR(png.width(), side, 1);
    EXPECT_NEAR(png.height(), side, 1);
    EXPECT_TRUE(png.hasAlphaChannel()) << "transparent around the shapes";
}

} // namespace
