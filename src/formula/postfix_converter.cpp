#include "formula/postfix_converter.h"

#include <utility>
#include <vector>

#include "formula/formula_errors.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

// Whether an incoming operator moves the stacked one to the output first.
bool Removes(std::uint8_t incoming, std::uint8_t stacked) {
    if (stacked == kOpenBracket || IsFunction(incoming)) return false;
    const bool stackedTight = stacked == kPower || IsFunction(stacked);
    switch (incoming) {
        case kPower:
            return stackedTight;
        case kMultiply:
        case kDivide:
            return stackedTight || stacked == kMultiply || stacked == kDivide;
        default:
            return true;  // "+", binary "-" and unary minus remove every operator
    }
}

}  // namespace

Compilation PostfixConverter::Transform(StackList&& tokens) const {
    StackList program;
    FormulaError err = FormulaError::None;
    std::vector<std::uint8_t> operators;
    operators.reserve(tokens.Size());
    const StackItem* items = tokens.Data();
    for (std::size_t k = 0; k < tokens.Size() && err == FormulaError::None; ++k) {
        const std::uint8_t code = items[k].code;
        if (IsOperand(code)) {
            program.Push(code, items[k].value);
        } else if (code == kOpenBracket) {
            operators.push_back(code);
        } else if (code == kCloseBracket) {
            std::size_t open = operators.size();
            while (open > 0 && operators[open - 1] != kOpenBracket)
                --open;
            if (open == 0) {
                err = FormulaError::MissingOpen;
                break;
            }
            while (operators.size() > open) {
                program.Push(operators.back());
                operators.pop_back();
            }
            operators.pop_back();
        } else {
            while (!operators.empty() && Removes(code, operators.back())) {
                program.Push(operators.back());
                operators.pop_back();
            }
            operators.push_back(code);
        }
    }
    tokens.Clear();
    if (err == FormulaError::None && !operators.empty()) err = FormulaError::MissingClose;
    program.Reverse();
    return {err, std::move(program)};
}

}  // namespace plotwise
