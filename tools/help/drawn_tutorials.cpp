// The tutorials in which the teacher draws every shape with the tools.

#include "tools/help/tutorial.h"
#include "tools/help/tutorials.h"

namespace korvo::tools {

namespace {

    // Colours of the palette, as a teacher following the steps picks them.
    constexpr TColour PaletteYellow = Rgb(0xFF, 0xFF, 0x00);
    constexpr TColour PaletteLightBlue = Rgb(0x60, 0xBF, 0xF0);
    constexpr TColour PaletteRed = Rgb(0xEF, 0x3F, 0x3F);

} // namespace

void SimpleShapesTutorial(const QString& folder)
{
    TTutorial t(folder, "simple-shapes", { 10, 10, 160, 95 });
    t.Box(TTool::Rectangle, { 20, 20, 60, 50 });
    t.Step({ DragMark({ 20, 20 }, { 60, 50 }) });
    t.Box(TTool::Circle, { 75, 20, 105, 50 });
    t.Step({ DragMark({ 75, 20 }, { 105, 50 }) });
    t.Polygon(skPolygon, { { 120, 50 }, { 135, 20 }, { 150, 50 } });
    t.Step(ClickMarks({ { 120, 50 }, { 135, 20 }, { 150, 50 } }));
    t.Line({ 20, 70 }, { 60, 70 });
    // The arrow tool's own head.
    t.Line({ 75, 85 }, { 105, 65 }, leArrowMedium);
    t.Step({ DragMark({ 20, 75 }, { 60, 75 }), DragMark({ 80, 88 }, { 110, 68 }) });
    t.Select(1);
    t.Drawing().SetFillColour(PaletteYellow);
    t.Select(0);
    t.Drawing().SetFillColour(PaletteLightBlue);
    t.Select(2);
    t.Drawing().SetLineColour(PaletteRed);
    t.Step(PointMark({ 90, 35 }));
}

void BeakerTutorial(const QString& folder)
{
    TTutorial t(folder, "beaker", { 10, 5, 120, 90 });
    const TPen glass = Pen(clBlack, 2);
    t.Polygon(skPolyline, { { 25, 16 }, { 30, 22 }, { 30, 75 }, { 80, 75 }, { 80, 22 }, { 85, 16 } }, glass);
    t.Step(ClickMarks({ { 25, 16 }, { 30, 22 }, { 30, 75 }, { 80, 75 }, { 80, 22 }, { 85, 16 } }));
    t.Box(TTool::Rectangle, { 30, 45, 80, 75 });
    t.Drawing().SetFillColour(PaletteLightBlue);
    t.Drawing().SetLineColour(PaletteLightBlue);
    t.Step({ DragMark({ 30, 45 }, { 80, 75 }) });
    t.Drawing().SendToBack();
    t.Step(PointMark({ 55, 60 }));
    for (int y = 30; y <= 70; y += 10)
        t.Line({ 30, static_cast<float>(y) }, { y % 20 == 10 ? 38.0f : 35.0f, static_cast<float>(y) });
    t.Step({ DragMark({ 30, 30 }, { 38, 30 }) });
    t.Text({ 88, 40 }, "water");
    t.Line({ 87, 45 }, { 70, 55 }, leArrow);
    t.Step();
}

void TubesTutorial(const QString& folder)
{
    TTutorial t(folder, "tubes", { 10, 10, 145, 125 });
    // The flask's stopper has its hole at x = 33 to 35; the test tube's middle is at x = 98.
    t.Drop("Conical flask", 20, 70);
    t.Drop("Stopper, one hole", 29, 66);
    t.Drop("Test tube rack", 89, 80);
    t.Drop("Test tube", 95, 66);
    // Sent behind the rack, the tube stands in its hole instead of in front of it.
    t.Select();
    t.Drawing().SendToBack();
    t.Step();
    t.Box(TTool::Tube, { 33, 30, 35, 72 });
    t.Step({ DragMark({ 33, 30 }, { 35, 72 }) });
    t.Box(TTool::TubeBend, { 33, 22, 41, 30 });
    t.Step({ DragMark({ 33, 22 }, { 41, 30 }) });
    t.Box(TTool::Tube, { 41, 22, 91, 24 });
    t.Step({ DragMark({ 41, 18 }, { 91, 18 }) });
    t.Box(TTool::TubeBend, { 91, 22, 99, 30 });
    t.Drawing().MirrorSelection(TMirrorAxis::Horizontal);
    t.Box(TTool::Tube, { 97, 30, 99, 100 });
    t.Step({ DragMark({ 97, 30 }, { 99, 100 }) });
}

} // namespace korvo::tools
