#include "shapes/shape_record.h"

#include "geometry/units.h"
#include "shapes/byte_stream.h"
#include "shapes/polygon.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <utility>
#include <vector>

using namespace korvo;
using namespace korvo::test;

namespace {

constexpr std::int32_t MaxCount = std::numeric_limits<std::int32_t>::max();

using TFixturePoints = std::vector<std::pair<float, float>>;

QByteArray Bytes(const TRecordFixture& record)
{
    TLeBytes b;
    return AppendRecord(b, record);
}

QByteArray WithInt32At(QByteArray bytes, int offset, std::int32_t v)
{
    bytes.replace(offset, 4, TLeBytes().I32(v).Bytes());
    return bytes;
}

// Every field of the 60-byte logical font in record order, for records the product would not build
// from properties.
struct TLogFontFields {
    std::int32_t Height = -13;
    std::int32_t Width = 0;
    std::int32_t Escapement = 0;
    std::int32_t Orientation = 0;
    std::int32_t Weight = 400;
    std::uint8_t Italic = 0;
    std::uint8_t Underline = 0;
    std::uint8_t StrikeOut = 0;
    std::uint8_t CharSet = 1;
    std::uint8_t OutPrecision = 0;
    std::uint8_t ClipPrecision = 0;
    std::uint8_t Quality = 0;
    std::uint8_t PitchAndFamily = 0;
    // Up to 32 bytes, padded with zeros; may hold bytes after its terminator.
    QByteArray FaceName = "arial";
};

QByteArray LogFontBytes(const TLogFontFields& f)
{
    TLeBytes b;
    b.I32(f.Height).I32(f.Width).I32(f.Escapement).I32(f.Orientation).I32(f.Weight);
    b.U8(f.Italic).U8(f.Underline).U8(f.StrikeOut).U8(f.CharSet);
    b.U8(f.OutPrecision).U8(f.ClipPrecision).U8(f.Quality).U8(f.PitchAndFamily);
    const QByteArray face = f.FaceName.left(32);
    return b.Raw(face).Zeros(static_cast<int>(32 - face.size()));
}

QByteArray Save(const TPolygon& shape)
{
    TByteWriter writer;
    shape.SaveToStream(writer);
    return writer.Take();
}

TPolygon Load(const QByteArray& bytes)
{
    TByteReader reader(bytes);
    TPolygon shape;
    shape.LoadFromStream(reader);
    EXPECT_EQ(reader.Remaining(), 0) << "a record must end where its last field ends";
    return shape;
}

// Font heights depend on the screen resolution at the time of reading and writing.
class TScreenDpi {
public:
    explicit TScreenDpi(int dpi) { SetScreenPixelsPerInch(dpi); }
    ~TScreenDpi() { SetScreenPixelsPerInch(96); }
    TScreenDpi(const TScreenDpi&) = delete;
    TScreenDpi& operator=(const TScreenDpi&) = delete;
};

std::int32_t Int32At(const QByteArray& bytes, int offset)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return static_cast<std::int32_t>(v);
}

// Points that differ per index, so that a swapped or dropped point shows.
TFixturePoints SamplePoints(int n)
{
    TFixturePoints points;
    for (int i = 0; i < n; ++i)
        points.push_back({ 0.5f * static_cast<float>(i) + 3.25f, 100 - 0.75f * static_cast<float>(i) });
    return points;
}

TMMArray ToMM(const TFixturePoints& points)
{
    TMMArray mm;
    for (const auto& [x, y] : points)
        mm.push_back({ x, y });
    return mm;
}

struct TKindCase {
    const char* name;
    std::int32_t kind;
    int points;
    std::uint8_t lineEnd;
    QByteArray text;
    std::int32_t readKind;
};

