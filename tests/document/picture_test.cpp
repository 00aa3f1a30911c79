#include "document/drawing.h"
#include "document/picture.h"
#include "geometry/units.h"
#include "shapes/file_io.h"

#include "emf_reader.h"
#include "support/temp_files.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace korvo;
using namespace korvo::test;

namespace {

TEST(FitRect, KeepsTheProportionsCentredInTheArea)
{
    const struct {
        TRect Content;
        TRect Area;
        TRect Expected;
    } cases[] = {
        { { 0, 0, 100, 50 }, { 0, 0, 1000, 1000 }, { 0, 250, 1000, 750 } },
        { { 0, 0, 50, 100 }, { 0, 0, 1000, 1000 }, { 250, 0, 750, 1000 } },
        { { 0, 0, 3, 7 }, { 100, 20, 400, 220 }, { 207, 20, 292, 220 } },
        { { 0, 0, 10, 10 }, { -50, -50, 50, 50 }, { -50, -50, 50, 50 } },
        { { 0, 0, 0, 0 }, { 0, 0, 100, 100 }, { 0, 50, 100, 50 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitRect(c.Content, c.Area), c.Expected) << c.Content.Right << "x" << c.Content.Bottom;
}

class Pictures : public TTempFolderTest {
protected:
    void SetUp() override
    {
        TTempFolderTest::SetUp();
        FScreen = ScreenPixelsPerInch();
        SetScreenPixelsPerInch(96);
        SetPrinterPixelsPerInch(600);
        drawing.SetScale(BaseScale);
    }
    void TearDown() override { SetScreenPixelsPerInch(FScreen); }

    // A black square without outline from page pixels at zoom x1; everything ends up selected.
    void AddSquare(const TRect& pagePixels)
    {
        TBrush brush;
        brush.SetFill(clBlack);
        TPen pen;
        pen.Style = psClear;
        drawing.AddBoxShape(pagePixels, TTool::Rectangle, brush, pen);
        drawing.SelectAll();
    }

    QByteArray ExportedSelection(const QString& name)
    {
        const QString file = Path(name);
        drawing.ExportMetafile(file);
        return ReadAll(file);
    }

    TDrawing drawing;
    int FScreen = 96;
};

TEST_F(Pictures, MetafileOfATenMillimetreSquareHasTheMarginAndSize)
{
    AddSquare({ 40, 40, 80, 80 });
    ASSERT_EQ(drawing.GetSelectionBounds(), (TRect { 40, 40, 80, 80 }));
    ASSERT_FLOAT_EQ(ExportScale(), 25.0f);

    const QByteArray emf = ExportedSelection(QStringLiteral("square.emf"));
    ASSERT_GE(emf.size(), 108);
    EXPECT_EQ(EmfInt(emf, 0), 1) << "header first";
    EXPECT_EQ(EmfInt(emf, 40), 0x464D4520) << "signature";
    // The shapes start at half the 83-pixel margin: (41, 41), 250 pixels across.
    EXPECT_EQ(EmfInt(emf, 8), 41);
    EXPECT_EQ(EmfInt(emf, 12), 41);
    EXPECT_EQ(EmfInt(emf, 16), 41 + 250);
    EXPECT_EQ(EmfInt(emf, 20), 41 + 250);
    // The frame is the whole 333 x 333 pixels of a 600 pixels-per-inch printer, in 0.01 mm.
    EXPECT_EQ(EmfInt(emf, 32), 333 * 2540 / 600);
    EXPECT_EQ(EmfInt(emf, 36), 333 * 2540 / 600);
    EXPECT_EQ(EmfInt(emf, 48), emf.size()) << "byte count";

    const QImage png = QImage::fromData(ExportedSelection(QStringLiteral("square.png")));
    ASSERT_EQ(png.size(), QSize(333, 333));
    EXPECT_EQ(png.pixelColor(40, 40).alpha(), 0) << "margin left clear";
    EXPECT_EQ(png.pixel(42, 42), qRgb(0, 0, 0));
    EXPECT_EQ(png.pixel(289, 289), qRgb(0, 0, 0));
    EXPECT_EQ(png.pixelColor(292, 292).alpha(), 0);
    EXPECT_NEAR(png.dotsPerMeterX() * 0.0254, 600, 1);
}

TEST_F(Pictures, EmptySelectionGivesAMarginOnlyPicture)
{
    const QImage png = QImage::fromData(ExportedSelection(QStringLiteral("empty.png")));
    EXPECT_EQ(png.size(), QSize(83, 83));
    const QByteArray emf = ExportedSelection(QStringLiteral("empty.emf"));
    std::string problem;
    const std::vector<TEmfRecord> records = ReadEmfRecords(emf, problem);
    EXPECT_EQ(problem, "");
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().Type, 14u);
}

// The records of a metafile, each checked as a strict reader would check it; returns the record types met.
std::set<std::uint32_t> ExpectWellFormed(const QByteArray& emf, std::vector<TEmfRecord>& records)
{
    std::string problem;
    records = ReadEmfRecords(emf, problem);
    EXPECT_EQ(problem, "");
    if (records.size() < 3)
        return {};
    EXPECT_EQ(records.front().Type, 1u);
    EXPECT_EQ(records.front().Size, 108u);
    EXPECT_EQ(records.back().Type, 14u);
    EXPECT_EQ(records.back().Size, 20u);
    EXPECT_EQ(static_cast<std::size_t>(EmfInt(emf, 52)), records.size()) << "record count in the header";

    // Only records that every reader of metafiles knows.
    const std::set<std::uint32_t> common { 1, 2, 3, 4, 5, 14, 18, 19, 22, 24, 27, 37, 38, 39, 40, 54, 59, 60, 61, 62,
        63, 64, 82, 84 };
    std::set<std::uint32_t> seen;
    int paths = 0;
    for (std::size_t i = 1; i + 1 < records.size(); ++i) {
        const std::uint32_t type = records[i].Type;
        EXPECT_TRUE(common.count(type)) << "record " << i << " of type " << type;
        EXPECT_NE(type, 1u) << "one header only";
        EXPECT_NE(type, 14u) << "one end only";
        seen.insert(type);
        paths += type == 59 ? 1 : type == 60 ? -1 : 0;
        if (type == 84) {
            EXPECT_GT(EmfInt(emf, records[i].Offset + 20) - EmfInt(emf, records[i].Offset + 12), 10)
                << "a text's bounds hold its letters, not just its baseline";
        }
        EXPECT_GE(paths, 0);
        EXPECT_LE(paths, 1) << "paths do not nest";
    }
    EXPECT_EQ(paths, 0) << "every path is closed";
    return seen;
}

// For each text record, how often a reader decorates its letters: once for each of the underline and
// strike-out flags of the font selected for it, and once for each level two-point line drawn after it.
std::vector<int> DecorationsPerText(const QByteArray& emf, const std::vector<TEmfRecord>& records)
{
    constexpr std::int32_t StockSystemFont = static_cast<std::int32_t>(0x8000000D);
    std::map<std::int32_t, int> fontFlags;
    int selected = 0;
    std::vector<int> texts;
    for (const TEmfRecord& r : records) {
        const auto byteAt = [&](int at) { return static_cast<int>(static_cast<std::uint8_t>(emf[r.Offset + at])); };
        // Font records: handle, then the logical font, whose underline and strike-out bytes follow five integers.
        if (r.Type == 82)
            fontFlags[EmfInt(emf, r.Offset + 8)] = byteAt(33) + byteAt(34);
        else if (r.Type == 37 && fontFlags.count(EmfInt(emf, r.Offset + 8)))
            selected = fontFlags[EmfInt(emf, r.Offset + 8)];
        else if (r.Type == 37 && EmfInt(emf, r.Offset + 8) == StockSystemFont)
            selected = 0;
        else if (r.Type == 84)
            texts.push_back(selected);
        else if (r.Type == 4 && !texts.empty() && EmfInt(emf, r.Offset + 24) == 2
            && EmfInt(emf, r.Offset + 32) == EmfInt(emf, r.Offset + 40))
            ++texts.back();
    }
    return texts;
}

TEST_F(Pictures, EveryRecordOfTheSamplesIsWellFormed)
{
    drawing.LoadFile(QStringLiteral(KORVO_SAMPLES_DIR "/all-kinds.kv"));
    drawing.SelectAll();
    std::vector<TEmfRecord> records;
    const std::set<std::uint32_t> seen = ExpectWellFormed(ExportedSelection(QStringLiteral("all.emf")), records);
    for (std::uint32_t expected : { 3u, 38u, 39u, 82u, 84u })
        EXPECT_TRUE(seen.count(expected)) << "polygons, pens, brushes and text: " << expected;

    // Only the fourth text is underlined, and its two lines make two text records.
    drawing.LoadFile(QStringLiteral(KORVO_SAMPLES_DIR "/texts.kv"));
    drawing.SelectAll();
    const QByteArray texts = ExportedSelection(QStringLiteral("texts.emf"));
    ExpectWellFormed(texts, records);
    EXPECT_EQ(DecorationsPerText(texts, records), (std::vector<int> { 0, 0, 0, 1, 1, 0, 0, 0, 0, 0 }))
        << "an underline is drawn once, whether the reader honours the font's flag or not";
    // A reader that takes texts with only fonts and colours between them for the lines of one paragraph
    // sets them by its own line height, off their baselines.
    const std::set<std::uint32_t> textSetUp { 24, 37, 40, 82 };
    std::uint32_t previous = 0;
    for (const TEmfRecord& r : records) {
        if (r.Type == 84) {
            EXPECT_NE(previous, 84u) << "a text at offset " << r.Offset << " runs on from the one before";
        }
        if (!textSetUp.count(r.Type))
            previous = r.Type;
    }
}

TEST_F(Pictures, SvgAndPdfLoadBackAtTrueSize)
{
    AddSquare({ 40, 40, 80, 80 });
    QSvgRenderer svg(ExportedSelection(QStringLiteral("square.svg")));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 333, 333));

