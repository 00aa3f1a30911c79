// Runs the real korvo program, as scripts and the README use it.

#include "support/record_fixture.h"
#include "support/temp_files.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace korvo::test;

namespace {

const QString Korvo = QStringLiteral(KORVO_EXE);
const QString MakeSamples = QStringLiteral(KORVO_MAKE_SAMPLES);
const QString SamplesDir = QStringLiteral(KORVO_SAMPLES_DIR);

// A float that six significant digits do not give back; 0.1f is one that short decimals do.
constexpr float Third = 100.0f / 3;

struct TRun {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

// What a run adds to the environment, and where its output goes instead of being read.
struct TRunSetup {
    QList<std::pair<const char*, const char*>> Environment;
    QString OutputFile;
};

TRun RunProgram(const QString& program, const QStringList& arguments, const TRunSetup& setup = {})
{
    // The programs get a home of their own, so nothing they might store per user reaches the real one.
    static const QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
        environment.insert(QLatin1String(name), home.path());
    for (const auto& [name, value] : setup.Environment)
        environment.insert(QLatin1String(name), QLatin1String(value));
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!setup.OutputFile.isEmpty())
        process.setStandardOutputFile(setup.OutputFile);
    process.start(program, arguments);
    TRun run;
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << qPrintable(arguments.join(' ')) << ": did not finish";
        return run;
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << qPrintable(arguments.join(' ')) << ": crashed";
    run.ExitCode = process.exitCode();
    run.Out = process.readAllStandardOutput();
    run.Err = process.readAllStandardError();
    return run;
}

TRun RunKorvo(const QStringList& arguments, const TRunSetup& setup = {}) { return RunProgram(Korvo, arguments, setup); }

QJsonObject ParseDump(const TRun& run)
{
    EXPECT_EQ(run.ExitCode, 0) << run.Err.constData();
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.Out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString());
    return json.object();
}

// Every number the dump prints for a float must read back as the very same float32.
float F32(const QJsonValue& v) { return static_cast<float>(v.toDouble()); }

QList<int> Kinds(const QJsonArray& shapes)
{
    QList<int> kinds;
    for (const QJsonValue& shape : shapes)
        kinds.append(shape[QLatin1String("kind")].toInt());
    return kinds;
}

QByteArray Face(const QByteArray& name)
{
    QByteArray face = name;
    face.append(QByteArray(32 - face.size(), '\0'));
    return face;
}

// Back to front: a rectangle with a colour above 2^31 and stale stored bounds, an open outline-only
// curve (kind 14), a Windows-1252 text with a font record whose fields all differ from a font built
// from properties, a Greek text, and a group.
QByteArray DumpFixture()
{
    TRecordFixture rectangle;
    rectangle.Kind = 2;
    rectangle.PenColour = 0x80FF8040;
    rectangle.PenStyle = 2;
    rectangle.PenWidth = 3;
    rectangle.BrushColour = 0x00C0FFC0;
    rectangle.BrushStyle = 0;
    rectangle.Points = { { 0.1f, 0.2f }, { 0.1f, 10.3f }, { Third, 10.3f }, { Third, 0.2f } };
    rectangle.Bounds = { { 0, 0, 0, 0 } };

    TRecordFixture curve;
    curve.Kind = 14;
    curve.Points = { { 0, 0 }, { 5, -5 }, { 10, 5 }, { 15, 0 } };

    TRecordFixture cafe;
    cafe.Kind = 9;
    cafe.FontColour = 0x000000FF;
    // Height -16, escapement 450 but orientation 900, weight 700, italic, underline, no strike-out,
    // charset 0, output precision 7, variable pitch in the low four bits under a family.
    cafe.Font = TLeBytes().I32(-16).I32(0).I32(450).I32(900).I32(700).U8(1).U8(1).U8(0).U8(0);
    cafe.Font.append(TLeBytes().U8(7).U8(0).U8(0).U8(0x22).Raw(Face("Liberation Sans")).Bytes());
    cafe.Text = "Caf\xE9 au lait";
    cafe.Points = { { 20, 50 }, { 20, 60 }, { 80, 60 }, { 80, 50 } };

    TRecordFixture greek;
    greek.Kind = 9;
    TLeBytes greekFont;
    greek.Font = LogFont(greekFont, -13, "Arial", false, 161);
    greek.Text = "\xC4t = 5 s";
    greek.Points = { { 20, 70 }, { 20, 80 }, { 80, 80 }, { 80, 70 } };

    TRecordFixture circle;
    circle.Kind = 3;
    circle.Points = { { 100, 110 }, { 125, 100 }, { 150, 110 }, { 125, 120 }, { 100, 110 } };
    TRecordFixture line;
    line.Kind = 7;
    line.Points = { { 100, 130 }, { 150, 140 } };
    line.LineEnd = 1;
    TRecordFixture group;
    group.Kind = 10;
    group.Bounds = { { 100, 100, 150, 140 } };
    group.Children = { circle, line };

    return DrawingFixture({ rectangle, curve, cafe, greek, group });
}

