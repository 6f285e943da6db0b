// The formula language: what compiles and the codes of what does not, each operation's
// domain limits, evaluation with Round12 on results, and random texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "formula/apply_operation.h"
#include "formula/calculator.h"
#include "formula/check_formula.h"
#include "formula/compiled_formula.h"
#include "formula/extended.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

TEST(CheckFormula, CodesOfTheLanguage) {
    std::string sum = "x";
    while (sum.size() < 255)
        sum += "+x";  // as long as a document may hold
    // clang-format off
    const struct { std::string text; std::string var; int code; } cases[] = {  // var: 1 or 2 names
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
        {"t", "t", 0}, {"x\t", "X", 1}, {"\xff", "X", 1}, {std::string("x\0y", 3), "X", 1},
        {std::string(5000, '9'), "X", 1},  // beyond the extended range
        {sum, "X", 0}, {std::string(20000, '(') + "x" + std::string(20000, ')'), "X", 0},
        {"sin(cos(tan(cot(frac(int(abs(exp(ln(lg(sqrt(atan(x))))))))))))", "X", 0},
        {"asin(acos(sinh(cosh(tanh(coth(asinh(acosh(atanh(acoth(x))))))))))", "X", 0},
        // Balance is checked after the pairs, and a bad word wins over a bad pair.
        {"((x)", "X", 3}, {"(x))", "X", 4}, {"()", "X", 2}, {")x(", "X", 2}, {"2x+foo", "X", 1},
        {"2x+(1", "X", 2},
        // Two variables.
        {"x^2+y^2-1", "XY", 0}, {"x*y", "XY", 0}, {"xy", "XY", 1}, {"x(y)", "XY", 2},
        {"y", "XY", 0}, {"5", "XY", 0}, {"", "XY", 0}, {"z", "XY", 1}, {"(y", "XY", 3}};
    // clang-format on
    for (const auto& c : cases) {
        const FormulaError error =
            c.var.size() == 1 ? CheckFormula(c.text, c.var)
                              : CheckFormula2Var(c.text, c.var.substr(0, 1), c.var.substr(1));
        EXPECT_EQ(ErrorCode(error), c.code) << c.text.substr(0, 80);
    }
}

// A random well-formed formula over every function and operator.
std::string RandomFormula(std::mt19937& random, int depth) {
    static const char* functions[] = {
        "sin",  "cos",  "tan",  "cot",  "frac", "int",  "abs",  "exp",   "ln",    "lg",    "sqrt",
        "atan", "asin", "acos", "sinh", "cosh", "tanh", "coth", "asinh", "acosh", "atanh", "acoth"};
    static const char* leaves[] = {"x", "2", "0.5", "3.", "pi", "10", "0", "1000", "1"};
    switch (depth <= 0 ? 0 : random() % 4) {
        case 0:
            return leaves[random() % std::size(leaves)];
        case 1:
            return std::string(functions[random() % std::size(functions)]) + "(" +
                   RandomFormula(random, depth - 1) + ")";
        case 2:
            return "(-" + RandomFormula(random, depth - 1) + ")";
        default:
            return "(" + RandomFormula(random, depth - 1) + "+-*/^"[random() % 5] +
                   RandomFormula(random, depth - 1) + ")";
    }
}

TEST(CheckFormula, RandomTextsCompileConsistentlyAndEvaluateSafely) {
    // Well-formed formulas, half of them with one piece of damage: the check agrees with
    // compilation, and whatever compiles evaluates within 1E500 or to code 7 or 8.
    const char* damage[] = {"x", "2",   ".",   "(", ")",  "+", "-",  "^",
                            " ", "sin", "1e5", ",", "\t", "y", "()", "--"};
    std::mt19937 random(12345);
    int compiled = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string text = RandomFormula(random, 4);
        if (i % 2 == 1)
            text.insert(random() % (text.size() + 1), damage[random() % std::size(damage)]);
        CompiledFormula formula;
        const int compileErr = ErrorCode(formula.Compile(text, "X"));
        ASSERT_EQ(ErrorCode(CheckFormula(text, "X")), compileErr) << text;
        ASSERT_LE(compileErr, 4) << text;
        if (compileErr != 0) continue;
        ++compiled;
        for (long double x : {0.0L, -1.0L, 0.5L, 3.0L, -1e10L, 1e300L, -7.5L}) {
            const Evaluation v = formula.Calculate(x);
            ASSERT_TRUE(v.Ok() || ErrorCode(v.error) == 7 || ErrorCode(v.error) == 8) << text;
            ASSERT_TRUE(v.Ok() ? std::fabs(v.value) <= 1e500L : v.value == 0) << text;
        }
    }
    EXPECT_GT(compiled, 10000);
}

