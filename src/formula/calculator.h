// Evaluation of postfix programs in one and two variables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "formula/stack_list.h"

namespace plotwise {

// Shared by both calculators: the program and the evaluation stack sized for it.
class CalculatorBase {
  public:
    int MaxDepth() const { return maxDepth_; }

  protected:
    CalculatorBase(StackList program, bool twoVariables);
    long double Run(std::uint8_t& err, long double x, long double y);

  private:
    StackList program_;
    int maxDepth_ = 0;
    bool valid_ = false;  // the program leaves exactly one value and never underflows
    std::vector<long double> stack_;
};

class Calculator : public CalculatorBase {
  public:
    explicit Calculator(StackList program) : CalculatorBase(std::move(program), false) {}

    // The value at x rounded by Round12; err 0, or 7 or 8 when there is no value at x.
    long double Calculate(std::uint8_t& err, long double x);

    // The same value before Round12.
    long double Evaluate(std::uint8_t& err, long double x) { return Run(err, x, 0); }
};

class Calculator2Var : public CalculatorBase {
  public:
    explicit Calculator2Var(StackList program) : CalculatorBase(std::move(program), true) {}

    long double Calculate(std::uint8_t& err, long double x, long double y);
    long double Evaluate(std::uint8_t& err, long double x, long double y) { return Run(err, x, y); }
};

}  // namespace plotwise