class CommandLine : public TTempFolderTest {
protected:
    static QString Sample(const char* name) { return SamplesDir + QLatin1Char('/') + QLatin1String(name); }
};

TEST_F(CommandLine, DumpShowsADrawingAsTheModelHoldsIt)
{
    const QJsonObject dump = ParseDump(RunKorvo({ "--dump", Fixture("fixture.kv", DumpFixture()) }));
    EXPECT_EQ(dump["format"].toString(), "kv-drawing");
    const QJsonArray shapes = dump["shapes"].toArray();
    EXPECT_EQ(Kinds(shapes), (QList<int> { 2, 21, 9, 9, 10 }));
    ASSERT_EQ(shapes.size(), 5);

    const QJsonObject rectangle = shapes[0].toObject();
    EXPECT_EQ(rectangle["pen"]["colour"].toDouble(), 2164228160.0);
    EXPECT_EQ(rectangle["pen"]["style"].toInt(), 2);
    EXPECT_EQ(rectangle["pen"]["width"].toInt(), 3);
    EXPECT_EQ(rectangle["brush"]["colour"].toInt(), 0x00C0FFC0);
    EXPECT_EQ(rectangle["brush"]["style"].toInt(), 0);
    EXPECT_EQ(rectangle["font"]["colour"].toDouble(), 4278190088.0);
    const QJsonArray points = rectangle["points"].toArray();
    ASSERT_EQ(points.size(), 4);
    EXPECT_EQ(F32(points[0][0]), 0.1f);
    EXPECT_EQ(F32(points[0][1]), 0.2f);
    EXPECT_EQ(F32(points[1][1]), 10.3f);
    EXPECT_EQ(F32(points[2][0]), Third);
    const QJsonArray bounds = rectangle["bounds"].toArray();
    ASSERT_EQ(bounds.size(), 4);
    EXPECT_EQ(F32(bounds[0]), 0.1f) << "bounds as recomputed by the loader";
    EXPECT_EQ(F32(bounds[1]), 0.2f);
    EXPECT_EQ(F32(bounds[2]), Third);
    EXPECT_EQ(F32(bounds[3]), 10.3f);

    const QJsonObject cafe = shapes[2].toObject();
    EXPECT_EQ(cafe["text"].toString(), QString::fromUtf8("Café au lait"));
    const QJsonObject font = cafe["font"].toObject();
    EXPECT_EQ(font["colour"].toInt(), 0x000000FF);
    EXPECT_EQ(font["face"].toString(), "Liberation Sans");
    EXPECT_EQ(font["size"].toInt(), 12);
    EXPECT_EQ(font["bold"].toBool(false), true);
    EXPECT_EQ(font["italic"].toBool(false), true);
    EXPECT_EQ(font["underline"].toBool(false), true);
    EXPECT_EQ(font["strikeout"].toBool(true), false);
    EXPECT_EQ(font["charset"].toInt(), 0);
    EXPECT_EQ(font["pitch"].toInt(), 2);
    EXPECT_EQ(font["escapement"].toInt(), 450);
    EXPECT_EQ(font["orientation"].toInt(), 900);
    EXPECT_EQ(font["height"].toInt(), -16);

    const QJsonObject greek = shapes[3].toObject();
    EXPECT_EQ(greek["text"].toString(), QString::fromUtf8("Δt = 5 s"));
    EXPECT_EQ(greek["font"]["charset"].toInt(), 161);
    EXPECT_EQ(greek["font"]["size"].toInt(), 10);

    const QJsonObject group = shapes[4].toObject();
    EXPECT_TRUE(group["points"].toArray().isEmpty());
    const QJsonArray children = group["children"].toArray();
    EXPECT_EQ(Kinds(children), (QList<int> { 3, 7 }));
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[1]["lineEnd"].toInt(), 1);
    EXPECT_TRUE(children[1]["children"].toArray().isEmpty());
}

