#include "library/library_test_support.h"
#include "shapes/shape_kinds.h"
#include "support/record_fixture.h"
#include "support/temp_files.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

const QString SamplesDir = QStringLiteral(KORVO_SAMPLES_DIR);
const QString SampleLibrary = SamplesDir + QStringLiteral("/sample-library.kvl");

class LibraryFile : public TTempFolderTest {
protected:
    // A library with pages and entries, which a failed load must keep.
    void OpenSample()
    {
        ASSERT_TRUE(FLibrary.LoadFile(SampleLibrary));
        ASSERT_EQ(FLibrary.Pages().size(), 2);
        ASSERT_EQ(FLibrary.Entries().size(), 4u);
    }

    TRecordingReporter FReporter;
    TPolyLib FLibrary { FReporter };
};

TEST_F(LibraryFile, EmptyLibraryIsTwelveBytes)
{
    const QString path = Path(QStringLiteral("empty.kvl"));
    ASSERT_TRUE(FLibrary.SaveFile(path));
    EXPECT_EQ(ReadAll(path), QByteArray("\x0C\xC5\x0C\x00\x00\x00\x00\x00\x00\x00\x00\x00", 12));
    EXPECT_EQ(FLibrary.FileName(), path);

    TRecordingReporter reporter;
    TPolyLib other(reporter);
    ASSERT_TRUE(other.LoadFile(SampleLibrary));
    ASSERT_TRUE(other.LoadFile(path));
    EXPECT_TRUE(other.Pages().isEmpty());
    EXPECT_TRUE(other.Entries().empty());
    EXPECT_TRUE(reporter.Messages.isEmpty());
}

TEST_F(LibraryFile, EachPageNameEndsInCrLf)
{
    FLibrary.AddPage("Biology");
    FLibrary.AddPage("Chemistry");
    const QString path = Path(QStringLiteral("pages.kvl"));
    ASSERT_TRUE(FLibrary.SaveFile(path));
    EXPECT_EQ(ReadAll(path), TLeBytes().I32(836876).I32(20).Raw("Biology\r\nChemistry\r\n").I32(0).Bytes());
}

// Two pages; a group of a circle and a rectangle on the first, an arrow named with a byte above 0x7F
// on the second.
std::vector<TEntryFixture> TwoEntries()
{
    TRecordFixture circle;
    circle.Kind = skCircle;
    circle.Points = { { 0, 10 }, { 10, 0 }, { 20, 10 }, { 10, 20 }, { 0, 10 } };
    TRecordFixture rectangle;
    rectangle.Kind = skRectangle;
    rectangle.BrushColour = 0x00FFE0C0;
    rectangle.BrushStyle = 0;
    rectangle.Points = { { 6, 0 }, { 6, 30 }, { 14, 30 }, { 14, 0 } };
    TRecordFixture group;
    group.Kind = skGroup;
    group.Bounds = { { 0, 0, 20, 30 } };
    group.Children = { circle, rectangle };
    TRecordFixture arrow;
    arrow.Kind = skLine;
    arrow.PenWidth = 2;
    arrow.Points = { { 0, 0 }, { 30.5f, 0 } };
    arrow.LineEnd = leArrow;
    return { { 0, "Flask", group },
        { 1,
            "Fl\xE8"
            "che",
            arrow } };
}

TEST_F(LibraryFile, LoadsPagesAndEntriesAndSavesThemBackUnchanged)
{
    const QByteArray bytes = LibraryFixture("Glassware\r\nSigns\r\n", TwoEntries());
    const QString path = Fixture(QStringLiteral("two.kvl"), bytes);
    ASSERT_TRUE(FLibrary.LoadFile(path));
    EXPECT_EQ(FLibrary.FileName(), path);
    EXPECT_EQ(FLibrary.Pages(), (QList<QByteArray> { "Glassware", "Signs" }));
    ASSERT_EQ(FLibrary.Entries().size(), 2u);
    const TLibShape& flask = *FLibrary.Entries()[0];
    EXPECT_EQ(flask.FPage, 0);
    EXPECT_EQ(flask.FName, QByteArray("Flask"));
    EXPECT_EQ(flask.FShape.FKind, skGroup);
    ASSERT_EQ(flask.FShape.ChildCount(), 2);
    EXPECT_EQ(flask.FShape.FChildren[1].FKind, skRectangle);
    const TLibShape& arrow = *FLibrary.Entries()[1];
    EXPECT_EQ(arrow.FPage, 1);
    EXPECT_EQ(arrow.FName,
        QByteArray("Fl\xE8"
                   "che"));
    EXPECT_EQ(arrow.FShape.FLineEnd, leArrow);

    const QString saved = Path(QStringLiteral("saved.kvl"));
    ASSERT_TRUE(FLibrary.SaveFile(saved));
    EXPECT_EQ(ReadAll(saved), bytes);
    EXPECT_EQ(FLibrary.FileName(), saved);
    EXPECT_TRUE(FReporter.Messages.isEmpty());
}

