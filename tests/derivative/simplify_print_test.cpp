// Simplification, the redundant-parenthesis decisions and the printing of items.
#include <gtest/gtest.h>

#include <string>

#include "derivative/formula_printer.h"
#include "derivative/paren_removal.h"
#include "derivative/simplify.h"
#include "derivative_test_support.h"

namespace plotwise {
namespace {

using testing_support::TokensOf;
using testing_support::TreeOf;
using testing_support::ValueOf;

std::string SimplifiedText(const std::string& formula) {
    ExprTree tree = TreeOf(formula);
    Simplify(tree);
    TokenList list = TreeToInfix(*tree);
    RemoveParens(list);
    return TokenListToText(list, "x");
}

TEST(Simplify, RulesInTheirOrder) {
    // clang-format off
    const struct { const char* formula; const char* simplified; } cases[] = {
        // Products.
        {"x*1", "x"}, {"1*x", "x"}, {"x*0", "0"}, {"0*x", "0"}, {"x*(-1)", "-x"}, {"(-1)*x", "-x"},
        {"2*3+x", "6+x"}, {"x*2*3", "x*2*3"}, {"0*ln(0)", "0"},
        // Powers.
        {"x^1", "x"}, {"x^0", "1"}, {"x^(2-2)", "1"}, {"2^10", "1024"}, {"x^2", "x^2"},
        // Differences and sums.
        {"x+0", "x"}, {"0+x", "x"}, {"x-0", "x"}, {"0-x", "-x"}, {"0-(-x)", "x"},
        {"x-(-sin(x))", "x+sin(x)"}, {"x+(-sin(x))", "x-sin(x)"}, {"5-7", "(-2)"},
        // Quotients: division by 0 stays, 0 over anything is 0.
        {"x/1", "x"}, {"0/x", "0"}, {"1/0", "1/0"}, {"x/0", "x/0"}, {"6/4", "1.5"}, {"x/2", "x/2"},
        // Unary minus and functions.
        {"-(-x)", "x"}, {"-(2)", "(-2)"}, {"-(0)", "0"}, {"ln(2)", "0.6931472"},
        {"ln(0)*x", "ln(0)*x"}, {"sin(0)+x", "x"}, {"sqrt(-1)", "sqrt((-1))"},
        // Each node is simplified once: the unary minus made from (-x)*(-1) is not revisited.
        {"(-x)*(-1)", "-(-x)"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(SimplifiedText(c.formula), c.simplified) << c.formula;
}

TEST(Simplify, FoldedValuesKeepFullPrecision) {
    ExprTree tree = TreeOf("1/3");
    Simplify(tree);
    ASSERT_EQ(tree->code, kNumber);
    EXPECT_EQ(tree->value, 1.0L / 3);  // not rounded to 12 digits
}

TEST(RemoveParens, EachDecision) {
    // clang-format off
    const struct { const char* input; const char* output; } cases[] = {
        // Atoms and calls lose parentheses after "(" or an operator; arguments keep theirs.
        {"((x))", "x"}, {"-(x)", "-x"}, {"x^(2)", "x^2"}, {"x*(sin(x))", "x*sin(x)"},
        {"sin((x))", "sin(x)"}, {"sin((x+2))", "sin(x+2)"},
        // After "(": by the next item.
        {"((x+2)+3)", "x+2+3"}, {"((x+2)-3)", "x+2-3"}, {"((x+2)*3)", "(x+2)*3"},
        {"((x*2)/3)", "x*2/3"}, {"((x^2)*3)", "x^2*3"}, {"((x*2)^3)", "(x*2)^3"},
        {"((-x)^2)", "(-x)^2"}, {"((-x)+2)", "-x+2"},
        // After binary "-", "*" or unary minus.
        {"x-(x-2)", "x-(x-2)"}, {"x-(2*x)", "x-2*x"}, {"x-(2*x)^3", "x-(2*x)^3"},
        {"x*(x/2)", "x*x/2"}, {"x*(x+2)", "x*(x+2)"}, {"x*(x^2)", "x*x^2"},
        {"x*(x*2)^2", "x*(x*2)^2"}, {"x*(-x)", "x*(-x)"}, {"-(x*2)", "-x*2"}, {"-(x+2)", "-(x+2)"},
        {"-(x^2)", "-x^2"}, {"(-(x*2)^2)", "-(x*2)^2"},
        // After "+".
        {"x+(x*2)", "x+x*2"}, {"x+(x-2)", "x+x-2"}, {"x+((-x)+3)", "x+(-x)+3"},
        {"x+(-x)", "x+(-x)"}, {"x+(x-2)*3", "x+(x-2)*3"}, {"x+(x*2)*3", "x+x*2*3"},
        {"x+(x*2)^3", "x+(x*2)^3"}, {"x+(-x)*2", "x+(-x)*2"},
        // After "/".
        {"x/(x*2)", "x/(x*2)"}, {"x/(x/2)", "x/(x/2)"}, {"x/(x^2)", "x/x^2"},
        {"x/(x^2)^3", "x/(x^2)^3"}, {"x/(x+2)", "x/(x+2)"},
        // After "^".
        {"x^(x^2)", "x^(x^2)"}, {"x^(x*2)", "x^(x*2)"}, {"(x^x)^2", "(x^x)^2"}};
    // clang-format on
    for (const auto& c : cases) {
        TokenList list = TokensOf(c.input);
        RemoveParens(list);
        const std::string output = TokenListToText(list, "x");
        EXPECT_EQ(output, c.output) << c.input;
        // Whatever is removed, the value stays.
        for (const long double x : {0.5L, 2.25L}) {  // exact sums: no reassociation noise
            const Evaluation before = ValueOf(c.input, x);
            const Evaluation after = ValueOf(output, x);
            EXPECT_EQ(before.value, after.value) << c.input;
            EXPECT_EQ(before.error, after.error) << c.input;
        }
    }
}

TEST(RemoveParens, MatchingParenAndMinPrecedence) {
    const TokenList list = TokensOf("(x+2)*sin(x)^2");  // ( ( x + 2 ) * sin ( x ) ^ 2 )
    EXPECT_EQ(MatchingParen(list, 0), list.size() - 1);
    EXPECT_EQ(MatchingParen(list, 1), 5u);
    EXPECT_EQ(MatchingParen(list, 8), 10u);
    EXPECT_EQ(MatchingParen(TokensOf("(x"), 0), 4u);  // unclosed: the list size
    EXPECT_EQ(MinPrecedence(list, 1, list.size() - 2), 1);
    EXPECT_EQ(MinPrecedence(list, 2, 4), 0);
    EXPECT_EQ(MinPrecedence(list, 7, 12), 2);
    EXPECT_EQ(MinPrecedence(list, 7, 10), 3);
    EXPECT_EQ(MinPrecedence(TokensOf("-x"), 1, 2), 0);
}

TEST(FormulaPrinter, NumbersAndNames) {
    // clang-format off
    const struct { StackItem item; const char* text; } cases[] = {
        {{0.5L, kNumber}, "0.5"}, {{-0.5L, kNumber}, "(-0.5)"}, {{-0.0L, kNumber}, "0"},
        {{-12345678, kNumber}, "(-1.2345678*10^7)"}, {{0, kVariable}, "t"}, {{0, kUnaryMinus}, "-"},
        {{0, kPiWord}, "Pi"}, {{0, kSin}, "sin"}, {{0, kAcoth}, "acoth"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(TokenText(c.item, "t"), c.text) << int(c.item.code);
}

}  // namespace
}  // namespace plotwise
