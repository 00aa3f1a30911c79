#pragma once

#include <QString>

#include <optional>

namespace korvo {

// Numbers in the boxes and fields of the window, written in the user's language: a decimal comma in
// German, French and Spanish. Thousands are never grouped, so what is shown reads back everywhere.

// A number as the user reads it, in as few digits as give it back exactly.
QString ShowNumber(double value);
// A number as the user types it, with the user's decimal separator or a decimal point; nothing for text
// that is not a finite number.
std::optional<double> ReadNumber(const QString& text);

} // namespace korvo
