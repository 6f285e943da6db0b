// The everyday reader: what it makes of what people type, where it finds mistakes, and that
// its rewritings mean what was typed.
#include "formula/everyday_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "formula/apply_operation.h"
#include "formula/compiled_formula.h"
#include "formula/decimal_io.h"
#include "formula/extended.h"
#include "formula/round12.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

// The rewritten text, or "E<code> " and the spot line.
std::string Read(const std::string& typed, const FormulaField& field,
                 Notation notation = Notation::Everyday) {
    const FormulaReading r = ReadFormula(typed, field, notation);
    if (r.tooLong) return "too long";
    if (r.Ok()) return r.text;
    return "E" + std::to_string(ErrorCode(r.error)) + " " +
           (r.spot ? SpotLine(typed, *r.spot) : std::string("-"));
}

TEST(EverydayReader, RewritesOrPointsAtTheMistake) {
    const FormulaField yOfX{{"x"}, 'y'};
    const FormulaField xy{{"X", "Y"}};
    const FormulaField calculatorE{{"e"}};
    // clang-format off
    const struct {
        const char* typed;
        const FormulaField& field;
        const char* read;
    } cases[] = {
        // Valid text stays exactly as typed, blanks and case included ("2 3" is 23).
        {"X ^ 2", yOfX, "X ^ 2"}, {"s i n(x)", yOfX, "s i n(x)"}, {"2 3", yOfX, "2 3"},
        {"sin h(x)", yOfX, "sin h(x)"}, {"2^3^2", yOfX, "2^3^2"}, {"", yOfX, ""},
        // Implicit multiplication; letter runs split into known words, longest first.
        {"2x", yOfX, "2*x"}, {"2(x+1)", yOfX, "2*(x+1)"}, {"(x+1)(x-1)", yOfX, "(x+1)*(x-1)"},
        {"3sin(x)", yOfX, "3*sin(x)"}, {"xy", xy, "x*y"}, {"2 x", yOfX, "2 * x"},
        {"pix", yOfX, "pi*x"}, {"xsin(x)", yOfX, "x*sin(x)"}, {"sinhx", yOfX, "sinh(x)"},
        {"expx", yOfX, "exp(x)"}, {"2x^2-3x+1", yOfX, "2*x^2-3*x+1"},
        {"xy", yOfX, "E1 near \"xy\""}, {"x2", yOfX, "E2 near \"x2\""}, {"(x)2", yOfX, "E2 near \")2\""},
        // Signs after an operator take the power that follows; a leading plus goes.
        {"2^-1", yOfX, "2^(-1)"}, {"x*-2", yOfX, "x*(-2)"}, {"--x", yOfX, "-(-x)"},
        {"x/-2*3", yOfX, "x/(-2)*3"}, {"2^-x^2", yOfX, "2^(-x^2)"}, {"x- -2", yOfX, "x- (-2)"},
        {"+1", yOfX, "1"}, {"(+x)", yOfX, "(x)"}, {"2*+3", yOfX, "2*3"}, {"-+-x", yOfX, "-(-x)"},
        // Numbers.
        {".5", yOfX, "0.5"}, {"1e5", yOfX, "1*10^5"}, {"2.5E-3", yOfX, "2.5*10^(-3)"},
        {"2e+5x", yOfX, "2*10^5*x"}, {"x/2e5", yOfX, "x/(2*10^5)"}, {"2e5^2", yOfX, "(2*10^5)^2"},
        {"2^1e3", yOfX, "2^(1*10^3)"}, {"2e", yOfX, "2*exp(1)"}, {"2e-x", yOfX, "2*exp(1)-x"},
        {"1.2.3", yOfX, "E1 near \"1.2.3\""}, {".", yOfX, "E1 near \".\""},
        // Euler's number, unless e is the field's variable.
        {"e^(x+1)", yOfX, "exp(x+1)"}, {"e^x", yOfX, "exp(x)"}, {"e", yOfX, "exp(1)"},
        {"e^-x^2", yOfX, "exp(-x^2)"}, {"e^x^2", yOfX, "exp(x)^2"}, {"xe^x", yOfX, "x*exp(x)"},
        {"2^e^x", yOfX, "2^exp(1)^x"}, {"ex", yOfX, "exp(1)*x"}, {"exp", yOfX, "E2 at the end"},
        {"2e", calculatorE, "2*e"}, {"ee", calculatorE, "e*e"}, {"e^2", calculatorE, "e^2"},
        {"2e5", calculatorE, "E2 near \"e5\""},
        // A function takes its bracket or the product after it.
        {"sin x", yOfX, "sin(x)"}, {"sin 2x", yOfX, "sin(2*x)"}, {"sinx^2", yOfX, "sin(x^2)"},
        {"sin x cos x", yOfX, "sin(x) * cos(x)"}, {"ln x/2", yOfX, "ln(x)/2"},
        {"sin-x", yOfX, "sin(-x)"}, {"2sinx", yOfX, "2*sin(x)"}, {"sin", yOfX, "E2 at the end"},
        {"sin^2x", yOfX, "E2 near \"sin^\""},
        // Symbols.
        {"-2π", yOfX, "-2*pi"}, {"x²+x³", yOfX, "x^2+x^3"}, {"2·3×4÷5−1", yOfX, "2*3*4/5-1"},
        {"√(x)", yOfX, "sqrt(x)"}, {"2√x", yOfX, "2*sqrt(x)"}, {"e^(-x²)", yOfX, "exp(-x^2)"},
        {"3sin(2x)", yOfX, "3*sin(2*x)"}, {"x€", yOfX, "E1 near \"€\""},
        // The result's name.
        {"y=x^2", yOfX, "x^2"}, {"Y = 2x", yOfX, "2*x"}, {"f(x)=x", yOfX, "x"},
        {"y(x)=x", yOfX, "x"}, {"y=", yOfX, ""}, {"x=1", yOfX, "E1 near \"=\""},
        {"y=x", xy, "E1 near \"=\""}, {"f(e)=2e", calculatorE, "2*e"},
        // Brackets and pairs.
        {"((2x", yOfX, "E3 at the end"}, {"2x)", yOfX, "E4 near \")\""}, {"2x+", yOfX, "E2 at the end"},
        {"2x+)", yOfX, "E2 near \"+)\""}, {"2**x", yOfX, "E2 near \"**\""}, {"2x()", yOfX, "E2 near \"()\""},
        {"2x$+y", yOfX, "E1 near \"$\""}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.typed, c.field), c.read) << c.typed;
}

