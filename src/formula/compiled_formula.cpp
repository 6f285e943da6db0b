#include "compiled_formula.h"

#include "exp_transformator.h"
#include "formula_errors.h"
#include "lex_analysator.h"

namespace plotwise {

void CompileProgram(const std::string& formula, const std::string& varName, std::uint8_t& err,
                    TStackList& program) {
    TStackList tokens;
    TLexAnalysator().Analyse("(" + formula + ")", varName, err, tokens);
    if (err != kNoError) return;
    TExpTransformator().Transform(std::move(tokens), program, err);
}

void CompileProgram2Var(const std::string& formula, const std::string& firstName,
                        const std::string& secondName, std::uint8_t& err, TStackList& program) {
    TStackList tokens;
    TLexAnalysator2Var().Analyse("(" + formula + ")", firstName, secondName, err, tokens);
    if (err != kNoError) return;
    TExpTransformator2Var().Transform(std::move(tokens), program, err);
}

std::uint8_t TCompiledFormula::Compile(const std::string& formula, const std::string& varName) {
    calculator_.reset();
    std::uint8_t err = kNoError;
    CompileProgram(formula, varName, err, program_);
    if (err == kNoError) calculator_ = std::make_unique<TCalculator>(program_);
    return err;
}

std::uint8_t TCompiledFormula::CompileTokens(TStackList tokens) {
    calculator_.reset();
    std::uint8_t err = kNoError;
    TExpTransformator().Transform(std::move(tokens), program_, err);
    if (err == kNoError) calculator_ = std::make_unique<TCalculator>(program_);
    return err;
}

long double TCompiledFormula::Calculate(std::uint8_t& err, long double x) {
    if (!calculator_) {
        err = kInvalidArgument;
        return 0;
    }
    return calculator_->Calculate(program_, err, x);
}

std::uint8_t TCompiledFormula2Var::Compile(const std::string& formula, const std::string& firstName,
                                           const std::string& secondName) {
    calculator_.reset();
    std::uint8_t err = kNoError;
    CompileProgram2Var(formula, firstName, secondName, err, program_);
    if (err == kNoError) calculator_ = std::make_unique<TCalculator2Var>(program_);
    return err;
}

long double TCompiledFormula2Var::Calculate(std::uint8_t& err, long double x, long double y) {
    if (!calculator_) {
        err = kInvalidArgument;
        return 0;
    }
    return calculator_->Calculate(program_, err, x, y);
}

}  // namespace plotwise