TEST_F(CommandLine, DumpReadsALibraryByItsExtensionInAnyCase)
{
    TRecordFixture arrow;
    arrow.Kind = 7;
    arrow.Points = { { 0, 0 }, { 30, 0 } };
    TRecordFixture dot;
    dot.Kind = 3;
    dot.Points = { { 0, 0 }, { 2, 2 } };
    TRecordFixture flask;
    flask.Kind = 10;
    flask.Children = { dot };
    const QByteArray library = LibraryFixture("Glassware\r\nSigns\r\n",
        { { 0, "Flask", flask },
            { 1,
                "Fl\xE8"
                "che",
                arrow } });
    for (const char* name : { "lib.kvl", "LIB.KVL", "lib.Kvl" }) {
        const QJsonObject dump = ParseDump(RunKorvo({ "--dump", Fixture(QLatin1String(name), library) }));
        EXPECT_EQ(dump["format"].toString(), "kv-library") << name;
        EXPECT_EQ(dump["pages"].toArray(), (QJsonArray { "Glassware", "Signs" })) << name;
        const QJsonArray entries = dump["entries"].toArray();
        ASSERT_EQ(entries.size(), 2) << name;
        EXPECT_EQ(entries[0]["page"].toInt(), 0) << name;
        EXPECT_EQ(entries[0]["name"].toString(), "Flask") << name;
        EXPECT_EQ(Kinds(entries[0]["shape"]["children"].toArray()), QList<int> { 3 }) << name;
        EXPECT_EQ(entries[1]["page"].toInt(), 1) << name;
        EXPECT_EQ(entries[1]["name"].toString(), QString::fromUtf8("Flèche")) << name;
        EXPECT_EQ(entries[1]["shape"]["kind"].toInt(), 7) << name;
    }
}

