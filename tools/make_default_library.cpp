// Builds the shape library shipped with the program through the library model's own save code:
// make_default_library LIBRARY_FILE

#include "library/poly_lib.h"
#include "shapes/error_reporter.h"
#include "tools/shape_builders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace korvo;
using namespace korvo::tools;

namespace {

constexpr TColour Glass = 0x00FFF4E8;
constexpr TColour Water = 0x00F5D9A8;
constexpr TColour Mercury = 0x002020D0;
constexpr TColour Brass = 0x0060A8C8;

const TPen Outline = Pen(clBlack);

// Glassware is drawn open at the top: an outline that is not closed, filled with the glass colour.
TPolygon Vessel(TMMArray outline) { return Points(skOpenPolygon, std::move(outline), Outline, Glass); }

TPolygon Beaker()
{
    return Group({ Vessel({ { 0, 0 }, { 2, 2 }, { 2, 40 }, { 30, 40 }, { 30, 2 }, { 32, 0 } }),
        Points(skPolygon, { { 2.5f, 22 }, { 2.5f, 39.5f }, { 29.5f, 39.5f }, { 29.5f, 22 } }, Pen(clBlack, 1, psClear),
            Water) });
}

TPolygon ConicalFlask()
{
    return Group({ Vessel({ { 11, 0 }, { 11, 14 }, { 0, 42 }, { 32, 42 }, { 21, 14 }, { 21, 0 } }),
        Points(skPolygon, { { 5.5f, 28 }, { 0.8f, 41.5f }, { 31.2f, 41.5f }, { 26.5f, 28 } }, Pen(clBlack, 1, psClear),
            Water) });
}

TPolygon RoundBottomFlask()
{
    return Group(
        { Box(skTubeVertical, { 11, 0, 19, 18 }, Outline, Glass), Box(skCircle, { 0, 15, 30, 45 }, Outline, Glass) });
}

TPolygon TestTube()
{
    // Straight sides and a round bottom, as one open curve.
    const TMMArray outline { { 0, 0 }, { 0, 10 }, { 0, 20 }, { 0, 30 }, { 0, 35.5f }, { 8, 35.5f }, { 8, 30 },
        { 8, 20 }, { 8, 10 }, { 8, 0 } };
    return Points(skOpenCurveFilled, outline, Outline, Glass);
}

TPolygon MeasuringCylinder()
{
    std::vector<TPolygon> parts { Vessel({ { 2, 0 }, { 3, 1 }, { 3, 50 }, { 13, 50 }, { 13, 1 }, { 14, 0 } }),
        Box(skRectangle, { 0, 50, 16, 53 }, Outline, Glass) };
    for (float y = 10; y <= 45; y += 5)
        parts.push_back(Points(skLine, { { 3, y }, { 7, y } }, Outline, NoFillColour));
    return Group(std::move(parts));
}

TPolygon Thermometer()
{
    return Group({ Box(skTubeVertical, { 2, 0, 6, 44 }, Outline, Glass),
        Box(skRectangle, { 3.2f, 20, 4.8f, 44 }, Pen(clBlack, 1, psClear), Mercury),
        Box(skCircle, { 0, 42, 8, 50 }, Outline, Mercury) });
}

TPolygon BunsenBurner()
{
    return Group({ Box(skRectangle, { 7, 0, 13, 30 }, Outline, Brass),
        Box(skRectangle, { 0, 30, 20, 34 }, Outline, Brass), Box(skTube, { 13, 22, 19, 25 }, Outline, Brass) });
}

class TPrintingReporter : public TErrorReporter {
public:
    void ReportError(const QString& message) override { std::fprintf(stderr, "%s\n", qPrintable(message)); }
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_default_library LIBRARY_FILE\n");
        return 2;
    }
    const QString fileName = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", argv[1]);
        return 1;
    }
    TPrintingReporter reporter;
    TPolyLib library(reporter);
    library.AddPage("Laboratory");
    library.AddEntry(Beaker(), 0, "Beaker");
    library.AddEntry(ConicalFlask(), 0, "Conical flask");
    library.AddEntry(RoundBottomFlask(), 0, "Round-bottom flask");
    library.AddEntry(TestTube(), 0, "Test tube");
    library.AddEntry(MeasuringCylinder(), 0, "Measuring cylinder");
    library.AddEntry(Thermometer(), 0, "Thermometer");
    library.AddEntry(BunsenBurner(), 0, "Bunsen burner");
    library.AddEntry(Built(skTubeBend, { 0, 0, 20, 20 }, Outline, Glass, &TPolygon::MakeTubeBend), 0, "Tube bend");
    library.AddEntry(Box(skTube, { 0, 0, 40, 6 }, Outline, Glass), 0, "Straight tube");
    return library.SaveFile(fileName) ? 0 : 1;
}
