// The program's own picture: its name over a few pieces of the library, on a card the size of the
// splash window.

#include "document/drawing_file.h"
#include "shapes/file_io.h"
#include "tools/help/tutorial.h"
#include "tools/help/tutorials.h"

namespace korvo::tools {

void SaveSplashDrawing(const QString& fileName)
{
    TAssembly a;
    a.Drop("Conical flask", 64, 12);
    // A cell lighting a lamp, on the grid as the circuit tutorial draws them.
    a.Drop("Cell", 6, 42);
    a.Drop("Lamp", 34, 43);
    a.Wire(26, 47, 34, 47);
    a.Wire(6, 47, 4, 47);
    a.Wire(4, 47, 4, 56);
    a.Wire(4, 56, 56, 56);
    a.Wire(56, 56, 56, 47);
    a.Wire(56, 47, 54, 47);
    TShapeList card { std::make_shared<TPolygon>(Rect({ 0, 0, 98, 65 }, Pen(Rgb(120, 140, 170)), Rgb(235, 243, 252))) };
    card.insert(card.end(), a.Shapes().begin(), a.Shapes().end());
    for (TPolygon title : { Label({ 30, 14 }, "Korvo", 30, Rgb(20, 60, 130), true),
             Label({ 30, 27 }, "Drawing for school science", 10, Rgb(20, 60, 130)) })
        card.push_back(std::make_shared<TPolygon>(std::move(title)));
    WriteFileBytes(fileName, EncodeDrawing(card));
}

} // namespace korvo::tools
