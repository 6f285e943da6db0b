// Derivatives as the windows show them, their simplification and printing, the depth that
// refuses a formula, and generated formulas checked against central differences.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <tuple>

#include "derivative/derivative.h"
#include "derivative/expr_tree.h"
#include "derivative/formula_printer.h"
#include "derivative/paren_removal.h"
#include "derivative/simplify.h"
#include "formula/check_formula.h"
#include "formula/compiled_formula.h"
#include "formula/lexer.h"
#include "formula/number_text.h"
#include "formula/postfix_converter.h"
#include "formula/text_utils.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

ExprTree TreeOf(const std::string& text) {
    const Compilation compiled = CompileProgram(text, "x");
    return compiled.error == FormulaError::None ? BuildTree(compiled.program) : nullptr;
}

TEST(DerivativeText, ResultsAndFailures) {
    // clang-format off
    const struct { const char *formula, *var, *text; int err; } cases[] = {  // text nullptr: no rule
        {"5", "x", "0", 0}, {"x", "x", "1", 0}, {"x^2", "x", "2*x", 0},
        {"sin(x^2)", "x", "cos(x^2)*2*x", 0}, {"2^x", "x", "2^x*0.69314718", 0},
        {"x^3", "x", "3*x^2", 0}, {"x^0.5", "x", "0.5*x^(-0.5)", 0},
        {"x^(-1)", "x", "x^(-1)*(-1)/x", 0}, {"-x", "x", "(-1)", 0}, {"3*x^2+1", "x", "3*2*x", 0},
        {"pi*x", "x", "3.1415927", 0}, {"12345678*x", "x", "(1.2345678*10^7)", 0},
        {"0.0002*x", "x", "(2*10^(-4))", 0}, {"x*(-2)", "x", "(-2)", 0},
        {"atanh(x)", "x", "1/(1-x^2)", 0}, {"acoth(x)", "x", "1/(1-x^2)", 0},
        {"lg(x)", "x", "1/(x*2.3025851)", 0}, {"exp(-x^2)", "x", "exp(-x^2)*(-2*x)", 0},
        {"ln(0)*x", "x", "ln(0)", 0},
        // The variable prints exactly as the caller names it; the formula's case is free.
        {"SIN(T)", "t", "cos(t)", 0}, {"a^2", "a", "2*a", 0}, {"Y*Y", "y", "y+y", 0},
        {"abs(x)", "x", nullptr, 0}, {"int(x)", "x", nullptr, 0}, {"frac(x+1)", "x", nullptr, 0},
        {"sin(2*abs(x))", "x", nullptr, 0}, {"x+int(2)", "x", nullptr, 0},
        {"sin(x)*(2+abs(3))", "x", nullptr, 0}, {"x+", "x", "", 2}, {"((x)", "x", "", 3},
        {"y", "x", "", 1},
        {"  ", "x", "", 0}};  // a blank formula has no derivative and no error
    // clang-format on
    for (const auto& c : cases) {
        const bool ruleless = c.text == nullptr;
        const std::string shown = ruleless ? "" : c.text;
        const DerivedText text = DerivativeText(c.formula, c.var);
        const DerivedTokens tokens = DerivativeTokens(c.formula, c.var);
        EXPECT_EQ(std::make_tuple(text.text, ErrorCode(text.error), text.notDifferentiable,
                                  ErrorCode(tokens.error), tokens.notDifferentiable,
                                  tokens.tokens.Empty()),
                  std::make_tuple(shown, c.err, ruleless, c.err, ruleless, shown.empty()))
            << c.formula;
        EXPECT_EQ(IsDifferentiable(TreeOf(c.formula).get()), !ruleless) << c.formula;
    }
    EXPECT_TRUE(IsDifferentiable(nullptr));
}

