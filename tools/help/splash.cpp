// The program's own picture: its name over a few pieces of the library, on a card the size of the
// splash window.

#include "document/drawing_file.h"
#include "shapes/file_io.h"
#include "tools/help/tutorial.h"
#include "tools/help/tutorials.h"

namespace korvo::tools {

void SaveSplashDrawing(const QString& fileName)
{
    // The card stands 2 mm in from the page's corner, so that the crop's margin frames it evenly.
    TAssembly a;
    a.Drop("Conical flask", 66, 14);
    // A cell lighting a lamp, on the grid as the circuit tutorial draws them.
    a.Drop("Cell", 8, 44);
    a.Drop("Lamp", 36, 45);
    a.Wire({ { 28, 49 }, { 36, 49 } });
    a.Wire({ { 8, 49 }, { 6, 49 }, { 6, 58 }, { 58, 58 }, { 58, 49 }, { 56, 49 } });
    TShapeList card { std::make_shared<TPolygon>(
        Rect({ 2, 2, 100, 67 }, Pen(Rgb(120, 140, 170)), Rgb(235, 243, 252))) };
    card.insert(card.end(), a.Shapes().begin(), a.Shapes().end());
    for (TPolygon title : { Label({ 32, 16 }, "Korvo", 30, Rgb(20, 60, 130), true),
             Label({ 32, 29 }, "Drawing for school science", 10, Rgb(20, 60, 130)) })
        card.push_back(std::make_shared<TPolygon>(std::move(title)));
    WriteFileBytes(fileName, EncodeDrawing(card));
}

} // namespace korvo::tools