TEST(EverydayReader, StrictLengthAndCarets) {
    const FormulaField yOfX{{"x"}, 'y'};
    EXPECT_EQ(Read("2x", yOfX, Notation::Strict), "E2 -");
    EXPECT_EQ(Read(std::string(20000, '(') + "2x", yOfX), "E2 -");  // too deep: the language's
    std::string terms = "x";
    while (terms.size() < 240)
        terms += "+2x";
    EXPECT_EQ(Read(terms, yOfX), "too long");
    EXPECT_EQ(ReadingMessage(ReadFormula(terms, yOfX, Notation::Everyday)),
              "Written out, the formula is longer\rthan 250 characters");
    EXPECT_EQ(CaretLines("π+x2", {3, 2}), "π+x2\r  ^");
    EXPECT_EQ(CaretLines("2x+", {3, 0}), "2x+\r   ^");
}

TEST(EverydayReader, NumberFieldsTakeTheValueOfAFormula) {
    // clang-format off
    const struct {
        const char* typed;
        const char* everyday;
    } cases[] = {
        {"-2*pi", "-6.2831853"}, {"pi/2", "1.5707963"}, {"1e-3", "0.001"}, {"sqrt(2)", "1.4142136"},
        {"2π", "6.2831853"}, {"1e7", "1*10^7"}, {"10^-40", "0"}, {"1.5", "1.5"}, {" ", " "},
        {"1*10^5", "1*10^5"}, {"1/0", "1/0"}, {"x", "x"}, {"2**3", "2**3"}, {"1,5", "1,5"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ReadNumberText(c.typed, Notation::Everyday), c.everyday) << c.typed;
        EXPECT_EQ(ReadNumberText(c.typed, Notation::Strict), c.typed);
    }
}

// A random formula as a tree, its value by the operations themselves, and its everyday text.
struct Node {
    std::uint8_t code;  // kNumber, kVariable, a function, an operator or kUnaryMinus
    long double value = 0;
    std::string text;  // how a leaf is typed
    std::vector<Node> operands;
};

Evaluation Reference(const Node& n, long double x) {
    if (n.code == kNumber) return {n.value};
    if (n.code == kVariable) return {x};
    Evaluation a{0}, b = Reference(n.operands.back(), x);
    if (n.operands.size() == 2) a = Reference(n.operands[0], x);
    if (!a.Ok()) return a;
    if (!b.Ok()) return b;
    return ApplyOperation(n.code, a.value, b.value);
}

Node Leaf(std::mt19937& random) {
    // clang-format off
    static const struct { const char* text; long double value; } leaves[] = {
        {"x", 0}, {"X", 0}, {"2", 2}, {".5", 0.5L}, {"3.", 3}, {"10", 10}, {"π", kPi}, {"pi", kPi},
        {"e", 0}, {"2e3", 3}, {"1E+2", 2}};
    // clang-format on
    const auto& leaf = leaves[random() % std::size(leaves)];
    if (leaf.text[0] == 'x' || leaf.text[0] == 'X') return {kVariable, 0, leaf.text, {}};
    if (leaf.text[0] == 'e') return {kExp, 0, "e", {{kNumber, 1, "1", {}}}};
    if (std::string(leaf.text).find_first_of("eE") != std::string::npos) {
        // m*10^k, as the engine computes it.
        const Node power{kPower, 0, "", {{kNumber, 10, "10", {}}, {kNumber, leaf.value, "", {}}}};
        return {kMultiply,
                0,
                leaf.text,
                {{kNumber, static_cast<long double>(leaf.text[0] - '0'), "", {}}, power}};
    }
    return {kNumber, leaf.value, leaf.text, {}};
}

