#include "tools/svg_candidates/qt_renderer_reader.h"

#include "geometry/units.h"
#include "tools/svg_candidates/shape_recording_device.h"
#include "tools/svg_candidates/shape_recording_engine.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace korvo {

TSvgImport ReadSvgWithQtRenderer(const QByteArray& bytes)
{
    TSvgImport result;
    QSvgRenderer renderer;
    if (!renderer.load(bytes) || !renderer.isValid()) {
        result.Error = QCoreApplication::translate("ReadSvgWithQtRenderer", "Qt's renderer could not read it");
        return result;
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty()) {
        result.Error = QCoreApplication::translate("ReadSvgWithQtRenderer", "the picture has no size");
        return result;
    }
    TShapeRecordingDevice device(size);
    QPainter painter(&device);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    const double mmPerPixel = MMPerInch / RecordingPixelsPerInch;
    result.Bounds = { 0, 0, float(size.width() * mmPerPixel), float(size.height() * mmPerPixel) };
    result.Shapes = device.TakeShapes();
    result.LeftOut = device.LeftOut();
    return result;
}

} // namespace korvo
