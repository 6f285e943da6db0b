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

// Texts indexed from 1; codes 5 to 8 have none, as no window shows them.
extern const char* const FormulaErrorMessages[9];

// "Error N: message", as every dialog reports a failed formula check.
std::string FormulaErrorText(std::uint8_t code);

}  // namespace plotwise
