// Evaluation of postfix programs in one and two variables.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "formula/formula_errors.h"
#include "formula/stack_list.h"

namespace plotwise {

// Shared by both calculators: the program and the evaluation stack sized for it.
class CalculatorBase {
  public:
    int MaxDepth() const { return maxDepth_; }

  protected:
    CalculatorBase(StackList program, bool twoVariables);
    Evaluation Run(long double x, long double y);

  private:
    // One step of the walk. A binary operation whose right operand is pushed just before it
    // takes that operand directly (x^2, 2*x, x+1 need no stack); a whole constant exponent is
    // kept as an int for multiplication.
    enum class Operand : std::uint8_t { Stack, Constant, First, Second };
    struct Instruction {
        std::uint8_t code;
        Operand operand;
        int wholeExponent;  // 0: none
        long double value;
    };

    StackList program_;
    std::vector<Instruction> instructions_;
    int maxDepth_ = 0;
    bool valid_ = false;  // the program leaves exactly one value and never underflows
    std::vector<long double> stack_;
};

class Calculator : public CalculatorBase {
  public:
    explicit Calculator(StackList program) : CalculatorBase(std::move(program), false) {}

    // The value at x rounded by Round12, or error 7 or 8 when there is no value at x.
    Evaluation Calculate(long double x);

    // The same value before Round12.
    Evaluation Evaluate(long double x);
};

class Calculator2Var : public CalculatorBase {
  public:
    explicit Calculator2Var(StackList program) : CalculatorBase(std::move(program), true) {}

    Evaluation Calculate(long double x, long double y);
    Evaluation Evaluate(long double x, long double y);
};

}  // namespace plotwise
