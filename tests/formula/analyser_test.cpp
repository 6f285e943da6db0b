// The formula language: what compiles, the codes of what does not, and random texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "formula/check_formula.h"
#include "formula/compiled_formula.h"

namespace plotwise {
namespace {

TEST(CheckFormula, CodesOfTheLanguage) {
    // clang-format off
    const struct {
        const char* text;
        const char* var;
        int code;  // 0: accepted
    } cases[] = {
        // Case and blanks do not matter; a blank formula passes the check.
        {"x^2", "X", 0}, {"X ^ 2", "x", 0}, {"s i n(x)", "X", 0}, {"", "X", 0}, {"   ", "X", 0},
        // Unary minus only directly after "(".
        {"-x^2", "X", 0}, {"2^(-1)", "X", 0}, {"x*(-2)", "X", 0}, {"2^-1", "X", 2},
        {"x*-2", "X", 2}, {"--x", "X", 2}, {"-", "X", 2}, {"(-)", "X", 2}, {"-*x", "X", 2},
        // No implicit multiplication; functions need their parentheses.
        {"2x", "X", 2}, {"2(x)", "X", 2}, {"2pi", "X", 2}, {"x(2)", "X", 2}, {"sin(x)(2)", "X", 2},
        {"sin x", "X", 1}, {"sin(x)^2", "X", 0}, {"2^sin(x)", "X", 0}, {"sin", "X", 2},
        // Numbers and words.
        {"3.", "X", 0}, {"1e5", "X", 1}, {"1.5.2", "X", 1}, {"1,5", "X", 1}, {".5", "X", 1},
        {"1=2", "X", 1}, {"x2", "X", 1}, {"X", "x", 0}, {"y", "X", 1}, {"pi*PI*Pi", "X", 0},
        {"t", "t", 0}, {"x\t", "X", 1}, {"\xff", "X", 1},
        {"sin(cos(tan(cot(frac(int(abs(exp(ln(lg(sqrt(atan(x))))))))))))", "X", 0},
        {"asin(acos(sinh(cosh(tanh(coth(asinh(acosh(atanh(acoth(x))))))))))", "X", 0},
        // Balance is checked after the pairs, and a bad word wins over a bad pair.
        {"((x)", "X", 3}, {"(x))", "X", 4}, {"()", "X", 2}, {")x(", "X", 2}, {"2x+foo", "X", 1},
        {"2x+(1", "X", 2}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorCode(CheckFormula(c.text, c.var)), c.code) << c.text;
    }
}

TEST(CheckFormula, TwoVariables) {
    // clang-format off
    const struct {
        const char* text;
        int code;
    } cases[] = {
        {"x^2+y^2-1", 0}, {"x*y", 0}, {"xy", 1}, {"x(y)", 2}, {"y", 0}, {"5", 0}, {"", 0}, {"z", 1},
        {"(y", 3}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorCode(CheckFormula2Var(c.text, "X", "Y")), c.code) << c.text;
    }
}

TEST(CheckFormula, LongTexts) {
    std::string sum = "x";
    while (sum.size() < 255)
        sum += "+x";  // as long as a document may hold
    EXPECT_EQ(ErrorCode(CheckFormula(sum, "X")), 0);
    EXPECT_EQ(ErrorCode(CheckFormula(std::string(20000, '(') + "x" + std::string(20000, ')'), "X")),
              0);
    EXPECT_EQ(ErrorCode(CheckFormula(std::string("x\0y", 3), "X")), 1);
    EXPECT_EQ(ErrorCode(CheckFormula(std::string(5000, '9'), "X")),
              1);  // beyond the extended range
}

// A random well-formed formula over every function and operator.
std::string RandomFormula(std::mt19937& random, int depth) {
    static const char* functions[] = {
        "sin",  "cos",  "tan",  "cot",  "frac", "int",  "abs",  "exp",   "ln",    "lg",    "sqrt",
        "atan", "asin", "acos", "sinh", "cosh", "tanh", "coth", "asinh", "acosh", "atanh", "acoth"};
    static const char* leaves[] = {"x", "2", "0.5", "3.", "pi", "10", "0", "1000", "1"};
    static const char* operators[] = {"+", "-", "*", "/", "^"};
    switch (depth <= 0 ? 0 : random() % 4) {
        case 0:
            return leaves[random() % std::size(leaves)];
        case 1:
            return std::string(functions[random() % std::size(functions)]) + "(" +
                   RandomFormula(random, depth - 1) + ")";
        case 2:
            return "(-" + RandomFormula(random, depth - 1) + ")";
        default:
            return "(" + RandomFormula(random, depth - 1) + operators[random() % 5] +
                   RandomFormula(random, depth - 1) + ")";
    }
}

TEST(CheckFormula, RandomTextsCompileConsistentlyAndEvaluateSafely) {
    // Well-formed formulas, half of them with one piece of damage: the check agrees with
    // compilation, and whatever compiles evaluates within 1E500 or to code 7 or 8.
    const char* damage[] = {"x", "2",   ".",   "(", ")",  "+", "-",  "^",
                            " ", "sin", "1e5", ",", "\t", "y", "()", "--"};
    std::mt19937 random(12345);
    const long double xs[] = {0, -1, 0.5L, 3, -1e10L, 1e300L, -7.5L};
    int compiled = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string text = RandomFormula(random, 4);
        if (i % 2 == 1) {
            text.insert(random() % (text.size() + 1), damage[random() % std::size(damage)]);
        }
        CompiledFormula formula;
        const int compileErr = ErrorCode(formula.Compile(text, "X"));
        ASSERT_EQ(ErrorCode(CheckFormula(text, "X")), compileErr) << text;
        ASSERT_LE(compileErr, 4) << text;
        if (compileErr != 0) continue;
        ++compiled;
        for (long double x : xs) {
            const Evaluation v = formula.Calculate(x);
            ASSERT_TRUE(v.Ok() || ErrorCode(v.error) == 7 || ErrorCode(v.error) == 8) << text;
            ASSERT_TRUE(v.Ok() ? std::fabs(v.value) <= 1e500L : v.value == 0) << text;
        }
    }
    EXPECT_GT(compiled, 10000);
}

}  // namespace
}  // namespace plotwise
