#pragma once

// Small helpers for painting tests: a white raster canvas and colour checks at chosen pixels.

#include "shapes/colour.h"

#include <QColor>
#include <QImage>
#include <QPoint>

namespace korvo::test {

inline QImage WhiteCanvas(int width = 240, int height = 240)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The 0x00BBGGRR value of a pixel, to compare with the model's colours.
inline TColour PixelColour(const QImage& image, QPoint p)
{
    const QRgb rgb = image.pixel(p);
    return static_cast<TColour>(qRed(rgb)) | static_cast<TColour>(qGreen(rgb)) << 8
        | static_cast<TColour>(qBlue(rgb)) << 16;
}

inline bool IsWhite(const QImage& image, QPoint p) { return PixelColour(image, p) == clWhite; }

// How many pixels of a rectangle are not white.
inline int InkIn(const QImage& image, const QRect& r)
{
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ink += image.valid(x, y) && !IsWhite(image, QPoint(x, y));
    return ink;
}

} // namespace korvo::test
