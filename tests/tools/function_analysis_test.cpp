// The function analysis: the fields' edge cases, zeros and extremums of known functions,
// the rows, the report, interruption, and intervals where the numbers lie far apart.
#include "tools/function_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "formula/number_input.h"

namespace plotwise {
namespace {

using Strings = std::vector<std::string>;

AnalysisParams Params(long double minX, long double maxX, int steps = 200, int digits = 2,
                      bool useDerivative = false) {
    return {minX, maxX, true, true, digits, steps, useDerivative};
}

Strings ExtremumTexts(const FunctionAnalysis& analysis) {
    Strings texts;
    for (const ExtremumRow& row : analysis.Extremums())
        texts.push_back((row.isMax ? "max " : "min ") + row.x + " " + row.y);
    return texts;
}

std::string Nested(const char* function, int depth) {
    std::string text = "x";
    for (int i = 0; i < depth; ++i)
        text = std::string(function) + "(" + text + ")";
    return text;
}

// The dialog's order and messages are tested through the dialog; these are the edges.
TEST(CheckAnalysisInput, Edges) {
    const std::string deep = Nested("sin", 26);
    using F = AnalysisField;
    // clang-format off
    const struct { AnalysisInput input; AnalysisField field; } cases[] = {
        {{"x", "-1.1*10^100", "10", "200", "2"}, F::MinX},
        {{"x", "0", "1", "20001", "2"}, F::StepsNum}, {{"x", "0", "1", "150.0", "2"}, F::StepsNum},
        {{"x", "0", "1", "200", "-1"}, F::DigitsNum},
        {{deep, "0", "1", "200", "2", true, true, true}, F::UseDerivative},
        {{deep, "0", "1", "200", "2", true, false, true}, F::None},  // only extremums use it
        {{"x", "-1*10^100", " 1*10^100 ", " 20000 ", "5"}, F::None}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(CheckAnalysisInput(c.input).field, c.field) << c.input.formula;
    EXPECT_EQ(CheckAnalysisInput(cases[4].input).message,
              "It is impossible to calculate extremums with\rthe help of analytically obtained "
              "derivative\ras the formula is too long for derivation");
    // Bounds are kept as the field shows them: 8 significant digits.
    EXPECT_EQ(CheckAnalysisInput({"x", "0", "123456789", "200", "2"}).params.MaxX, 123456790.0L);
}

TEST(FunctionAnalysis, KnownZerosAndExtremums) {
    const Strings sinZeros = {"-9.42", "-6.28", "-3.14", "0", "3.14", "6.28", "9.42"};
    const Strings sinExtremums = {"min -7.85 -1", "max -4.71 1", "min -1.57 -1",
                                  "max 1.57 1",   "min 4.71 -1", "max 7.85 1"};
    const Strings cubicExtremums = {"max -0.79 8.21", "min 2.12 -4.06"};
    // clang-format off
    const struct { const char* formula; AnalysisParams params; Strings zeros; Strings extremums; } cases[] = {
        {"x*x-1", Params(-10, 10), {"-1", "1"}, {"min 0 -1"}},
        // Roots and the minimum exactly on grid points are reported once.
        {"x*x-1", Params(-4, 4, 128), {"-1", "1"}, {"min 0 -1"}},
        {"x*x-1", Params(-4, 4, 128, 2, true), {"-1", "1"}, {"min 0 -1"}},
        {"(x-1)*(x+2)*(x-3)", Params(-10, 10), {"-2", "1", "3"}, cubicExtremums},
        {"sin(x)", Params(-10, 10), sinZeros, sinExtremums},
        {"sin(x)", Params(-10, 10, 200, 2, true), sinZeros, sinExtremums},
        {"x*exp(-x^2)", Params(-3, 3, 100, 3), {"0"}, {"min -0.707 -0.429", "max 0.707 0.429"}},
        // Sign changes across poles are no zeros.
        {"tan(x)", Params(-10, 10, 200, 2, true), sinZeros, {}},
        {"1/x", Params(-10, 10, 200, 2, true), {}, {}},
        {"1/(x-0.05)", Params(-10, 10, 200, 2, true), {}, {}}, {"x", Params(-4, 4, 128), {"0"}, {}},
        // A root at the left end has no point before it; at the right end it is found.
        {"x", Params(0, 8), {}, {}}, {"x", Params(-8, 0, 128), {"0"}, {}},
        // The derivative touches 0 at a grid point without changing its sign.
        {"x^3", Params(-4, 4, 128), {"0"}, {}}, {"x^3", Params(-4, 4, 128, 2, true), {"0"}, {}},
        // A plateau is no extremum.
        {"abs(x-1)+abs(x+1)", Params(-5, 5), {}, {}}, {"int(x/3)", Params(-10, 10), {}, {}},
        // Undefined left of 0: the chain starts at the first point with a value.
        {"sqrt(x)-1", Params(-10, 10), {"1"}, {}},
        {"x*x-2", Params(-10, 10, 200, 5), {"-1.41421", "1.41421"}, {"min 0 -2"}},
        {"x*x-2", Params(-10, 10, 200, 0), {"-1", "1"}, {"min 0 -2"}}};
    // clang-format on
    for (const auto& c : cases) {
        FunctionAnalysis analysis(c.formula, c.params);
        analysis.Run(nullptr);
        const std::string what = std::string(c.formula) + (c.params.UseDerivative ? " D" : "");
        EXPECT_EQ(analysis.Zeros(), c.zeros) << what;
        EXPECT_EQ(ExtremumTexts(analysis), c.extremums) << what;
    }
}

TEST(FunctionAnalysis, DerivativeScanAgreesWithTheNumericScan) {
    for (const char* formula :
         {"sin(x)", "x^4-3*x^2", "cos(3*x)+sin(x)", "x*exp(-x^2)", "(x-1)*(x+2)*(x-3)",
          "sin(x)^2+0.1*x", "1/(1+x^2)", "x^5-5*x^3+4*x"}) {
        for (int digits : {1, 2, 4}) {
            FunctionAnalysis numeric(formula, Params(-10, 10, 200, digits));
            FunctionAnalysis derivative(formula, Params(-10, 10, 200, digits, true));
            numeric.ScanExtremums(nullptr);
            derivative.ScanExtremumsByDerivative(nullptr);
            const auto& a = numeric.Extremums();
            const auto& b = derivative.Extremums();
            ASSERT_EQ(a.size(), b.size()) << formula;
            EXPECT_FALSE(a.empty()) << formula;
            // Both round to digits decimals; a value near a half may round either way.
            const long double unit = std::pow(10.0L, -digits) * 1.001L;
            for (std::size_t i = 0; i < a.size(); ++i) {
                EXPECT_EQ(a[i].isMax, b[i].isMax) << formula << " row " << i;
                EXPECT_LE(std::fabs(StrToNum(a[i].x) - StrToNum(b[i].x)), unit) << formula;
                EXPECT_LE(std::fabs(StrToNum(a[i].y) - StrToNum(b[i].y)), unit) << formula;
            }
        }
    }
}

TEST(FunctionAnalysis, RowsAreRoundedRepeatsDroppedAndAtMost2000Kept) {
    FunctionAnalysis analysis("x", Params(-10, 10));
    for (long double x : {-0.001L, 0.004L, 0.125L, -0.125L, 0.125L, 2.0L, 0.13L})
        analysis.AddZeroRow(x);
    // -0.001 shows as 0, not -0; 0.004 repeats it; halves round away from 0; only a repeat
    // of the row just before is dropped.
    EXPECT_EQ(analysis.Zeros(), Strings({"0", "0.13", "-0.13", "0.13", "2", "0.13"}));
    EXPECT_EQ(analysis.ZeroesCaption(), "Zeroes of function: 6");
    analysis.AddExtremumRow(false, 1, -0.001L);
    analysis.AddExtremumRow(true, 1.004L, 5);  // the same X: dropped
    analysis.AddExtremumRow(true, 2.5L, 1234567.891L);
    EXPECT_EQ(ExtremumTexts(analysis), Strings({"min 1 0", "max 2.5 1.2345679*10^6"}));
    EXPECT_EQ(analysis.ExtremumsCaption(), "Extremums: 2");
    FunctionAnalysis digits0("x", Params(-10, 10, 200, 0));
    digits0.AddZeroRow(2.5L);
    digits0.AddZeroRow(-0.4L);
    EXPECT_EQ(digits0.Zeros(), Strings({"3", "0"}));

    // Over 6000 zeros and extremums: the scans go on, the tables stay full.
    FunctionAnalysis many("sin(1000*x)", Params(-10, 10, 20000));
    many.Run(nullptr);
    many.AddZeroRow(1e6L);
    EXPECT_EQ(many.Zeros().size(), 2000u);
    EXPECT_EQ(many.ZeroesCaption(), "Zeroes of function: 2000");
    EXPECT_EQ(many.Extremums().size(), 2000u);
    EXPECT_EQ(many.ExtremumsCaption(), "Extremums: 2000");
}

// The full report of x*x-1 is checked by the results window's copy and save.
TEST(FunctionAnalysis, ReportLines) {
    AnalysisParams p = Params(-1e100L, 2.5e-7L, 100, 5);
    p.FindExtremums = false;
    FunctionAnalysis noExtremums("abs(x)-1", p);
    noExtremums.Run(nullptr);
    EXPECT_EQ(
        noExtremums.BuildReport(),
        Strings({"Analysis of function Y(x)=abs(x)-1", "Minimum of X = -1*10^100",
                 "Maximum of X = 2.5*10^(-7)", "Accuracy (decimal signs) = 5",
                 "Number of steps = 100", "The expression contains nondifferentiable function", "",
                 "Zeroes of function: none", "", "Extremums: not calculated"}));
    EXPECT_EQ(AnalysisDerivativeLine(Nested("exp", 26)), "Too large expression for derivation");
}

TEST(FunctionAnalysis, EscStopsOneScanAtATenthOfItsProgress) {
    FunctionAnalysis analysis("x*x-1", Params(-10, 10));
    std::vector<int> marks;
    analysis.Run([&marks](int percent) {
        marks.push_back(percent);
        return marks.size() == 1;  // Esc at the first look
    });
    EXPECT_EQ(marks, std::vector<int>({10, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(analysis.ZeroesCaption(), "Zeroes of function: none (interrupted)");
    EXPECT_EQ(analysis.ExtremumsCaption(), "Extremums: 1");

    // What was found before the Esc stays.
    FunctionAnalysis late("sin(x)", Params(-10, 10, 200, 2, true));
    int polls = 0;
    late.Run([&polls](int) { return ++polls == 15; });
    EXPECT_EQ(late.ZeroesCaption(), "Zeroes of function: 7");
    EXPECT_EQ(late.ExtremumsCaption(), "Extremums: 3 (interrupted)");
    EXPECT_EQ(late.BuildReport().back(), "min  -1.57              -1                 ");
}

TEST(FunctionAnalysis, RefinementsEndWhereNumbersRunOut) {
    PostfixFunction line, parabola, pole, log;
    ASSERT_TRUE(line.CompileFormula("x-1") && parabola.CompileFormula("(x-9.90000005*10^99)^2") &&
                pole.CompileFormula("1/x") && log.CompileFormula("ln(x)"));
    bool failed = true;
    // No width is below 0: only the midpoint meeting an end stops this. (Subtraction makes
    // differences below 12 digits of its operands 0.)
    EXPECT_LT(std::fabs(BisectRoot(line, 0, 3, 0, failed) - 1), 1e-12L);
    EXPECT_FALSE(failed);

    // Near 10^100 the numbers lie 9.5*10^80 apart, more than the tolerance of this interval,
    // 10^-12 of its width: probes eps apart would coincide. The subtraction in the formula
    // tells points apart to 12 digits.
    const long double left = StrToNum("9.9*10^99");
    const long double right = StrToNum("9.9000001*10^99");
    const long double eps = AnalysisTolerance(5, left, right);
    ASSERT_LT(eps, 9e80L);
    const long double c = StrToNum("9.90000005*10^99");
    for (long double end : {right, c + (right - c) / 7}) {
        EXPECT_LT(std::fabs(RefineExtremum(parabola, left, end, eps, failed) - c), 1e88L);
        EXPECT_FALSE(failed);
    }
    BisectRoot(pole, -1, 1, 1e-3L, failed);  // meets x = 0
    EXPECT_TRUE(failed);
    RefineExtremum(log, -1, 1, 1e-3L, failed);
    EXPECT_TRUE(failed);

    // Whole analyses there end, and find no flood of rows where the numbers run out.
    for (bool derivative : {false, true}) {
        FunctionAnalysis near("(x-9.90000005*10^99)^3-(x-9.90000005*10^99)",
                              Params(left, right, 20000, 5, derivative));
        near.Run(nullptr);
        EXPECT_EQ(near.Zeros(), Strings({"9.9000001*10^99"}));
        for (const char* formula : {"x*x-1", "x^3-x", "1/x"}) {
            FunctionAnalysis wide(formula, Params(-1e100L, 1e100L, 20000, 5, derivative));
            wide.Run(nullptr);
            EXPECT_LE(wide.Zeros().size() + wide.Extremums().size(), 2u) << formula;
        }
    }
}

}  // namespace
}  // namespace plotwise
