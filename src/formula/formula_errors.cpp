#include "formula/formula_errors.h"

#include <iterator>

namespace plotwise {
namespace {

constexpr const char* kMessages[] = {
    "", "syntax error", "discordance of lexems", "not enough ')' ", "not enough '(' ",
};

}  // namespace

std::string FormulaErrorText(FormulaError error) {
    const int code = ErrorCode(error);
    const char* message = code < static_cast<int>(std::size(kMessages)) ? kMessages[code] : "";
    return "Error " + std::to_string(code) + ": " + message;
}

}  // namespace plotwise
