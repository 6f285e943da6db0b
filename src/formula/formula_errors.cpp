#include "formula/formula_errors.h"

namespace plotwise {

const char* const FormulaErrorMessages[9] = {
    "",
    "syntax error",
    "discordance of lexems",
    "not enough ')' ",
    "not enough '(' ",
    "\xed\xe5\xe4\xee\xf1\xf2\xe0\xf2\xee\xea\x20\xee\xef\xe5\xf0\xe0\xf6\xe8\xe9",
    "\xe8\xe7\xe1\xfb\xf2\xee\xea\x20\xee\xef\xe5\xf0\xe0\xf6\xe8\xe9",
    "\xe4\xe5\xeb\xe5\xed\xe8\xe5\x20\xed\xe0\x20\xed\xee\xeb\xfc",
    "\xea\xee\xf0\xe5\xed\xfc\x20\xe8\xe7\x20\x2d\x31",
};

std::string FormulaErrorText(std::uint8_t code) {
    const char* message = code < 9 ? FormulaErrorMessages[code] : "";
    return "Error " + std::to_string(code) + ": " + message;
}

}  // namespace plotwise
