// Derivatives of many generated formulas: every text is valid input again, the
// derivative agrees with a central difference, and no formula that fits a field can
// exhaust the stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <random>
#include <string>

#include "derivative/derivative.h"
#include "derivative_test_support.h"
#include "formula/check_formula.h"
#include "formula/number_text.h"
#include "formula/postfix_converter.h"
#include "formula/text_utils.h"

namespace plotwise {
namespace {

using testing_support::ValueOf;

constexpr std::array<const char*, 22> kFunctions = {
    "sin",  "cos",  "tan",  "cot",  "exp",   "ln",    "lg",    "sqrt",  "atan", "asin", "acos",
    "sinh", "cosh", "tanh", "coth", "asinh", "acosh", "atanh", "acoth", "abs",  "int",  "frac"};
constexpr std::size_t kDifferentiableFunctions = 19;  // the first ones; then abs, int, frac

// Random well-formed formulas. Each text carries its level (0 sum or leading minus,
// 1 product, 2 power, 3 atom) so that parentheses are left out wherever precedence
// allows, and added at random elsewhere.
class FormulaGenerator {
  public:
    explicit FormulaGenerator(std::uint64_t seed) : rng_(seed) {}

    // spine: one operand of each operator is a leaf, which builds deep, narrow formulas.
    std::string Formula(const std::string& var, int maxLevels, bool spine) {
        var_ = var;
        spine_ = spine;
        nodesLeft_ = spine ? 80 : Uniform(4, 40);
        return Expr(maxLevels).text;
    }

  private:
    struct Text {
        std::string text;
        int level;
    };

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    static Text Wrapped(const Text& t) { return {"(" + t.text + ")", 3}; }
    Text Operand(const Text& t, int minLevel) {
        return t.level < minLevel || Chance(0.1) ? Wrapped(t) : t;
    }

    Text Leaf() {
        static const char* const numbers[] = {"0",   "1",    "2",  "3",  "0.5", "2.75",  "10",
                                              "100", "1.25", "3.", "pi", "PI",  "0.001", "7"};
        --nodesLeft_;
        if (Chance(0.55)) {
            return {Chance(0.3) ? UpperAscii(var_) : var_, 3};
        }
        return {numbers[Uniform(0, std::size(numbers) - 1)], 3};
    }

    Text Child(int levels, bool leaf) { return leaf ? Leaf() : Expr(levels - 1); }

    Text Expr(int levels) {
        if (levels <= 1 || nodesLeft_ <= 0 || (!spine_ && Chance(0.25))) return Leaf();
        --nodesLeft_;
        const int pick = Uniform(0, 9);
        const bool leftLeaf = spine_ && Chance(0.5);
        const bool rightLeaf = spine_ && !leftLeaf;
        if (pick <= 2) {  // a function; rarely one without a derivative
            const std::size_t count = Chance(0.05) ? kFunctions.size() : kDifferentiableFunctions;
            const std::string name = kFunctions[Uniform(0, static_cast<int>(count) - 1)];
            return {(Chance(0.2) ? UpperAscii(name) : name) + "(" + Expr(levels - 1).text + ")", 3};
        }
        if (pick == 3) {  // unary minus of a term
            const Text arg = Operand(Expr(levels - 1), 1);
            return {"-" + arg.text, 0};
        }
        static const char ops[] = {'+', '-', '*', '/', '^', '^'};
        const char op = ops[Uniform(0, 5)];
        const Text left = Child(levels, leftLeaf);
        const Text right = Child(levels, rightLeaf);
        switch (op) {
            case '+':
            case '-':
                return {Operand(left, 0).text + op + Operand(right, 1).text, 0};
            case '*':
            case '/':
                return {Operand(left, 1).text + op + Operand(right, 2).text, 1};
            default:
                return {Operand(left, 2).text + op + Operand(right, 3).text, 2};
        }
    }

    std::mt19937_64 rng_;
    std::string var_;
    bool spine_ = false;
    int nodesLeft_ = 0;
};

// A compiled formula or token list, evaluated without Round12.
class Evaluator {
  public:
    explicit Evaluator(StackList program) : calc_(std::move(program)) {}
    static Evaluator FromTokens(StackList tokens) {
        Compilation compiled = PostfixConverter().Transform(std::move(tokens));
        EXPECT_EQ(ErrorCode(compiled.error), 0);
        return Evaluator(std::move(compiled.program));
    }
    bool At(long double x, long double& value) {
        const Evaluation v = calc_.Evaluate(x);
        value = v.value;
        return v.Ok();
    }

