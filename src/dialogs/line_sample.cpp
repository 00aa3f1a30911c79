#include "dialogs/line_sample.h"

#include "geometry/units.h"
#include "shapes/shape_painter.h"

#include <QPixmap>

namespace korvo {

namespace {

    constexpr int PictureSize = 16;
    // Pixels per millimetre of the pictures: the endings keep their proportions to one another.
    constexpr float PictureScale = 3.0f;

} // namespace

QIcon LineSampleIcon(const TPen& pen, std::uint8_t ending)
{
    TPolygon line;
    line.SetKind(skLine);
    line.FPen = pen;
    line.FLineEnd = ending;
    // From 1 to 13 pixels across, leaving room for the dot.
    line.FPoints = { { 0.5f, 2.5f }, { 4.5f, 2.5f } };
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    TFontCache fonts;
    TShapePainter(painter, TPaintTarget::Screen, ScreenPixelsPerInch(), fonts).Draw(line, 0, 0, PictureScale);
    return QIcon(picture);
}

} // namespace korvo
