// Shared by the derivative tests: trees and token lists from formula text.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "derivative/expr_tree.h"
#include "derivative/token_list.h"
#include "formula/compiled_formula.h"
#include "formula/lexer.h"

namespace plotwise::testing_support {

inline ExprTree TreeOf(const std::string& text, const std::string& var = "x") {
    StackList program;
    std::uint8_t err = 0;
    CompileProgram(text, var, err, program);
    return err == 0 ? BuildTree(program) : nullptr;
}

// The analyser's tokens of "(" + text + ")", in text order.
inline TokenList TokensOf(const std::string& text) {
    StackList tokens;
    std::uint8_t err = 0;
    Lexer().Analyse("(" + text + ")", "x", err, tokens);
    return TokenList(tokens.Data(), tokens.Data() + tokens.Size());
}

// The unrounded value of text at x, or the error of compiling or evaluating it.
inline Evaluation ValueOf(const std::string& text, long double x, const std::string& var = "x") {
    StackList program;
    std::uint8_t err = 0;
    CompileProgram(text, var, err, program);
    if (err != 0) return {0, static_cast<FormulaError>(err)};
    return Calculator(std::move(program)).Evaluate(x);
}

}  // namespace plotwise::testing_support
