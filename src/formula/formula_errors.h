// Error codes of the formula engine and their texts.
#pragma once

#include <cstdint>
#include <string>

namespace plotwise {

// The numbers are what users see in "Error N: message"; the tools number their own
// failures around them (5, 11, 12).
enum class FormulaError : std::uint8_t {
    None = 0,
    Syntax = 1,
    Discordance = 2,  // two lexems that may not follow each other
    MissingClose = 3,
    MissingOpen = 4,
    DivisionByZero = 7,   // also overflow, poles and domain limits of functions
    InvalidArgument = 8,  // roots and logarithms of invalid arguments, faults, beyond 1E500
};

constexpr int ErrorCode(FormulaError error) {
    return static_cast<int>(error);
}

// A formula's value, or the error (7 or 8) that left it without one; the value is then 0.
struct [[nodiscard]] Evaluation {
    long double value = 0;
    FormulaError error = FormulaError::None;

    bool Ok() const { return error == FormulaError::None; }
};

// "Error N: message", as every dialog reports a failed formula check. Codes 5 to 8 have
// no message, as no window shows them.
std::string FormulaErrorText(FormulaError error);

}  // namespace plotwise