TEST_F(CommandLine, BadFilesExitWithOneLineOnStderr)
{
    const QByteArray texts = ReadAll(Sample("texts.kv"));
    const QByteArray library = ReadAll(Sample("sample-library.kvl"));
    struct Case {
        const char* name;
        QStringList arguments;
        QByteArray message; // empty: any one line
    };
    const Case cases[] = {
        { "missing drawing", { "--dump", Path("missing.kv") }, {} },
        { "missing library", { "--dump", Path("missing.kvl") }, {} },
        { "folder", { "--dump", FDir.path() }, {} },
        { "truncated drawing", { "--dump", Fixture("cut.kv", texts.first(200)) }, {} },
        { "truncated library", { "--dump", Fixture("cut.kvl", library.first(200)) }, {} },
        { "drawing read as a library", { "--dump", Fixture("drawing.kvl", texts) }, "Invalid library file\n" },
        { "conversion of a damaged drawing", { "--convert", Path("cut.kv"), Path("out.kv") }, {} },
        { "conversion into a missing folder", { "--convert", Sample("texts.kv"), Path("no/out.kv") }, {} },
        { "library into a missing folder", { "--convert", Sample("sample-library.kvl"), Path("no/out.kvl") }, {} },
        { "import of what is no picture", { "--convert", Fixture("page.svg", "<html></html>"), Path("out.kv") }, {} },
        { "import of a damaged compressed picture",
            { "--convert", Fixture("cut.svgz", QByteArray("\x1f\x8b\x08\x00", 4)), Path("out.kv") }, {} },
    };
    for (const Case& c : cases) {
        const TRun run = RunKorvo(c.arguments);
        EXPECT_EQ(run.ExitCode, 1) << c.name;
        EXPECT_TRUE(run.Out.isEmpty()) << c.name;
        EXPECT_EQ(run.Err.count('\n'), 1) << c.name << ": " << run.Err.constData();
        EXPECT_TRUE(run.Err.endsWith('\n') && run.Err.size() > 1) << c.name;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(run.Err, c.message) << c.name;
        }
    }
    EXPECT_FALSE(QFile::exists(Path("out.kv"))) << "a failed conversion writes nothing";
}

TEST_F(CommandLine, UsageErrorsExitWithTwo)
{
    const QString sample = Sample("texts.kv");
    const QStringList cases[] = {
        { "--dump" },
        { "--convert", sample },
        { "--dump", sample, sample },
        { "--convert", sample, Path("a.kv"), Path("b.kv") },
        { "--unknown", sample },
        { "--frobnicate" },
        { sample, "--frobnicate" },
        { "--convert", sample, Path("a.png") },
        { "--convert", Sample("sample-library.kvl"), Path("a.kv") },
    };
    for (const QStringList& arguments : cases) {
        const TRun run = RunKorvo(arguments);
        EXPECT_EQ(run.ExitCode, 2) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.Out.isEmpty()) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.Err.contains("usage: korvo")) << qPrintable(arguments.join(' '));
    }
    EXPECT_FALSE(QFile::exists(Path("a.kv")));
    EXPECT_FALSE(QFile::exists(Path("a.png")));
}

// Qt's own options are Qt's, with or without a command after them.
TEST_F(CommandLine, QtOptionsLeaveTheCommandToKorvo)
{
    const TRunSetup firstPaint { { { "QT_QPA_PLATFORM", "offscreen" }, { "KORVO_QUIT_AFTER_FIRST_PAINT", "1" } }, {} };
    for (const QStringList& arguments : { QStringList {}, QStringList { "--reverse" },
             QStringList { "--style", "fusion" }, QStringList { "-style=fusion", "-reverse" } }) {
        const TRun run = RunKorvo(arguments, firstPaint);
        EXPECT_EQ(run.ExitCode, 0) << qPrintable(arguments.join(' ')) << ": " << run.Err.constData();
        EXPECT_TRUE(run.Out.contains("first page painted")) << qPrintable(arguments.join(' ')) << ": the editor opens";
    }
    const QJsonObject dump = ParseDump(RunKorvo({ "--platform", "offscreen", "--dump", Sample("texts.kv") }));
    EXPECT_EQ(dump["format"].toString(), "kv-drawing");
}

TEST_F(CommandLine, DumpFailsWhenItsOutputCannotBeWritten)
{
    const TRun run = RunKorvo({ "--dump", Sample("texts.kv") }, { {}, QStringLiteral("/dev/full") });
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("No space left on device")) << run.Err.constData();
}