const TKindCase KindCases[] = {
    { "polygon", skPolygon, 3, leNone, {}, skPolygon },
    { "rectangle", skRectangle, 4, leNone, {}, skRectangle },
    { "ellipse", skCircle, 13, leNone, {}, skCircle },
    { "polyline", skPolyline, 5, leArrow, {}, skPolyline },
    { "arrow", skLine, 2, leArrowMedium, {}, skLine },
    { "curve", skCurve, 4, leCircle, {}, skCurve },
    { "text", skText, 4, leNone, "Hello\rWorld", skText },
    { "empty group", skGroup, 0, leNone, {}, skGroup },
    { "tube bend", skTubeBend, 13, leNone, {}, skTubeBend },
    { "open outline curve comes back chord-filled", skOpenCurve, 7, leArrowSmall, {}, skOpenCurveFilled },
    { "alternative closed curve stays itself", skClosedCurveAlt, 7, leNone, {}, skClosedCurveAlt },
    { "graph paper", skGraphPaper, 4, leNone, {}, skGraphPaper },
    { "tube", skTube, 4, leNone, {}, skTube },
    { "vertical tube", skTubeVertical, 4, leNone, {}, skTubeVertical },
    { "closed curve", skClosedCurve, 7, leNone, {}, skClosedCurve },
    { "sine", skOpenCurveFilled, 10, leArrow, {}, skOpenCurveFilled },
    { "open polygon", skOpenPolygon, 3, leArrow, {}, skOpenPolygon },
    { "a kind from elsewhere is carried", 99, 2, leNone, {}, 99 },
};

TRecordFixture FieldsOf(const TKindCase& c)
{
    TRecordFixture f;
    f.PenColour = 0x00112233;
    f.PenStyle = psDot;
    f.PenWidth = 3;
    f.BrushColour = 0x00445566;
    f.BrushStyle = bsSolid;
    f.FontColour = clRed;
    f.Text = c.text;
    f.Kind = c.kind;
    f.Points = SamplePoints(c.points);
    // Not the box of the points: the writer must store FBounds, not recompute it.
    f.Bounds = std::array<float, 4> { 1.5f, -2.5f, 30.25f, 40.125f };
    f.LineEnd = c.lineEnd;
    return f;
}

TPolygon ShapeOf(const TKindCase& c)
{
    TPolygon s;
    s.SetKind(c.kind);
    s.FPen = { 0x00112233, psDot, 3 };
    s.FBrush = { 0x00445566, bsSolid };
    s.FFont.Colour = clRed;
    s.FText = c.text;
    s.FPoints = ToMM(SamplePoints(c.points));
    s.FBounds = { 1.5f, -2.5f, 30.25f, 40.125f };
    s.FLineEnd = c.lineEnd;
    // Device data is not part of the record.
    s.FDevRect = { 1, 2, 3, 4 };
    s.CalcGrips();
    s.FSelNode = 2;
    return s;
}

TEST(ShapeRecord, WritesEveryKindFieldByField)
{
    for (const TKindCase& c : KindCases) {
        const QByteArray bytes = Save(ShapeOf(c));
        EXPECT_EQ(bytes, Bytes(FieldsOf(c))) << c.name;
        EXPECT_EQ(bytes.size(), 111 + c.text.size() + 8 * c.points) << c.name;
    }
}

TEST(ShapeRecord, ReadsEveryKind)
{
    for (const TKindCase& c : KindCases) {
        const TRecordFixture fields = FieldsOf(c);
        const TPolygon s = Load(Bytes(fields));
        EXPECT_EQ(s.FPen, (TPen { 0x00112233, psDot, 3 })) << c.name;
        EXPECT_EQ(s.FBrush, (TBrush { 0x00445566, bsSolid })) << c.name;
        EXPECT_EQ(s.FFont.Colour, clRed) << c.name;
        EXPECT_EQ(s.FFont.Face(), "arial") << c.name;
        EXPECT_EQ(s.FFont.Size(), 10) << c.name;
        EXPECT_EQ(s.FText, c.text) << c.name;
        EXPECT_EQ(s.FKind, c.readKind) << c.name;
        EXPECT_EQ(s.FPoints, ToMM(fields.Points)) << c.name;
        EXPECT_EQ(s.FBounds, (TMMRect { 1.5f, -2.5f, 30.25f, 40.125f })) << c.name;
        EXPECT_EQ(s.FLineEnd, c.lineEnd) << c.name;
        EXPECT_EQ(s.ChildCount(), 0) << c.name;

        // Written again, only the replaced kind differs.
        TRecordFixture again = fields;
        again.Kind = c.readKind;
        EXPECT_EQ(Save(s), Bytes(again)) << c.name;
    }
}