TEST(TreeDepth, CountsEveryLevelButSumsAndNegation) {
    // clang-format off
    const struct { const char* formula; int depth; } cases[] = {
        {"x", 1}, {"x+1", 1}, {"sin(x)", 2}, {"x^2*sin(x)", 3}, {"x+x+x+x", 1}, {"x*x*x*x", 4},
        {"-x", 1}, {"-(x*x)", 2}, {"x-x*x", 2}, {"sin(cos(x))+x", 3}, {"x/2^x", 3}, {"5", 1}};
    // clang-format on
    for (const auto& c : cases) {
        const DepthOrError measured = FormulaDepth(c.formula, "x");
        EXPECT_EQ(std::make_tuple(TreeDepth(*TreeOf(c.formula)), measured.depth,
                                  ErrorCode(measured.error)),
                  std::make_tuple(c.depth, c.depth, 0))
            << c.formula;
    }
    EXPECT_EQ(ErrorCode(FormulaDepth("(x", "x").error), 3);
}

// Simplified: a formula's tree simplified and printed without redundant parentheses.
std::string Simplified(const std::string& formula) {
    ExprTree tree = TreeOf(formula);
    Simplify(tree);
    TokenList list = TreeToInfix(*tree);
    RemoveParens(list);
    return TokenListToText(list, "x");
}

// Unparenthesised: the analyser's tokens of "(" + text + ")" without redundant parentheses.
std::string Unparenthesised(const std::string& text) {
    const StackList tokens = Lexer().Analyse("(" + text + ")", "x").tokens;
    TokenList list(tokens.Data(), tokens.Data() + tokens.Size());
    RemoveParens(list);
    return TokenListToText(list, "x");
}

