#include "document/drawing.h"
#include "document/shared_settings.h"
#include "shapes/file_io.h"
#include "support/record_fixture.h"
#include "support/temp_files.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace korvo;
using namespace korvo::test;

namespace {

const QString SamplesDir = QStringLiteral(KORVO_SAMPLES_DIR);

QByteArray Font(std::int32_t height, const QByteArray& face, bool bold, std::uint8_t charset)
{
    TLeBytes b;
    return LogFont(b, height, face, bold, charset);
}

// Back to front: a filled rectangle, a two-line text with a byte above 0x7F, a dotted arrow and a
// group of a circle and a polyline whose stored extent is the union of theirs.
std::vector<TRecordFixture> SeveralKinds()
{
    TRecordFixture rectangle;
    rectangle.Kind = skRectangle;
    rectangle.PenColour = 0x000000FF;
    rectangle.PenWidth = 2;
    rectangle.BrushColour = 0x00C0FFC0;
    rectangle.BrushStyle = 0;
    rectangle.Points = { { 10, 10 }, { 10, 30 }, { 40, 30 }, { 40, 10 } };

    TRecordFixture text;
    text.Kind = skText;
    text.FontColour = 0x00FF0000;
    text.Font = Font(-16, "Liberation Serif", true, 0);
    text.Text = "Caf\xE9\r\nsecond line";
    text.Points = { { 20, 50 }, { 20, 60 }, { 80, 60 }, { 80, 50 } };

    TRecordFixture arrow;
    arrow.Kind = skLine;
    arrow.PenStyle = 2;
    arrow.Points = { { 0.1f, 5 }, { 60.25f, 5 } };
    arrow.LineEnd = leArrow;

    TRecordFixture circle;
    circle.Kind = skCircle;
    circle.Points = { { 100, 110 }, { 125, 100 }, { 150, 110 }, { 125, 120 }, { 100, 110 } };
    TRecordFixture polyline;
    polyline.Kind = skPolyline;
    polyline.Points = { { 100, 130 }, { 150, 140 } };
    TRecordFixture group;
    group.Kind = skGroup;
    group.Bounds = { { 100, 100, 150, 140 } };
    group.Children = { circle, polyline };

    return { rectangle, text, arrow, group };
}

// What a failed load or save must leave alone: the very same shape objects with the same content,
// and the document state.
struct TDrawingSnapshot {
    std::vector<const TPolygon*> Objects;
    QByteArray Content;
    TDocState State;

