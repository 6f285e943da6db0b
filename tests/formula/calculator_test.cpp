// Compiled formulas evaluated: precedence, Round12 on results, failures, two variables.
#include "formula/calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "formula/compiled_formula.h"
#include "formula/extended.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

TEST(Calculator, Formulas) {
    // clang-format off
    const struct {
        const char* formula;
        long double x;
        int err;             // 0: valid, else 7 or 8
        long double result;  // 0 without a value
    } cases[] = {
        {"5", 123, 0, 5}, {"x^2+1", 3, 0, 10}, {"-x^2", 3, 0, -9}, {"-2^2", 0, 0, -4},
        {"2^3^2", 0, 0, 64}, {"-2*3+1", 0, 0, -5}, {"-x+1", 3, 0, -2}, {"8-4-2", 0, 0, 2},
        {"8/4/2", 0, 0, 1}, {"sin(x)^2", 0, 0, 0}, {"2/sqrt(x)*3", 4, 0, 3},
        // Round12 cleans what the arithmetic leaves.
        {"2^10", 0, 0, 1024}, {"sin(x)^2+cos(x)^2", 0.7L, 0, 1}, {"0.1+0.2-0.3", 0, 0, 0},
        {"1/3", 0, 0, 0.333333333333L}, {"asin(0.5)", 0, 0, 0.523598775598L},
        {"pi", 0, 0, 3.14159265359L}, {"10^(-201)", 0, 0, 0}, {"lg(1000)-3", 0, 0, 0},
        {"asinh(-1000000)", 0, 0, -14.5086577385L}, {"atanh(x)", 1e-12L, 0, 1e-12L},
        // No value: the first failing operation decides, whatever follows it.
        {"(-8)^(1/3)", 0, 8, 0}, {"1/(x-x)", 12.5L, 7, 0}, {"x*x", 1e300L, 8, 0},
        {"sqrt(-1)*0", 0, 8, 0}, {"exp(x)", 2000, 7, 0}, {"x", 1e600L, 8, 0}, {"(-x)*0", 1e600L, 8, 0}, {"x", NAN, 8, 0}, {"x^2", INFINITY, 7, 0}};
    // clang-format on
    for (const auto& c : cases) {
        CompiledFormula formula;
        ASSERT_EQ(ErrorCode(formula.Compile(c.formula, "X")), 0) << c.formula;
        const Evaluation v = formula.Calculate(c.x);
        EXPECT_EQ(ErrorCode(v.error), c.err) << c.formula;
        EXPECT_EQ(v.value, c.result) << c.formula << " gave " << static_cast<double>(v.value);
    }
}

TEST(Calculator, EvaluateIsCalculateBeforeRound12) {
    Calculator calc(CompileProgram("x/3+pi", "X").program);
    EXPECT_EQ(calc.Evaluate(1).value, 1.0L / 3 + kPi);
    EXPECT_EQ(calc.Calculate(1).value, 3.47492598692L);
}

TEST(Calculator, RefusesProgramsItCannotRun) {
    StackList broken;  // an operator with nothing to work on
    broken.Push(kPlus);
    EXPECT_EQ(ErrorCode(Calculator(broken).Calculate(1).error), 8);
    // The one-variable calculator has no second variable.
    EXPECT_EQ(ErrorCode(Calculator(CompileProgram2Var("y", "X", "Y").program).Calculate(1).error),
              8);

    CompiledFormula nothing;
    EXPECT_EQ(ErrorCode(nothing.Calculate(1).error), 8);
    EXPECT_EQ(ErrorCode(nothing.Compile("", "X")), 2);  // an empty formula has nothing to compute
}

TEST(Calculator2Var, EvaluatesBothVariables) {
    // clang-format off
    const struct {
        const char* formula;
        long double x, y, result;
    } cases[] = {
        {"x^2+y^2-1", 0.6L, 0.8L, 0}, {"x-y", 5, 3, 2}, {"y", 1, 7, 7},
        {"pi", 1, 7, 3.14159265359L}};
    // clang-format on
    for (const auto& c : cases) {
        Compilation compiled = CompileProgram2Var(c.formula, "X", "Y");
        ASSERT_EQ(ErrorCode(compiled.error), 0) << c.formula;
        const Evaluation v = Calculator2Var(std::move(compiled.program)).Calculate(c.x, c.y);
        EXPECT_EQ(v.value, c.result);
        EXPECT_EQ(ErrorCode(v.error), 0);
    }
}

}  // namespace
}  // namespace plotwise
