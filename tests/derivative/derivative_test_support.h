// Shared by the derivative tests: trees and token lists from formula text.
#pragma once

#include <cstdint>
#include <string>

#include "compiled_formula.h"
#include "expr_tree.h"
#include "lex_analysator.h"
#include "token_list.h"

namespace plotwise::testing_support {

inline ExprTree TreeOf(const std::string& text, const std::string& var = "x") {
    TStackList program;
    std::uint8_t err = 0;
    CompileProgram(text, var, err, program);
    return err == 0 ? BuildTree(program) : nullptr;
}

// The analyser's tokens of "(" + text + ")", in text order.
inline TokenList TokensOf(const std::string& text) {
    TStackList tokens;
    std::uint8_t err = 0;
    TLexAnalysator().Analyse("(" + text + ")", "x", err, tokens);
    return TokenList(tokens.Data(), tokens.Data() + tokens.Size());
}

// The unrounded value of text at x; err 255 when it does not compile.
inline long double ValueOf(const std::string& text, long double x, std::uint8_t& err,
                           const std::string& var = "x") {
    TStackList program;
    CompileProgram(text, var, err, program);
    if (err != 0) {
        err = 255;
        return 0;
    }
    return TCalculator(program).Evaluate(program, err, x);
}

}  // namespace plotwise::testing_support
