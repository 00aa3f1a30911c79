#include "document/drawing.h"

#include "document/shared_settings.h"
#include "geometry/rounding.h"
#include "shapes/file_io.h"

#include <QImageReader>

namespace korvo {

namespace {

    constexpr int CentreReach = 5;

    int ToPixels(float mm, float scale, int offset)
    {
        return Saturate32(static_cast<std::int64_t>(Round(static_cast<double>(mm) * scale)) - offset);
    }

} // namespace

void TDrawing::SetViewSize(int width, int height)
{
    const TDrawingUpdate update(*this);
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width != FViewWidth || height != FViewHeight)
        Touch(TDrawingChange::View);
    FViewWidth = width;
    FViewHeight = height;
}

void TDrawing::SetScroll(int x, int y)
{
    const TDrawingUpdate update(*this);
    if (x != FScrollX || y != FScrollY)
        Touch(TDrawingChange::View);
    FScrollX = x;
    FScrollY = y;
}

void TDrawing::SetShowGrid(bool show)
{
    const TDrawingUpdate update(*this);
    if (show != FShowGrid)
        Touch(TDrawingChange::View);
    FShowGrid = show;
}

void TDrawing::SetPageSize(std::int32_t widthMM, std::int32_t heightMM)
{
    const TDrawingUpdate update(*this);
    if (widthMM != PageWidthMM || heightMM != PageHeightMM)
        Touch(TDrawingChange::View);
    PageWidthMM = widthMM;
    PageHeightMM = heightMM;
}

void TDrawing::SetNodeMode(TNodeMode mode)
{
    const TDrawingUpdate update(*this);
    if (mode != FNodeMode)
        Touch(TDrawingChange::Selection);
    FNodeMode = mode;
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
        throw EFileError(tr("Cannot read the picture \"%1\": %2.").arg(fileName, reader.errorString()));
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::View);
    FBackground = std::move(picture);
}

void TDrawing::ClearBackground()
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::View);
    FBackground.reset();
}

void TDrawing::SetBackgroundPosition(float x, float y)
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::View);
    FBackgroundX = x;
    FBackgroundY = y;
}

THandle TDrawing::CentreAt(int x, int y) const
{
    if (!FShowCentre)
        return THandle::None;
    const QPoint c = MMToPoint(FCentreX, FCentreY);
    const TRect marker { c.x() - CentreReach, c.y() - CentreReach, c.x() + CentreReach, c.y() + CentreReach };
    return marker.Contains(x, y) ? THandle::RotationCentre : THandle::None;
}

void TDrawing::SetCentre(int x, int y)
{
    const TDrawingUpdate update(*this);
    Touch(TDrawingChange::View);
    const TMMPoint centre = DeviceToMM(x, y);
    FCentreX = centre.X;
    FCentreY = centre.Y;
}

void TDrawing::SetShowCentre(bool show)
{
    const TDrawingUpdate update(*this);
    if (show != FShowCentre)
        Touch(TDrawingChange::View);
    FShowCentre = show;
}

} // namespace korvo