TEST_F(LibraryFile, PageNamesMayEndInCrLfLfOrCr)
{
    struct Case {
        const char* name;
        QByteArray block;
        QList<QByteArray> pages;
    };
    const QList<QByteArray> two { "Glassware", "Signs" };
    const Case cases[] = {
        { "CR LF", "Glassware\r\nSigns\r\n", two },
        { "lone LF", "Glassware\nSigns\n", two },
        { "lone CR", "Glassware\rSigns\r", two },
        { "mixed", "Glassware\nSigns\r\n", two },
        { "last line without terminator", "Glassware\r\nSigns", two },
        { "one name without terminator", "Signs", { "Signs" } },
        { "an empty line is an empty name", "Glassware\r\n\r\nSigns\r\n", { "Glassware", "", "Signs" } },
        { "empty block", "", {} },
    };
    for (const Case& c : cases) {
        // The entry after the block shows that the reader took exactly L bytes for the names.
        const std::vector<TEntryFixture> entries { { 0, "Dot", {} } };
        ASSERT_TRUE(FLibrary.LoadFile(Fixture(QStringLiteral("block.kvl"), LibraryFixture(c.block, entries))))
            << c.name;
        EXPECT_EQ(FLibrary.Pages(), c.pages) << c.name;
        ASSERT_EQ(FLibrary.Entries().size(), 1u) << c.name;
        EXPECT_EQ(FLibrary.Entries()[0]->FName, QByteArray("Dot")) << c.name;
    }
}

TEST_F(LibraryFile, WrongMagicReportsInvalidLibraryAndChangesNothing)
{
    OpenSample();
    const TLibrarySnapshot before(FLibrary);
    QByteArray offByOne = LibraryFixture("Signs\r\n", {});
    offByOne[0] = '\x0D';
    const QString cases[] = {
        SamplesDir + QStringLiteral("/texts.kv"),
        Fixture(QStringLiteral("drawing-as-library.kvl"), QByteArray(4, '\0')),
        Fixture(QStringLiteral("off-by-one.kvl"), offByOne),
    };
    for (const QString& path : cases) {
        FReporter.Messages.clear();
        EXPECT_FALSE(FLibrary.LoadFile(path)) << qPrintable(path);
        EXPECT_EQ(FReporter.Messages, QStringList { "Invalid library file" }) << qPrintable(path);
        EXPECT_TRUE(TLibrarySnapshot(FLibrary) == before) << qPrintable(path);
    }
}

TEST_F(LibraryFile, DamagedOrUnreadableFilesChangeNothing)
{
    const QByteArray one = LibraryFixture("Signs\r\n", { { 0, "Dot", {} } });
    const auto withInt32At = [&one](int offset, std::int32_t v) {
        QByteArray bytes = one;
        bytes.replace(offset, 4, TLeBytes().I32(v).Bytes());
        return bytes;
    };
    // Offsets in that file: magic, L = 7, "Signs\r\n", M, then the entry's page and name length.
    constexpr int BlockLength = 4;
    constexpr int EntryCount = 15;
    constexpr int NameLength = 23;
    constexpr int RecordStart = 30;
    struct Case {
        const char* name;
        QString path;
    };
    const Case cases[] = {
        { "negative page-name block", Fixture("a.kvl", withInt32At(BlockLength, -1)) },
        { "page-name block beyond the end", Fixture("b.kvl", withInt32At(BlockLength, INT32_MAX)) },
        { "negative entry count", Fixture("c.kvl", withInt32At(EntryCount, -1)) },
        { "largest entry count", Fixture("d.kvl", withInt32At(EntryCount, INT32_MAX)) },
        { "two entries announced, one present", Fixture("e.kvl", withInt32At(EntryCount, 2)) },
        { "negative name length", Fixture("f.kvl", withInt32At(NameLength, -3)) },
        { "name beyond the end", Fixture("g.kvl", withInt32At(NameLength, 1 << 30)) },
        { "impossible text length in the shape", Fixture("h.kvl", withInt32At(RecordStart + 78, INT32_MAX)) },
        { "missing file", Path(QStringLiteral("missing.kvl")) },
        { "folder", FDir.path() },
    };
    OpenSample();
    const TLibrarySnapshot before(FLibrary);
    for (const Case& c : cases) {
        FReporter.Messages.clear();
        EXPECT_FALSE(FLibrary.LoadFile(c.path)) << c.name;
        ASSERT_EQ(FReporter.Messages.size(), 1) << c.name;
        EXPECT_TRUE(FReporter.Messages[0].contains(c.path)) << c.name << ": " << qPrintable(FReporter.Messages[0]);
        EXPECT_TRUE(TLibrarySnapshot(FLibrary) == before) << c.name;
    }
}

