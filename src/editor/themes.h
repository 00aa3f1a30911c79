#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <optional>

namespace korvo {

// The three looks of the window, in the order of the Appearance menu, with the names the per-user store
// keeps: "Office 2007 Blue" (menu caption "Blue"), "Leopard" ("Black"), "Dream" ("Silver").
enum class TTheme {
    Blue,
    Black,
    Silver,
};

constexpr std::array<TTheme, 3> Themes = { TTheme::Blue, TTheme::Black, TTheme::Silver };

QString ThemeName(TTheme theme);
// The theme a stored name means, letter case ignored; nothing for an unknown name.
std::optional<TTheme> FindTheme(const QString& name);
// The menu's notion of the current theme: exact names for the dark and silver looks, blue otherwise.
TTheme ThemeTag(const QString& name);

// Gives the whole application the theme's style and colours.
void ApplyTheme(TTheme theme);
// The colour of the bar between the drawing and the library panel.
QColor SplitterColour(TTheme theme);

} // namespace korvo