TEST_F(CommandLine, ConvertReproducesEverySampleExceptTheMappedKind)
{
    for (const char* name : { "texts.kv", "graph-paper.kv", "sample-library.kvl" }) {
        const QString out = Path(QLatin1String(name));
        const TRun run = RunKorvo({ "--convert", Sample(name), out });
        EXPECT_EQ(run.ExitCode, 0) << name << ": " << run.Err.constData();
        EXPECT_TRUE(run.Err.isEmpty()) << name;
        EXPECT_EQ(ReadAll(out), ReadAll(Sample(name))) << name;
    }

    // The one open outline-only curve is stored again under the kind it is read as; nothing else moves.
    const QString out = Path("all-kinds.kv");
    ASSERT_EQ(RunKorvo({ "--convert", Sample("all-kinds.kv"), out }).ExitCode, 0);
    const QByteArray before = ReadAll(Sample("all-kinds.kv"));
    const QByteArray after = ReadAll(out);
    ASSERT_EQ(after.size(), before.size());
    QList<qsizetype> changed;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i] != after[i])
            changed.append(i);
    }
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(before[changed[0]], 14);
    EXPECT_EQ(after[changed[0]], 21);
    const QJsonObject dump = ParseDump(RunKorvo({ "--dump", out }));
    const QList<int> kinds = Kinds(dump["shapes"].toArray());
    EXPECT_TRUE(kinds.contains(21));
    EXPECT_FALSE(kinds.contains(14));
}

// A picture comes in at true size; what it could not take in is noted on stderr without failing, and
// a refused picture is named in its one line.
TEST_F(CommandLine, ConvertImportsAnSvgPicture)
{
    const QString picture = Fixture("beaker.svg",
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="50mm" height="30mm" viewBox="0 0 100 60">)"
        R"(<rect x="0" y="0" width="100" height="60" fill="blue"/><image href="photo.png" width="10" height="10"/>)"
        R"(</svg>)");
    const QString out = Path("beaker.kv");
    const TRun run = RunKorvo({ "--convert", picture, out });
    EXPECT_EQ(run.ExitCode, 0) << run.Err.constData();
    EXPECT_EQ(run.Err.count('\n'), 1) << "the note on the bitmap left out";
    const QJsonArray shapes = ParseDump(RunKorvo({ "--dump", out }))["shapes"].toArray();
    ASSERT_EQ(shapes.size(), 1);
    const QJsonArray bounds = shapes[0]["bounds"].toArray();
    EXPECT_NEAR(bounds[2].toDouble() - bounds[0].toDouble(), 50, 0.01);
    EXPECT_NEAR(bounds[3].toDouble() - bounds[1].toDouble(), 30, 0.01);

    const TRun refused = RunKorvo({ "--convert", Fixture("empty.svg", ""), out });
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_TRUE(refused.Err.contains(Path("empty.svg").toUtf8())) << refused.Err.constData();
}

TEST_F(CommandLine, CommittedSamplesAreWhatTheSampleToolMakes)
{
    const TRun run = RunProgram(MakeSamples, { FDir.path() });
    ASSERT_EQ(run.ExitCode, 0) << run.Err.constData();
    const QStringList made = QDir(FDir.path()).entryList(QDir::Files);
    EXPECT_EQ(made, QDir(SamplesDir).entryList(QDir::Files));
    for (const QString& name : made)
        EXPECT_EQ(ReadAll(FDir.filePath(name)), ReadAll(SamplesDir + QLatin1Char('/') + name)) << qPrintable(name);
}

} // namespace

