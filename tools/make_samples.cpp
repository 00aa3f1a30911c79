// Builds the sample drawings and the sample library through the model's own operations and saves
// them with the editor's file code: make_samples OUTPUT_FOLDER

#include "document/drawing_file.h"
#include "library/poly_lib.h"
#include "shapes/code_page.h"
#include "shapes/file_io.h"
#include "tools/library_assembly.h"
#include "tools/printing_reporter.h"
#include "tools/shape_builders.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <stdexcept>

using namespace korvo;
using namespace korvo::tools;

namespace {

// A bezier curve through the given anchors with controls a third of the way along each chord.
TMMArray Bezier(std::initializer_list<TMMPoint> anchors)
{
    TMMArray points;
    const TMMPoint* previous = nullptr;
    for (const TMMPoint& a : anchors) {
        if (previous) {
            points.push_back({ previous->X + (a.X - previous->X) / 3, previous->Y + (a.Y - previous->Y) / 3 - 8 });
            points.push_back(
                { previous->X + 2 * (a.X - previous->X) / 3, previous->Y + 2 * (a.Y - previous->Y) / 3 + 8 });
        }
        points.push_back(a);
        previous = &a;
    }
    return points;
}

TShapeList AllKinds()
{
    std::vector<TPolygon> shapes;
    shapes.push_back(
        Points(skPolygon, { { 10, 30 }, { 25, 10 }, { 45, 18 }, { 40, 40 }, { 18, 42 } }, Pen(clBlack), 0x0080FFFF));
    shapes.push_back(Box(skRectangle, { 55, 10, 95, 40 }, Pen(clBlue, 2), 0x00FFE0C0));
    shapes.push_back(Box(skCircle, { 105, 10, 145, 40 }, Pen(clRed), 0x00C0FFC0));
    shapes.push_back(Points(
        skPolyline, { { 155, 40 }, { 165, 10 }, { 175, 40 }, { 185, 10 } }, Pen(clBlack, 2), NoFillColour, leArrow));
    shapes.push_back(Points(skLine, { { 10, 55 }, { 60, 55 } }, Pen(clBlack), NoFillColour));
    shapes.push_back(Points(skLine, { { 10, 65 }, { 60, 75 } }, Pen(clBlack), NoFillColour, leArrowMedium));
    shapes.push_back(Points(skLine, { { 10, 85 }, { 60, 85 } }, Pen(clBlack, 1, psDot), NoFillColour, leCircle));
    shapes.push_back(Points(skLine, { { 35, 95 }, { 35, 120 } }, Pen(clRed), NoFillColour, leArrowSmall));
    shapes.push_back(
        Points(skCurve, { { 70, 80 }, { 80, 50 }, { 100, 110 }, { 110, 80 } }, Pen(clBlack), NoFillColour, leArrow));
    shapes.push_back(Built(skTubeBend, { 120, 55, 150, 85 }, Pen(clBlack), 0x00F0D0A0, &TPolygon::MakeTubeBend));
    shapes.push_back(Points(skOpenCurve, Bezier({ { 160, 60 }, { 175, 60 }, { 190, 75 } }), Pen(clBlue), NoFillColour));
    TMMArray closed = Bezier({ { 20, 140 }, { 40, 130 }, { 50, 150 }, { 20, 140 } });
    shapes.push_back(Points(skClosedCurveAlt, closed, Pen(clBlack), 0x00A0A0FF));
    shapes.push_back(GraphPaper({ 70, 120, 110, 150 }, 5, clBlue));
    shapes.push_back(Box(skTube, { 120, 100, 190, 110 }, Pen(clBlack), 0x00FFD0D0));
    shapes.push_back(Box(skTubeVertical, { 150, 120, 160, 170 }, Pen(clBlack), 0x00FFD0D0));
    closed = Bezier({ { 170, 130 }, { 195, 140 }, { 180, 170 }, { 170, 130 } });
    shapes.push_back(Points(skClosedCurve, closed, Pen(clRed), 0x00C0E0FF));
    shapes.push_back(Built(skOpenCurveFilled, { 20, 170, 80, 200 }, Pen(clBlack), 0x00FFC0FF, &TPolygon::MakeSine));
    shapes.push_back(Points(skOpenPolygon, { { 90, 200 }, { 100, 170 }, { 120, 190 }, { 140, 170 } }, Pen(clBlack),
        0x00E0E0E0, leArrowMedium));
    shapes.push_back(Text({ 20, 210, 120, 222 }, QStringLiteral("Every kind of shape"), { "Liberation Sans", 14 }));
    shapes.push_back(Group({ Box(skRectangle, { 140, 210, 190, 250 }, Pen(clBlack), 0x00FFFFE0),
        Box(skCircle, { 150, 215, 180, 245 }, Pen(clBlue), 0x00FFC0C0),
        Text({ 152, 226, 178, 234 }, QStringLiteral("Group"), { "Liberation Serif", 10 }) }));
    TShapeList list;
    for (TPolygon& shape : shapes)
        list.push_back(std::make_shared<TPolygon>(std::move(shape)));
    return list;
}

TShapeList Texts()
{
    TShapeList list;
    const auto add = [&list](TPolygon shape) { list.push_back(std::make_shared<TPolygon>(std::move(shape))); };
    add(Text({ 20, 20, 180, 32 }, QStringLiteral("Liberation Sans, 12 points"), { "Liberation Sans", 12 }));
    add(Text({ 20, 40, 180, 54 }, QStringLiteral("Liberation Serif, bold"), { "Liberation Serif", 14, 1, true }));
    TTextStyle mono { "Liberation Mono", 10 };
    mono.Italic = true;
    mono.Colour = clBlue;
    add(Text({ 20, 60, 180, 70 }, QStringLiteral("Liberation Mono, italic, blue"), mono));
    TTextStyle underlined { "Liberation Sans", 11 };
    underlined.Underline = true;
    add(Text({ 20, 80, 180, 100 }, QStringLiteral("Two lines:\r\nthe second after CR LF"), underlined));
    add(Text({ 20, 110, 180, 122 }, QStringLiteral("Température: 20 °C — 1½ × água"), { "Liberation Sans", 12 }));
    add(Text({ 20, 130, 180, 142 }, QStringLiteral("Ηλεκτρόνιο και πρωτόνιο"), { "Liberation Sans", 12, 161 }));
    add(Text({ 20, 150, 180, 162 }, QStringLiteral("Электрон и протон"), { "Liberation Serif", 12, 204 }));
    add(Text({ 20, 170, 180, 182 }, QStringLiteral("α + β → γ ≤ ∞"), { "Symbol", 12, SymbolCharset }));
    TTextStyle turned { "Liberation Sans", 12 };
    turned.Orientation = 900;
    // A frame turned with its text: lines start at the bottom and advance to the right.
    TPolygon upwards = Text({ 190, 100, 202, 180 }, QStringLiteral("Turned a quarter"), turned);
    upwards.FPoints = { { 190, 180 }, { 202, 180 }, { 202, 100 }, { 190, 100 } };
    add(std::move(upwards));
    return list;
}

TShapeList GraphPapers()
{
    TShapeList list;
    const auto add = [&list](TPolygon shape) { list.push_back(std::make_shared<TPolygon>(std::move(shape))); };
    add(GraphPaper({ 10, 10, 100.4f, 100 }, 10, clBlack));
    add(GraphPaper({ 110, 10, 200, 100 }, 5, clBlue));
    add(GraphPaper({ 10, 110, 100, 200 }, 2, clRed));
    add(GraphPaper({ 110, 110, 200, 200 }, 1, clBlack));
    return list;
}

// Pieces of the shipped library dropped on whole millimetres where they fit together, through the
// drawing's own drop: a heating set-up, a titration, a gas made and collected, and a circuit.
TShapeList AssemblingGlassware()
{
    TAssembly a;
    // A beaker on the gauze on the tripod, over a burner standing on the same bench.
    a.Drop("Tripod", 10, 60);
    a.Drop("Bunsen burner, air hole open", 22, 62);
    a.Drop("Gauze", 7, 58);
    a.Drop("Beaker, large", 22, 26);
    // A burette in the clamp over a conical flask on the stand's base.
    a.Drop("Clamp stand", 145, 10);
    a.Drop("Conical flask", 178, 178);
    a.Drop("Boss and clamp", 147, 50);
    a.Drop("Burette", 186, 30);
    // A gas led from a stoppered flask into a test tube in the rack.
    a.Drop("Test tube rack", 71, 230);
    a.Drop("Test tube", 77, 216);
    a.Drop("Conical flask", 10, 224);
    a.Drop("Delivery tube, bent", 23, 192);
    a.Drop("Stopper, one hole", 19, 220);
    // A cell, a switch and a lamp in series, the wires on the grid.
    a.Drop("Cell", 75, 140);
    a.Drop("Switch, open", 105, 140);
    a.Drop("Lamp", 95, 171);
    a.Wire({ { 95, 145 }, { 105, 145 } });
    a.Wire({ { 125, 145 }, { 125, 175 }, { 115, 175 } });
    a.Wire({ { 95, 175 }, { 75, 175 }, { 75, 145 } });
    return a.Shapes();
}

bool SaveLibrary(const QString& fileName)
{
    TPrintingReporter reporter;
    TPolyLib library(reporter);
    library.AddPage("Glassware");
    library.AddPage("Signs");
    library.AddEntry(Group({ Box(skTubeVertical, { 6, 0, 14, 30 }, Pen(clBlack), 0x00FFE0C0),
                         Box(skCircle, { 0, 26, 20, 46 }, Pen(clBlack), 0x00FFE0C0) }),
        0, "Round-bottom flask");
    library.AddEntry(
        Built(skTubeBend, { 0, 0, 20, 20 }, Pen(clBlack), 0x00F0D0A0, &TPolygon::MakeTubeBend), 0, "Tube bend");
    library.AddEntry(Points(skLine, { { 0, 0 }, { 30, 0 } }, Pen(clBlack, 2), NoFillColour, leArrow), 1, "Arrow");
    library.AddEntry(Text({ 0, 0, 20, 8 }, QStringLiteral("Δt"), { "Liberation Sans", 12, 161 }), 1,
        EncodeText(QStringLiteral("Délai"), DefaultCharset).value());
    return library.SaveFile(fileName);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    try {
        WriteFileBytes(folder.filePath(QStringLiteral("all-kinds.kv")), EncodeDrawing(AllKinds()));
        WriteFileBytes(folder.filePath(QStringLiteral("texts.kv")), EncodeDrawing(Texts()));
        WriteFileBytes(folder.filePath(QStringLiteral("graph-paper.kv")), EncodeDrawing(GraphPapers()));
        WriteFileBytes(
            folder.filePath(QStringLiteral("assembling-glassware.kv")), EncodeDrawing(AssemblingGlassware()));
    } catch (const EFileError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "no picture named \"%s\" in the library\n", e.what());
        return 1;
    }
    return SaveLibrary(folder.filePath(QStringLiteral("sample-library.kvl"))) ? 0 : 1;
}
