// Derivatives of many generated formulas: every text is valid input again, the
// derivative agrees with a central difference, and no formula that fits a field can
// exhaust the stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

using testing_support::Repeat;
using testing_support::ValueOf;

// The first 19 have a derivative.
const char* const kFunctions[] = {
    "sin",  "cos",  "tan",  "cot",  "exp",   "ln",    "lg",    "sqrt",  "atan", "asin", "acos",
    "sinh", "cosh", "tanh", "coth", "asinh", "acosh", "atanh", "acoth", "abs",  "int",  "frac"};

// Random well-formed formulas with parentheses only where precedence needs them (and a few
// more at random). A spine (one leaf operand per operator) builds deep, narrow formulas.
class FormulaGenerator {
  public:
    explicit FormulaGenerator(std::uint64_t seed) : rng_(seed) {}

    std::string Formula(const std::string& var, int maxLevels, bool spine) {
        var_ = var;
        spine_ = spine;
        nodesLeft_ = spine ? 80 : Uniform(4, 40);
        return Expr(maxLevels).text;
    }

  private:
    struct Text {
        std::string text;
        int level;  // 0 sum or leading minus, 1 product, 2 power, 3 atom
    };

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    Text Operand(const Text& t, int minLevel) {
        return t.level < minLevel || Chance(0.1) ? Text{"(" + t.text + ")", 3} : t;
    }

    Text Leaf() {
        static const char* const numbers[] = {"0",   "1",    "2",  "3",  "0.5", "2.75",  "10",
                                              "100", "1.25", "3.", "pi", "PI",  "0.001", "7"};
        --nodesLeft_;
        if (Chance(0.55)) return {Chance(0.3) ? UpperAscii(var_) : var_, 3};
        return {numbers[Uniform(0, std::size(numbers) - 1)], 3};
    }

    Text Expr(int levels) {
        if (levels <= 1 || nodesLeft_ <= 0 || (!spine_ && Chance(0.25))) return Leaf();
        --nodesLeft_;
        const int pick = Uniform(0, 9);
        const bool leftLeaf = spine_ && Chance(0.5);
        if (pick <= 2) {  // a function; rarely one without a derivative
            const std::string name = kFunctions[Uniform(0, Chance(0.05) ? 21 : 18)];
            return {(Chance(0.2) ? UpperAscii(name) : name) + "(" + Expr(levels - 1).text + ")", 3};
        }
        if (pick == 3) return {"-" + Operand(Expr(levels - 1), 1).text, 0};
        const char op = "+-*/^^"[Uniform(0, 5)];
        const Text left = leftLeaf ? Leaf() : Expr(levels - 1);
        const Text right = spine_ && !leftLeaf ? Leaf() : Expr(levels - 1);
        const int level = op == '+' || op == '-' ? 0 : op == '^' ? 2 : 1;
        return {Operand(left, level).text + op + Operand(right, level + 1).text, level};
    }

    std::mt19937_64 rng_;
    std::string var_;
    bool spine_ = false;
    int nodesLeft_ = 0;
};

// Without Round12.
bool At(Calculator& f, long double x, long double& value) {
    const Evaluation v = f.Evaluate(x);
    value = v.value;
    return v.Ok();
}

Calculator FromTokens(StackList tokens) {
    Compilation compiled = PostfixConverter().Transform(std::move(tokens));
    EXPECT_EQ(ErrorCode(compiled.error), 0);
    return Calculator(std::move(compiled.program));
}

struct Tally {
    int formulas = 0, differentiable = 0, deep = 0, compared = 0;
};

// Compares the derivative d with central differences at x. The step pair (h, 10h) shows
// both the truncation error and the evaluation noise of the difference: a point counts
// only where the two agree to 1E-5 of the difference's size (and the step 100h to 1E-3,
// which rules out chance agreement where the formula oscillates faster than h; values
// whose rounding alone swamps the differences are left out too), and the derivative must
// then be within twice their disagreement plus 1E-8 of that size.
void CheckPoint(const std::string& what, Calculator& f, Calculator& exact, Calculator& printed,
                Calculator& fromText, long double x, Tally& tally) {
    const long double h = 1e-6L * std::max(1.0L, std::fabs(x));
    long double fm1, fp1, fm10, fp10, fm100, fp100, fx, d;
    if (!At(f, x, fx) || !At(f, x - h, fm1) || !At(f, x + h, fp1) || !At(f, x - 10 * h, fm10) ||
        !At(f, x + 10 * h, fp10) || !At(f, x - 100 * h, fm100) || !At(f, x + 100 * h, fp100) ||
        !At(exact, x, d)) {
        return;
    }
    const long double fd1 = (fp1 - fm1) / (2 * h);
    const long double fd10 = (fp10 - fm10) / (20 * h);
    const long double scale = std::max(1.0L, std::fabs(fd1));
    const long double spread = std::fabs(fd1 - fd10);
    const long double noise = 1e-17L * std::max(std::fabs(fm1), std::fabs(fp1)) / h;
    if (!(spread <= 1e-5L * scale) ||
        !(std::fabs(fd10 - (fp100 - fm100) / (200 * h)) <= 1e-3L * scale) ||
        !(noise <= 1e-5L * scale)) {
        return;
    }
    ++tally.compared;
    const long double tolerance = 2 * spread + 1e-8L * scale;
    EXPECT_LE(std::fabs(d - fd1), tolerance)
        << what << " at " << double(x) << ": " << double(d) << " vs " << double(fd1);

    // The text is the exact derivative with its numbers shown to 8 digits: it must give the
    // value of the tokens carrying those same numbers, and so differ from the difference
    // quotient by no more than rounding the numbers does.
    long double fromPrinted = 0, textValue = 0;
    const bool printedDefined = At(printed, x, fromPrinted);
    ASSERT_EQ(At(fromText, x, textValue), printedDefined) << what;
    if (!printedDefined) return;
    const long double sameTree = 1e-9L * std::max({1.0L, std::fabs(textValue), std::fabs(d)});
    EXPECT_LE(std::fabs(textValue - fromPrinted), sameTree) << what;
    EXPECT_LE(std::fabs(textValue - fd1), tolerance + std::fabs(fromPrinted - d) + sameTree)
        << what << " at " << double(x);
}

