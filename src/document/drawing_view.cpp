#include "document/drawing.h"

#include "geometry/rounding.h"
#include "shapes/file_io.h"

#include <QImageReader>

namespace korvo {

namespace {

    constexpr int CentreCode = 19;
    constexpr int CentreReach = 5;

    int ToPixels(float mm, float scale, int offset)
    {
        return Saturate32(static_cast<std::int64_t>(Round(static_cast<double>(mm) * scale)) - offset);
    }

} // namespace

void TDrawing::SetViewSize(int width, int height)
{
    FViewWidth = std::max(width, 0);
    FViewHeight = std::max(height, 0);
}

void TDrawing::SetScroll(int x, int y)
{
    FScrollX = x;
    FScrollY = y;
}

QPoint TDrawing::MMToDevice(TMMPoint p, int offsetX, int offsetY) const
{
    return { ToPixels(p.X, FScale, offsetX), ToPixels(p.Y, FScale, offsetY) };
}

QPoint TDrawing::MMToPoint(float x, float y) const { return MMToDevice({ x, y }, FScrollX, FScrollY); }

TMMPoint TDrawing::DeviceToMM(int x, int y) const
{
    return { static_cast<float>((static_cast<double>(x) + FScrollX) / FScale),
        static_cast<float>((static_cast<double>(y) + FScrollY) / FScale) };
}

TMMPoint TDrawing::DeviceToCM(int x, int y) const
{
    const auto f = static_cast<float>(0.1 / FScale);
    return { static_cast<float>((static_cast<double>(x) + FScrollX) * f),
        static_cast<float>((static_cast<double>(y) + FScrollY) * f) };
}

void TDrawing::SnapToGrid(int& x, int& y) const
{
    const int step = Round(FScale);
    if (step <= 0)
        return;
    const auto snap = [step](int v, int scroll) {
        return Saturate32(static_cast<std::int64_t>(step) * Round((static_cast<double>(v) + scroll) / step) - scroll);
    };
    x = snap(x, FScrollX);
    y = snap(y, FScrollY);
}

void TDrawing::LoadBackground(const QString& fileName)
{
    QImageReader reader(fileName);
    QImage picture = reader.read();
    if (picture.isNull())
        throw EFileError(QStringLiteral("Cannot read the picture \"%1\": %2.").arg(fileName, reader.errorString()));
    FBackground = std::move(picture);
    Paint();
}

void TDrawing::ClearBackground()
{
    FBackground.reset();
    Paint();
}

void TDrawing::SetBackgroundPosition(float x, float y)
{
    FBackgroundX = x;
    FBackgroundY = y;
}

int TDrawing::CentreAt(int x, int y) const
{
    if (!FShowCentre)
        return -1;
    const QPoint c = MMToPoint(FCentreX, FCentreY);
    const TRect marker { c.x() - CentreReach, c.y() - CentreReach, c.x() + CentreReach, c.y() + CentreReach };
    return marker.Contains(x, y) ? CentreCode : -1;
}

void TDrawing::SetCentre(int x, int y)
{
    const TMMPoint centre = DeviceToMM(x, y);
    FCentreX = centre.X;
    FCentreY = centre.Y;
    Paint();
}

} // namespace korvo
