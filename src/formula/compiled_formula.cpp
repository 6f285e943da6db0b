#include "formula/compiled_formula.h"

#include <utility>

#include "formula/lexer.h"

namespace plotwise {

Compilation CompileProgram(const std::string& formula, const std::string& varName) {
    Analysis analysis = Lexer().Analyse("(" + formula + ")", varName);
    if (analysis.error != FormulaError::None) return {analysis.error, {}};
    return PostfixConverter().Transform(std::move(analysis.tokens));
}

Compilation CompileProgram2Var(const std::string& formula, const std::string& firstName,
                               const std::string& secondName) {
    Analysis analysis = Lexer2Var().Analyse("(" + formula + ")", firstName, secondName);
    if (analysis.error != FormulaError::None) return {analysis.error, {}};
    return PostfixConverter().Transform(std::move(analysis.tokens));
}

FormulaError CompiledFormula::Compile(const std::string& formula, const std::string& varName) {
    calculator_.reset();
    Compilation compiled = CompileProgram(formula, varName);
    if (compiled.error == FormulaError::None) calculator_.emplace(std::move(compiled.program));
    return compiled.error;
}

FormulaError CompiledFormula::CompileTokens(StackList tokens) {
    calculator_.reset();
    Compilation compiled = PostfixConverter().Transform(std::move(tokens));
    if (compiled.error == FormulaError::None) calculator_.emplace(std::move(compiled.program));
    return compiled.error;
}

FormulaError CompiledFormula2Var::Compile(const std::string& formula, const std::string& firstName,
                                          const std::string& secondName) {
    calculator_.reset();
    Compilation compiled = CompileProgram2Var(formula, firstName, secondName);
    if (compiled.error == FormulaError::None) calculator_.emplace(std::move(compiled.program));
    return compiled.error;
}

}  // namespace plotwise
