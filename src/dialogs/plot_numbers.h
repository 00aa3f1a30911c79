#pragma once

#include <QString>

#include <optional>

namespace korvo {

// A number as the user reads it: in the user's locale, in as few digits as give it back exactly.
QString ShowNumber(double value);
// A number as the user types it, in the user's locale or with a decimal point; nothing for text that is
// not a finite number.
std::optional<double> ReadNumber(const QString& text);

} // namespace korvo
