#include "editor/read_ahead.h"

#include "geometry/units.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <future>
#include <memory>

namespace korvo {

void TakeScreenResolution()
{
    // The screen's resolution is its horizontal pixels per inch.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        SetScreenPixelsPerInch(qRound(screen->logicalDotsPerInchX()));
}

TShapesPromise ReadAhead(const QString& fileName)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return {};
    auto shapes = std::make_shared<std::future<TShapeList>>(
        std::async(std::launch::async, ReadDrawingFile, fileName, BaseScale));
    return [shapes] { return shapes->get(); };
}

} // namespace korvo
