#include "formula/formula_errors.h"

namespace plotwise {

const char* const FormulaErrorMessages[9] = {
    "", "syntax error", "discordance of lexems", "not enough ')' ", "not enough '(' ", "", "", "",
    "",
};

std::string FormulaErrorText(std::uint8_t code) {
    const char* message = code < 9 ? FormulaErrorMessages[code] : "";
    return "Error " + std::to_string(code) + ": " + message;
}

}  // namespace plotwise