    explicit TDrawingSnapshot(const TDrawing& drawing)
        : Content(EncodeDrawing(drawing.Shapes()))
        , State(DocState)
    {
        for (const TShapePtr& shape : drawing.Shapes())
            Objects.push_back(shape.get());
    }
    friend bool operator==(const TDrawingSnapshot& a, const TDrawingSnapshot& b)
    {
        return a.Objects == b.Objects && a.Content == b.Content && a.State == b.State;
    }
};

class DrawingFile : public TTempFolderTest {
protected:
    // A drawing with shapes in it, in a state a load would change: the sample with graph paper.
    void OpenSample(TDrawing& drawing) const
    {
        drawing.LoadFile(SamplesDir + QStringLiteral("/graph-paper.kv"));
        ASSERT_EQ(drawing.ShapeCount(), 4);
        DocState = dsChanged;
    }
};

TEST_F(DrawingFile, EmptyDrawingIsFourZeroBytes)
{
    TDrawing drawing;
    DocState = dsUntitledChanged;
    const QString path = Path(QStringLiteral("empty.kv"));
    drawing.SaveFile(path);
    EXPECT_EQ(ReadAll(path), QByteArray(4, '\0'));
    EXPECT_EQ(DocState, dsSaved);

    TDrawing other;
    OpenSample(other);
    other.LoadFile(path);
    EXPECT_EQ(other.ShapeCount(), 0);
    EXPECT_EQ(DocState, dsSaved);
}

TEST_F(DrawingFile, LoadsShapesInOrderAndSavesThemBackUnchanged)
{
    const QByteArray bytes = DrawingFixture(SeveralKinds());
    TDrawing drawing;
    drawing.SetScale(2.0f);
    DocState = dsChanged;
    drawing.LoadFile(Fixture(QStringLiteral("kinds.kv"), bytes));

    EXPECT_EQ(DocState, dsSaved);
    EXPECT_EQ(drawing.SelCount(), 0);
    EXPECT_EQ(drawing.Scale(), 2.0f);
    ASSERT_EQ(drawing.ShapeCount(), 4);
    const TShapeList& shapes = drawing.Shapes();
    EXPECT_EQ(shapes[0]->FKind, skRectangle);
    EXPECT_EQ(shapes[0]->FPen, (TPen { 0x000000FF, psSolid, 2 }));
    EXPECT_EQ(shapes[0]->FBrush, (TBrush { 0x00C0FFC0, bsSolid }));
    EXPECT_EQ(shapes[1]->FKind, skText);
    EXPECT_EQ(shapes[1]->FText, QByteArray("Caf\xE9\r\nsecond line"));
    EXPECT_TRUE(shapes[1]->FFont.Bold());
    EXPECT_EQ(shapes[1]->FFont.Size(), 12);
    EXPECT_EQ(shapes[2]->FKind, skLine);
    EXPECT_EQ(shapes[2]->FLineEnd, leArrow);
    EXPECT_EQ(shapes[2]->GetPoint(0), (TMMPoint { 0.1f, 5 }));
    EXPECT_EQ(shapes[3]->FKind, skGroup);
    ASSERT_EQ(shapes[3]->ChildCount(), 2);
    EXPECT_EQ(shapes[3]->FChildren[0].FKind, skCircle);
    EXPECT_EQ(shapes[3]->FChildren[1].FKind, skPolyline);

    const QString saved = Path(QStringLiteral("saved.kv"));
    DocState = dsChanged;
    drawing.SaveFile(saved);
    EXPECT_EQ(ReadAll(saved), bytes);
    EXPECT_EQ(DocState, dsSaved);
}

TEST_F(DrawingFile, LoaderRecomputesBoundsFromPointsAtTheDrawingScale)
{
    const std::array<float, 4> stale { 1, 2, 3, 4 };
    TRecordFixture polygon;
    polygon.Points = { { 10, 20 }, { 30, 5 }, { 25, 40 } };
    polygon.Bounds = stale;
    TRecordFixture circle = polygon;
    circle.Kind = skCircle;
    TRecordFixture text = polygon;
    text.Kind = skText;
    TRecordFixture rectangle = polygon;
    rectangle.Kind = skRectangle;
    TRecordFixture group;
    group.Kind = skGroup;
    group.Bounds = { { 5, 6, 50, 60 } };
    group.Children = { circle, text, rectangle };

    TDrawing drawing;
    drawing.SetScale(3.0f);
    drawing.LoadFile(Fixture(QStringLiteral("stale.kv"), DrawingFixture({ polygon, group })));
    ASSERT_EQ(drawing.ShapeCount(), 2);

    const TMMRect box { 10, 5, 30, 40 };
    const TPolygon& top = *drawing.Shapes()[0];
    EXPECT_EQ(top.FBounds, box);
    EXPECT_EQ(top.FDevRect, (TRect { 30, 15, 90, 120 }));
    EXPECT_EQ(top.GetGripRect(4).Left, 90) << "the handles follow the new bounds";

    // A group has no points: its stored extent stands. Of its children only circles and texts are
    // brought up to date; the others keep what the file says.
    const TPolygon& loadedGroup = *drawing.Shapes()[1];
    EXPECT_EQ(loadedGroup.FBounds, (TMMRect { 5, 6, 50, 60 }));
    EXPECT_EQ(loadedGroup.FDevRect, (TRect { 15, 18, 150, 180 }));
    EXPECT_EQ(loadedGroup.FChildren[0].FBounds, box);
    EXPECT_EQ(loadedGroup.FChildren[0].FDevRect, (TRect { 30, 15, 90, 120 }));
    EXPECT_EQ(loadedGroup.FChildren[1].FBounds, box);
    EXPECT_EQ(loadedGroup.FChildren[2].FBounds, (TMMRect { 1, 2, 3, 4 }));
}

TEST_F(DrawingFile, SamplesSurviveLoadAndSaveByteForByte)
{
    for (const char* name : { "texts.kv", "graph-paper.kv" }) {
        const QByteArray original = ReadAll(SamplesDir + QLatin1Char('/') + QLatin1String(name));
        ASSERT_FALSE(original.isEmpty()) << name;
        TDrawing drawing;
        drawing.LoadFile(SamplesDir + QLatin1Char('/') + QLatin1String(name));
        const QString copy = Path(QLatin1String(name));
        drawing.SaveFile(copy);
        EXPECT_EQ(ReadAll(copy), original) << name;
    }
}

QByteArray NestedGroups(int levels)
{
    TLeBytes b;
    b.I32(1);
    TRecordFixture group;
    group.Kind = skGroup;
    const TRecordFixture leaf;
    for (int i = 0; i < levels; ++i) {
        // A group's fixed part ends in its child count; its one child's record follows at once.
        TLeBytes header;
        AppendRecord(header, group);
        b.Raw(header.Bytes().chopped(4)).I32(1);
    }
    return AppendRecord(b, leaf);
}

TEST_F(DrawingFile, DamagedContentFailsAndLeavesTheDrawingAsItWas)
{
    const QByteArray one = DrawingFixture({ TRecordFixture {} });
    const auto withInt32At = [&one](int offset, std::int32_t v) {
        QByteArray bytes = one;
        bytes.replace(offset, 4, TLeBytes().I32(v).Bytes());
        return bytes;
    };
    // Offsets in a one-shape file with no text and no points: 4 + the record offset.
    constexpr int TextLength = 4 + 78;
    constexpr int PointCount = 4 + 86;
    constexpr int ChildCount = 4 + 107;
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        { "empty file", {} },
        { "shorter than the count", QByteArray("\x01\x00", 2) },
        { "negative shape count", withInt32At(0, -1) },
        { "most negative shape count", withInt32At(0, INT32_MIN) },
        { "largest shape count", withInt32At(0, INT32_MAX) },
        { "two shapes announced, one present", withInt32At(0, 2) },
        { "negative text length", withInt32At(TextLength, -5) },
        { "text longer than the file", withInt32At(TextLength, INT32_MAX) },
        { "negative point count", withInt32At(PointCount, -1) },
        { "more points than bytes", withInt32At(PointCount, 0x20000000) },
        { "negative child count", withInt32At(ChildCount, -1) },
        { "children without records", withInt32At(ChildCount, 3) },
        { "groups nested without end", NestedGroups(100000).chopped(1) },
        { "groups nested deeper than any drawing", NestedGroups(100000) },
    };
    TDrawing drawing;
    OpenSample(drawing);
    const TDrawingSnapshot before(drawing);
    for (const Case& c : cases) {
        const QString path = Fixture(QStringLiteral("damaged.kv"), c.bytes);
        try {
            drawing.LoadFile(path);
            ADD_FAILURE() << c.name << ": loaded";
        } catch (const EFileError& e) {
            EXPECT_TRUE(e.Message().contains(path)) << c.name << ": " << e.what();
        }
        EXPECT_TRUE(TDrawingSnapshot(drawing) == before) << c.name;
    }
}

