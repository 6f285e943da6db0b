// The everyday reader: what it makes of what people type, where it finds mistakes, and that
// its rewritings mean what was typed.
#include "formula/everyday_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "formula/compiled_formula.h"

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
    const struct { const char* typed; const FormulaField& field; const char* read; } cases[] = {
        // Valid text stays exactly as typed, blanks and case included ("2 3" is 23).
        {"X ^ 2", yOfX, "X ^ 2"}, {"s i n(x)", yOfX, "s i n(x)"}, {"2 3", yOfX, "2 3"},
        {"sin h(x)", yOfX, "sin h(x)"}, {"2^3^2", yOfX, "2^3^2"}, {"", yOfX, ""},
        // Implicit multiplication; letter runs split into known words, longest first.
        {"2x", yOfX, "2*x"}, {"2(x+1)", yOfX, "2*(x+1)"}, {"(x+1)(x-1)", yOfX, "(x+1)*(x-1)"},
        {"3sin(x)", yOfX, "3*sin(x)"}, {"xy", xy, "x*y"}, {"2 x", yOfX, "2 * x"},
        {"pix", yOfX, "pi*x"}, {"sinhx", yOfX, "sinh(x)"}, {"expx", yOfX, "exp(x)"},
        {"xy", yOfX, "E1 near \"xy\""}, {"x2", yOfX, "E2 near \"x2\""}, {"(x)2", yOfX, "E2 near \")2\""},
        // Signs after an operator take the power that follows; a leading plus goes.
        {"2^-1", yOfX, "2^(-1)"}, {"x*-2", yOfX, "x*(-2)"}, {"--x", yOfX, "-(-x)"},
        {"x/-2*3", yOfX, "x/(-2)*3"}, {"2^-x^2", yOfX, "2^(-x^2)"}, {"x- -2", yOfX, "x- (-2)"},
        {"+1", yOfX, "1"}, {"(+x)", yOfX, "(x)"}, {"2*+3", yOfX, "2*3"},
        // Numbers.
        {".5", yOfX, "0.5"}, {"1e5", yOfX, "1*10^5"}, {"2.5E-3", yOfX, "2.5*10^(-3)"},
        {"x/2e5", yOfX, "x/(2*10^5)"}, {"2e5^2", yOfX, "(2*10^5)^2"}, {"2e", yOfX, "2*exp(1)"},
        {"2e-x", yOfX, "2*exp(1)-x"}, {"1.2.3", yOfX, "E1 near \"1.2.3\""},
        // Euler's number, unless e is the field's variable.
        {"e^(x+1)", yOfX, "exp(x+1)"}, {"e^x", yOfX, "exp(x)"}, {"e", yOfX, "exp(1)"},
        {"e^-x^2", yOfX, "exp(-x^2)"}, {"e^x^2", yOfX, "exp(x)^2"}, {"xe^x", yOfX, "x*exp(x)"},
        {"2^e^x", yOfX, "2^exp(1)^x"}, {"ex", yOfX, "exp(1)*x"}, {"exp", yOfX, "E2 at the end"},
        {"2e", calculatorE, "2*e"}, {"ee", calculatorE, "e*e"}, {"e^2", calculatorE, "e^2"},
        {"2e5", calculatorE, "E2 near \"e5\""},
        // A function takes its bracket or the product after it.
        {"sin x", yOfX, "sin(x)"}, {"sin 2x", yOfX, "sin(2*x)"}, {"sinx^2", yOfX, "sin(x^2)"},
        {"sin x cos x", yOfX, "sin(x) * cos(x)"}, {"ln x/2", yOfX, "ln(x)/2"},
        {"sin-x", yOfX, "sin(-x)"}, {"sin", yOfX, "E2 at the end"}, {"sin^2x", yOfX, "E2 near \"sin^\""},
        // Symbols.
        {"-2π", yOfX, "-2*pi"}, {"x²+x³", yOfX, "x^2+x^3"}, {"2·3×4÷5−1", yOfX, "2*3*4/5-1"},
        {"2√x", yOfX, "2*sqrt(x)"}, {"e^(-x²)", yOfX, "exp(-x^2)"}, {"x€", yOfX, "E1 near \"€\""},
        // The result's name.
        {"Y = 2x", yOfX, "2*x"}, {"f(x)=x", yOfX, "x"}, {"y(x)=x", yOfX, "x"}, {"y=", yOfX, ""},
        {"x=1", yOfX, "E1 near \"=\""}, {"y=x", xy, "E1 near \"=\""}, {"f(e)=2e", calculatorE, "2*e"},
        // Brackets and pairs.
        {"((2x", yOfX, "E3 at the end"}, {"2x)", yOfX, "E4 near \")\""}, {"2x+", yOfX, "E2 at the end"},
        {"2x+)", yOfX, "E2 near \"+)\""}, {"2**x", yOfX, "E2 near \"**\""}, {"2x()", yOfX, "E2 near \"()\""}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.typed, c.field), c.read) << c.typed;
}

