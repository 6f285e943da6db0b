// The derivative rules item by item, the whole derivation as the windows show it, and the
// measures callers use to refuse a formula.
#include "derivative/derive_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "derivative/derivative.h"
#include "derivative/formula_printer.h"
#include "derivative_test_support.h"

namespace plotwise {
namespace {

using testing_support::TreeOf;

std::string RawDerivative(const std::string& formula) {
    return TokenListToText(Derive(*TreeOf(formula)), "x");
}

TEST(Derive, EveryRuleItemByItem) {
    // clang-format off
    const struct { const char* formula; const char* raw; } cases[] = {
        {"5", "0"}, {"x", "1"}, {"-x", "(-1)"}, {"x+2", "(1+0)"}, {"x-2", "(1-0)"},
        {"x*2", "(1*2+x*0)"}, {"x/2", "((1*2-x*0)/2^2)"},
        // Powers: number base, number exponent (m = n - 1), and the general rule.
        {"2^x", "((2^x)*ln(2)*1)"}, {"x^3", "(3*x^2*1)"}, {"x^0.5", "(0.5*x^(-0.5)*1)"},
        {"x^x", "((x^x)*(x/x*1+1*ln(x)))"}, {"2^3", "((2^3)*ln(2)*0)"}, {"exp(x)", "(exp(x)*1)"},
        {"sin(x)", "(cos(x)*1)"}, {"cos(x)", "(-sin(x)*1)"}, {"tan(x)", "(1/cos(x)^2*1)"},
        {"cot(x)", "(-1/sin(x)^2*1)"}, {"asin(x)", "(1/sqrt(1-x^2)*1)"},
        {"acos(x)", "(-1/sqrt(1-x^2)*1)"}, {"atan(x)", "(1/(1+x^2)*1)"}, {"sinh(x)", "(cosh(x)*1)"},
        {"cosh(x)", "(sinh(x)*1)"}, {"tanh(x)", "(1/cosh(x)^2*1)"}, {"coth(x)", "(-1/sinh(x)^2*1)"},
        {"asinh(x)", "(1/sqrt(x^2+1)*1)"}, {"acosh(x)", "(1/sqrt(x^2-1)*1)"},
        {"atanh(x)", "(1/(1-x^2)*1)"}, {"acoth(x)", "(1/(1-x^2)*1)"}, {"ln(x)", "(1/x*1)"},
        {"lg(x)", "(1/(x*ln(10))*1)"}, {"sqrt(x)", "(1/(2*sqrt(x))*1)"},
        // Compound operands appear fully parenthesised, so precedence cannot regroup them.
        {"sin(x*2)", "(cos((x*2))*(1*2+x*0))"}, {"(x+1)^2", "(2*(x+1)^1*(1+0))"},
        {"exp(-x)", "(exp((-x))*(-1))"}, {"2^(x*x)", "((2^(x*x))*ln(2)*(1*x+x*1))"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RawDerivative(c.formula), c.raw) << c.formula;
}

TEST(DerivativeText, SimplifiedResults) {
    // clang-format off
    const struct { const char* formula; const char* var; const char* text; } cases[] = {
        {"5", "x", "0"}, {"x", "x", "1"}, {"x^2", "x", "2*x"}, {"sin(x^2)", "x", "cos(x^2)*2*x"},
        {"2^x", "x", "2^x*0.6931472"}, {"x^3", "x", "3*x^2"}, {"x^0.5", "x", "0.5*x^(-0.5)"},
        {"x^(-1)", "x", "x^(-1)*(-1)/x"}, {"-x", "x", "(-1)"}, {"3*x^2+1", "x", "3*2*x"},
        {"pi*x", "x", "3.1415927"}, {"12345678*x", "x", "(1.2345678*10^7)"},
        {"0.0002*x", "x", "(2*10^(-4))"}, {"x*(-2)", "x", "(-2)"}, {"atanh(x)", "x", "1/(1-x^2)"},
        {"acoth(x)", "x", "1/(1-x^2)"}, {"lg(x)", "x", "1/(x*2.3025851)"},
        {"exp(-x^2)", "x", "exp(-x^2)*(-2*x)"}, {"ln(0)*x", "x", "ln(0)"},
        // The variable prints exactly as the caller names it; the formula's case is free.
        {"SIN(T)", "t", "cos(t)"}, {"a^2", "a", "2*a"}, {"Y*Y", "y", "y+y"}};
    // clang-format on
    for (const auto& c : cases) {
        const DerivedText derivative = DerivativeText(c.formula, c.var);
        EXPECT_EQ(derivative.text, c.text) << c.formula;
        EXPECT_EQ(ErrorCode(derivative.error), 0) << c.formula;
        EXPECT_FALSE(derivative.notDifferentiable) << c.formula;
    }
}

TEST(DerivativeText, FailuresAndBlankText) {
    // clang-format off
    const struct { const char* formula; int err; bool notDifferentiable; } cases[] = {
        {"abs(x)", 0, true}, {"int(x)", 0, true}, {"frac(x+1)", 0, true},
        {"sin(2*abs(x))", 0, true}, {"x+int(2)", 0, true}, {"sin(x)*(2+abs(3))", 0, true},
        {"x+", 2, false}, {"((x)", 3, false}, {"y", 1, false},
        {"  ", 0, false},  // a blank formula has no derivative and no error
    };
    // clang-format on
    for (const auto& c : cases) {
        const DerivedText text = DerivativeText(c.formula, "x");
        EXPECT_EQ(ErrorCode(text.error), c.err) << c.formula;
        EXPECT_EQ(text.notDifferentiable, c.notDifferentiable) << c.formula;
        EXPECT_EQ(text.text, "") << c.formula;

        const DerivedTokens tokens = DerivativeTokens(c.formula, "x");
        EXPECT_EQ(ErrorCode(tokens.error), c.err) << c.formula;
        EXPECT_EQ(tokens.notDifferentiable, c.notDifferentiable) << c.formula;
        EXPECT_TRUE(tokens.tokens.Empty()) << c.formula;
        EXPECT_EQ(IsDifferentiable(TreeOf(c.formula).get()), !c.notDifferentiable) << c.formula;
    }
    EXPECT_TRUE(IsDifferentiable(TreeOf("sin(x)^x").get()));
    EXPECT_TRUE(IsDifferentiable(nullptr));
}

TEST(TreeDepth, CountsEveryLevelButSumsAndNegation) {
    // clang-format off
    const struct { const char* formula; int depth; } cases[] = {
        {"x", 1}, {"x+1", 1}, {"sin(x)", 2}, {"x^2*sin(x)", 3}, {"x+x+x+x", 1}, {"x*x*x*x", 4},
        {"-x", 1}, {"-(x*x)", 2}, {"x-x*x", 2}, {"sin(cos(x))+x", 3}, {"x/2^x", 3}, {"5", 1}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(TreeDepth(*TreeOf(c.formula)), c.depth) << c.formula;
        const DepthOrError measured = FormulaDepth(c.formula, "x");
        EXPECT_EQ(measured.depth, c.depth) << c.formula;
        EXPECT_EQ(ErrorCode(measured.error), 0);
    }
    EXPECT_EQ(ErrorCode(FormulaDepth("(x", "x").error), 3);
}

}  // namespace
}  // namespace plotwise