TEST(ShapeRecord, GroupOfTwoChildren)
{
    TPolygon rect;
    rect.SetKind(skRectangle);
    rect.SetFromRect({ 10, 20, 30, 40 }, 4);
    TPolygon arrow;
    arrow.SetKind(skLine);
    arrow.FLineEnd = leArrowMedium;
    arrow.FPoints = { { 5, 50 }, { 25, 50 } };
    arrow.CalcBounds(4);
    TPolygon group;
    group.SetKind(skGroup);
    group.AddToGroup(rect, 4);
    group.AddToGroup(arrow, 4);

    TRecordFixture rectPart;
    rectPart.Kind = skRectangle;
    rectPart.Points = { { 10, 20 }, { 10, 40 }, { 30, 40 }, { 30, 20 } };
    TRecordFixture arrowPart;
    arrowPart.Kind = skLine;
    arrowPart.Points = { { 5, 50 }, { 25, 50 } };
    arrowPart.LineEnd = leArrowMedium;
    TRecordFixture groupPart;
    groupPart.Kind = skGroup;
    // The arrow is one pixel high in the group's device extent: 201 / 4.
    groupPart.Bounds = std::array<float, 4> { 5, 20, 30, 50.25f };
    groupPart.Children = { rectPart, arrowPart };
    const QByteArray expected = Bytes(groupPart);

    const QByteArray bytes = Save(group);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(Int32At(bytes, 107), 2);
    EXPECT_EQ(bytes.size(), 111 + (111 + 32) + (111 + 16));

    const TPolygon back = Load(expected);
    EXPECT_EQ(back.FKind, skGroup);
    EXPECT_EQ(back.FBounds, (TMMRect { 5, 20, 30, 50.25f }));
    ASSERT_EQ(back.ChildCount(), 2);
    EXPECT_EQ(back.FChildren[0].FPoints, rect.FPoints);
    EXPECT_EQ(back.FChildren[1].FKind, skLine);
    EXPECT_EQ(back.FChildren[1].FLineEnd, leArrowMedium);
    EXPECT_EQ(Save(back), expected);
}

TEST(ShapeRecord, TextBytesAreStoredAsTheyAre)
{
    struct Case {
        const char* name;
        QByteArray text;
    };
    const Case cases[] = {
        { "empty: no bytes at all", {} },
        { "bytes above 0x7F, CR and LF",
            QByteArray("\xB0"
                       "C \xE9t\xE9\r\n\x80\xFF") },
        { "a zero byte inside", QByteArray("x\0y", 3) },
    };
    for (const Case& c : cases) {
        TPolygon s;
        s.SetKind(skText);
        s.FText = c.text;
        const QByteArray bytes = Save(s);
        ASSERT_EQ(bytes.size(), 111 + c.text.size()) << c.name;
        EXPECT_EQ(Int32At(bytes, 78), c.text.size()) << c.name;
        EXPECT_EQ(bytes.mid(82, c.text.size()), c.text) << c.name;
        EXPECT_EQ(Int32At(bytes, 82 + static_cast<int>(c.text.size())), skText) << c.name;
        EXPECT_EQ(Load(bytes).FText, c.text) << c.name;
    }
}

TEST(ShapeRecord, PenAndBrushSurviveAsStored)
{
    struct Case {
        const char* name;
        TPen pen;
        TBrush brush;
    };
    const Case cases[] = {
        { "a clear brush keeps its colour and stays clear", { clBlack, psSolid, 1 }, { 0x00123456, bsClear } },
        { "a solid brush", { clBlack, psSolid, 1 }, { 0x00123456, bsSolid } },
        { "a clear pen", { clBlue, psClear, 1 }, { clWhite, bsClear } },
        { "other platform styles are carried", { clBlue, 3, 7 }, { clWhite, 6 } },
        { "system colours", { clWindowText, psDot, 0 }, { 0xFF00000F, bsSolid } },
    };
    for (const Case& c : cases) {
        TPolygon s;
        s.FPen = c.pen;
        s.FBrush = c.brush;
        const QByteArray bytes = Save(s);
        TRecordFixture f;
        f.PenColour = c.pen.Colour;
        f.PenStyle = c.pen.Style;
        f.PenWidth = c.pen.Width;
        f.BrushColour = c.brush.Colour;
        f.BrushStyle = c.brush.Style;
        EXPECT_EQ(bytes, Bytes(f)) << c.name;
        const TPolygon back = Load(bytes);
        EXPECT_EQ(back.FPen, c.pen) << c.name;
        EXPECT_EQ(back.FBrush, c.brush) << c.name;
    }
}