TEST(Simplify, RulesInTheirOrderAndEachParenthesisDecision) {
    using F = std::string (*)(const std::string&);
    const F S = Simplified, U = Unparenthesised;
    // clang-format off
    const struct { F transform; const char *input, *output; } cases[] = {
        // Products, powers, sums and differences, quotients (division by 0 stays, 0 over anything
        // is 0), unary minus, functions; each node once: the minus made from (-x)*(-1) stays.
        {S, "x*1", "x"}, {S, "1*x", "x"}, {S, "x*0", "0"}, {S, "0*x", "0"}, {S, "x*(-1)", "-x"},
        {S, "(-1)*x", "-x"}, {S, "2*3+x", "6+x"}, {S, "x*2*3", "x*2*3"}, {S, "0*ln(0)", "0"},
        {S, "x^1", "x"}, {S, "x^0", "1"}, {S, "x^(2-2)", "1"}, {S, "2^10", "1024"},
        {S, "x^2", "x^2"}, {S, "x+0", "x"}, {S, "0+x", "x"}, {S, "x-0", "x"}, {S, "0-x", "-x"},
        {S, "0-(-x)", "x"}, {S, "x-(-sin(x))", "x+sin(x)"}, {S, "x+(-sin(x))", "x-sin(x)"},
        {S, "5-7", "(-2)"}, {S, "x/1", "x"}, {S, "0/x", "0"}, {S, "1/0", "1/0"}, {S, "x/0", "x/0"},
        {S, "6/4", "1.5"}, {S, "x/2", "x/2"}, {S, "-(-x)", "x"}, {S, "-(2)", "(-2)"},
        {S, "-(0)", "0"}, {S, "ln(2)", "0.69314718"}, {S, "ln(0)*x", "ln(0)*x"},
        {S, "sin(0)+x", "x"}, {S, "sqrt(-1)", "sqrt((-1))"}, {S, "(-x)*(-1)", "-(-x)"},
        // Atoms and calls lose parentheses after "(" or an operator, arguments keep theirs; after
        // "(" the next item decides, else the operator before: -, *, unary minus, +, / and ^.
        {U, "((x))", "x"}, {U, "-(x)", "-x"}, {U, "x^(2)", "x^2"}, {U, "x*(sin(x))", "x*sin(x)"},
        {U, "sin((x))", "sin(x)"}, {U, "sin((x+2))", "sin(x+2)"}, {U, "((x+2)+3)", "x+2+3"},
        {U, "((x+2)-3)", "x+2-3"}, {U, "((x+2)*3)", "(x+2)*3"}, {U, "((x*2)/3)", "x*2/3"},
        {U, "((x^2)*3)", "x^2*3"}, {U, "((x*2)^3)", "(x*2)^3"}, {U, "((-x)^2)", "(-x)^2"},
        {U, "((-x)+2)", "-x+2"}, {U, "x-(x-2)", "x-(x-2)"}, {U, "x-(2*x)", "x-2*x"},
        {U, "x-(2*x)^3", "x-(2*x)^3"}, {U, "x*(x/2)", "x*x/2"}, {U, "x*(x+2)", "x*(x+2)"},
        {U, "x*(x^2)", "x*x^2"}, {U, "x*(x*2)^2", "x*(x*2)^2"}, {U, "x*(-x)", "x*(-x)"},
        {U, "-(x*2)", "-x*2"}, {U, "-(x+2)", "-(x+2)"}, {U, "-(x^2)", "-x^2"},
        {U, "(-(x*2)^2)", "-(x*2)^2"}, {U, "x+(x*2)", "x+x*2"}, {U, "x+(x-2)", "x+x-2"},
        {U, "x+((-x)+3)", "x+(-x)+3"}, {U, "x+(-x)", "x+(-x)"}, {U, "x+(x-2)*3", "x+(x-2)*3"},
        {U, "x+(x*2)*3", "x+x*2*3"}, {U, "x+(x*2)^3", "x+(x*2)^3"}, {U, "x+(-x)*2", "x+(-x)*2"},
        {U, "x/(x*2)", "x/(x*2)"}, {U, "x/(x/2)", "x/(x/2)"}, {U, "x/(x^2)", "x/x^2"},
        {U, "x/(x^2)^3", "x/(x^2)^3"}, {U, "x/(x+2)", "x/(x+2)"}, {U, "x^(x^2)", "x^(x^2)"},
        {U, "x^(x*2)", "x^(x*2)"}, {U, "(x^x)^2", "(x^x)^2"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c.transform(c.input), c.output) << c.input;
    ExprTree tree = TreeOf("1/3");
    Simplify(tree);
    ASSERT_EQ(tree->code, kNumber);
    EXPECT_EQ(tree->value, 1.0L / 3);  // a folded value is not rounded to 12 digits
}

std::string Repeat(const std::string& text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text;
    return out;
}

// Random well-formed formulas over every function (rarely one of the last three, which have
// no derivative), in either case. A spine (one leaf operand per operator) builds deep ones.
struct FormulaGenerator {
    std::mt19937_64 rng{20261206};
    std::string var;
    bool spine = false;
    int nodesLeft = 0;

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng); }
    std::string Leaf() {
        static const char* const numbers[] = {"0",   "1",    "2",  "3",  "0.5", "2.75",  "10",
                                              "100", "1.25", "3.", "pi", "PI",  "0.001", "7"};
        --nodesLeft;
        if (Chance(0.55)) return Chance(0.3) ? UpperAscii(var) : var;
        return numbers[Uniform(0, std::size(numbers) - 1)];
    }
    std::string Expr(int levels) {
        static const char* const functions[] = {"sin",   "cos",  "tan",  "cot",   "exp",   "ln",
                                                "lg",    "sqrt", "atan", "asin",  "acos",  "sinh",
                                                "cosh",  "tanh", "coth", "asinh", "acosh", "atanh",
                                                "acoth", "abs",  "int",  "frac"};
        if (levels <= 1 || nodesLeft <= 0 || (!spine && Chance(0.25))) return Leaf();
        --nodesLeft;
        const int pick = Uniform(0, 9);
        const bool leftLeaf = spine && Chance(0.5);
        if (pick <= 2) {
            const std::string name = functions[Uniform(0, Chance(0.05) ? 21 : 18)];
            return (Chance(0.2) ? UpperAscii(name) : name) + "(" + Expr(levels - 1) + ")";
        }
        if (pick == 3) return "(-" + Expr(levels - 1) + ")";
        const char op = "+-*/^^"[Uniform(0, 5)];
        const std::string left = leftLeaf ? Leaf() : Expr(levels - 1);
        return "(" + left + op + (spine && !leftLeaf ? Leaf() : Expr(levels - 1)) + ")";
    }
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

