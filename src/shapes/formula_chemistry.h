#pragma once

#include "shapes/formula.h"

#include <QString>

#include <vector>

namespace korvo {

// The place the chemistry rules give each character of one line: digits after an element symbol or a
// closing bracket are lowered, a charge ending a species is raised, and everything else (coefficients,
// state symbols, operators, arrows) stays on the line.
std::vector<TRunPlace> ChemistryPlaces(const QString& line);

} // namespace korvo