TEST(ShapeFontRecord, HeightFollowsTheScreenResolutionWithHalvesAwayFromZero)
{
    struct Case {
        int dpi;
        std::int32_t size;
        std::int32_t height;
    };
    const Case cases[] = {
        { 96, 10, -13 }, // 13.33
        { 96, 9, -12 },
        { 120, 10, -17 }, // 16.67
        { 108, 3, -5 }, // 4.5
        { 108, 1, -2 }, // 1.5
        { 72, 10, -10 },
    };
    for (const Case& c : cases) {
        const TScreenDpi dpi(c.dpi);
        TPolygon s;
        s.FFont.SetSize(c.size);
        const QByteArray bytes = Save(s);
        EXPECT_EQ(Int32At(bytes, 18), c.height) << c.size << " pt at " << c.dpi << " dpi";
    }
}

TEST(ShapeFontRecord, DefaultFontAtNinetySixDpi)
{
    const TScreenDpi dpi(96);
    const QByteArray bytes = Save(TPolygon {});
    EXPECT_EQ(bytes.mid(14, 4), TLeBytes().U32(0xFF000008).Bytes());
    EXPECT_EQ(bytes.mid(18, 60), DefaultLogFont());
    const TPolygon back = Load(bytes);
    EXPECT_EQ(back.FFont.Size(), 10);
    EXPECT_EQ(back.FFont.Face(), "arial");
    EXPECT_EQ(back.FFont.Charset(), DefaultCharset);
}

TEST(ShapeFontRecord, PropertiesReadFromARecord)
{
    struct Case {
        const char* name;
        int dpi;
        std::int32_t height, weight;
        std::uint8_t flags; // italic, underline and strike-out bytes alike
        std::uint8_t pitchAndFamily;
        std::int32_t size;
        bool bold, flagsSet;
        TFontPitch pitch;
    };
    const Case cases[] = {
        { "default: 9.75 points", 96, -13, 400, 0, 0, 10, false, false, TFontPitch::Default },
        { "a positive height counts the same", 96, 13, 400, 0, 0, 10, false, false, TFontPitch::Default },
        { "2.5 points round away from zero", 144, -5, 400, 0, 0, 3, false, false, TFontPitch::Default },
        { "half a point rounds up", 144, -1, 400, 0, 0, 1, false, false, TFontPitch::Default },
        { "the smallest height does not overflow", 96, std::numeric_limits<std::int32_t>::min(), 400, 0, 0, 1610612735,
            false, false, TFontPitch::Default },
        { "weight 699 is not bold, bytes of 1 are set", 96, -16, 699, 1, 0x31, 12, false, true, TFontPitch::Fixed },
        { "weight 700 is bold, bytes other than 1 are not set", 96, -16, 700, 2, 0x22, 12, true, false,
            TFontPitch::Variable },
        { "only the low four bits give the pitch", 96, -16, 900, 0xFF, 0x13, 12, true, false, TFontPitch::Default },
    };
    for (const Case& c : cases) {
        const TScreenDpi dpi(c.dpi);
        TRecordFixture f;
        f.Font = LogFontBytes({ c.height, 0, 0, 0, c.weight, c.flags, c.flags, c.flags, 1, 0, 0, 0, c.pitchAndFamily });
        const TShapeFont back = Load(Bytes(f)).FFont;
        EXPECT_EQ(back.Size(), c.size) << c.name;
        EXPECT_EQ(back.Bold(), c.bold) << c.name;
        EXPECT_EQ(back.Italic(), c.flagsSet) << c.name;
        EXPECT_EQ(back.Underline(), c.flagsSet) << c.name;
        EXPECT_EQ(back.StrikeOut(), c.flagsSet) << c.name;
        EXPECT_EQ(back.Pitch(), c.pitch) << c.name;
    }
}

// A record that the product would never build from properties: every field off the table, and
// bytes after the face name's terminator. 12 points at 96 dpi, not bold, italic, not underlined.
const TLogFontFields OddFont { -16, 7, 450, 900, 650, 1, 2, 1, 204, 3, 2, 4, 0x31,
    QByteArray("Courier New\0junk", 16) };

