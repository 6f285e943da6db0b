// Evaluation of postfix programs in one and two variables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "formula/stack_list.h"

namespace plotwise {

// Shared by both calculators: the evaluation stack sized for one program.
class CalculatorBase {
  public:
    int MaxDepth() const { return maxDepth_; }

  protected:
    CalculatorBase(const StackList& program, bool twoVariables);
    long double Run(const StackList& program, std::uint8_t& err, long double x, long double y);

  private:
    int maxDepth_ = 0;
    std::size_t programSize_ = 0;
    bool valid_ = false;  // the program leaves exactly one value and never underflows
    std::vector<long double> stack_;
};

class Calculator : public CalculatorBase {
  public:
    explicit Calculator(const StackList& program) : CalculatorBase(program, false) {}

    // The value at x rounded by Round12; err 0, or 7 or 8 when there is no value at x.
    // program must be the one the calculator was created for.
    long double Calculate(const StackList& program, std::uint8_t& err, long double x);

    // The same value before Round12.
    long double Evaluate(const StackList& program, std::uint8_t& err, long double x) {
        return Run(program, err, x, 0);
    }
};

class Calculator2Var : public CalculatorBase {
  public:
    explicit Calculator2Var(const StackList& program) : CalculatorBase(program, true) {}

    long double Calculate(const StackList& program, std::uint8_t& err, long double x,
                          long double y);
    long double Evaluate(const StackList& program, std::uint8_t& err, long double x,
                         long double y) {
        return Run(program, err, x, y);
    }
};

}  // namespace plotwise
