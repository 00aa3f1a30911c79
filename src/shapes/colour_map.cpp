#include "shapes/colour_map.h"

#include <array>

namespace korvo {

namespace {

    // Default look of the desktop's system colours, by index, as 0xRRGGBB.
    constexpr std::array<QRgb, 31> SystemColours = {
        0xC8C8C8,
        0x000000,
        0x99B4D1,
        0xBFCDDB,
        0xF0F0F0,
        0xFFFFFF,
        0x646464,
        0x000000,
        0x000000,
        0x000000,
        0xB4B4B4,
        0xF4F7FC,
        0xABABAB,
        0x3399FF,
        0xFFFFFF,
        0xF0F0F0,
        0xA0A0A0,
        0x6D6D6D,
        0x000000,
        0x434E54,
        0xFFFFFF,
        0x696969,
        0xE3E3E3,
        0x000000,
        0xFFFFE1,
        0x000000,
        0x0066CC,
        0xB9D1EA,
        0xD7E4F2,
        0x3399FF,
        0xF0F0F0,
    };

} // namespace

QColor ToQColor(TColour colour)
{
    if ((colour >> 24) == 0xFF) {
        const std::size_t index = colour & 0xFF;
        return QColor::fromRgb(index < SystemColours.size() ? SystemColours[index] : 0x000000);
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
        static_cast<int>((colour >> 16) & 0xFF));
}

TColour ColourFromRgb(QRgb rgb)
{
    return static_cast<TColour>(qRed(rgb)) | static_cast<TColour>(qGreen(rgb)) << 8
        | static_cast<TColour>(qBlue(rgb)) << 16;
}

} // namespace korvo