TEST(DerivativeProperty, GeneratedFormulasGiveValidAndCorrectDerivatives) {
    FormulaGenerator generator(20261206);
    std::mt19937_64 pointRng(7);
    std::uniform_real_distribution<double> pointDist(-3.0, 3.0);
    static const char* const vars[] = {"x", "y", "a", "t"};
    Tally tally;
    for (int n = 0; n < 4000 && !HasFailure(); ++n) {
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
        ASSERT_EQ(ErrorCode(derivative.error), 0) << formula;
        const std::string upper = UpperAscii(formula);
        const bool ruleless = upper.find("ABS") != std::string::npos ||
                              upper.find("INT") != std::string::npos ||
                              upper.find("FRAC") != std::string::npos;
        ASSERT_EQ(derivative.notDifferentiable, ruleless) << formula;
        if (ruleless) continue;
        ++tally.differentiable;
        ASSERT_EQ(ErrorCode(CheckFormula(text, var)), 0) << formula << " -> " << text;
        ASSERT_FALSE(RemoveSpaces(text).empty()) << formula;
        // Valid input again: its own derivative is a valid formula too.
        if (FormulaDepth(text, var).depth < kMaxDerivationDepth) {
            const std::string second = DerivativeText(text, var).text;
            EXPECT_EQ(ErrorCode(CheckFormula(second, var)), 0) << text << " -> " << second;
        }

        DerivedTokens tokens = DerivativeTokens(formula, var);
        ASSERT_EQ(ErrorCode(tokens.error), 0);
        StackList printedTokens;  // every number replaced by the value its printed text has
        for (std::size_t k = 0; k < tokens.tokens.Size(); ++k) {
            StackItem item = tokens.tokens.Data()[k];
            if (item.code == kNumber) item.value = ValueOf(NumToFormulaStr(item.value), 0).value;
            printedTokens.Push(item.code, item.value);
        }
        Calculator f(CompileProgram(formula, var).program);
        Calculator exact = FromTokens(std::move(tokens.tokens));
        Calculator printed = FromTokens(std::move(printedTokens));
        Calculator fromText(CompileProgram(text, var).program);
        for (int p = 0; p < 4; ++p) {
            CheckPoint(formula + " -> " + text, f, exact, printed, fromText, pointDist(pointRng),
                       tally);
        }
    }
    // The check must not become vacuous.
    EXPECT_GE(tally.differentiable, 2500);
    EXPECT_GE(tally.deep, 100);
    EXPECT_GE(tally.compared, 4000);
}

TEST(DerivativeProperty, DeepFormulasOfFieldLengthDoNotExhaustTheStack) {
    // The longest of each shape that fits 253 characters.
    const std::string formulas[] = {Repeat("(", 126) + "x" + Repeat(")", 126),
                                    Repeat("-(", 84) + "x" + Repeat(")", 84),
                                    Repeat("sin(", 50) + "x" + Repeat(")", 50),
                                    Repeat("x^(", 63) + "x" + Repeat(")", 63),
                                    Repeat("x*(", 63) + "x" + Repeat(")", 63),
                                    Repeat("(", 63) + "x" + Repeat("*x)", 63),
                                    Repeat("x+(", 63) + "x" + Repeat(")", 63),
                                    Repeat("x-", 126) + "x",
                                    Repeat("x^", 126) + "x",
                                    Repeat("(-(", 50) + "x" + Repeat("))", 50),
                                    Repeat("sqrt(x*", 31) + "x" + Repeat(")", 31)};
    for (const std::string& formula : formulas) {
        ASSERT_LE(formula.size(), 253u);
        ASSERT_EQ(ErrorCode(CheckFormula(formula, "x")), 0) << formula;
        EXPECT_EQ(ErrorCode(FormulaDepth(formula, "x").error), 0);
        const DerivedText derivative = DerivativeText(formula, "x");
        EXPECT_EQ(ErrorCode(derivative.error), 0);
        EXPECT_FALSE(derivative.text.empty()) << formula;
        EXPECT_EQ(ErrorCode(CheckFormula(derivative.text, "x")), 0) << formula;
        EXPECT_FALSE(DerivativeTokens(formula, "x").tokens.Empty()) << formula;
    }

    // Too large a formula gets no derivative, and its tree, far taller than any stack could
    // recurse through, is freed all the same.
    const std::string chain = "x" + Repeat("+x", 50000);
    const DepthOrError measured = FormulaDepth(chain, "x");
    EXPECT_GE(measured.depth, kMaxDerivationDepth);
    EXPECT_EQ(ErrorCode(measured.error), 0);
    const DerivedText derivative = DerivativeText(chain, "x");
    EXPECT_EQ(derivative.text, "");
    EXPECT_EQ(ErrorCode(derivative.error), 0);
    EXPECT_FALSE(derivative.notDifferentiable);
    ExprTree tree = BuildTree(CompileProgram(chain, "x").program);
    ASSERT_TRUE(tree);
    tree.reset();
}

}  // namespace
}  // namespace plotwise
