#include "document/drawing.h"

#include "document/shared_settings.h"
#include "shapes/byte_stream.h"
#include "shapes/file_io.h"

namespace korvo {

TDrawing::TDrawing(TDrawingSurface* surface, TErrorReporter* reporter)
    : FSurface(surface)
    , FReporter(reporter)
{
}

void TDrawing::ClearShapes() { FShapes.clear(); }

void TDrawing::ClearSelection()
{
    for (TPolygon* shape : FSelection)
        shape->FSelNode = -1;
    FSelection.clear();
}

void TDrawing::SetScale(float scale)
{
    FScale = scale;
    RefreshShapes();
}

void TDrawing::RefreshShapes()
{
    for (const TShapePtr& shape : FShapes) {
        shape->CalcBounds(FScale);
        shape->CalcGrips();
        if (shape->IsGroup())
            shape->CalcChildBounds(FScale);
    }
}

void TDrawing::SaveFile(const QString& fileName) const
{
    WriteFileBytes(fileName, EncodeDrawing(FShapes));
    DocState = dsSaved;
}

void TDrawing::LoadFile(const QString& fileName)
{
    const QByteArray bytes = ReadFileBytes(fileName);
    TShapeList shapes;
    try {
        shapes = DecodeDrawing(bytes, FScale);
    } catch (const EReadError& e) {
        throw EFileError(QStringLiteral("\"%1\" is not a valid drawing file: %2.").arg(fileName, e.what()));
    }
    ClearSelection();
    FShapes.swap(shapes);
    DocState = dsSaved;
}

} // namespace korvo
