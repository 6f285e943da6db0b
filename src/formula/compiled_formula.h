// Compiling "(" + formula + ")" into a postfix program, and the calculator of a compiled
// formula for callers that evaluate one formula many times.
#pragma once

#include <optional>
#include <string>

#include "formula/calculator.h"
#include "formula/formula_errors.h"
#include "formula/postfix_converter.h"
#include "formula/stack_list.h"

namespace plotwise {

// The program, or error 1 to 4 from analysis or transformation.
Compilation CompileProgram(const std::string& formula, const std::string& varName);
Compilation CompileProgram2Var(const std::string& formula, const std::string& firstName,
                               const std::string& secondName);

class CompiledFormula {
  public:
    // The compile error; None when the formula is ready to evaluate.
    [[nodiscard]] FormulaError Compile(const std::string& formula, const std::string& varName);
    // The same from tokens already analysed (a derivative's, in "(" and ")").
    [[nodiscard]] FormulaError CompileTokens(StackList tokens);
    bool Ready() const { return calculator_.has_value(); }

    // As Calculator::Calculate; error 8 when nothing was compiled. Inline: samplers call it
    // per point, and a call more passes the value through memory twice.
    Evaluation Calculate(long double x) {
        if (!calculator_) return {0, FormulaError::InvalidArgument};
        return calculator_->Calculate(x);
    }
    // As Calculator::Evaluate: the value before Round12.
    Evaluation Evaluate(long double x) {
        if (!calculator_) return {0, FormulaError::InvalidArgument};
        return calculator_->Evaluate(x);
    }

  private:
    std::optional<Calculator> calculator_;  // holds the program
};

class CompiledFormula2Var {
  public:
    [[nodiscard]] FormulaError Compile(const std::string& formula, const std::string& firstName,
                                       const std::string& secondName);
    bool Ready() const { return calculator_.has_value(); }

    Evaluation Calculate(long double x, long double y) {
        if (!calculator_) return {0, FormulaError::InvalidArgument};
        return calculator_->Calculate(x, y);
    }

  private:
    std::optional<Calculator2Var> calculator_;
};

}  // namespace plotwise