// Compares the derivative with central differences at x; true when it did. The steps h
// and 10h show both the truncation error and the evaluation noise: a point counts only
// where their differences agree to 1E-5 of the difference's size (and 100h's to 1E-3,
// which rules out chance agreement where the formula oscillates faster than h; values
// whose rounding alone swamps the differences are left out too), and the derivative must
// then be within twice their disagreement plus 1E-8 of that size.
bool CheckPoint(const std::string& what, Calculator& f, Calculator& exact, Calculator& printed,
                Calculator& fromText, std::vector<Calculator>& nudged, long double x) {
    const long double h = 1e-6L * std::max(1.0L, std::fabs(x));
    long double fm1, fp1, fm10, fp10, fm100, fp100, fx, d;
    if (!At(f, x, fx) || !At(f, x - h, fm1) || !At(f, x + h, fp1) || !At(f, x - 10 * h, fm10) ||
        !At(f, x + 10 * h, fp10) || !At(f, x - 100 * h, fm100) || !At(f, x + 100 * h, fp100) ||
        !At(exact, x, d)) {
        return false;
    }
    const long double fd1 = (fp1 - fm1) / (2 * h);
    const long double fd10 = (fp10 - fm10) / (20 * h);
    const long double scale = std::max(1.0L, std::fabs(fd1));
    const long double spread = std::fabs(fd1 - fd10);
    const long double noise = 1e-17L * std::max(std::fabs(fm1), std::fabs(fp1)) / h;
    if (!(spread <= 1e-5L * scale) ||
        !(std::fabs(fd10 - (fp100 - fm100) / (200 * h)) <= 1e-3L * scale) ||
        !(noise <= 1e-5L * scale)) {
        return false;
    }
    const long double tolerance = 2 * spread + 1e-8L * scale;
    EXPECT_LE(std::fabs(d - fd1), tolerance)
        << what << " at " << double(x) << ": " << double(d) << " vs " << double(fd1);
    // The text is the exact derivative with its numbers shown to 8 digits: it must give the
    // value of the tokens carrying those same numbers, and so differ from the difference
    // quotient by no more than rounding the numbers does.
    long double fromPrinted = 0, textValue = 0;
    const bool printedDefined = At(printed, x, fromPrinted);
    EXPECT_EQ(At(fromText, x, textValue), printedDefined) << what;
    if (!printedDefined) return true;
    const long double sameTree = 1e-9L * std::max({1.0L, std::fabs(textValue), std::fabs(d)});
    EXPECT_LE(std::fabs(textValue - fromPrinted), sameTree) << what;
    // Every printed number keeps 8 significant digits, so the text stays on the exact
    // derivative within what moving each number by 5E-8 of itself moves the value (7 digits
    // in a small constant once let a derivative drift by 1E-5).
    long double sensitivity = 0;
    for (Calculator& moved : nudged) {
        long double v = 0;
        if (At(moved, x, v)) sensitivity += std::fabs(v - d);
    }
    EXPECT_LE(std::fabs(textValue - d), 1.5L * sensitivity + sameTree)
        << what << " at " << double(x);
    EXPECT_LE(std::fabs(textValue - fd1), tolerance + std::fabs(fromPrinted - d) + sameTree)
        << what << " at " << double(x);
    return true;
}

