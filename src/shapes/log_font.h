#pragma once

#include <array>
#include <cstdint>

namespace korvo {

// The 60-byte ANSI logical-font record that shape records carry, field for field.
struct TLogFont {
    static constexpr int ByteSize = 60;
    static constexpr int FaceNameSize = 32;

    std::int32_t Height = 0;
    std::int32_t Width = 0;
    std::int32_t Escapement = 0;
    std::int32_t Orientation = 0;
    std::int32_t Weight = 0;
    std::uint8_t Italic = 0;
    std::uint8_t Underline = 0;
    std::uint8_t StrikeOut = 0;
    std::uint8_t CharSet = 0;
    std::uint8_t OutPrecision = 0;
    std::uint8_t ClipPrecision = 0;
    std::uint8_t Quality = 0;
    std::uint8_t PitchAndFamily = 0;
    std::array<char, FaceNameSize> FaceName {};

    friend bool operator==(const TLogFont& a, const TLogFont& b)
    {
        return a.Height == b.Height && a.Width == b.Width && a.Escapement == b.Escapement
            && a.Orientation == b.Orientation && a.Weight == b.Weight && a.Italic == b.Italic
            && a.Underline == b.Underline && a.StrikeOut == b.StrikeOut && a.CharSet == b.CharSet
            && a.OutPrecision == b.OutPrecision && a.ClipPrecision == b.ClipPrecision && a.Quality == b.Quality
            && a.PitchAndFamily == b.PitchAndFamily && a.FaceName == b.FaceName;
    }
    friend bool operator!=(const TLogFont& a, const TLogFont& b) { return !(a == b); }
};

} // namespace korvo
