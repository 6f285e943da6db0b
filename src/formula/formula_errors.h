// Error codes of the formula engine and their texts.
#pragma once

#include <cstdint>
#include <string>

namespace plotwise {

enum FormulaError : std::uint8_t {
    kNoError = 0,
    kSyntaxError = 1,
    kDiscordance = 2,
    kMissingClose = 3,
    kMissingOpen = 4,
    kDivisionByZero = 7,   // also overflow, poles and domain limits of functions
    kInvalidArgument = 8,  // roots and logarithms of invalid arguments, faults, beyond 1E500
};

// A formula's value, or the error (7 or 8) that left it without one; the value is then 0.
struct [[nodiscard]] Evaluation {
    long double value = 0;
    FormulaError error = kNoError;

    bool Ok() const { return error == kNoError; }
};

// Texts indexed from 1; codes 5 to 8 have none, as no window shows them.
extern const char* const FormulaErrorMessages[9];

// "Error N: message", as every dialog reports a failed formula check.
std::string FormulaErrorText(std::uint8_t code);

}  // namespace plotwise
