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

} // namespace

void TDrawing::CopySelection()
{
    FClipboard.clear();
    for (const TPolygon* shape : FSelection)
        FClipboard.push_back(std::make_shared<TPolygon>(*shape));
}

void TDrawing::Paste()
{
    if (FClipboard.empty())
        return;
    SaveUndo(ulPaste);
    ClearSelection();
    for (const TShapePtr& copied : FClipboard) {
        auto shape = std::make_shared<TPolygon>(*copied);
        MoveShape(*shape, PasteOffsetMM, PasteOffsetMM);
        Append(std::move(shape), false);
        FSelection.push_back(FShapes.back().get());
    }
    Paint();
}

void TDrawing::PasteInPlace()
{
    ClearSelection();
    for (const TShapePtr& copied : FClipboard) {
        Append(std::make_shared<TPolygon>(*copied), false);
        FSelection.push_back(FShapes.back().get());
    }
}

std::unique_ptr<QMimeData> TDrawing::SelectionMimeData() const
{
    const TPicture picture = Picture(true, PageScale());
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
