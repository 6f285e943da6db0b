#include "formula/compiled_formula.h"

#include "formula/formula_errors.h"
#include "formula/lexer.h"
#include "formula/postfix_converter.h"

namespace plotwise {

void CompileProgram(const std::string& formula, const std::string& varName, std::uint8_t& err,
                    StackList& program) {
    StackList tokens;
    Lexer().Analyse("(" + formula + ")", varName, err, tokens);
    if (err != kNoError) return;
    PostfixConverter().Transform(std::move(tokens), program, err);
}

void CompileProgram2Var(const std::string& formula, const std::string& firstName,
                        const std::string& secondName, std::uint8_t& err, StackList& program) {
    StackList tokens;
    Lexer2Var().Analyse("(" + formula + ")", firstName, secondName, err, tokens);
    if (err != kNoError) return;
    PostfixConverter().Transform(std::move(tokens), program, err);
}

std::uint8_t CompiledFormula::Compile(const std::string& formula, const std::string& varName) {
    calculator_.reset();
    std::uint8_t err = kNoError;
    StackList program;
    CompileProgram(formula, varName, err, program);
    if (err == kNoError) calculator_.emplace(std::move(program));
    return err;
}

std::uint8_t CompiledFormula::CompileTokens(StackList tokens) {
    calculator_.reset();
    std::uint8_t err = kNoError;
    StackList program;
    PostfixConverter().Transform(std::move(tokens), program, err);
    if (err == kNoError) calculator_.emplace(std::move(program));
    return err;
}

Evaluation CompiledFormula::Calculate(long double x) {
    if (!calculator_) return {0, kInvalidArgument};
    return calculator_->Calculate(x);
}

std::uint8_t CompiledFormula2Var::Compile(const std::string& formula, const std::string& firstName,
                                          const std::string& secondName) {
    calculator_.reset();
    std::uint8_t err = kNoError;
    StackList program;
    CompileProgram2Var(formula, firstName, secondName, err, program);
    if (err == kNoError) calculator_.emplace(std::move(program));
    return err;
}

Evaluation CompiledFormula2Var::Calculate(long double x, long double y) {
    if (!calculator_) return {0, kInvalidArgument};
    return calculator_->Calculate(x, y);
}

}  // namespace plotwise
