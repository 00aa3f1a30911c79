#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace korvo {

// The three looks of the window, by the names the per-user store keeps: 0 "Office 2007 Blue"
// (menu caption "Blue"), 1 "Leopard" ("Black"), 2 "Dream" ("Silver").
constexpr int ThemeCount = 3;

QString ThemeName(int theme);
// The theme a stored name means, letter case ignored; nothing for an unknown name.
std::optional<int> FindTheme(const QString& name);
// The menu's notion of the current theme: exact names for the dark and silver looks, blue otherwise.
int ThemeTag(const QString& name);

// Gives the whole application the theme's style and colours.
void ApplyTheme(int theme);
// The colour of the bar between the drawing and the library panel.
QColor SplitterColour(int theme);

} // namespace korvo