constexpr long double kSkip = -12345.6789L;  // a result not worth comparing

TEST(ApplyOperation, ResultsAndCodes) {
    // clang-format off
    const struct { std::uint8_t code; long double a, b; int err; long double result; } cases[] = {
        // "^" for positive, zero and negative bases.
        {kPower, 2, 10, 0, 1024}, {kPower, 10, 1000, 7, 0}, {kPower, 10, -1000, 0, 0},
        {kPower, 0, 2, 0, 0}, {kPower, 0, 0, 8, 0}, {kPower, 0, -1, 8, 0}, {kPower, -8, 3, 0, -512},
        {kPower, -2, -3, 0, -0.125L}, {kPower, -2, 2, 0, 4}, {kPower, -8, 1.0L / 3, 8, 0},
        {kPower, -2, 1e30L, 7, 0}, {kPower, -10, -1000, 0, 0}, {kPower, NAN, 2, 8, 0},
        // Sums that are only rounding residue become 0.
        {kPlus, 0.1L + 0.2L, -0.3L, 0, 0}, {kMinus, 1, 1 - 1e-17L, 0, 0},
        {kMinus, 1, 1 - 1e-15L, 0, kSkip}, {kPlus, 1e-60L, -1e-60L, 0, 0}, {kPlus, 1, 1e-60L, 0, 1},
        {kPlus, NAN, 1, 8, 0},
        // Products and quotients up to the 1E500 limit.
        {kMultiply, 1e300L, 1e300L, 8, 0}, {kMultiply, 1e249L, 1e250L, 0, 1e499L},
        {kDivide, 1, 0, 7, 0}, {kDivide, 1e300L, 1e-300L, 8, 0}, {kDivide, 7, 2, 0, 3.5L},
        {kUnaryMinus, 0, 5, 0, -5},
        // Trigonometry: huge arguments give 0, poles are error 7.
        {kSin, 0, 0x1p63L, 0, 0}, {kCos, 0, -0x1p64L, 0, 0}, {kSin, 0, kPiHalf, 0, 1},
        {kTan, 0, kPi / 4, 0, 1}, {kCot, 0, 0, 7, 0}, {kCot, 0, kPi / 4, 0, 1},
        {kSin, 0, NAN, 8, 0}, {kAtan, 0, 1, 0, kPi / 4}, {kAsin, 0, 0.5L, 0, kPi / 6},
        {kAsin, 0, 1, 7, 0}, {kAsin, 0, -1, 7, 0}, {kAsin, 0, -1.5L, 7, 0},
        {kAcos, 0, 0, 0, kPiHalf}, {kAcos, 0, 1, 7, 0}, {kAcos, 0, -1, 7, 0},
        // Roots, logarithms, exponentials, rounding.
        {kSqrt, 0, -1e-300L, 8, 0}, {kSqrt, 0, 4, 0, 2}, {kLn, 0, 0, 8, 0}, {kLn, 0, NAN, 8, 0},
        {kLg, 0, -1, 8, 0}, {kLg, 0, 1000, 0, 3}, {kExp, 0, 1000, 7, 0}, {kExp, 0, -1000, 0, 0},
        {kExp, 0, 999, 0, kSkip}, {kAbs, 0, -3, 0, 3}, {kInt, 0, -2.5L, 0, -3},
        {kFrac, 0, -2.5L, 0, 0.5L}, {kFrac, 0, 3, 0, 0}, {kFrac, 0, 1e20L, 0, 0},
        // Hyperbolic functions: the 1000 limit applies to both signs.
        {kSinh, 0, 1000, 7, 0}, {kSinh, 0, -1000, 7, 0}, {kCosh, 0, -1000, 7, 0},
        {kTanh, 0, 1000, 7, 0}, {kCoth, 0, -1000, 7, 0}, {kCoth, 0, 0, 7, 0},
        {kCoth, 0, 1e-30L, 0, 1e30L}, {kSinh, 0, 1e-12L, 0, 1e-12L}, {kTanh, 0, 1e-12L, 0, 1e-12L},
        {kCoth, 0, 1, 0, 1.3130352854993313036L},
        // Inverse hyperbolic functions keep their domains and stay exact near 0.
        {kAsinh, 0, -1e10L, 0, -23.718998110500402150L}, {kAsinh, 0, 1e-12L, 0, 1e-12L},
        {kAcosh, 0, 1, 0, 0}, {kAcosh, 0, 0.5L, 7, 0}, {kAcosh, 0, -1, 7, 0}, {kAtanh, 0, 1, 7, 0},
        {kAtanh, 0, -1, 7, 0}, {kAtanh, 0, 2, 7, 0}, {kAtanh, 0, NAN, 7, 0},
        {kAtanh, 0, 1e-15L, 0, 1e-15L}, {kAcoth, 0, 1, 7, 0}, {kAcoth, 0, -1, 7, 0},
        {kAcoth, 0, 0.5L, 7, 0}, {kAcoth, 0, 2, 0, 0.54930614433405484570L},
        {kAcoth, 0, 1e10L, 0, 1e-10L},
        // Codes that are no operation.
        {kOpenBracket, 0, 1, 8, 0}, {40, 0, 1, 8, 0}};
    // clang-format on
    for (const auto& c : cases) {
        const Evaluation r = ApplyOperation(c.code, c.a, c.b);
        EXPECT_EQ(ErrorCode(r.error), c.err)
            << "code " << int(c.code) << " a=" << double(c.a) << " b=" << double(c.b);
        if (c.err == 0 && c.result != kSkip) {
            EXPECT_LE(std::fabs(r.value - c.result), 1e-15L * std::fabs(c.result)) << int(c.code);
        }
        EXPECT_TRUE(std::fabs(r.value) <= 1e500L) << int(c.code);
    }
}

