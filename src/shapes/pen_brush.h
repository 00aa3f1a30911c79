#pragma once

#include "shapes/colour.h"
#include "shapes/shape_kinds.h"

#include <cstdint>

namespace korvo {

struct TPen {
    TColour Colour = clBlack;
    std::uint8_t Style = psSolid;
    std::int32_t Width = 1;

    friend bool operator==(const TPen& a, const TPen& b)
    {
        return a.Colour == b.Colour && a.Style == b.Style && a.Width == b.Width;
    }
};

struct TBrush {
    TColour Colour = clWhite;
    std::uint8_t Style = bsClear;

    // NoFillColour clears the brush; any other colour fills with it.
    void SetFill(TColour colour)
    {
        if (colour == NoFillColour) {
            Style = bsClear;
            return;
        }
        Colour = colour;
        if (Style == bsClear)
            Style = bsSolid;
    }

    friend bool operator==(const TBrush& a, const TBrush& b) { return a.Colour == b.Colour && a.Style == b.Style; }
};

} // namespace korvo