TEST(ShapeFontRecord, AnUnchangedFontIsWrittenBackVerbatim)
{
    const TScreenDpi dpi(96);
    TRecordFixture f;
    f.Kind = skText;
    f.Font = LogFontBytes(OddFont);
    const QByteArray bytes = Bytes(f);

    TPolygon s = Load(bytes);
    EXPECT_EQ(s.FFont.Face(), "Courier New");
    EXPECT_EQ(s.FFont.Size(), 12);
    EXPECT_EQ(s.FFont.Orientation(), 900);
    EXPECT_EQ(s.FFont.Charset(), 204);
    EXPECT_EQ(Save(s), bytes);

    // Neither the colour, which lives outside the logical font, nor setting a property to the value
    // it already has counts as a change.
    s.FFont.Colour = clBlue;
    s.FFont.SetSize(12);
    s.FFont.SetBold(false);
    s.FFont.SetUnderline(false);
    s.FFont.SetOrientation(900);
    s.FFont.SetFace("Courier New");
    TRecordFixture recoloured = f;
    recoloured.FontColour = clBlue;
    EXPECT_EQ(Save(s), Bytes(recoloured));

    TPolygon copy;
    copy.Assign(s);
    EXPECT_EQ(Save(copy), Bytes(recoloured));
}

TEST(ShapeFontRecord, AChangedFontIsWrittenFromItsProperties)
{
    const TScreenDpi dpi(96);
    struct Case {
        const char* name;
        void (*change)(TShapeFont&);
        TLogFontFields written;
    };
    // Width, clip precision and quality 0; escapement = orientation; output precision 7 when rotated.
    const QByteArray face = "Courier New";
    const Case cases[] = {
        { "size", [](TShapeFont& f) { f.SetSize(14); }, { -19, 0, 900, 900, 400, 1, 0, 1, 204, 7, 0, 0, 1, face } },
        { "bold", [](TShapeFont& f) { f.SetBold(true); }, { -16, 0, 900, 900, 700, 1, 0, 1, 204, 7, 0, 0, 1, face } },
        { "italic", [](TShapeFont& f) { f.SetItalic(false); },
            { -16, 0, 900, 900, 400, 0, 0, 1, 204, 7, 0, 0, 1, face } },
        { "underline", [](TShapeFont& f) { f.SetUnderline(true); },
            { -16, 0, 900, 900, 400, 1, 1, 1, 204, 7, 0, 0, 1, face } },
        { "strike-out", [](TShapeFont& f) { f.SetStrikeOut(false); },
            { -16, 0, 900, 900, 400, 1, 0, 0, 204, 7, 0, 0, 1, face } },
        { "charset", [](TShapeFont& f) { f.SetCharset(1); }, { -16, 0, 900, 900, 400, 1, 0, 1, 1, 7, 0, 0, 1, face } },
        { "pitch", [](TShapeFont& f) { f.SetPitch(TFontPitch::Variable); },
            { -16, 0, 900, 900, 400, 1, 0, 1, 204, 7, 0, 0, 2, face } },
        { "rotation", [](TShapeFont& f) { f.SetOrientation(0); },
            { -16, 0, 0, 0, 400, 1, 0, 1, 204, 0, 0, 0, 1, face } },
        { "face", [](TShapeFont& f) { f.SetFace("Arial"); },
            { -16, 0, 900, 900, 400, 1, 0, 1, 204, 7, 0, 0, 1, "Arial" } },
    };
    for (const Case& c : cases) {
        TRecordFixture f;
        f.Font = LogFontBytes(OddFont);
        TPolygon s = Load(Bytes(f));
        c.change(s.FFont);
        f.Font = LogFontBytes(c.written);
        EXPECT_EQ(Save(s), Bytes(f)) << c.name;
    }
}

TEST(ShapeFontRecord, AFaceFillingAllThirtyTwoBytesGetsATerminatorWhenRebuilt)
{
    TRecordFixture f;
    f.Font = LogFontBytes({ -13, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, QByteArray(32, 'A') });
    TPolygon s = Load(Bytes(f));
    EXPECT_EQ(Save(s), Bytes(f));

    s.FFont.SetBold(true);
    f.Font = LogFontBytes({ -13, 0, 0, 0, 700, 0, 0, 0, 1, 0, 0, 0, 0, QByteArray(31, 'A') });
    EXPECT_EQ(Save(s), Bytes(f));

    // Set from properties, a face keeps at most 31 bytes.
    s.FFont.SetFace(QByteArray(40, 'B'));
    EXPECT_EQ(s.FFont.Face(), QByteArray(31, 'B'));
}

