// Evaluation of postfix programs in one and two variables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "stack_list.h"

namespace plotwise {

// Shared by both calculators: the evaluation stack sized for one program.
class TCalculatorBase {
  public:
    int MaxDepth() const { return maxDepth_; }

  protected:
    TCalculatorBase(const TStackList& program, bool twoVariables);
    long double Run(const TStackList& program, std::uint8_t& err, long double x, long double y);

  private:
    int maxDepth_ = 0;
    std::size_t programSize_ = 0;
    bool valid_ = false;  // the program leaves exactly one value and never underflows
    std::vector<long double> stack_;
};

class TCalculator : public TCalculatorBase {
  public:
    explicit TCalculator(const TStackList& program) : TCalculatorBase(program, false) {}

    // The value at x rounded by Round12; err 0, or 7 or 8 when there is no value at x.
    // program must be the one the calculator was created for.
    long double Calculate(const TStackList& program, std::uint8_t& err, long double x);

    // The same value before Round12.
    long double Evaluate(const TStackList& program, std::uint8_t& err, long double x) {
        return Run(program, err, x, 0);
    }
};

class TCalculator2Var : public TCalculatorBase {
  public:
    explicit TCalculator2Var(const TStackList& program) : TCalculatorBase(program, true) {}

    long double Calculate(const TStackList& program, std::uint8_t& err, long double x,
                          long double y);
    long double Evaluate(const TStackList& program, std::uint8_t& err, long double x,
                         long double y) {
        return Run(program, err, x, y);
    }
};

}  // namespace plotwise
