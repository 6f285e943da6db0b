// Shared by the derivative tests: trees and token lists from formula text.
#pragma once

#include <string>
#include <utility>

#include "derivative/expr_tree.h"
#include "derivative/token_list.h"
#include "formula/compiled_formula.h"
#include "formula/lexer.h"

namespace plotwise::testing_support {

inline ExprTree TreeOf(const std::string& text, const std::string& var = "x") {
    const Compilation compiled = CompileProgram(text, var);
    return compiled.error == FormulaError::None ? BuildTree(compiled.program) : nullptr;
}

// The analyser's tokens of "(" + text + ")", in text order.
inline TokenList TokensOf(const std::string& text) {
    const StackList tokens = Lexer().Analyse("(" + text + ")", "x").tokens;
    return TokenList(tokens.Data(), tokens.Data() + tokens.Size());
}

inline std::string Repeat(const std::string& text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text;
    return out;
}

// The unrounded value of text at x, or the error of compiling or evaluating it.
inline Evaluation ValueOf(const std::string& text, long double x, const std::string& var = "x") {
    Compilation compiled = CompileProgram(text, var);
    if (compiled.error != FormulaError::None) return {0, compiled.error};
    return Calculator(std::move(compiled.program)).Evaluate(x);
}

}  // namespace plotwise::testing_support
