// The Calculator window's computation: input checks and the result text.
#pragma once

#include <optional>
#include <string>

#include "formula/everyday_reader.h"

namespace plotwise {

enum class CalculatorField { None, VariableName, VariableValue, Formula };

struct CalculatorCheck {
    CalculatorField field = CalculatorField::None;  // None: every field is valid
    std::string message;                            // "\r" marks a line break
    std::optional<TextSpot> spot = std::nullopt;    // where in the formula its error is
    long double value = 0;                          // the variable's value when valid
    // The fields as read: the formula in the formula language, the value as a number.
    std::string formula;
    std::string valueText;
};

// Checks the fields in the window's order and reports the first failure.
CalculatorCheck CheckCalculatorInput(const std::string& formula, const std::string& name,
                                     const std::string& valueText,
                                     Notation notation = Notation::Strict);

// The formula's value at the variable's value with up to 10 decimals, or "Error" where the
// formula has no value.
std::string GetResultString(const std::string& formula, const std::string& name, long double value);

}  // namespace plotwise