TEST_F(DrawingFile, DeepButBoundedNestingLoads)
{
    TDrawing drawing;
    drawing.LoadFile(Fixture(QStringLiteral("deep.kv"), NestedGroups(1000)));
    ASSERT_EQ(drawing.ShapeCount(), 1);
    int depth = 0;
    for (const TPolygon* shape = drawing.Shapes()[0].get(); shape->ChildCount() == 1; shape = &shape->FChildren[0])
        ++depth;
    EXPECT_EQ(depth, 1000);
}

TEST_F(DrawingFile, EveryTruncationOfASampleFails)
{
    const QByteArray sample = ReadAll(SamplesDir + QStringLiteral("/texts.kv"));
    ASSERT_GT(sample.size(), 1000);
    TDrawing drawing;
    OpenSample(drawing);
    const TDrawingSnapshot before(drawing);
    const QString path = Path(QStringLiteral("cut.kv"));
    for (qsizetype size = 0; size < sample.size(); ++size) {
        ASSERT_TRUE(WriteAll(path, sample.first(size)));
        EXPECT_THROW(drawing.LoadFile(path), EFileError) << "cut after " << size << " bytes";
        ASSERT_TRUE(TDrawingSnapshot(drawing) == before) << "cut after " << size << " bytes";
    }
}

TEST_F(DrawingFile, UnreadablePathsFailAndLeaveTheDrawingAsItWas)
{
    const QString fifo = Path(QStringLiteral("pipe.kv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        const char* name;
        QString path;
    };
    // A pipe or a device would never end; they must be refused, not read.
    const Case cases[] = {
        { "missing file", Path(QStringLiteral("missing.kv")) },
        { "folder", FDir.path() },
        { "named pipe", fifo },
        { "endless device", QStringLiteral("/dev/zero") },
    };
    TDrawing drawing;
    OpenSample(drawing);
    const TDrawingSnapshot before(drawing);
    for (const Case& c : cases) {
        try {
            drawing.LoadFile(c.path);
            ADD_FAILURE() << c.name << ": loaded";
        } catch (const EFileError& e) {
            EXPECT_TRUE(e.Message().contains(c.path)) << c.name << ": " << e.what();
        }
        EXPECT_TRUE(TDrawingSnapshot(drawing) == before) << c.name;
    }
}

TEST_F(DrawingFile, FailedSaveKeepsTheOldFileAndTheState)
{
    TDrawing drawing;
    OpenSample(drawing);
    ASSERT_TRUE(WriteAll(Path(QStringLiteral("plain.txt")), "not a folder"));
    for (const QString& path : { Path(QStringLiteral("missing/out.kv")), Path(QStringLiteral("plain.txt/out.kv")) }) {
        DocState = dsChanged;
        EXPECT_THROW(drawing.SaveFile(path), EFileError) << qPrintable(path);
        EXPECT_EQ(DocState, dsChanged) << qPrintable(path);
        EXPECT_FALSE(QFile::exists(path)) << qPrintable(path);
    }
}

} // namespace
