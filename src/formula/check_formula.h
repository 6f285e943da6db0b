// The syntax checks of every formula field.
#pragma once

#include <string>

#include "formula/formula_errors.h"

namespace plotwise {

// No error for a blank text or a formula that analyses and transforms, else its code (1 to
// 4). Nothing is evaluated.
[[nodiscard]] FormulaError CheckFormula(const std::string& text, const std::string& varName);
[[nodiscard]] FormulaError CheckFormula2Var(const std::string& text, const std::string& firstName,
                                            const std::string& secondName);

}  // namespace plotwise
