#include "editor/palette_colours.h"

#include "shapes/colour_map.h"

#include <QPainter>

#include <array>

namespace korvo {

namespace {

    constexpr int Pitch = 16;
    constexpr int Square = 17;
    constexpr int RowCount = 49;
    constexpr int RightColumnLeft = 16;

    // Indexes 1..97 as 0xRRGGBB: the left column's 1..48, then the right column's 49..97.
    constexpr std::array<QRgb, PaletteSize - 1> Colours = {
        0x000000,
        0x504F4F,
        0x70706F,
        0x808080,
        0x909090,
        0xAFAFA0,
        0xC0C0C0,
        0xDFDFDF, //
        0xF0F0F0,
        0xFFFFFF,
        0x300F70,
        0x008FDF,
        0x00904F,
        0xFFFF00,
        0xEF3F00,
        0xEF2F70, //
        0xA04F70,
        0xF08000,
        0xFF9F9F,
        0x70605F,
        0xBFB0D0,
        0x9080B0,
        0x6070B0,
        0x705F9F, //
        0x7F7090,
        0x4F507F,
        0x504F5F,
        0x606F80,
        0x0070C0,
        0x60BFF0,
        0x90AFBF,
        0x708090, //
        0x5F6F6F,
        0x40404F,
        0x405F60,
        0x2F706F,
        0x507F7F,
        0x209080,
        0x20906F,
        0x00AFC0, //
        0x208FA0,
        0x90AFA0,
        0xAFDFCF,
        0x60C0A0,
        0x708F7F,
        0x708F6F,
        0x90B06F,
        0x90B080, //
        0x6FC030,
        0xAFDF7F,
        0xE1FFC0,
        0x706F60,
        0x90907F,
        0x90906F,
        0xC0C060,
        0xFFFF70, //
        0xFFFF9F,
        0xFFFFC0,
        0xFFFFE1,
        0xC0805F,
        0xC0A060,
        0xF07F30,
        0xFFA03F,
        0xFFC060, //
        0xFFCF00,
        0xFFCF8F,
        0x70604F,
        0x905F40,
        0xC06F31,
        0xF07F50,
        0xFF9F7F,
        0xFFCFB0, //
        0x9F6F6F,
        0xC06F60,
        0xC06F70,
        0xEF3F3F,
        0xF07F6F,
        0xF05F60,
        0xC08080,
        0x70505F, //
        0x905F6F,
        0xFF9FBF,
        0xC0809F,
        0x9F808F,
        0xC0A0AF,
        0xA06080,
        0xC0508F,
        0xC070A0, //
        0xA07F9F,
        0xC08FBF,
        0x60505F,
        0x80607F,
        0x90609F,
        0x9F2070,
        0x804070,
        0x70408F, //
        0x6F4F6F,
    };

    // A square with a black border: its outline runs along the first and the last pixel of the box.
    void PaintSquare(QPainter& painter, const QRect& box, const QColor& fill)
    {
        painter.fillRect(box, Qt::black);
        painter.fillRect(box.adjusted(1, 1, -1, -1), fill);
    }

    QRect SquareOf(int index)
    {
        const bool right = index >= RowCount;
        const int row = right ? index - RowCount : index;
        const int left = right ? RightColumnLeft : 0;
        const int width = right ? PalettePictureSize.width() - left : Square;
        return { left, row * Pitch, width, Square };
    }

} // namespace

TColour PaletteColour(int index)
{
    if (index == 0)
        return NoFillColour;
    if (index < 0 || index >= PaletteSize)
        return clWhite;
    return ColourFromRgb(Colours[static_cast<std::size_t>(index - 1)]);
}

std::vector<TColour> PaletteLineColours()
{
    std::vector<TColour> colours;
    for (int index = 1; index < PaletteSize; ++index)
        colours.push_back(PaletteColour(index));
    return colours;
}

void PaintPaletteColours(QPainter& painter)
{
    // The no-colour square is crossed out.
    const QRect none = SquareOf(0);
    PaintSquare(painter, none, Qt::white);
    painter.save();
    painter.setClipRect(none);
    painter.setPen(Qt::black);
    painter.drawLine(QPoint(0, 0), QPoint(Square, Square - 1));
    painter.drawLine(QPoint(0, Square - 1), QPoint(Square, 0));
    painter.restore();
    for (int index = 1; index < PaletteSize; ++index)
        PaintSquare(painter, SquareOf(index), ToQColor(PaletteColour(index)));
}

int PaletteIndexAt(QPoint at)
{
    // Hit where the squares are drawn, so a click on a square's own right edge picks that square.
    const int x = at.x() - PalettePictureLeft;
    const int row = at.y() / Pitch;
    if (x < 0 || at.y() < 0 || row >= RowCount)
        return -1;
    return row + (x >= RightColumnLeft ? RowCount : 0);
}

} // namespace korvo