TEST(EverydayReader, StrictLengthAndCarets) {
    const FormulaField yOfX{{"x"}, 'y'};
    EXPECT_EQ(Read("2x", yOfX, Notation::Strict), "E2 -");
    // More than a field holds is refused as typed, before any rewriting.
    EXPECT_EQ(Read(std::string(20000, '(') + "2x", yOfX), "E1 -");
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
    const struct { const char *typed, *everyday; } cases[] = {
        {"-2*pi", "-6.2831853"}, {"pi/2", "1.5707963"}, {"1e-3", "0.001"}, {"2π", "6.2831853"},
        {"1e7", "1*10^7"}, {"10^-40", "0"}, {"1.5", "1.5"}, {" ", " "}, {"1/0", "1/0"}, {"x", "x"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ReadNumberText(c.typed, Notation::Everyday), c.everyday) << c.typed;
        EXPECT_EQ(ReadNumberText(c.typed, Notation::Strict), c.typed);
    }
}

// A random formula typed in everyday notation, and the formula meant written out in the
// language with every bracket: the reference the rewriting must evaluate like.
struct Typed {
    std::string text, full;
    int level;  // where it may stand: 0 sum, 1 product, 2 signed power, 3 power, 4 atom
};

Typed Bracket(const Typed& t, int level) {
    return t.level >= level ? t : Typed{"(" + t.text + ")", t.full, 4};
}

// A sign takes the power after it (2^-x^2), so only a negation may follow ^ unbracketed.
bool Negation(const Typed& t) {
    return t.level == 2 && t.text[0] == '-';
}

Typed RandomTyped(std::mt19937& random, int depth) {
    // clang-format off
    static const Typed leaves[] = {{"x", "x", 4}, {"X", "x", 4}, {"2", "2", 4}, {".5", "0.5", 4},
        {"3.", "3", 4}, {"π", "pi", 4}, {"pi", "pi", 4}, {"e", "exp(1)", 3},
        {"2e3", "(2*10^3)", 4}, {"1E+2", "(1*10^2)", 4}};
    // clang-format on
    const unsigned pick = depth == 0 ? 0 : random() % 9;
    const bool coin = random() % 2 == 0;
    if (pick < 2) return leaves[random() % std::size(leaves)];
    const Typed a = RandomTyped(random, depth - 1);
    const Typed b = RandomTyped(random, depth - 1);
    const auto full = [&a, &b](const char* op) { return "(" + a.full + op + b.full + ")"; };
    switch (pick) {
        case 2:
            return {a.text + (coin ? "+" : " + ") + Bracket(b, 1).text, full("+"), 0};
        case 3:
            return {a.text + "−" + Bracket(b, 1).text, full("-"), 0};
        case 4: {  // side by side where b starts with a word (but no 2e...)
            const std::string left = Bracket(a, 1).text;
            const std::string right = Bracket(b, 3).text;
            if (coin && b.level >= 3 && std::isalpha(right[0]) != 0 &&
                !(std::isdigit(left.back()) != 0 && right[0] == 'e'))
                return {left + right, full("*"), 1};
            return {left + (coin ? "·" : "*") + Bracket(b, 2).text, full("*"), 1};
        }
        case 5:
            return {Bracket(a, 1).text + (coin ? "/" : "÷") + Bracket(b, 2).text, full("/"), 1};
        case 6:
            return {"-" + Bracket(a, 3).text, "(-" + a.full + ")", 2};
        case 7: {  // e^ is Euler's power: a base e needs its bracket
            const std::string base = a.text == "e" ? "(e)" : Bracket(a, 3).text;
            if (coin && b.full == "2") return {base + "²", full("^"), 3};
            const int level = Negation(b) ? 2 : 3;
            return {base + "^" + Bracket(b, level == 2 ? 2 : 4).text, full("^"), level};
        }
        default: {
            if (coin) {
                const int level = Negation(b) ? 2 : 3;
                return {"e^" + Bracket(b, level == 2 ? 2 : 4).text, "exp(" + b.full + ")", level};
            }
            static const char* const kNames[][2] = {
                {"sin", "sin"}, {"√", "sqrt"}, {"ln", "ln"}, {"exp", "exp"}};
            const auto& name = kNames[random() % 4];
            return {name[0] + ("(" + a.text + ")"), name[1] + ("(" + a.full + ")"), 4};
        }
    }
}

TEST(EverydayReader, RewritingsEvaluateAsTheIntendedFormula) {
    std::mt19937 random(2024);
    const long double xs[] = {0.75L, -2, 3};
    int rewritten = 0;
    for (int i = 0; i < 20000; ++i) {
        const Typed typed = RandomTyped(random, 4);
        const FormulaReading reading = ReadFormula(typed.text, {{"x"}, 'y'}, Notation::Everyday);
        ASSERT_TRUE(reading.Ok() || reading.tooLong) << typed.text;
        rewritten += reading.text != typed.text ? 1 : 0;
        CompiledFormula formula, reference;
        if (reading.tooLong) continue;
        ASSERT_EQ(formula.Compile(reading.text, "x"), FormulaError::None);
        ASSERT_EQ(reference.Compile(typed.full, "x"), FormulaError::None) << typed.full;
        for (long double x : xs) {
            const Evaluation want = reference.Calculate(x);
            const Evaluation got = formula.Calculate(x);
            ASSERT_EQ(got.Ok(), want.Ok()) << typed.text << " -> " << reading.text;
            ASSERT_LE(std::fabs(got.value - want.value), 1e-11L * std::fabs(want.value))
                << typed.text << " -> " << reading.text << " vs " << typed.full;
        }
    }
    EXPECT_GT(rewritten, 10000);
}

}  // namespace
}  // namespace plotwise