namespace {

TEST_F(CommandLine, ExportRendersTheWholePageAsPngOrSvg)
{
    const QString png = Path(QStringLiteral("page.png"));
    ASSERT_EQ(RunKorvo({ "--export", Sample("all-kinds.kv"), png }).ExitCode, 0);
    const QImage page(png);
    ASSERT_EQ(page.size(), QSize(840, 1120)) << "A4 at four pixels per millimetre";
    EXPECT_EQ(page.pixel(2, 2), qRgb(255, 255, 255)) << "white, with no grid";
    EXPECT_EQ(page.pixel(120, 120), qRgb(0xFF, 0xFF, 0x80)) << "inside the first polygon";

    ASSERT_EQ(RunKorvo({ "--export", Sample("all-kinds.kv"), png, "--scale", "2" }).ExitCode, 0);
    EXPECT_EQ(QImage(png).size(), QSize(1680, 2240));

    // The shapes reach from (10, 10) to (195, 250) mm; 2 mm of margin make 756 by 976 pixels from (32, 32).
    ASSERT_EQ(RunKorvo({ "--export", Sample("all-kinds.kv"), png, "--crop" }).ExitCode, 0);
    const QImage cropped(png);
    ASSERT_EQ(cropped.size(), QSize(756, 976));
    EXPECT_EQ(cropped.pixel(120 - 32, 120 - 32), qRgb(0xFF, 0xFF, 0x80)) << "inside the first polygon";

    const QString svg = Path(QStringLiteral("page.SVG"));
    ASSERT_EQ(RunKorvo({ "--export", Sample("texts.kv"), svg }).ExitCode, 0);
    const QByteArray vector = ReadAll(svg);
    EXPECT_TRUE(vector.contains("width=\"210mm\" height=\"280mm\""));
    EXPECT_TRUE(vector.contains("Liberation Sans, 12 points")) << "texts stay texts";
}

TEST_F(CommandLine, ExportWritesThePageAsPdfOrMetafile)
{
    const QString pdf = Path(QStringLiteral("page.pdf"));
    ASSERT_EQ(RunKorvo({ "--export", Sample("all-kinds.kv"), pdf }).ExitCode, 0);
    const QByteArray document = ReadAll(pdf);
    EXPECT_TRUE(document.startsWith("%PDF-"));
    const QRegularExpressionMatch box = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                                            .match(QString::fromLatin1(document));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 210 / 25.4 * 72, 1) << "page width in points";
    EXPECT_NEAR(box.captured(2).toDouble(), 280 / 25.4 * 72, 1);

    const QString emf = Path(QStringLiteral("page.EMF"));
    ASSERT_EQ(RunKorvo({ "--export", Sample("all-kinds.kv"), emf }).ExitCode, 0);
    const QByteArray metafile = ReadAll(emf);
    ASSERT_GE(metafile.size(), 108);
    EXPECT_EQ(metafile.mid(40, 4), QByteArray(" EMF")) << "metafile signature";
}

TEST_F(CommandLine, ExportRefusesWhatItCannotDoAndKeepsExistingFiles)
{
    const QString existing = Fixture(QStringLiteral("existing.png"), "old picture");
    const struct {
        const char* name;
        QStringList arguments;
        int exitCode;
    } cases[] = {
        { "unknown format", { "--export", Sample("texts.kv"), Path(QStringLiteral("page.doc")) }, 2 },
        { "a library", { "--export", Sample("sample-library.kvl"), Path(QStringLiteral("lib.png")) }, 2 },
        { "scale out of range", { "--export", Sample("texts.kv"), existing, "--scale", "100" }, 2 },
        { "scale not a number", { "--export", Sample("texts.kv"), existing, "--scale", "big" }, 2 },
        { "scale too small", { "--export", Sample("texts.kv"), existing, "--scale", "0.00001" }, 2 },
        { "an option twice", { "--export", Sample("texts.kv"), existing, "--crop", "--crop" }, 2 },
        { "folder that does not exist", { "--export", Sample("texts.kv"), Path(QStringLiteral("no/such.png")) }, 1 },
        { "damaged drawing", { "--export", Fixture(QStringLiteral("bad.kv"), "\x05\0\0\0"), existing }, 1 },
    };
    for (const auto& c : cases) {
        const TRun run = RunKorvo(c.arguments);
        EXPECT_EQ(run.ExitCode, c.exitCode) << c.name;
        EXPECT_FALSE(run.Err.isEmpty()) << c.name;
        EXPECT_EQ(ReadAll(existing), QByteArray("old picture")) << c.name;
    }
}