  private:
    Calculator calc_;
};

// The derivative's tokens with every number replaced by the value its printed text has.
StackList WithPrintedNumbers(const StackList& tokens) {
    StackList printed;
    for (std::size_t k = 0; k < tokens.Size(); ++k) {
        StackItem item = tokens.Data()[k];
        if (item.code == kNumber) item.value = ValueOf(NumToFormulaStr(item.value), 0).value;
        printed.Push(item.code, item.value);
    }
    return printed;
}

struct Tally {
    int formulas = 0, differentiable = 0, deep = 0, longTexts = 0;
    int points = 0, compared = 0, skippedUnsmooth = 0, derivativeUndefined = 0;
};

// Compares the derivative with central differences at x. The step pair (h, 10h) shows
// both the truncation error and the evaluation noise of the difference: a point counts
// only where the two agree to 1E-5 of the difference's size (and the step 100h to 1E-3,
// which rules out chance agreement where the formula oscillates faster than h; values
// whose rounding alone swamps the differences are left out too), and the
// derivative must then be within twice their disagreement plus 1E-8 of that size.
void CheckPoint(const std::string& formula, const std::string& text, Evaluator& f, Evaluator& exact,
                Evaluator& printed, Evaluator& fromText, long double x, Tally& tally) {
    const long double h = 1e-6L * std::max(1.0L, std::fabs(x));
    long double fm1 = 0, fp1 = 0, fm10 = 0, fp10 = 0, fm100 = 0, fp100 = 0, fx = 0, d = 0;
    if (!f.At(x, fx) || !f.At(x - h, fm1) || !f.At(x + h, fp1) || !f.At(x - 10 * h, fm10) ||
        !f.At(x + 10 * h, fp10) || !f.At(x - 100 * h, fm100) || !f.At(x + 100 * h, fp100)) {
        return;
    }
    ++tally.points;
    if (!exact.At(x, d)) {
        ++tally.derivativeUndefined;
        return;
    }
    const long double fd1 = (fp1 - fm1) / (2 * h);
    const long double fd10 = (fp10 - fm10) / (20 * h);
    const long double fd100 = (fp100 - fm100) / (200 * h);
    const long double scale = std::max(1.0L, std::fabs(fd1));
    const long double spread = std::fabs(fd1 - fd10);
    // Values far larger than their change leave the differences nothing but rounding.
    const long double noise = 1e-17L * std::max({std::fabs(fm1), std::fabs(fp1)}) / h;
    if (!(spread <= 1e-5L * scale) || !(std::fabs(fd10 - fd100) <= 1e-3L * scale) ||
        !(noise <= 1e-5L * scale)) {
        ++tally.skippedUnsmooth;
        return;
    }
    ++tally.compared;
    const long double tolerance = 2 * spread + 1e-8L * scale;
    EXPECT_LE(std::fabs(d - fd1), tolerance) << formula << " -> " << text << " at " << double(x)
                                             << ": " << double(d) << " vs " << double(fd1);

    // The text is the exact derivative with its numbers shown to 8 digits: it must give the
    // value of the tokens carrying those same numbers, and so differ from the difference
    // quotient by no more than rounding the numbers does.
    long double fromPrinted = 0, textValue = 0;
    const bool printedDefined = printed.At(x, fromPrinted);
    ASSERT_EQ(fromText.At(x, textValue), printedDefined) << formula << " -> " << text;
    if (!printedDefined) return;
    const long double sameTree = 1e-9L * std::max({1.0L, std::fabs(textValue), std::fabs(d)});
    EXPECT_LE(std::fabs(textValue - fromPrinted), sameTree) << formula << " -> " << text;
    EXPECT_LE(std::fabs(textValue - fd1), tolerance + std::fabs(fromPrinted - d) + sameTree)
        << formula << " -> " << text << " at " << double(x);
}

TEST(DerivativeProperty, GeneratedFormulasGiveValidAndCorrectDerivatives) {
    FormulaGenerator generator(20261206);
    std::mt19937_64 pointRng(7);
    std::uniform_real_distribution<double> pointDist(-3.0, 3.0);
    static const char* const vars[] = {"x", "y", "a", "t"};
    Tally tally;
    for (int n = 0; n < 4000; ++n) {
        const std::string var = vars[n % 4];
        const bool spine = n % 3 == 0;
        const std::string formula = generator.Formula(var, spine ? 8 + n % 24 : 3 + n % 6, spine);
        ASSERT_EQ(ErrorCode(CheckFormula(formula, var)), 0) << formula << " (generator)";
        const int depth = FormulaDepth(formula, var).depth;
        if (depth >= kMaxDerivationDepth) continue;
        ++tally.formulas;
        tally.deep += depth >= 20;

        const DerivedText derivative = DerivativeText(formula, var);
        const std::string& text = derivative.text;
        const bool notDifferentiable = derivative.notDifferentiable;
        ASSERT_EQ(ErrorCode(derivative.error), 0) << formula;
        const bool hasRuleless =
            formula.find("abs") != std::string::npos || formula.find("int") != std::string::npos ||
            formula.find("frac") != std::string::npos || formula.find("ABS") != std::string::npos ||
            formula.find("INT") != std::string::npos || formula.find("FRAC") != std::string::npos;
        ASSERT_EQ(notDifferentiable, hasRuleless) << formula;
        if (notDifferentiable) continue;
        ++tally.differentiable;
        tally.longTexts += text.size() >= 251;
        ASSERT_EQ(ErrorCode(CheckFormula(text, var)), 0) << formula << " -> " << text;
        ASSERT_FALSE(RemoveSpaces(text).empty()) << formula;

        // Valid input again: its own derivative is a valid formula too.
        if (FormulaDepth(text, var).depth < kMaxDerivationDepth) {
            const std::string second = DerivativeText(text, var).text;
            EXPECT_EQ(ErrorCode(CheckFormula(second, var)), 0) << text << " -> " << second;
        }

        DerivedTokens tokens = DerivativeTokens(formula, var);
        ASSERT_EQ(ErrorCode(tokens.error), 0);
        const StackList printedTokens = WithPrintedNumbers(tokens.tokens);
        Evaluator f(CompileProgram(formula, var).program);
        Evaluator exact = Evaluator::FromTokens(std::move(tokens.tokens));
        Evaluator printed = Evaluator::FromTokens(printedTokens);
        Evaluator fromText(CompileProgram(text, var).program);
        for (int p = 0; p < 4; ++p) {
            CheckPoint(formula, text, f, exact, printed, fromText, pointDist(pointRng), tally);
        }
        if (HasFatalFailure() || HasFailure()) break;
    }
    std::cout << "derivatives of " << tally.formulas << " formulas (" << tally.differentiable
              << " differentiable, " << tally.deep << " of depth 20 to 25, " << tally.longTexts
              << " texts of 251+ characters); " << tally.points << " points where the formula "
              << "is defined, " << tally.compared << " compared, " << tally.skippedUnsmooth
              << " not smooth enough, " << tally.derivativeUndefined
              << " where the derivative's formula has no value\n";
    // The check must not become vacuous.
    EXPECT_GE(tally.differentiable, 2500);
    EXPECT_GE(tally.deep, 100);
    EXPECT_GE(tally.compared, 4000);
}

TEST(DerivativeProperty, DeepFormulasOfFieldLengthDoNotExhaustTheStack) {
    auto repeat = [](const std::string& s, int n) {
        std::string out;
        for (int i = 0; i < n; ++i)
            out += s;
        return out;
    };
    // The longest of each shape that fits 253 characters.
    const std::string formulas[] = {
        repeat("(", 126) + "x" + repeat(")", 126),
        repeat("-(", 84) + "x" + repeat(")", 84),
        repeat("sin(", 50) + "x" + repeat(")", 50),
        repeat("x^(", 63) + "x" + repeat(")", 63),
        repeat("x*(", 63) + "x" + repeat(")", 63),
        repeat("(", 63) + "x" + repeat("*x)", 63),
        repeat("x+(", 63) + "x" + repeat(")", 63),
        repeat("x-", 126) + "x",
        repeat("x^", 126) + "x",
        repeat("(-(", 50) + "x" + repeat("))", 50),
        repeat("sqrt(x*", 31) + "x" + repeat(")", 31),
    };
    for (const std::string& formula : formulas) {
        ASSERT_LE(formula.size(), 253u);
        ASSERT_EQ(ErrorCode(CheckFormula(formula, "x")), 0) << formula;
        const DepthOrError measured = FormulaDepth(formula, "x");
        EXPECT_EQ(ErrorCode(measured.error), 0);
        const DerivedText derivative = DerivativeText(formula, "x");
        EXPECT_EQ(ErrorCode(derivative.error), 0);
        EXPECT_FALSE(derivative.text.empty()) << formula;
        EXPECT_EQ(ErrorCode(CheckFormula(derivative.text, "x")), 0)
            << formula << " (depth " << measured.depth << ")";
        EXPECT_FALSE(DerivativeTokens(formula, "x").tokens.Empty()) << formula;
    }
}

TEST(DerivativeProperty, HugeFormulasAreRefusedAndTreesOfAnyHeightFreed) {
    std::string chain = "x";
    for (int i = 0; i < 50000; ++i)
        chain += "+x";
    const DepthOrError measured = FormulaDepth(chain, "x");
    EXPECT_GE(measured.depth, kMaxDerivationDepth);
    EXPECT_EQ(ErrorCode(measured.error), 0);
    const DerivedText derivative = DerivativeText(chain, "x");
    EXPECT_EQ(derivative.text, "");
    EXPECT_EQ(ErrorCode(derivative.error), 0);
    EXPECT_FALSE(derivative.notDifferentiable);

    // A tree far taller than any stack could recurse through is freed all the same.
    ExprTree tree = BuildTree(CompileProgram(chain, "x").program);
    ASSERT_TRUE(tree);
    tree.reset();
}

}  // namespace
}  // namespace plotwise
