// The syntax checks of every formula field.
#pragma once

#include <cstddef>
#include <string>

#include "formula/formula_errors.h"

namespace plotwise {

// No error for a blank text or a formula that analyses and transforms, else its code (1 to
// 4). Nothing is evaluated.
[[nodiscard]] FormulaError CheckFormula(const std::string& text, const std::string& varName);
[[nodiscard]] FormulaError CheckFormula2Var(const std::string& text, const std::string& firstName,
                                            const std::string& secondName);

// What a record or a formula field holds; a longer text comes only from the command line.
inline constexpr std::size_t kMaxFormulaLength = 255;

// CheckFormula for a tool's formula field, also when the text comes from the command line:
// one longer than kMaxFormulaLength is a syntax error, as no field could hold it.
[[nodiscard]] FormulaError CheckFieldFormula(const std::string& text, const std::string& varName);

}  // namespace plotwise