// A group whose first child carries text and points, so that every kind of field is cut somewhere.
QByteArray DamageSample()
{
    TRecordFixture text;
    text.Kind = skText;
    text.Text = "abc";
    text.Points = SamplePoints(4);
    TRecordFixture line;
    line.Kind = skLine;
    line.Points = SamplePoints(2);
    TRecordFixture group;
    group.Kind = skGroup;
    group.Children = { text, line };
    return Bytes(group);
}

TEST(ShapeRecordDamage, EveryTruncationIsAReadError)
{
    const QByteArray whole = DamageSample();
    for (qsizetype n = 0; n < whole.size(); ++n) {
        const QByteArray cut = whole.left(n);
        TByteReader reader(cut);
        TPolygon s;
        EXPECT_THROW(s.LoadFromStream(reader), EReadError) << "cut after " << n << " bytes";
    }
}

TEST(ShapeRecordDamage, BytesAfterTheRecordAreLeftUnread)
{
    const QByteArray bytes = DamageSample() + "tail";
    TByteReader reader(bytes);
    TPolygon s;
    s.LoadFromStream(reader);
    EXPECT_EQ(reader.Remaining(), 4);
    EXPECT_EQ(s.ChildCount(), 2);
}

TEST(ShapeRecordDamage, ImpossibleCountsAreRejectedBeforeAllocating)
{
    // A text "abc" with two points: the text length at 78, the point count at 89, the child count at
    // 126, and 21 bytes after the points.
    TRecordFixture f;
    f.Kind = skText;
    f.Text = "abc";
    f.Points = SamplePoints(2);
    const QByteArray whole = Bytes(f);
    ASSERT_EQ(whole.size(), 130);
    struct Case {
        const char* name;
        int offset;
        std::int32_t count;
    };
    // Each count is negative or more than the bytes that follow could hold; a reader that allocated
    // first would run out of memory or fail with another exception.
    const Case cases[] = {
        { "negative text length", 78, -1 },
        { "huge text length", 78, MaxCount },
        { "text length one past the end", 78, 130 - 82 + 1 },
        { "negative point count", 89, -1 },
        { "huge point count", 89, MaxCount },
        { "point count whose size wraps to zero in 32 bits", 89, 0x20000000 },
        { "negative child count", 126, -1 },
        { "huge child count", 126, MaxCount },
        { "more children than follow", 126, 1 },
    };
    for (const Case& c : cases) {
        const QByteArray bytes = WithInt32At(whole, c.offset, c.count);
        TByteReader reader(bytes);
        TPolygon s;
        EXPECT_THROW(s.LoadFromStream(reader), EReadError) << c.name;
    }
}

// `levels` groups, each the only child of the one before, around a rectangle.
QByteArray NestedGroups(int levels)
{
    TRecordFixture leaf;
    leaf.Kind = skRectangle;
    leaf.Points = SamplePoints(4);
    TRecordFixture group;
    group.Kind = skGroup;
    group.Children = { leaf };
    const QByteArray oneLevel = Bytes(group);
    const QByteArray head = oneLevel.left(111);
    QByteArray bytes;
    bytes.reserve(head.size() * levels + oneLevel.size());
    for (int i = 0; i < levels; ++i)
        bytes += head;
    return bytes + oneLevel.mid(111);
}

TEST(ShapeRecordDamage, NestingIsLimited)
{
    const TPolygon deepest = Load(NestedGroups(MaxGroupDepth));
    int depth = 0;
    for (const TPolygon* s = &deepest; s->ChildCount() == 1; s = &s->FChildren[0])
        ++depth;
    EXPECT_EQ(depth, MaxGroupDepth);

    const QByteArray tooDeep = NestedGroups(MaxGroupDepth + 1);
    TByteReader reader(tooDeep);
    TPolygon s;
    EXPECT_THROW(s.LoadFromStream(reader), EReadError);
}

} // namespace
