// Compiling "(" + formula + ")" into a postfix program, and the calculator of a compiled
// formula for callers that evaluate one formula many times.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "formula/calculator.h"
#include "formula/stack_list.h"

namespace plotwise {

// err is 0 on success, else 1 to 4 (analysis or transformation) and program is unusable.
void CompileProgram(const std::string& formula, const std::string& varName, std::uint8_t& err,
                    StackList& program);
void CompileProgram2Var(const std::string& formula, const std::string& firstName,
                        const std::string& secondName, std::uint8_t& err, StackList& program);

class CompiledFormula {
  public:
    // Returns the compile error (0 when the formula is ready to evaluate).
    std::uint8_t Compile(const std::string& formula, const std::string& varName);
    // The same from tokens already analysed (a derivative's, in "(" and ")").
    std::uint8_t CompileTokens(StackList tokens);
    bool Ready() const { return calculator_.has_value(); }

    // As Calculator::Calculate; error 8 when nothing was compiled.
    Evaluation Calculate(long double x);

  private:
    std::optional<Calculator> calculator_;  // holds the program
};

class CompiledFormula2Var {
  public:
    std::uint8_t Compile(const std::string& formula, const std::string& firstName,
                         const std::string& secondName);
    bool Ready() const { return calculator_.has_value(); }

    Evaluation Calculate(long double x, long double y);

  private:
    std::optional<Calculator2Var> calculator_;
};

}  // namespace plotwise
