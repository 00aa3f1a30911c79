#pragma once

#include "shapes/colour.h"
#include "shapes/log_font.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <optional>

namespace korvo {

constexpr std::uint8_t DefaultCharset = 1;
constexpr std::uint8_t SymbolCharset = 2;

enum class TFontPitch : std::uint8_t { Default = 0, Fixed = 1, Variable = 2 };

// A shape's font as its properties. A font made from a stored logical-font record keeps that record
// and writes it back unchanged until one of its properties changes, so records round-trip byte for
// byte. Graph paper reuses size (square size in mm) and colour (major-line choice).
class TShapeFont {
public:
    // Not part of the logical-font record: changing it keeps the record.
    TColour Colour = clWindowText;

    // Face name as bytes in the code page of the character set, at most 31 of them when set here.
    QByteArray Face() const;
    void SetFace(QByteArrayView face);

    std::int32_t Size() const { return FSize; }
    void SetSize(std::int32_t points) { Change(FSize, points); }
    bool Bold() const { return FBold; }
    void SetBold(bool on) { Change(FBold, on); }
    bool Italic() const { return FItalic; }
    void SetItalic(bool on) { Change(FItalic, on); }
    bool Underline() const { return FUnderline; }
    void SetUnderline(bool on) { Change(FUnderline, on); }
    bool StrikeOut() const { return FStrikeOut; }
    void SetStrikeOut(bool on) { Change(FStrikeOut, on); }
    std::uint8_t Charset() const { return FCharset; }
    void SetCharset(std::uint8_t charset) { Change(FCharset, charset); }
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch pitch) { Change(FPitch, pitch); }
    // Text rotation in tenths of a degree, counter-clockwise.
    std::int32_t Orientation() const { return FOrientation; }
    void SetOrientation(std::int32_t tenths) { Change(FOrientation, tenths); }

    // The record this font writes: the kept one, or one built from the properties at the current
    // screen resolution.
    TLogFont Record() const;
    // Takes every property from the record and keeps it.
    void SetFromRecord(const TLogFont& record);

    friend bool operator==(const TShapeFont& a, const TShapeFont& b);
    friend bool operator!=(const TShapeFont& a, const TShapeFont& b) { return !(a == b); }

private:
    template <class T> void Change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        FKeptRecord.reset();
    }

    std::array<char, TLogFont::FaceNameSize> FFace { 'a', 'r', 'i', 'a', 'l' };
    std::int32_t FSize = 10;
    bool FBold = false;
    bool FItalic = false;
    bool FUnderline = false;
    bool FStrikeOut = false;
    std::uint8_t FCharset = DefaultCharset;
    TFontPitch FPitch = TFontPitch::Default;
    std::int32_t FOrientation = 0;
    std::optional<TLogFont> FKeptRecord;
};

} // namespace korvo
