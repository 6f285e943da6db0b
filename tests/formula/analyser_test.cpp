// The formula language: what the analyser and transformer accept, and the codes they report.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "check_formula.h"
#include "compiled_formula.h"
#include "formula_errors.h"
#include "lex_analysator.h"
#include "stack_list.h"
#include "token_codes.h"

namespace plotwise {
namespace {

struct CheckCase {
    const char* text;
    const char* var;
    int code;  // 0: accepted
};

class CheckFormulaTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckFormulaTest, ReportsCode) {
    const CheckCase& c = GetParam();
    std::uint8_t err = 99;
    const bool ok = CheckFormula(c.text, c.var, err);
    EXPECT_EQ(ok, c.code == 0) << c.text;
    EXPECT_EQ(err, c.code) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Language, CheckFormulaTest,
    testing::Values(
        // Case and blanks do not matter.
        CheckCase{"x^2", "X", 0}, CheckCase{"X ^ 2", "x", 0}, CheckCase{"s i n(x)", "X", 0},
        CheckCase{"", "X", 0}, CheckCase{"    ", "X", 0},
        // Unary minus only directly after "(".
        CheckCase{"-x^2", "X", 0}, CheckCase{"2^(-1)", "X", 0}, CheckCase{"x*(-2)", "X", 0},
        CheckCase{"2^-1", "X", 2}, CheckCase{"x*-2", "X", 2}, CheckCase{"--x", "X", 2},
        CheckCase{"-", "X", 2}, CheckCase{"(-)", "X", 2}, CheckCase{"-*x", "X", 2},
        // No implicit multiplication, functions need their parentheses.
        CheckCase{"2x", "X", 2}, CheckCase{"2(x)", "X", 2}, CheckCase{"2pi", "X", 2},
        CheckCase{"x(2)", "X", 2}, CheckCase{"sin(x)(2)", "X", 2}, CheckCase{"sin x", "X", 1},
        CheckCase{"sin(x)^2", "X", 0}, CheckCase{"2^sin(x)", "X", 0}, CheckCase{"sin", "X", 2},
        // Numbers.
        CheckCase{"3.", "X", 0}, CheckCase{"1e5", "X", 1}, CheckCase{"1.5.2", "X", 1},
        CheckCase{"1,5", "X", 1}, CheckCase{".5", "X", 1}, CheckCase{"1$", "X", 1},
        CheckCase{"1=2", "X", 1},
        // Words and variables.
        CheckCase{"x2", "X", 1}, CheckCase{"X", "x", 0}, CheckCase{"y", "X", 1},
        CheckCase{"pi*PI*Pi", "X", 0}, CheckCase{"t", "t", 0}, CheckCase{"x\t", "X", 1},
        CheckCase{"\tx", "X", 1},
        // Every function name is known.
        CheckCase{"sin(cos(tan(cot(frac(int(abs(exp(ln(lg(sqrt(atan(x))))))))))))", "X", 0},
        CheckCase{"asin(acos(sinh(cosh(tanh(coth(asinh(acosh(atanh(acoth(x))))))))))", "X", 0},
        // Parentheses: balance is the transformer's, and a bad word wins over a bad pair.
        CheckCase{"((x)", "X", 3}, CheckCase{"(x))", "X", 4}, CheckCase{"()", "X", 2},
        CheckCase{"(x", "X", 3}, CheckCase{")x(", "X", 2}, CheckCase{"2x+foo", "X", 1},
        CheckCase{"2x+(1", "X", 2}));

TEST(CheckFormula, TwoVariables) {
    const struct {
        const char* text;
        int code;
    } cases[] = {{"x^2+y^2-1", 0}, {"x*y", 0}, {"xy", 1}, {"x(y)", 2}, {"y", 0},
                 {"x", 0},         {"5", 0},   {"", 0},   {"z", 1},    {"(y", 3}};
    for (const auto& c : cases) {
        std::uint8_t err = 99;
        EXPECT_EQ(CheckFormula2Var(c.text, "X", "Y", err), c.code == 0) << c.text;
        EXPECT_EQ(err, c.code) << c.text;
    }
}

TEST(LexAnalysator, SecondNameWinsWhenBothAreEqual) {
    TStackList tokens;
    std::uint8_t err = 99;
    TLexAnalysator2Var().Analyse("(a)", "A", "a", err, tokens);
    ASSERT_EQ(err, 0);
    std::uint8_t code = 0;
    long double value = 0;
    bool outOfRange = true;
    tokens.Peek(1, code, value, outOfRange);
    EXPECT_EQ(code, kSecondVariable);
}

TEST(LexAnalysator, TokensInTextOrderWithPiAndUnaryMinus) {
    TStackList tokens;
    std::uint8_t err = 99;
    TLexAnalysator().Analyse("(-pi*x-2.5)", "X", err, tokens);
    ASSERT_EQ(err, 0);
    const std::uint8_t expected[] = {kOpenBracket, kUnaryMinus, kNumber, kMultiply,
                                     kVariable,    kMinus,      kNumber, kCloseBracket};
    ASSERT_EQ(tokens.Size(), std::size(expected));
    for (std::size_t k = 0; k < tokens.Size(); ++k)
        EXPECT_EQ(tokens.Data()[k].code, expected[k]);
    EXPECT_EQ(tokens.Data()[2].value, 0xC90FDAA22168C235p-62L);
    EXPECT_EQ(tokens.Data()[6].value, 2.5L);
}

// The program, first instruction first, as codes; numbers as their value.
std::string ProgramText(const std::string& formula) {
    TStackList program;
    std::uint8_t err = 99;
    CompileProgram(formula, "X", err, program);
    if (err != 0) return "error " + std::to_string(err);
    std::string text;
    for (std::size_t k = program.Size(); k-- > 0;) {
        const TStackItem& item = program.Data()[k];
        if (!text.empty()) text += ' ';
        if (item.code != kNumber) text += '#';
        text += std::to_string(item.code == kNumber ? static_cast<int>(item.value) : item.code);
    }
    return text;
}

TEST(ExpTransformator, PrecedenceAndGrouping) {
    EXPECT_EQ(ProgramText("5"), "5");
    EXPECT_EQ(ProgramText("1+2*3"), "1 2 3 #7 #6");
    EXPECT_EQ(ProgramText("2^3^2"), "2 3 #4 2 #4");  // "^" groups from the left
    EXPECT_EQ(ProgramText("8-4-2"), "8 4 #5 2 #5");
    EXPECT_EQ(ProgramText("-x^2"), "#3 2 #4 #9");  // minus of the whole term
    EXPECT_EQ(ProgramText("-2*3+1"), "2 3 #7 #9 1 #6");
    EXPECT_EQ(ProgramText("sin(x)^2"), "#3 #14 2 #4");  // functions bind tightest
    EXPECT_EQ(ProgramText("2/sqrt(x)*3"), "2 #3 #16 #8 3 #7");
}

TEST(StackList, PushPopPeekReverse) {
    TStackList list;
    std::uint8_t code = 0;
    long double value = 0;
    bool flag = false;
    list.Pop(code, value, flag);
    EXPECT_TRUE(flag);
    list.Push(1, 10);
    list.Push(2, 20);
    list.Push(3, 30);
    list.Peek(0, code, value, flag);
    EXPECT_FALSE(flag);
    EXPECT_EQ(code, 3);
    list.Peek(3, code, value, flag);
    EXPECT_TRUE(flag);
    list.Reverse();
    list.Pop(code, value, flag);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(value, 10);
    EXPECT_EQ(list.Size(), 2u);
}

TEST(FormulaErrorText, BuildsTheMessageBoxText) {
    EXPECT_EQ(FormulaErrorText(1), "Error 1: syntax error");
    EXPECT_EQ(FormulaErrorText(2), "Error 2: discordance of lexems");
    EXPECT_EQ(FormulaErrorText(3), "Error 3: not enough ')' ");
    EXPECT_EQ(FormulaErrorText(4), "Error 4: not enough '(' ");
}

TEST(CheckFormula, LongAndHostileTextsAreHandled) {
    std::uint8_t err = 0;
    // A 255-character formula, as a document may hold, and far longer ones.
    std::string sum = "x";
    while (sum.size() < 255)
        sum += "+x";
    EXPECT_TRUE(CheckFormula(sum, "X", err));
    EXPECT_TRUE(CheckFormula(std::string(20000, '(') + "x" + std::string(20000, ')'), "X", err));
    EXPECT_FALSE(CheckFormula(std::string(5000, '9'), "X", err));  // beyond the extended range
    EXPECT_EQ(err, 1);
    EXPECT_FALSE(CheckFormula(std::string("x\0y", 3), "X", err));
    EXPECT_EQ(err, 1);
    EXPECT_FALSE(CheckFormula("\xff\xfe", "X", err));
    EXPECT_EQ(err, 1);
}

// A random well-formed formula over every function and operator.
std::string RandomFormula(std::mt19937& random, int depth) {
    static const char* functions[] = {
        "sin",  "cos",  "tan",  "cot",  "frac", "int",  "abs",  "exp",   "ln",    "lg",    "sqrt",
        "atan", "asin", "acos", "sinh", "cosh", "tanh", "coth", "asinh", "acosh", "atanh", "acoth"};
    static const char* leaves[] = {"x", "2", "0.5", "3.", "pi", "10", "0", "1000", "1"};
    static const char* operators[] = {"+", "-", "*", "/", "^"};
    std::uniform_int_distribution<int> kind(0, depth <= 0 ? 0 : 3);
    switch (kind(random)) {
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
    // Well-formed formulas, some with one piece of damage: every path of the analyser and
    // transformer agrees with CheckFormula, and whatever compiles evaluates to a value
    // within 1E500 or to code 7 or 8 at every x.
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
        std::uint8_t checkErr = 99;
        const bool ok = CheckFormula(text, "X", checkErr);
        TCompiledFormula formula;
        const std::uint8_t compileErr = formula.Compile(text, "X");
        ASSERT_EQ(ok, compileErr == 0) << text;
        ASSERT_EQ(checkErr, compileErr) << text;
        ASSERT_LE(compileErr, 4) << text;
        if (compileErr != 0) continue;
        ++compiled;
        for (long double x : xs) {
            std::uint8_t err = 99;
            const long double v = formula.Calculate(err, x);
            ASSERT_TRUE(err == 0 || err == 7 || err == 8) << text;
            if (err == 0) {
                ASSERT_TRUE(std::fabs(v) <= 1e500L) << text;
            }
        }
    }
    EXPECT_GT(compiled, 10000);
}

}  // namespace
}  // namespace plotwise
