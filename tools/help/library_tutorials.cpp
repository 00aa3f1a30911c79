// The tutorials in which the teacher builds on pictures from the shipped library.

#include "tools/help/tutorial.h"
#include "tools/help/tutorials.h"

namespace korvo::tools {

void CircuitsTutorial(const QString& folder)
{
    TTutorial t(folder, "circuits", { 10, 15, 120, 100 });
    t.Drop("Cell", 30, 25);
    // The drag ends where the picture's top-left corner lands.
    t.Step({ DragMark({ 60, 60 }, { 30, 25 }) });
    t.Drop("Switch, open", 70, 25);
    t.Drop("Ammeter", 40, 65);
    t.Drop("Lamp", 70, 66);
    t.Step();
    // Round the loop from the cell's right-hand terminal, on the grid from terminal to terminal.
    t.Wire({ { 50, 30 }, { 70, 30 } });
    t.Wire({ { 90, 30 }, { 110, 30 }, { 110, 70 }, { 90, 70 } });
    t.Wire({ { 70, 70 }, { 60, 70 } });
    t.Wire({ { 40, 70 }, { 20, 70 }, { 20, 30 }, { 30, 30 } });
    t.Step({ DragMark({ 50, 36 }, { 70, 36 }) });
    t.Drop("Voltmeter", 70, 85);
    t.Wire({ { 70, 70 }, { 70, 90 } });
    t.Wire({ { 90, 70 }, { 90, 90 } });
    t.Step();
    t.Text({ 34, 18 }, "cell", 10);
    t.Text({ 72, 18 }, "switch", 10);
    t.Text({ 75, 58 }, "lamp", 10);
    t.Step();
}

void GlasswareTutorial(const QString& folder)
{
    TTutorial t(folder, "glassware", { 5, 20, 135, 135 });
    t.Drop("Tripod", 10, 60);
    t.Step();
    t.Drop("Bunsen burner, air hole open", 22, 62);
    t.Step();
    t.Drop("Gauze", 7, 58);
    t.Step();
    t.Drop("Beaker, large", 22, 26);
    t.Step();
    const struct {
        TMMPoint Part;
        float LabelY;
        const char* Text;
    } labels[] = { { { 48, 45 }, 35, "beaker" }, { { 62, 59 }, 55, "gauze" }, { { 60, 95 }, 85, "tripod" },
        { { 40, 115 }, 115, "Bunsen burner" } };
    for (const auto& label : labels) {
        t.Line(label.Part, { 88, label.LabelY });
        t.Text({ 90, label.LabelY - 3 }, label.Text, 10);
    }
    t.Step();
}

void BiologyTutorial(const QString& folder)
{
    TTutorial t(folder, "biology", { 10, 15, 140, 105 });
    // Enlarged about its middle, the cell grows to fill the left of the frame.
    t.Drop("Animal cell", 26, 30);
    t.Step();
    t.Drawing().ScaleSelection(150);
    t.Step();
    // Points on the cell's parts, in the picture's own 44 by 38 mm.
    const TMMRect cell = t.Bounds();
    const auto on = [&cell](float x, float y) {
        return TMMPoint { cell.Left + x * (cell.Right - cell.Left) / 44, cell.Top + y * (cell.Bottom - cell.Top) / 38 };
    };
    const struct {
        TMMPoint Part;
        float LabelY;
        const char* Text;
    } labels[] = { { on(35, 12), 25, "mitochondrion" }, { on(26, 18), 45, "nucleus" }, { on(30, 22), 65, "cytoplasm" },
        { on(38, 32), 85, "cell membrane" } };
    for (const auto& label : labels)
        t.Line(label.Part, { 95, label.LabelY });
    t.Step();
    for (const auto& label : labels)
        t.Text({ 97, label.LabelY - 3 }, label.Text, 10);
    t.Step();
    t.Text({ 25, 95 }, "An animal cell", 14, true);
    t.Step();
}

} // namespace korvo::tools
