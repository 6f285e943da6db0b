// Compiled formulas evaluated: precedence, domain limits through whole formulas, Round12.
#include "calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "compiled_formula.h"
#include "formula_errors.h"
#include "token_codes.h"

namespace plotwise {
namespace {

struct EvalCase {
    const char* formula;
    long double x;
    int err;             // 0: valid, else 7 or 8
    long double result;  // checked when valid
};

class CalculateTest : public testing::TestWithParam<EvalCase> {};

TEST_P(CalculateTest, Value) {
    const EvalCase& c = GetParam();
    TCompiledFormula formula;
    ASSERT_EQ(formula.Compile(c.formula, "X"), 0) << c.formula;
    std::uint8_t err = 99;
    const long double v = formula.Calculate(err, c.x);
    EXPECT_EQ(err, c.err) << c.formula;
    if (c.err == 0) {
        EXPECT_EQ(v, c.result) << c.formula << " gave " << static_cast<double>(v);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, CalculateTest,
    testing::Values(
        EvalCase{"5", 123, 0, 5}, EvalCase{"x^2+1", 3, 0, 10}, EvalCase{"-x^2", 3, 0, -9},
        EvalCase{"-2^2", 0, 0, -4}, EvalCase{"2^3^2", 0, 0, 64}, EvalCase{"-2*3+1", 0, 0, -5},
        EvalCase{"-x+1", 3, 0, -2}, EvalCase{"8-4-2", 0, 0, 2}, EvalCase{"8/4/2", 0, 0, 1},
        EvalCase{"2^10", 0, 0, 1024}, EvalCase{"sin(x)^2+cos(x)^2", 0.7L, 0, 1},
        EvalCase{"0.1+0.2-0.3", 0, 0, 0}, EvalCase{"1/3", 0, 0, 0.333333333333L},
        EvalCase{"asin(0.5)", 0, 0, 0.523598775598L}, EvalCase{"10^(-201)", 0, 0, 0},
        EvalCase{"(-8)^3", 0, 0, -512}, EvalCase{"(-2)^(-3)", 0, 0, -0.125L},
        EvalCase{"0^2", 0, 0, 0}, EvalCase{"int(-2.5)", 0, 0, -3},
        EvalCase{"frac(-2.5)", 0, 0, 0.5L}, EvalCase{"frac(3)", 0, 0, 0},
        EvalCase{"acosh(1)", 0, 0, 0}, EvalCase{"lg(1000)-3", 0, 0, 0},
        EvalCase{"ln(exp(2))", 0, 0, 2}, EvalCase{"pi", 0, 0, 3.14159265359L},
        EvalCase{"asinh(-1000000)", 0, 0, -14.5086577385L}, EvalCase{"atanh(x)", 1e-12L, 0, 1e-12L},
        EvalCase{"exp(-1000)", 0, 0, 0}, EvalCase{"10^(-1000)", 0, 0, 0},
        // No value here.
        EvalCase{"(-8)^(1/3)", 0, 8, 0}, EvalCase{"0^0", 0, 8, 0}, EvalCase{"0^(-1)", 0, 8, 0},
        EvalCase{"10^1000", 0, 7, 0}, EvalCase{"exp(1000)", 0, 7, 0},
        EvalCase{"tanh(1000)", 0, 7, 0}, EvalCase{"sinh(-1000)", 0, 7, 0},
        EvalCase{"asin(1)", 0, 7, 0}, EvalCase{"asin(-1)", 0, 7, 0}, EvalCase{"acos(1)", 0, 7, 0},
        EvalCase{"acos(-1)", 0, 7, 0}, EvalCase{"acosh(0.5)", 0, 7, 0},
        EvalCase{"acosh(-1)", 0, 7, 0}, EvalCase{"atanh(1)", 0, 7, 0},
        EvalCase{"acoth(1)", 0, 7, 0}, EvalCase{"sqrt(-1)", 0, 8, 0}, EvalCase{"ln(0)", 0, 8, 0},
        EvalCase{"1/0", 0, 7, 0}, EvalCase{"1/(x-x)", 12.5L, 7, 0}, EvalCase{"x*x", 1e300L, 8, 0},
        // The first failing operation stops the run, whatever follows it.
        EvalCase{"sqrt(-1)*0", 0, 8, 0}, EvalCase{"x", 1e600L, 8, 0}, EvalCase{"x", NAN, 8, 0},
        EvalCase{"x^2", INFINITY, 7, 0}));

TEST(Calculator, MaxDepthMeasuresTheStack) {
    const struct {
        const char* formula;
        int depth;
    } cases[] = {{"5", 1}, {"x+1", 2}, {"1+2*3", 3}, {"((1+2)*3)", 2}, {"1+(2+(3+(4+x)))", 5}};
    for (const auto& c : cases) {
        TStackList program;
        std::uint8_t err = 99;
        CompileProgram(c.formula, "X", err, program);
        ASSERT_EQ(err, 0);
        EXPECT_EQ(TCalculator(program).MaxDepth(), c.depth) << c.formula;
    }
}

TEST(Calculator, EvaluateSkipsOnlyRound12) {
    TStackList program;
    std::uint8_t err = 99;
    CompileProgram("x/3", "X", err, program);
    TCalculator calc(program);
    const long double raw = calc.Evaluate(program, err, 1);
    EXPECT_EQ(raw, 1.0L / 3);
    EXPECT_EQ(calc.Calculate(program, err, 1), 0.333333333333L);
}

TEST(Calculator, RefusesAProgramItWasNotMadeFor) {
    TStackList program;
    TStackList other;
    std::uint8_t err = 99;
    CompileProgram("x", "X", err, program);
    CompileProgram("x+1+x", "X", err, other);
    TCalculator calc(program);
    calc.Calculate(other, err, 1);
    EXPECT_EQ(err, 8);

    TStackList broken;  // an operator with nothing to work on
    broken.Push(kPlus);
    TCalculator brokenCalc(broken);
    brokenCalc.Calculate(broken, err, 1);
    EXPECT_EQ(err, 8);
}

TEST(Calculator2Var, EvaluatesBothVariables) {
    const struct {
        const char* formula;
        long double x, y, result;
    } cases[] = {{"x^2+y^2-1", 0.6L, 0.8L, 0},
                 {"x-y", 5, 3, 2},
                 {"y", 1, 7, 7},
                 {"x", 1, 7, 1},
                 {"pi", 1, 7, 3.14159265359L}};
    for (const auto& c : cases) {
        TStackList program;
        std::uint8_t err = 99;
        CompileProgram2Var(c.formula, "X", "Y", err, program);
        ASSERT_EQ(err, 0) << c.formula;
        TCalculator2Var calc(program);
        EXPECT_EQ(calc.Calculate(program, err, c.x, c.y), c.result) << c.formula;
        EXPECT_EQ(err, 0);
    }
}

TEST(Calculator, OneVariableCalculatorRejectsSecondVariable) {
    TStackList program;
    std::uint8_t err = 99;
    CompileProgram2Var("y", "X", "Y", err, program);
    TCalculator calc(program);
    calc.Calculate(program, err, 1);
    EXPECT_EQ(err, 8);
}

TEST(CompiledFormula, CompileErrorsAndUncompiledUse) {
    TCompiledFormula formula;
    std::uint8_t err = 0;
    formula.Calculate(err, 1);
    EXPECT_EQ(err, 8);
    EXPECT_EQ(formula.Compile("", "X"), 2);  // an empty formula has nothing to compute
    EXPECT_FALSE(formula.Ready());
    EXPECT_EQ(formula.Compile("(x", "X"), 3);
    EXPECT_EQ(formula.Compile("x+1", "X"), 0);
    EXPECT_EQ(formula.Calculate(err, 2), 3);
}

}  // namespace
}  // namespace plotwise