// The shapes of the every-kind sample with the crop margin are 189 by 244 mm, so the height is the
// longer side; a thumbnail keeps their proportions.
TEST_F(CommandLine, ThumbnailFitsTheCroppedShapesIntoTheSizeAskedFor)
{
    const QString png = Path(QStringLiteral("thumb.png"));
    for (const int size : { 48, 256 }) {
        const TRun run = RunKorvo({ "--thumbnail", Sample("all-kinds.kv"), png, QString::number(size) });
        ASSERT_EQ(run.ExitCode, 0) << size << ": " << run.Err.constData();
        const QImage thumbnail(png);
        EXPECT_EQ(thumbnail.height(), size);
        EXPECT_NEAR(thumbnail.width(), size * 189.0 / 244, 1) << size;
    }
    // 30 mm from the page's corner lies inside the first polygon: 22 mm into the crop, 23 of 256 pixels
    // for 244 mm.
    const QImage thumbnail(png);
    EXPECT_EQ(thumbnail.pixel(1, 1), qRgb(255, 255, 255)) << "the margin";
    EXPECT_EQ(thumbnail.pixel(23, 23), qRgb(0xFF, 0xFF, 0x80)) << "inside the first polygon";
}

TEST_F(CommandLine, ThumbnailOfABadFileOrSizeMakesNoPicture)
{
    const QString png = Path(QStringLiteral("thumb.png"));
    const struct {
        const char* name;
        QStringList arguments;
        int exitCode;
    } cases[] = {
        { "damaged drawing", { "--thumbnail", Fixture(QStringLiteral("bad.kv"), "\x05\0\0\0"), png, "128" }, 1 },
        { "missing drawing", { "--thumbnail", Path(QStringLiteral("none.kv")), png, "128" }, 1 },
        { "size zero", { "--thumbnail", Sample("texts.kv"), png, "0" }, 2 },
        { "size not a number", { "--thumbnail", Sample("texts.kv"), png, "large" }, 2 },
        { "size too large", { "--thumbnail", Sample("texts.kv"), png, "5000" }, 2 },
        { "no size", { "--thumbnail", Sample("texts.kv"), png }, 2 },
    };
    for (const auto& c : cases) {
        const TRun run = RunKorvo(c.arguments);
        EXPECT_EQ(run.ExitCode, c.exitCode) << c.name;
        EXPECT_FALSE(run.Err.isEmpty()) << c.name;
        EXPECT_FALSE(QFile::exists(png)) << c.name;
    }
}

TEST_F(CommandLine, VersionNamesTheProgramAndItsVersion)
{
    const TRun run = RunKorvo({ "--version" });
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, QByteArray("Korvo " KORVO_VERSION "\n"));
}

TEST_F(CommandLine, PrintRefusesWhatItCannotDo)
{
    // A print service that is not there: no printer at all, whatever the machine has.
    qputenv("CUPS_SERVER", Path(QStringLiteral("no-service.sock")).toUtf8());
    const QString drawing = Sample("texts.kv");
    const struct {
        const char* name;
        QStringList arguments;
        int exitCode;
        const char* message;
    } cases[] = {
        { "unknown layout", { "--print", drawing, "--layout", "wide" }, 2, "--print takes" },
        { "printer without a name", { "--print", drawing, "--printer" }, 2, "--print takes" },
        { "a library", { "--print", Sample("sample-library.kvl") }, 2, "not a library" },
        { "unknown printer", { "--print", drawing, "--printer", "Nope" }, 2, "the printers are: none" },
        { "no printer", { "--print", drawing }, 1, "There is no printer to print on.\n" },
    };
    for (const auto& c : cases) {
        const TRun run = RunKorvo(c.arguments);
        EXPECT_EQ(run.ExitCode, c.exitCode) << c.name;
        EXPECT_TRUE(run.Err.contains(c.message)) << c.name << ": " << run.Err.constData();
    }
}

} // namespace