TEST_F(LibraryFile, EveryTruncationOfTheSampleFailsAllOrNothing)
{
    const QByteArray sample = ReadAll(SampleLibrary);
    ASSERT_GT(sample.size(), 500);
    OpenSample();
    const TLibrarySnapshot before(FLibrary);
    const QString path = Path(QStringLiteral("cut.kvl"));
    for (qsizetype size = 0; size < sample.size(); ++size) {
        ASSERT_TRUE(WriteAll(path, sample.first(size)));
        FReporter.Messages.clear();
        EXPECT_FALSE(FLibrary.LoadFile(path)) << "cut after " << size << " bytes";
        EXPECT_EQ(FReporter.Messages.size(), 1) << "cut after " << size << " bytes";
        ASSERT_TRUE(TLibrarySnapshot(FLibrary) == before) << "cut after " << size << " bytes";
    }
}

TEST_F(LibraryFile, EntryShapesGetBoundsAtBaseScale)
{
    const std::array<float, 4> stale { 1, 2, 3, 4 };
    TRecordFixture polygon;
    polygon.Points = { { 0, 0 }, { 10, 5 }, { 2.5f, 7 } };
    polygon.Bounds = stale;
    TRecordFixture text = polygon;
    text.Kind = skText;
    TRecordFixture line = polygon;
    line.Kind = skLine;
    TRecordFixture group;
    group.Kind = skGroup;
    group.Bounds = { { 0, 0, 12, 9 } };
    group.Children = { text, line };
    ASSERT_TRUE(
        FLibrary.LoadFile(Fixture("stale.kvl", LibraryFixture("P\r\n", { { 0, "a", polygon }, { 0, "b", group } }))));
    ASSERT_EQ(FLibrary.Entries().size(), 2u);

    const TPolygon& shape = FLibrary.Entries()[0]->FShape;
    EXPECT_EQ(shape.FBounds, (TMMRect { 0, 0, 10, 7 }));
    EXPECT_EQ(shape.FDevRect, (TRect { 0, 0, 40, 28 }));
    const TPolygon& loadedGroup = FLibrary.Entries()[1]->FShape;
    EXPECT_EQ(loadedGroup.FDevRect, (TRect { 0, 0, 48, 36 }));
    EXPECT_EQ(loadedGroup.FChildren[0].FDevRect, (TRect { 0, 0, 40, 28 }));
    EXPECT_EQ(loadedGroup.FChildren[1].FBounds, (TMMRect { 1, 2, 3, 4 })) << "only circles and texts are refreshed";
}

TEST_F(LibraryFile, SampleSurvivesLoadAndSaveByteForByte)
{
    OpenSample();
    const QString copy = Path(QStringLiteral("copy.kvl"));
    ASSERT_TRUE(FLibrary.SaveFile(copy));
    EXPECT_EQ(ReadAll(copy), ReadAll(SampleLibrary));
}

TEST_F(LibraryFile, FailedSaveReportsAndKeepsTheOldFile)
{
    OpenSample();
    ASSERT_TRUE(WriteAll(Path(QStringLiteral("plain.txt")), "not a folder"));
    for (const QString& path : { Path(QStringLiteral("missing/out.kvl")), Path(QStringLiteral("plain.txt/out.kvl")) }) {
        FReporter.Messages.clear();
        EXPECT_FALSE(FLibrary.SaveFile(path)) << qPrintable(path);
        EXPECT_EQ(FReporter.Messages.size(), 1) << qPrintable(path);
        EXPECT_EQ(FLibrary.FileName(), SampleLibrary) << qPrintable(path);
    }
}

// Two windows on one library: each change is written only over the file its window read, so the
// second writer is refused instead of undoing the first one's change, and loads the file again.
TEST_F(LibraryFile, AWriterThatMissedAnotherInstancesChangeIsRefused)
{
    const QString file = Fixture(QStringLiteral("shared.kvl"), ReadAll(SampleLibrary));
    TRecordingReporter otherReporter;
    TPolyLib other(otherReporter);
    ASSERT_TRUE(FLibrary.LoadFile(file));
    ASSERT_TRUE(other.LoadFile(file));

    EXPECT_FALSE(FLibrary.EditAndSave(file, [this] { FLibrary.AddPage("PageA"); }));
    const std::optional<TLibraryWriteFailure> refused = other.EditAndSave(file, [&other] { other.AddPage("PageB"); });
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->ChangedElsewhere);
    EXPECT_EQ(refused->Message,
        QStringLiteral("The library was changed by another Korvo window. Load it again and repeat your change?"));
    EXPECT_FALSE(other.SaveFile(file)) << "nor does a save of the older copy go over it";
    EXPECT_EQ(other.Pages().size(), 2) << "the refused change is taken back";
    const QByteArray first = ReadAll(file);
    EXPECT_TRUE(first.contains("PageA"));
    EXPECT_FALSE(first.contains("PageB"));

    ASSERT_TRUE(other.LoadFile(file));
    EXPECT_FALSE(other.EditAndSave(file, [&other] { other.AddPage("PageB"); }));
    EXPECT_TRUE(ReadAll(file).contains("PageA\r\nPageB\r\n"));
    EXPECT_TRUE(FLibrary.EditAndSave(file, [this] { FLibrary.AddPage("PageC"); })) << "now the first is behind";
}

} // namespace
