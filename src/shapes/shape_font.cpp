#include "shapes/shape_font.h"

#include "geometry/rounding.h"
#include "geometry/units.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace korvo {

namespace {

    constexpr std::int32_t BoldWeight = 700;
    constexpr std::int32_t NormalWeight = 400;
    constexpr std::uint8_t TrueTypeOnlyPrecision = 7;

    std::size_t FaceLength(const std::array<char, TLogFont::FaceNameSize>& face)
    {
        return static_cast<std::size_t>(std::find(face.begin(), face.end(), '\0') - face.begin());
    }

    TFontPitch PitchFromRecord(std::uint8_t pitchAndFamily)
    {
        switch (pitchAndFamily & 0x0F) {
        case 1:
            return TFontPitch::Fixed;
        case 2:
            return TFontPitch::Variable;
        default:
            return TFontPitch::Default;
        }
    }

} // namespace

QByteArray TShapeFont::Face() const { return QByteArray(FFace.data(), static_cast<qsizetype>(FaceLength(FFace))); }

void TShapeFont::SetFace(QByteArrayView face)
{
    const auto n = std::min<qsizetype>(face.size(), TLogFont::FaceNameSize - 1);
    // A kept record may hold bytes after the name's terminator; they are not part of the name, so
    // setting the name it already has must not drop the record.
    if (face.first(n) == QByteArrayView(Face()))
        return;
    std::array<char, TLogFont::FaceNameSize> bytes {};
    std::copy_n(face.data(), n, bytes.begin());
    Change(FFace, bytes);
}

TLogFont TShapeFont::Record() const
{
    if (FKeptRecord)
        return *FKeptRecord;
    TLogFont r;
    r.Height = -MulDiv(FSize, ScreenPixelsPerInch(), 72);
    r.Escapement = FOrientation;
    r.Orientation = FOrientation;
    r.Weight = FBold ? BoldWeight : NormalWeight;
    r.Italic = FItalic;
    r.Underline = FUnderline;
    r.StrikeOut = FStrikeOut;
    r.CharSet = FCharset;
    r.OutPrecision = FOrientation != 0 ? TrueTypeOnlyPrecision : 0;
    r.PitchAndFamily = static_cast<std::uint8_t>(FPitch);
    // Keep the terminator even for a face that filled all 32 bytes of a kept record.
    std::copy_n(
        FFace.begin(), std::min<std::size_t>(FaceLength(FFace), TLogFont::FaceNameSize - 1), r.FaceName.begin());
    return r;
}

void TShapeFont::SetFromRecord(const TLogFont& record)
{
    const std::int32_t height = record.Height == std::numeric_limits<std::int32_t>::min()
        ? std::numeric_limits<std::int32_t>::max()
        : std::abs(record.Height);
    FSize = MulDiv(height, 72, ScreenPixelsPerInch());
    FBold = record.Weight > 699;
    FItalic = record.Italic == 1;
    FUnderline = record.Underline == 1;
    FStrikeOut = record.StrikeOut == 1;
    FCharset = record.CharSet;
    FPitch = PitchFromRecord(record.PitchAndFamily);
    FOrientation = record.Orientation;
    FFace = record.FaceName;
    FKeptRecord = record;
}

bool operator==(const TShapeFont& a, const TShapeFont& b)
{
    return a.Colour == b.Colour && a.FFace == b.FFace && a.FSize == b.FSize && a.FBold == b.FBold
        && a.FItalic == b.FItalic && a.FUnderline == b.FUnderline && a.FStrikeOut == b.FStrikeOut
        && a.FCharset == b.FCharset && a.FPitch == b.FPitch && a.FOrientation == b.FOrientation
        && a.FKeptRecord == b.FKeptRecord;
}

} // namespace korvo