TEST(Calculator, Formulas) {
    // clang-format off
    const struct { const char* formula; long double x; int err; long double result; } cases[] = {
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
        {"sqrt(-1)*0", 0, 8, 0}, {"exp(x)", 2000, 7, 0}, {"x", 1e600L, 8, 0},
        {"(-x)*0", 1e600L, 8, 0}, {"x", NAN, 8, 0}, {"x^2", INFINITY, 7, 0}};
    // clang-format on
    for (const auto& c : cases) {
        CompiledFormula formula;
        ASSERT_EQ(ErrorCode(formula.Compile(c.formula, "X")), 0) << c.formula;
        const Evaluation v = formula.Calculate(c.x);
        EXPECT_EQ(ErrorCode(v.error), c.err) << c.formula;
        EXPECT_EQ(v.value, c.result) << c.formula << " gave " << static_cast<double>(v.value);
    }
    // Two variables.
    // clang-format off
    const struct { const char* formula; long double x, y, result; } cases2[] = {
        {"x^2+y^2-1", 0.6L, 0.8L, 0}, {"x-y", 5, 3, 2}, {"y", 1, 7, 7}, {"pi", 1, 7, 3.14159265359L}};
    // clang-format on
    for (const auto& c : cases2) {
        CompiledFormula2Var formula;
        ASSERT_EQ(ErrorCode(formula.Compile(c.formula, "X", "Y")), 0) << c.formula;
        const Evaluation v = formula.Calculate(c.x, c.y);
        EXPECT_EQ(v.value, c.result) << c.formula;
        EXPECT_EQ(ErrorCode(v.error), 0) << c.formula;
    }
}

TEST(Calculator, EvaluateIsCalculateBeforeRound12AndRefusesWhatItCannotRun) {
    Calculator calc(CompileProgram("x/3+pi", "X").program);
    EXPECT_EQ(calc.Evaluate(1).value, 1.0L / 3 + kPi);
    EXPECT_EQ(calc.Calculate(1).value, 3.47492598692L);

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

}  // namespace
}  // namespace plotwise