Node RandomTree(std::mt19937& random, int depth) {
    static const std::uint8_t codes[] = {kPlus,       kMinus, kMultiply, kDivide, kPower,
                                         kUnaryMinus, kSin,   kExp,      kSqrt,   kLn};
    if (depth == 0 || random() % 4 == 0) return Leaf(random);
    const std::uint8_t code = codes[random() % std::size(codes)];
    Node n{code, 0, "", {RandomTree(random, depth - 1)}};
    if (IsBinaryOperator(code)) n.operands.push_back(RandomTree(random, depth - 1));
    return n;
}

// Precedence levels of everyday text: 0 sum, 1 product, 2 a negated power, 3 power, 4 atom.
// A power that ends in a signed exponent is no base: the sign takes what follows (2^-x^2).
int Level(const Node& n) {
    if (!n.text.empty()) return 4;
    if ((n.code == kPower && n.operands[1].code == kUnaryMinus) ||
        (n.code == kExp && n.operands[0].code == kUnaryMinus))
        return 2;
    switch (n.code) {
        case kPlus:
        case kMinus:
            return 0;
        case kMultiply:
        case kDivide:
            return 1;
        case kUnaryMinus:
            return 2;
        case kPower:
        case kExp:  // e^u is a power
            return 3;
        default:
            return 4;
    }
}

std::string Print(const Node& n, std::mt19937& random);

std::string PrintAtLeast(const Node& n, int level, std::mt19937& random) {
    const std::string text = Print(n, random);
    return Level(n) >= level ? text : "(" + text + ")";
}

std::string Print(const Node& n, std::mt19937& random) {
    const bool coin = random() % 2 == 0;
    const auto& ops = n.operands;
    if (!n.text.empty()) return n.text;
    switch (n.code) {
        case kPlus:
        case kMinus:
            return Print(ops[0], random) + (n.code == kPlus ? (coin ? "+" : " + ") : "−") +
                   PrintAtLeast(ops[1], 1, random);
        case kMultiply: {
            const std::string left = PrintAtLeast(ops[0], 1, random);
            const std::string right = PrintAtLeast(ops[1], 3, random);
            // Side by side where the right starts with a word or bracket (no digit, no 2e...).
            const bool implicit = Level(ops[1]) >= 3 && std::isalpha(right[0]) != 0 &&
                                  !(std::isdigit(left.back()) && right[0] == 'e');
            if (implicit && coin) return left + right;
            return left + (coin ? "·" : "*") + PrintAtLeast(ops[1], 2, random);
        }
        case kDivide:
            return PrintAtLeast(ops[0], 1, random) + (coin ? "/" : "÷") +
                   PrintAtLeast(ops[1], 2, random);
        case kUnaryMinus:
            return "-" + PrintAtLeast(ops[0], 3, random);
        case kPower: {
            const std::string base = PrintAtLeast(ops[0], 3, random);
            if (ops[1].code == kNumber && ops[1].text == "2" && coin) return base + "²";
            if (base == "e") return "(e)^" + PrintAtLeast(ops[1], 4, random);  // not e^
            return base + "^" + PrintAtLeast(ops[1], ops[1].code == kUnaryMinus ? 2 : 4, random);
        }
        case kExp:
            if (ops[0].code == kNumber && ops[0].text == "1") return "e";
            return coin ? "e^" + PrintAtLeast(ops[0], ops[0].code == kUnaryMinus ? 2 : 4, random)
                        : "exp(" + Print(ops[0], random) + ")";
        default: {
            const char* name = n.code == kSin ? "sin" : n.code == kSqrt ? "√" : "ln";
            return name + std::string("(") + Print(ops[0], random) + ")";
        }
    }
}

TEST(EverydayReader, RewritingsEvaluateAsTheIntendedFormula) {
    std::mt19937 random(2024);
    const long double xs[] = {0.75L, -2, 3};
    int rewritten = 0;
    for (int i = 0; i < 20000; ++i) {
        const Node tree = RandomTree(random, 4);
        const std::string typed = Print(tree, random);
        const FormulaReading reading = ReadFormula(typed, {{"x"}, 'y'}, Notation::Everyday);
        ASSERT_TRUE(reading.Ok() || reading.tooLong) << typed;
        rewritten += reading.text != typed ? 1 : 0;
        CompiledFormula formula;
        if (reading.tooLong || formula.Compile(reading.text, "x") != FormulaError::None) continue;
        for (long double x : xs) {
            const Evaluation expected = Reference(tree, x);
            const Evaluation got = formula.Calculate(x);
            ASSERT_EQ(got.Ok(), expected.Ok()) << typed << " -> " << reading.text;
            if (got.Ok()) {
                const long double want = Round12(expected.value);
                ASSERT_LE(std::fabs(got.value - want), 1e-11L * std::fabs(want))
                    << typed << " -> " << reading.text;
            }
        }
    }
    EXPECT_GT(rewritten, 10000);
}

}  // namespace
}  // namespace plotwise
