#pragma once

#include "shapes/formula.h"

#include <QString>

#include <vector>

namespace korvo {

// The place the chemistry rules give each character of one line: digits after an element symbol or a
// closing bracket are lowered, a charge ending a species is raised, and everything else (coefficients,
// state symbols, operators, arrows) stays on the line.
std::vector<TRunPlace> ChemistryPlaces(const QString& line);

inline bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Plus, hyphen-minus or the typographic minus: what a charge or a signed exponent starts with.
inline bool IsFormulaSign(QChar c) { return c == QLatin1Char('+') || c == QLatin1Char('-') || c == QChar(0x2212); }

} // namespace korvo