    const QByteArray pdf = ExportedSelection(QStringLiteral("square.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1) << "one page";
    const QRegularExpressionMatch box
        = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    const double points = 333 / 600.0 * 72;
    EXPECT_NEAR(box.captured(1).toDouble(), points, 0.5);
    EXPECT_NEAR(box.captured(2).toDouble(), points, 0.5);
}

TEST_F(Pictures, ExportRefusesAMissingFolderAndAnUnknownFormat)
{
    AddSquare({ 40, 40, 80, 80 });
    EXPECT_THROW(drawing.ExportMetafile(Path(QStringLiteral("no/such/folder.emf"))), EFileError);
    EXPECT_THROW(drawing.ExportMetafile(Path(QStringLiteral("picture.doc"))), EFileError);
}

// Renders onto a printer-sized page: the 10 mm square is 236 printer pixels at 600 per inch.
class Layouts : public Pictures {
protected:
    QImage Rendered(TPlacement layout, const TRect& area, const QString& caption = {})
    {
        QImage page(1200, 1100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        drawing.RenderSelection(painter, area, caption, layout, 600);
        return page;
    }
    static bool Dark(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)) < 128; }

    const TRect Area { 100, 0, 1100, 1000 };
};

TEST_F(Layouts, PlaceThePictureByLayout)
{
    AddSquare({ 40, 40, 80, 80 });
    const struct {
        TPlacement Layout;
        int Left, Top, Right, Bottom;
    } cases[] = {
        { TPlacement::AsOnPage, 236, 236, 472, 472 },
        { TPlacement::Centred, 482, 382, 718, 618 }, // (100 + 1100 - 236) / 2, (0 + 1000 - 236) / 2
        { TPlacement::Fitted, 100, 0, 1100, 1000 }, // fitted to the square area
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Layout));
        const QImage page = Rendered(c.Layout, Area);
        const int midY = (c.Top + c.Bottom) / 2;
        const int midX = (c.Left + c.Right) / 2;
        EXPECT_TRUE(Dark(page, c.Left + 2, midY));
        EXPECT_FALSE(Dark(page, c.Left - 3, midY));
        EXPECT_TRUE(Dark(page, c.Right - 3, midY));
        EXPECT_FALSE(c.Right + 2 < page.width() && Dark(page, c.Right + 2, midY));
        EXPECT_TRUE(Dark(page, midX, c.Top + 2));
        EXPECT_FALSE(c.Top >= 3 && Dark(page, midX, c.Top - 3));
    }
}

TEST_F(Layouts, CaptionSitsAtTheBottomLeftEvenWithoutShapes)
{
    const TRect area { 100, 100, 900, 900 };
    const QImage page = Rendered(TPlacement::Centred, area, QStringLiteral("MMMM"));
    int top = page.height();
    int left = page.width();
    int bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (Dark(page, x, y)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
    ASSERT_GE(bottom, 0) << "the caption is written";
    EXPECT_GE(top, 880) << "one line above the area's bottom";
    EXPECT_LT(bottom, 900);
    EXPECT_GE(left, 100);
    EXPECT_LT(left, 110);
}

} // namespace
