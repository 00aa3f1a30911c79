#include "document/drawing.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <cmath>

namespace korvo {

namespace {

    constexpr float PasteOffsetMM = 2.0f;
    // A picture on the clipboard as pixels is made at the printer's resolution unless that would take
    // more memory than a copy is worth; then it is made smaller.
    constexpr double MaxClipboardPixels = 16.0 * 1024 * 1024;

    // The picture again at a lower resolution when it has too many pixels for the clipboard.
    TPicture ForClipboardPixels(TPicture picture)
    {
        const double pixels = static_cast<double>(picture.CanvasSize.width()) * picture.CanvasSize.height();
        if (pixels <= MaxClipboardPixels)
            return picture;
        const double factor = std::sqrt(MaxClipboardPixels / pixels);
        TPictureGeometry& geometry = picture.Geometry;
        geometry.Origin = QPoint(qRound(geometry.Origin.x() * factor), qRound(geometry.Origin.y() * factor));
        geometry.Size = (QSizeF(geometry.Size) * factor).toSize();
        geometry.Scale = static_cast<float>(geometry.Scale * factor);
        picture.CanvasSize = geometry.Size;
        picture.PixelsPerInch = std::max(1, qRound(picture.PixelsPerInch * factor));
        return picture;
    }

    // A copy as the shape class assigns one: the picked node stays with the original, so a pasted
    // shape shows no node marker.
    TShapePtr CopyOf(const TPolygon& shape)
    {
        auto copy = std::make_shared<TPolygon>();
        copy->Assign(shape);
        return copy;
    }

} // namespace

void TDrawing::CopySelection()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::History);
    FClipboard.clear();
    for (const TPolygon* shape : FSelection)
        FClipboard.push_back(CopyOf(*shape));
}

void TDrawing::Paste()
{
    if (FClipboard.empty())
        return;
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::Selection);
    SaveUndo(ulPaste);
    DropSelection();
    for (const TShapePtr& copied : FClipboard) {
        TShapePtr shape = CopyOf(*copied);
        MoveShape(*shape, PasteOffsetMM, PasteOffsetMM);
        Append(std::move(shape), false);
        FSelection.push_back(FShapes.back().get());
    }
}

void TDrawing::DuplicateSelection()
{
    const std::vector<TPolygon*> originals = FSelection;
    DropSelection();
    for (const TPolygon* shape : originals) {
        Append(CopyOf(*shape), false);
        FSelection.push_back(FShapes.back().get());
    }
}

std::unique_ptr<QMimeData> TDrawing::SelectionMimeData() const
{
    const TPicture picture = Picture(true, PageScale(PrinterPixelsPerInch()), PrinterPixelsPerInch());
    auto data = std::make_unique<QMimeData>();
    const QByteArray emf = PictureBytes(QStringLiteral("emf"), picture);
    data->setData(QStringLiteral("image/emf"), emf);
    data->setData(QStringLiteral("image/x-emf"), emf);
    data->setData(QStringLiteral("image/svg+xml"), PictureBytes(QStringLiteral("svg"), picture));
    data->setData(QStringLiteral("image/png"), PictureBytes(QStringLiteral("png"), ForClipboardPixels(picture)));
    return data;
}

void TDrawing::CopyAsMetafile() const { QGuiApplication::clipboard()->setMimeData(SelectionMimeData().release()); }

} // namespace korvo
