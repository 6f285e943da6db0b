// Evaluation of postfix programs in one and two variables.
#pragma once

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
    StackList program_;
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
