#pragma once

#include "shapes/formula.h"

#include <QByteArray>

#include <optional>

namespace korvo {

// The typed formula as a formula group keeps it in its own text: a marker that an empty or ordinary
// group's text never starts with, the switch, and the text in ASCII, which every code page holds.
QByteArray FormulaDefinition(const TTypedFormula& typed);

// Nothing when the bytes are not such a definition.
std::optional<TTypedFormula> ReadFormulaDefinition(const QByteArray& bytes);

} // namespace korvo