TEST(DerivativeProperty, GeneratedFormulasGiveValidAndCorrectDerivatives) {
    FormulaGenerator generator;
    std::mt19937_64 pointRng(7);
    std::uniform_real_distribution<double> pointDist(-3.0, 3.0);
    int differentiable = 0, deep = 0, compared = 0;
    for (int n = 0; n < 4000 && !HasFailure(); ++n) {
        const std::string var = generator.var = std::string(1, "xyat"[n % 4]);
        generator.spine = n % 3 == 0;
        generator.nodesLeft = generator.spine ? 80 : generator.Uniform(4, 40);
        const std::string formula = generator.Expr(generator.spine ? 8 + n % 24 : 3 + n % 6);
        ASSERT_EQ(ErrorCode(CheckFormula(formula, var)), 0) << formula << " (generator)";
        const int depth = FormulaDepth(formula, var).depth;
        if (depth >= kMaxDerivationDepth) continue;
        deep += depth >= 20;
        const DerivedText derivative = DerivativeText(formula, var);
        const std::string& text = derivative.text;
        ASSERT_EQ(ErrorCode(derivative.error), 0) << formula;
        bool ruleless = false;
        for (const char* word : {"ABS", "INT", "FRAC"})
            ruleless = ruleless || UpperAscii(formula).find(word) != std::string::npos;
        ASSERT_EQ(derivative.notDifferentiable, ruleless) << formula;
        if (ruleless) continue;
        ++differentiable;
        ASSERT_EQ(ErrorCode(CheckFormula(text, var)), 0) << formula << " -> " << text;
        ASSERT_FALSE(RemoveSpaces(text).empty()) << formula;
        // Valid input again: its own derivative is a valid formula too.
        if (FormulaDepth(text, var).depth < kMaxDerivationDepth) {
            const std::string second = DerivativeText(text, var).text;
            EXPECT_EQ(ErrorCode(CheckFormula(second, var)), 0) << text << " -> " << second;
        }
        DerivedTokens tokens = DerivativeTokens(formula, var);
        ASSERT_EQ(ErrorCode(tokens.error), 0);
        StackList printedTokens;         // every number replaced by the value its printed text has
        std::vector<Calculator> nudged;  // the exact tokens with one number moved by 5E-8
        for (std::size_t k = 0; k < tokens.tokens.Size(); ++k) {
            StackItem item = tokens.tokens.Data()[k];
            if (item.code == kNumber) {
                StackList moved;
                for (std::size_t j = 0; j < tokens.tokens.Size(); ++j) {
                    const StackItem& other = tokens.tokens.Data()[j];
                    moved.Push(other.code, j == k ? other.value * (1 + 5e-8L) : other.value);
                }
                nudged.push_back(FromTokens(std::move(moved)));
                Calculator number(CompileProgram(NumToFormulaStr(item.value), var).program);
                At(number, 0, item.value);
            }
            printedTokens.Push(item.code, item.value);
        }
        Calculator f(CompileProgram(formula, var).program);
        Calculator exact = FromTokens(std::move(tokens.tokens));
        Calculator printed = FromTokens(std::move(printedTokens));
        Calculator fromText(CompileProgram(text, var).program);
        for (int p = 0; p < 4; ++p)
            compared += CheckPoint(formula + " -> " + text, f, exact, printed, fromText, nudged,
                                   pointDist(pointRng));
    }
    // The check must not become vacuous.
    EXPECT_GE(differentiable, 2500);
    EXPECT_GE(deep, 100);
    EXPECT_GE(compared, 4000);
}

TEST(DerivativeProperty, DeepFormulasOfFieldLengthDoNotExhaustTheStack) {
    // The longest of each shape that fits 253 characters: n times open, "x", n times close.
    // clang-format off
    const struct { const char *open, *close; int n; } shapes[] = {
        {"(", ")", 126}, {"-(", ")", 84}, {"sin(", ")", 50}, {"x^(", ")", 63}, {"x*(", ")", 63},
        {"(", "*x)", 63}, {"x+(", ")", 63}, {"x-", "", 126}, {"x^", "", 126}, {"(-(", "))", 50},
        {"sqrt(x*", ")", 31}};
    // clang-format on
    for (const auto& shape : shapes) {
        const std::string formula =
            Repeat(shape.open, shape.n) + "x" + Repeat(shape.close, shape.n);
        ASSERT_LE(formula.size(), 253u);
        ASSERT_EQ(ErrorCode(CheckFormula(formula, "x")), 0) << formula;
        const DerivedText derivative = DerivativeText(formula, "x");
        EXPECT_EQ(std::make_tuple(ErrorCode(FormulaDepth(formula, "x").error),
                                  ErrorCode(derivative.error),
                                  ErrorCode(CheckFormula(derivative.text, "x")),
                                  RemoveSpaces(derivative.text).empty(),
                                  DerivativeTokens(formula, "x").tokens.Empty()),
                  std::make_tuple(0, 0, 0, false, false))
            << formula;
    }
    // Too large a formula gets no derivative, and its tree, far taller than any stack could
    // recurse through, is freed all the same.
    const std::string chain = "x" + Repeat("+x", 50000);
    const DepthOrError measured = FormulaDepth(chain, "x");
    const DerivedText derivative = DerivativeText(chain, "x");
    EXPECT_GE(measured.depth, kMaxDerivationDepth);
    EXPECT_EQ(std::make_tuple(ErrorCode(measured.error), derivative.text,
                              ErrorCode(derivative.error), derivative.notDifferentiable),
              std::make_tuple(0, "", 0, false));
    EXPECT_TRUE(BuildTree(CompileProgram(chain, "x").program));
}

}  // namespace
}  // namespace plotwise
